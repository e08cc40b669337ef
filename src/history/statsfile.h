#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QtGlobal>

#include "platform/system.h"
#include "stats/statsformat.h"

// Reading back the statistics file the games append to (see statrec for the
// layout), for looking through past games outside the program. Reading never
// changes the file: it is the only copy of the child's history.
namespace history {

// The number this program writes at the start of its file.
constexpr qint32 kProgramNumber = statrec::kProgramNumber;

// A million games, far more than any child plays; a larger file is some
// other file and is not read at all.
constexpr qint64 kMostGames = 1000000;
constexpr qint64 kMostBytes = statrec::kHeaderSize + kMostGames * statrec::kRecordSize;

// The games this program has, in the order the menu's tabs show them.
const QList<qint32>& GameNumbers();

// One game from the file, with what a reader needs besides the raw fields.
struct StatsRecord {
  statrec::GameRecord stored;
  // The stored start as UTC; invalid when the stored fields are no date.
  QDateTime startUtc;
  // The stored duration in real seconds (units of 0.864 s).
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
  // Whole records that cannot be games (see IsPossibleGame), left out.
  qint64 skippedRecords = 0;

  bool Ok() const { return error.isEmpty(); }
};

// The stored time as UTC; invalid unless every field is within its range
// and the day exists in the calendar.
QDateTime ToUtcDateTime(const platform::SystemTime& t);

// False for a record no game of this program writes: a game it does not
// have, a start that is no date between 2000 and 2100, a negative count or
// duration, "completed" other than 0 or 1, an amount other than 1 to 3. Such
// records are stray bytes, not a history to show.
bool IsPossibleGame(const StatsRecord& record);

// Decodes a whole file's bytes. `name` is how messages name the file.
StatsFile ReadStatsBytes(const QByteArray& bytes, const QString& name);
// Opens the file read-only and decodes it.
StatsFile ReadStatsFile(const QString& path);

// Texts as the program's screens say them.
QString GameText(qint32 gameNumber);           // "Podpisywanie", "Memory"
QString SoundsText(qint16 soundBits);          // "SZ, CZ"; a pair "SZ – S"
QString PositionsText(qint16 positionBits);    // "nagłos, wygłos"
QString AmountText(qint16 amount);             // "mało", "średnio", "dużo"
QString DurationText(double seconds);          // "2 min 05 s"
QString RatingText(int rating);                // the summary picture's heading

}  // namespace history
