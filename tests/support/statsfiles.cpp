#include "support/statsfiles.h"

#include <QFile>
#include <QRandomGenerator>

#include "words/wordbits.h"

namespace testing {

QByteArray KnownHeader() { return QByteArray::fromHex("06000000 EA070C00 00000600 15002600 31007B00"); }

QByteArray KnownRecord() {
  return QByteArray::fromHex("01000000") + KnownHeader().mid(4) +
         QByteArray::fromHex("01000100 00014500 00000100 00000000 05000000 02000000");
}

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

namespace {

platform::SystemTime Fields(const QDateTime& utc) {
  platform::SystemTime t;
  if (!utc.isValid()) {
    t.year = 2026;
    t.month = 13;  // no such month: a start that is no date
    t.day = 1;
    return t;
  }
  const QDateTime u = utc.toUTC();
  t.year = quint16(u.date().year());
  t.month = quint16(u.date().month());
  t.dayOfWeek = quint16(u.date().dayOfWeek() % 7);
  t.day = quint16(u.date().day());
  t.hour = quint16(u.time().hour());
  t.minute = quint16(u.time().minute());
  t.second = quint16(u.time().second());
  t.milliseconds = quint16(u.time().msec());
  return t;
}

}  // namespace

statrec::GameRecord Record(const Game& g) {
  statrec::GameRecord r;
  r.gameNumber = g.game;
  r.startTime = Fields(g.utc);
  r.poziom = g.amount;
  r.gloski = qint16(g.sounds);
  r.pozycja = qint16(g.positions);
  r.duration = statrec::DurationUnits(qint64(g.seconds) * 1000);
  r.completed = g.completed ? 1 : 0;
  r.hints = g.hints;
  r.correct = g.correct;
  r.wrong = g.wrong;
  return r;
}

QByteArray StatsBytes(const QList<Game>& games) {
  const QDateTime created = games.isEmpty() || !games.first().utc.isValid()
                                ? QDateTime(QDate(2026, 1, 5), QTime(8, 0), Qt::UTC)
                                : games.first().utc.addDays(-1);
  QByteArray bytes = statrec::EncodeHeader(6, Fields(created));
  for (const Game& g : games) bytes += statrec::EncodeRecord(Record(g));
  return bytes;
}

QList<Game> PracticeWeeks(QDate lastDay, int days, quint32 seed) {
  QRandomGenerator random(seed);
  QList<Game> games;
  for (int d = days - 1; d >= 0; --d) {
    const QDate day = lastDay.addDays(-d);
    // No practice on some days, as in a real therapy.
    if (day.dayOfWeek() == 7 || random.bounded(5) == 0) continue;
    const double progress = double(days - d) / days;
    const int count = 1 + int(random.bounded(3));
    for (int i = 0; i < count; ++i) {
      Game g;
      g.game = random.bounded(3) == 0 ? 2 : 1;
      g.utc = QDateTime(day, QTime(14 + i, int(random.bounded(60))), Qt::UTC);
      const int sound = int(random.bounded(4));
      g.sounds = words::kSounds[size_t(sound)];
      if (random.bounded(4) == 0) g.sounds |= words::kSounds[size_t((sound + 2) % 4)];
      g.positions = words::kPositions[size_t(random.bounded(3))];
      g.amount = qint16(1 + random.bounded(3));
      const int tasks = 5 * g.amount;
      g.seconds = 40 * tasks + int(random.bounded(120));
      g.completed = random.bounded(8) != 0;
      // Harder sounds start lower; every one gets better.
      const double skill = qBound(0.2, 0.35 + 0.5 * progress - 0.08 * sound + (random.bounded(20) - 10) / 100.0, 1.0);
      g.correct = g.completed ? tasks : int(tasks * 0.6);
      g.wrong = int(g.correct * (1 - skill) / skill);
      g.hints = int(random.bounded(3));
      games << g;
    }
  }
  return games;
}

}  // namespace testing
