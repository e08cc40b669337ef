#include "wordlist.h"

#include <QSet>

#include "asseterror.h"
#include "tsv.h"

namespace {

bool IsAsciiLetters(const QString& s) {
  if (s.isEmpty()) return false;
  for (QChar c : s) {
    if (!((c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z')))) return false;
  }
  return true;
}

bool IsLowercaseLetters(const QString& s) {
  for (QChar c : s) {
    if (!c.isLetter() || c.isUpper()) return false;
  }
  return true;
}

}  // namespace

QList<Token> ParseSegmentation(const QString& segmentation) {
  if (!segmentation.endsWith(QLatin1Char(','))) {
    throw AssetError(QStringLiteral("segmentation \"%1\" must end with a comma after the last token").arg(segmentation));
  }
  QStringList parts = segmentation.split(QLatin1Char(','));
  parts.removeLast();  // the empty field after the final comma
  QList<Token> tokens;
  bool anyMarked = false;
  for (const QString& part : parts) {
    Token token;
    token.marked = part.startsWith(QLatin1Char('_'));
    token.text = token.marked ? part.mid(1) : part;
    if (token.text.isEmpty()) {
      throw AssetError(QStringLiteral("segmentation \"%1\" has an empty token").arg(segmentation));
    }
    if (!IsLowercaseLetters(token.text)) {
      throw AssetError(QStringLiteral("segmentation \"%1\": token \"%2\" is not lowercase letters").arg(segmentation, part));
    }
    anyMarked = anyMarked || token.marked;
    tokens.append(token);
  }
  if (!anyMarked) {
    throw AssetError(QStringLiteral("segmentation \"%1\" marks no practised sound with \"_\"").arg(segmentation));
  }
  return tokens;
}

QList<WordEntry> ParseWordList(const TsvTable& table) {
  table.Require({QStringLiteral("key"), QStringLiteral("word"), QStringLiteral("segmentation")});
  QList<WordEntry> words;
  QSet<QString> keys;
  for (const TsvTable::Row& row : table.Rows()) {
    const QString where = table.Where(row);
    WordEntry w;
    w.key = table.Value(row, QStringLiteral("key"));
    w.word = table.Value(row, QStringLiteral("word"));
    w.segmentation = table.Value(row, QStringLiteral("segmentation"));
    w.sayAs = table.Value(row, QStringLiteral("say_as"));
    if (!IsAsciiLetters(w.key)) {
      throw AssetError(where + QStringLiteral("key \"%1\" must be ASCII letters only (it names files)").arg(w.key));
    }
    if (keys.contains(w.key)) throw AssetError(where + QStringLiteral("key \"%1\" appears twice").arg(w.key));
    keys.insert(w.key);
    if (w.word.isEmpty()) throw AssetError(where + QStringLiteral("word \"%1\" has no written form").arg(w.key));
    try {
      w.tokens = ParseSegmentation(w.segmentation);
    } catch (const AssetError& e) {
      throw AssetError(where + e.Message());
    }
    QString joined;
    for (const Token& t : w.tokens) joined += t.text;
    if (joined != w.word) {
      throw AssetError(where + QStringLiteral("segmentation \"%1\" spells \"%2\", not \"%3\"").arg(w.segmentation, joined, w.word));
    }
    if (w.tokens.size() > w.key.size()) {
      throw AssetError(where + QStringLiteral("segmentation \"%1\" has more tokens than the key \"%2\" has letters")
                                   .arg(w.segmentation, w.key));
    }
    words.append(w);
  }
  if (words.isEmpty()) throw AssetError(table.SourceName() + QStringLiteral(": no words"));
  return words;
}

QList<WordEntry> ReadWordList(const QString& path) { return ParseWordList(TsvTable::Read(path)); }
