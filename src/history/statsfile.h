#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QtGlobal>

#include "platform/system.h"
#include "results/_cstatrec.h"

// Reading back the statistics file the games append to (see statrec for the
// layout), for looking through past games outside the program. Reading never
// changes the file: it is the only copy of the child's history.
namespace history {

// The number this program writes at the start of its file.
constexpr qint32 kProgramNumber = 6;

// One game from the file, with what a reader needs besides the raw fields.
struct StatsRecord {
  statrec::GameRecord stored;
  // The stored start as UTC; invalid when the stored fields are no date.
  QDateTime startUtc;
  // The stored duration in real seconds (units of 0.864 s); negative when
  // the clock was set back during the game.
  double seconds = 0;
  // 1, 2 or 4, by the rule of the summary screen.
  int rating = 1;
};

struct StatsFile {
  // Empty when the file was read; otherwise why it is no statistics file.
  QString error;
  // Set when the file was read but not all of it could be used.
  QString warning;
  QDateTime createdUtc;
  QList<StatsRecord> records;
  // Bytes of a torn last record (a crash during a write), left out.
  qint64 ignoredBytes = 0;

  bool Ok() const { return error.isEmpty(); }
};

// The stored time as UTC; invalid unless every field is within its range
// and the day exists in the calendar.
QDateTime ToUtcDateTime(const platform::SystemTime& t);

// Decodes a whole file's bytes. `name` is how messages name the file.
StatsFile ReadStatsBytes(const QByteArray& bytes, const QString& name);
// Opens the file read-only and decodes it.
StatsFile ReadStatsFile(const QString& path);

// Texts as the program's screens say them.
QString GameText(qint32 gameNumber);           // "Podpisywanie", "Memory"
QString SoundsText(qint16 soundBits);          // "SZ, CZ"
QString PositionsText(qint16 positionBits);    // "nagłos, wygłos"
QString AmountText(qint16 amount);             // "mało", "średnio", "dużo"
QString DurationText(double seconds);          // "2 min 05 s"
QString RatingText(int rating);                // the summary picture's heading

}  // namespace history
