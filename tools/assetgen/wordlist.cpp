#include "wordlist.h"

#include <QHash>
#include <QSet>

#include "asseterror.h"
#include "tsv.h"

namespace {

// The labelling board centres its slot row as if slots were 60 pixels apart
// while they stand 70 apart, so on the small screen an eleventh slot runs
// off the right edge.
constexpr int kMaxTokens = 10;

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

// The written forms a practised tile may show: "ż" and "rz" stand for SZ
// too where they are devoiced.
bool IsHushingLetter(const QString& text) {
  static const QStringList kHushing = {QStringLiteral("sz"), QString::fromUtf8("ż"), QStringLiteral("rz"),
                                       QStringLiteral("cz"), QString::fromUtf8("dż")};
  return kHushing.contains(text);
}

}  // namespace

quint16 ParseCells(const QString& cells) {
  static const QHash<QString, quint16> kSounds = {{QStringLiteral("SZ"), 0x0001},
                                                  {QString::fromUtf8("Ż/RZ"), 0x0002},
                                                  {QStringLiteral("CZ"), 0x0004},
                                                  {QString::fromUtf8("DŻ"), 0x0008}};
  static const QHash<QString, quint16> kPositions = {
      {QStringLiteral("initial"), 0x0100}, {QStringLiteral("medial"), 0x0200}, {QStringLiteral("final"), 0x0400}};
  quint16 flags = 0;
  for (const QString& cell : cells.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
    const QStringList parts = cell.simplified().split(QLatin1Char(' '));
    if (parts.size() != 2 || !kSounds.contains(parts[0]) || !kPositions.contains(parts[1])) {
      throw AssetError(QStringLiteral("cell \"%1\" is not a sound (SZ, Ż/RZ, CZ, DŻ) and a position (initial, medial, final)")
                           .arg(cell.trimmed()));
    }
    flags |= kSounds[parts[0]] | kPositions[parts[1]];
  }
  if (flags == 0) throw AssetError(QStringLiteral("the word stands in no cell"));
  return flags;
}

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
  table.Require({QStringLiteral("key"), QStringLiteral("word"), QStringLiteral("cells"), QStringLiteral("segmentation"),
                 QStringLiteral("icon")});
  QList<WordEntry> words;
  QSet<QString> keys;
  for (const TsvTable::Row& row : table.Rows()) {
    const QString where = table.Where(row);
    WordEntry w;
    w.key = table.Value(row, QStringLiteral("key"));
    w.word = table.Value(row, QStringLiteral("word"));
    w.segmentation = table.Value(row, QStringLiteral("segmentation"));
    w.sayAs = table.Value(row, QStringLiteral("say_as"));
    w.icon = table.Value(row, QStringLiteral("icon"));
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
    try {
      w.flags = ParseCells(table.Value(row, QStringLiteral("cells")));
    } catch (const AssetError& e) {
      throw AssetError(where + e.Message());
    }
    if (w.icon.isEmpty()) throw AssetError(where + QStringLiteral("word \"%1\" has no icon").arg(w.key));
    QString joined;
    for (const Token& t : w.tokens) {
      if (t.marked && !IsHushingLetter(t.text)) {
        throw AssetError(where + QStringLiteral("marked token \"%1\" is not sz, ż, rz, cz or dż").arg(t.text));
      }
      joined += t.text;
    }
    if (joined != w.word) {
      throw AssetError(where + QStringLiteral("segmentation \"%1\" spells \"%2\", not \"%3\"").arg(w.segmentation, joined, w.word));
    }
    if (w.tokens.size() > kMaxTokens) {
      throw AssetError(where + QStringLiteral("segmentation \"%1\" has more than %2 tokens: the slot row of the "
                                              "800 x 600 screen holds no more")
                                   .arg(w.segmentation)
                                   .arg(kMaxTokens));
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

QByteArray ProgramWordList(const QList<WordEntry>& words) {
  QByteArray out("# key\tflags\tsegmentation\tword\n");
  for (const WordEntry& w : words) {
    out += w.key.toLatin1() + '\t' + "0x" + QByteArray::number(w.flags, 16).rightJustified(4, '0') + '\t' +
           w.segmentation.toUtf8() + '\t' + w.word.toUtf8() + '\n';
  }
  return out;
}
