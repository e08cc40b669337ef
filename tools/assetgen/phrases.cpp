#include "phrases.h"

#include <QSet>
#include <QStringList>

#include "asseterror.h"
#include "tsv.h"

namespace {

QStringList ExpectedNames() {
  QStringList names;
  for (int i = 0; i < 8; ++i) names << QStringLiteral("g%1").arg(i, 2, 10, QLatin1Char('0'));
  for (int i = 0; i < 5; ++i) names << QStringLiteral("b%1").arg(i, 2, 10, QLatin1Char('0'));
  names << QStringLiteral("n00");
  return names;
}

}  // namespace

QList<Phrase> ParsePhrases(const TsvTable& table) {
  table.Require({QStringLiteral("name"), QStringLiteral("text")});
  const QStringList expected = ExpectedNames();
  QList<Phrase> phrases;
  QSet<QString> seen;
  for (const TsvTable::Row& row : table.Rows()) {
    Phrase p{table.Value(row, QStringLiteral("name")), table.Value(row, QStringLiteral("text"))};
    if (!expected.contains(p.name)) {
      throw AssetError(table.Where(row) + QStringLiteral("unknown phrase name \"%1\" (g00..g07, b00..b04, n00)").arg(p.name));
    }
    if (seen.contains(p.name)) throw AssetError(table.Where(row) + QStringLiteral("phrase \"%1\" appears twice").arg(p.name));
    if (p.text.isEmpty()) throw AssetError(table.Where(row) + QStringLiteral("phrase \"%1\" has no text").arg(p.name));
    seen.insert(p.name);
    phrases.append(p);
  }
  for (const QString& name : expected) {
    if (!seen.contains(name)) throw AssetError(table.SourceName() + QStringLiteral(": phrase \"%1\" is missing").arg(name));
  }
  return phrases;
}

QList<Phrase> ReadPhrases(const QString& path) { return ParsePhrases(TsvTable::Read(path)); }
