#include "stats/statsformat.h"

#include <QtEndian>

namespace statrec {

namespace {

template <typename T>
void Put(QByteArray& out, T value) {
  char bytes[sizeof(T)];
  qToLittleEndian(value, bytes);
  out.append(bytes, qsizetype(sizeof(T)));
}

// Reads the little-endian fields one after another; the caller has checked
// that the bytes are there.
class Cursor {
 public:
  explicit Cursor(const char* data) : p_(reinterpret_cast<const uchar*>(data)) {}
  template <typename T>
  T Next() {
    const T v = qFromLittleEndian<T>(p_);
    p_ += sizeof(T);
    return v;
  }
  platform::SystemTime NextTime() {
    platform::SystemTime t;
    for (quint16* field : {&t.year, &t.month, &t.dayOfWeek, &t.day, &t.hour, &t.minute, &t.second, &t.milliseconds})
      *field = Next<quint16>();
    return t;
  }

 private:
  const uchar* p_;
};

}  // namespace

QString FileName(qint32 programNumber) {
  return QStringLiteral("prgst") + QString::number(programNumber) + QStringLiteral(".stt");
}

QByteArray EncodeSystemTime(const platform::SystemTime& t) {
  QByteArray out;
  out.reserve(16);
  for (quint16 v : {t.year, t.month, t.dayOfWeek, t.day, t.hour, t.minute, t.second, t.milliseconds}) Put(out, v);
  return out;
}

QByteArray EncodeHeader(qint32 programNumber, const platform::SystemTime& created) {
  QByteArray out;
  out.reserve(kHeaderSize);
  Put(out, programNumber);
  out.append(EncodeSystemTime(created));
  return out;
}

QByteArray EncodeRecord(const GameRecord& r) {
  QByteArray out;
  out.reserve(kRecordSize);
  Put(out, r.gameNumber);
  out.append(EncodeSystemTime(r.startTime));
  Put(out, r.poziom);
  Put(out, r.gloski);
  Put(out, r.pozycja);
  Put(out, r.duration);
  Put(out, r.completed);
  Put(out, r.hints);
  Put(out, r.correct);
  Put(out, r.wrong);
  return out;
}

Header DecodeHeader(const char* data) {
  Cursor in(data);
  Header h;
  h.programNumber = in.Next<qint32>();
  h.created = in.NextTime();
  return h;
}

GameRecord DecodeRecord(const char* data) {
  Cursor in(data);
  GameRecord s;
  s.gameNumber = in.Next<qint32>();
  s.startTime = in.NextTime();
  s.poziom = in.Next<qint16>();
  s.gloski = in.Next<qint16>();
  s.pozycja = in.Next<qint16>();
  s.duration = in.Next<qint32>();
  s.completed = in.Next<qint16>();
  s.hints = in.Next<qint32>();
  s.correct = in.Next<qint32>();
  s.wrong = in.Next<qint32>();
  return s;
}

bool PlausibleTime(const platform::SystemTime& t) {
  return t.year >= 1601 && t.month >= 1 && t.month <= 12 && t.dayOfWeek <= 6 && t.day >= 1 && t.day <= 31 &&
         t.hour <= 23 && t.minute <= 59 && t.second <= 59 && t.milliseconds <= 999;
}

}  // namespace statrec
