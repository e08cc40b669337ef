#include "tsv.h"

#include <QFile>
#include <QFileInfo>

#include "asseterror.h"

TsvTable TsvTable::Parse(const QString& text, const QString& sourceName) {
  TsvTable table;
  table.source_ = sourceName;
  bool haveHeader = false;
  int headerSize = 0;
  const QStringList lines = text.split(QLatin1Char('\n'));
  for (int i = 0; i < lines.size(); ++i) {
    QString line = lines[i];
    if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
    if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
    const QStringList fields = line.split(QLatin1Char('\t'));
    if (!haveHeader) {
      for (int c = 0; c < fields.size(); ++c) {
        const QString name = fields[c].trimmed();
        if (name.isEmpty() || table.columns_.contains(name)) {
          throw AssetError(QStringLiteral("%1:%2: empty or repeated column name \"%3\"").arg(sourceName).arg(i + 1).arg(name));
        }
        table.columns_.insert(name, c);
      }
      headerSize = int(fields.size());
      haveHeader = true;
      continue;
    }
    if (fields.size() > headerSize) {
      throw AssetError(QStringLiteral("%1:%2: %3 fields, but the header names only %4 columns")
                           .arg(sourceName).arg(i + 1).arg(fields.size()).arg(headerSize));
    }
    table.rows_.append(Row{i + 1, fields});
  }
  if (!haveHeader) throw AssetError(QStringLiteral("%1: no header line").arg(sourceName));
  return table;
}

TsvTable TsvTable::Read(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    throw AssetError(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
  }
  return Parse(QString::fromUtf8(file.readAll()), QFileInfo(path).fileName());
}

void TsvTable::Require(const QStringList& columns) const {
  for (const QString& c : columns) {
    if (!columns_.contains(c)) throw AssetError(QStringLiteral("%1: the header has no column \"%2\"").arg(source_, c));
  }
}

QString TsvTable::Value(const Row& row, const QString& column) const {
  const int c = columns_.value(column, -1);
  if (c < 0 || c >= row.fields.size()) return QString();
  return row.fields[c].trimmed();
}

QString TsvTable::Where(const Row& row) const { return QStringLiteral("%1:%2: ").arg(source_).arg(row.line); }
