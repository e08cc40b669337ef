#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// A tab-separated table whose first non-comment line names the columns.
// Columns are found by name, so new columns can be added to a source file
// without breaking older readers. Blank lines and lines starting with "#" are
// skipped. Throws AssetError naming the source and line.
class TsvTable {
 public:
  struct Row {
    int line;  // 1-based line in the source, for messages
    QStringList fields;
  };

  static TsvTable Parse(const QString& text, const QString& sourceName);
  static TsvTable Read(const QString& path);

  // Fails when a required column is missing.
  void Require(const QStringList& columns) const;
  bool Has(const QString& column) const { return columns_.contains(column); }
  // The trimmed field, or an empty string when the column does not exist.
  QString Value(const Row& row, const QString& column) const;
  const QList<Row>& Rows() const { return rows_; }
  const QString& SourceName() const { return source_; }
  // "words.tsv:7: " style prefix for messages about a row.
  QString Where(const Row& row) const;

 private:
  QString source_;
  QHash<QString, int> columns_;
  QList<Row> rows_;
};
