#include "words/wordlist.h"

#include <QFile>
#include <QStringDecoder>

#include "words/segmentation.h"
#include "words/wordbits.h"

namespace words {

namespace {

// A key names files; a longer one is surely a damaged line.
constexpr int kMaxKeyLength = 40;

bool IsAsciiKey(const QByteArray& key) {
  if (key.isEmpty() || key.size() > kMaxKeyLength) return false;
  for (char c : key) {
    if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))) return false;
  }
  return true;
}

bool ParseFlags(const QByteArray& field, quint16& flags) {
  if (field.size() < 3 || field.size() > 6 || !field.startsWith("0x")) return false;
  quint32 value = 0;
  for (char c : field.mid(2)) {
    int digit;
    if (c >= '0' && c <= '9') {
      digit = c - '0';
    } else if (c >= 'a' && c <= 'f') {
      digit = c - 'a' + 10;
    } else if (c >= 'A' && c <= 'F') {
      digit = c - 'A' + 10;
    } else {
      return false;
    }
    value = value * 16 + quint32(digit);
  }
  if ((value & ~quint32(kAnySoundMask | kPositionMask)) != 0) return false;
  if ((value & kAnySoundMask) == 0 || (value & kPositionMask) == 0) return false;
  flags = quint16(value);
  return true;
}

bool DecodeUtf8(const QByteArray& bytes, QString& out) {
  QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  out = decoder.decode(bytes);
  return !decoder.hasError();
}

// Read strictly: the board would quietly skip what the list got wrong.
bool IsSegmentationOf(const QString& podzial, const QString& word, int keyLength) {
  const CheckedSegmentation checked = CheckSegmentation(podzial);
  return checked.fault == SegmentationFault::None && int(checked.tokens.size()) <= keyLength &&
         Spelling(checked.tokens) == word;
}

bool ParseLine(QByteArray line, SPaczka& slowo) {
  if (line.endsWith('\r')) line.chop(1);
  const QList<QByteArray> fields = line.split('\t');
  if (fields.size() != 4) return false;
  if (!IsAsciiKey(fields[0])) return false;
  quint16 flags = 0;
  if (!ParseFlags(fields[1], flags)) return false;
  QString podzial, word;
  if (!DecodeUtf8(fields[2], podzial) || !DecodeUtf8(fields[3], word)) return false;
  if (word.isEmpty() || !IsSegmentationOf(podzial, word, int(fields[0].size()))) return false;
  slowo.Nazwa = QString::fromLatin1(fields[0]);
  slowo.Flagi = flags;
  slowo.Podzial = podzial;
  return true;
}

}  // namespace

std::vector<SPaczka> ParseWordList(const QByteArray& text) {
  std::vector<SPaczka> result;
  QByteArray body = text;
  if (body.startsWith("\xEF\xBB\xBF")) body.remove(0, 3);
  for (const QByteArray& line : body.split('\n')) {
    if (line.trimmed().isEmpty() || line.startsWith('#')) continue;
    SPaczka slowo;
    if (ParseLine(line, slowo)) result.push_back(std::move(slowo));
  }
  return result;
}

std::vector<SPaczka> LoadWordList(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return ParseWordList(file.readAll());
}

}  // namespace words
