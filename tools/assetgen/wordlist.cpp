#include "wordlist.h"

#include <QHash>
#include <QSet>

#include "asseterror.h"
#include "tsv.h"
#include "words/wordbits.h"

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

// The written forms a practised tile may show: the hushing sounds ("ż" and
// "rz" stand for SZ too where they are devoiced) and their hissing partners.
// The soft series (ś, ź, ć, dź) is never practised.
bool IsPractisedLetter(const QString& text) {
  static const QStringList kPractised = {QStringLiteral("sz"), QString::fromUtf8("ż"), QStringLiteral("rz"),
                                         QStringLiteral("cz"), QString::fromUtf8("dż"), QStringLiteral("s"),
                                         QStringLiteral("z"),  QStringLiteral("c"),     QStringLiteral("dz")};
  return kPractised.contains(text);
}

// The program's own strict reading, with the fault said in words.
std::vector<words::Token> ParseSegmentation(const QString& segmentation) {
  words::CheckedSegmentation checked = words::CheckSegmentation(segmentation, words::Letters::LowercaseOnly);
  switch (checked.fault) {
    case words::SegmentationFault::None:
      break;
    case words::SegmentationFault::NoFinalComma:
      throw AssetError(QStringLiteral("segmentation \"%1\" must end with a comma after the last token").arg(segmentation));
    case words::SegmentationFault::EmptyToken:
      throw AssetError(QStringLiteral("segmentation \"%1\" has an empty token").arg(segmentation));
    case words::SegmentationFault::NotLetters:
      throw AssetError(QStringLiteral("segmentation \"%1\": token \"%2\" is not lowercase letters")
                           .arg(segmentation, checked.badToken));
    case words::SegmentationFault::NothingMarked:
      throw AssetError(QStringLiteral("segmentation \"%1\" marks no practised sound with \"_\"").arg(segmentation));
  }
  return std::move(checked.tokens);
}

}  // namespace

quint16 ParseCells(const QString& cells) {
  static const QHash<QString, quint16> kSounds = {{QStringLiteral("SZ"), words::kSoundSz},
                                                  {QString::fromUtf8("Ż/RZ"), words::kSoundZRz},
                                                  {QStringLiteral("CZ"), words::kSoundCz},
                                                  {QString::fromUtf8("DŻ"), words::kSoundDz},
                                                  {QStringLiteral("S"), words::kSoundS},
                                                  {QStringLiteral("Z"), words::kSoundZ},
                                                  {QStringLiteral("C"), words::kSoundC},
                                                  {QStringLiteral("DZ"), words::kSoundDzHissing}};
  static const QHash<QString, quint16> kPositions = {{QStringLiteral("initial"), words::kWordInitial},
                                                     {QStringLiteral("medial"), words::kWordMedial},
                                                     {QStringLiteral("final"), words::kWordFinal}};
  quint16 flags = 0;
  for (const QString& cell : cells.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
    const QStringList parts = cell.simplified().split(QLatin1Char(' '));
    if (parts.size() != 2 || !kSounds.contains(parts[0]) || !kPositions.contains(parts[1])) {
      throw AssetError(QStringLiteral("cell \"%1\" is not a sound (SZ, Ż/RZ, CZ, DŻ, S, Z, C, DZ) and a position (initial, medial, "
                                       "final)")
                           .arg(cell.trimmed()));
    }
    flags |= kSounds[parts[0]] | kPositions[parts[1]];
  }
  if (flags == 0) throw AssetError(QStringLiteral("the word stands in no cell"));
  return flags;
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
    for (const words::Token& t : w.tokens) {
      if (t.marked && !IsPractisedLetter(t.phoneme)) {
        throw AssetError(where + QStringLiteral("marked token \"%1\" is not sz, ż, rz, cz, dż, s, z, c or dz").arg(t.phoneme));
      }
    }
    const QString joined = words::Spelling(w.tokens);
    if (joined != w.word) {
      throw AssetError(where + QStringLiteral("segmentation \"%1\" spells \"%2\", not \"%3\"").arg(w.segmentation, joined, w.word));
    }
    if (int(w.tokens.size()) > kMaxTokens) {
      throw AssetError(where + QStringLiteral("segmentation \"%1\" has more than %2 tokens: the slot row of the "
                                              "800 x 600 screen holds no more")
                                   .arg(w.segmentation)
                                   .arg(kMaxTokens));
    }
    if (int(w.tokens.size()) > w.key.size()) {
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
