#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QTimeZone>
#include <array>

#include "history/statsfile.h"

// The progress chart's numbers, apart from any drawing: games put into days
// (weeks or months over a long range), with the share of correct answers for
// each sound practised.
namespace resultswindow {

enum class Step { Day, Week, Month };

// Up to this many days from the first game to the last the chart goes day
// by day; beyond it a day's point would be too thin to read. Up to a year
// and a bit it goes week by week, beyond it month by month.
constexpr int kMostDaysByDay = 60;
constexpr int kMostDaysByWeek = 400;

// The step for the days from `first` to `last`, both counted.
Step StepFor(QDate first, QDate last);

// The sounds in the order of the menu's row: SZ, Ż/RZ, CZ, DŻ.
constexpr int kSoundCount = 4;
QString SoundName(int sound);

struct Period {
  QDate start;  // the day, the Monday of the week or the month's first day
  int games = 0;
  // The answers of the games that practised each sound. A game of two
  // sounds counts for both: the file keeps no score per sound. A game of
  // "SZ – S" counts for SZ: it practised telling SZ from S.
  std::array<qint64, kSoundCount> correct{};
  std::array<qint64, kSoundCount> wrong{};

  // correct / (correct + wrong) for the sound, 0 to 1; negative when no game
  // of that sound had an answer in the period.
  double Share(int sound) const;
};

// Only periods with a game, earliest first. A game whose start is no date
// has no place on the time line and is left out.
QList<Period> Progress(const QList<history::StatsRecord>& records, const QTimeZone& zone, Step step);
// The same with each game's day already known (`days[i]` of `records[i]`,
// null for no date): a zone's rules looked up per game cost more than the
// rest of the count.
QList<Period> Progress(const QList<history::StatsRecord>& records, const QList<QDate>& days, Step step);

// The step for the games' own first and last days (Day when none has a date).
Step StepForRecords(const QList<history::StatsRecord>& records, const QTimeZone& zone);
Step StepForDays(const QList<QDate>& days);

// The label under a period: "08.06" for a day, "od 08.06" for a week,
// "06.2026" for a month.
QString PeriodLabel(const Period& period, Step step);

// Every how many periods a label stands so that labels `labelWidth` wide
// (their gap included) never overlap on an axis `axisWidth` wide: 1 where
// all fit, never 0.
int LabelEvery(int periods, double labelWidth, double axisWidth);

}  // namespace resultswindow
