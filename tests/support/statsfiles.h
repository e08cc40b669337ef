#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>

#include "results/_cstatrec.h"

namespace testing {

// The known bytes: a header made on Sunday 6 December 2026 at 21:38:49.123
// UTC (the fake clock's start), and a finished labelling game started then:
// amount 1, SZ, word-initial, duration 69, no hints, 5 correct, 2 wrong.
QByteArray KnownHeader();
QByteArray KnownRecord();

// A whole file's bytes; empty when it cannot be read.
QByteArray ReadAll(const QString& path);
bool WriteBytes(const QString& path, const QByteArray& bytes);

// One stored game started at `utc` (a UTC date-time; an invalid one stores
// fields that are no date), with everything else as the game would write it.
struct Game {
  qint32 game = 1;  // 1 labelling, 2 Memory
  QDateTime utc;
  quint16 sounds = 0x0001;
  quint16 positions = 0x0100;
  qint16 amount = 1;
  int seconds = 60;
  bool completed = true;
  qint32 correct = 5;
  qint32 wrong = 1;
  qint32 hints = 0;
};

statrec::GameRecord Record(const Game& game);
// A whole statistics file: header of program 6, then the games in order.
QByteArray StatsBytes(const QList<Game>& games);

// A few weeks of varied games ending on `lastDay` (UTC): both games, every
// sound, the child getting better as the days go. The same for a seed.
QList<Game> PracticeWeeks(QDate lastDay, int days, quint32 seed);

}  // namespace testing
