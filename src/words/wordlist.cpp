#include "words/wordlist.h"

#include <QFile>
#include <QStringDecoder>

namespace words {

namespace {

constexpr quint16 kSoundBits = 0x000F;
constexpr quint16 kPositionBits = 0x0700;
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
  if ((value & ~quint32(kSoundBits | kPositionBits)) != 0) return false;
  if ((value & kSoundBits) == 0 || (value & kPositionBits) == 0) return false;
  flags = quint16(value);
  return true;
}

bool DecodeUtf8(const QByteArray& bytes, QString& out) {
  QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  out = decoder.decode(bytes);
  return !decoder.hasError();
}

// The same cut the labelling board makes: tokens end at commas.
bool CheckSegmentation(const QString& podzial, const QString& word, int keyLength) {
  if (!podzial.endsWith(QLatin1Char(','))) return false;
  QStringList parts = podzial.split(QLatin1Char(','));
  parts.removeLast();
  if (parts.size() > keyLength) return false;
  QString joined;
  bool anyMarked = false;
  for (const QString& part : parts) {
    const bool marked = part.startsWith(QLatin1Char('_'));
    const QString text = marked ? part.mid(1) : part;
    if (text.isEmpty()) return false;
    for (QChar c : text) {
      if (!c.isLetter()) return false;
    }
    anyMarked = anyMarked || marked;
    joined += text;
  }
  return anyMarked && joined == word;
}

bool ParseLine(QByteArray line, CSlowa::SPaczka& slowo) {
  if (line.endsWith('\r')) line.chop(1);
  const QList<QByteArray> fields = line.split('\t');
  if (fields.size() != 4) return false;
  if (!IsAsciiKey(fields[0])) return false;
  quint16 flags = 0;
  if (!ParseFlags(fields[1], flags)) return false;
  QString podzial, word;
  if (!DecodeUtf8(fields[2], podzial) || !DecodeUtf8(fields[3], word)) return false;
  if (word.isEmpty() || !CheckSegmentation(podzial, word, int(fields[0].size()))) return false;
  slowo.Nazwa = QString::fromLatin1(fields[0]);
  slowo.Flagi = flags;
  slowo.Podzial = podzial;
  return true;
}

}  // namespace

std::vector<CSlowa::SPaczka> ParseWordList(const QByteArray& text) {
  std::vector<CSlowa::SPaczka> result;
  QByteArray body = text;
  if (body.startsWith("\xEF\xBB\xBF")) body.remove(0, 3);
  for (const QByteArray& line : body.split('\n')) {
    if (line.trimmed().isEmpty() || line.startsWith('#')) continue;
    CSlowa::SPaczka slowo;
    if (ParseLine(line, slowo)) result.push_back(std::move(slowo));
  }
  return result;
}

std::vector<CSlowa::SPaczka> LoadWordList(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return ParseWordList(file.readAll());
}

}  // namespace words
