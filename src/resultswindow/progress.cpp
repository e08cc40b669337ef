#include "resultswindow/progress.h"

#include <QMap>
#include <cmath>

#include "history/statsfile.h"
#include "words/wordbits.h"

namespace resultswindow {

Step StepFor(QDate first, QDate last) {
  if (first.isNull() || last.isNull()) return Step::Day;
  const qint64 days = first.daysTo(last) + 1;
  if (days > kMostDaysByWeek) return Step::Month;
  return days > kMostDaysByDay ? Step::Week : Step::Day;
}

QString SoundName(int sound) { return history::SoundsText(qint16(words::kSounds[size_t(sound)])); }

double Period::Share(int sound) const {
  const qint64 answers = correct[size_t(sound)] + wrong[size_t(sound)];
  if (answers <= 0) return -1;
  return double(correct[size_t(sound)]) / double(answers);
}

namespace {

QList<QDate> DaysIn(const QList<history::StatsRecord>& records, const QTimeZone& zone) {
  QList<QDate> days;
  days.reserve(records.size());
  for (const history::StatsRecord& r : records)
    days.append(r.startUtc.isValid() ? r.startUtc.toTimeZone(zone).date() : QDate());
  return days;
}

}  // namespace

QList<Period> Progress(const QList<history::StatsRecord>& records, const QTimeZone& zone, Step step) {
  return Progress(records, DaysIn(records, zone), step);
}

QList<Period> Progress(const QList<history::StatsRecord>& records, const QList<QDate>& days, Step step) {
  QMap<QDate, Period> periods;
  for (qsizetype g = 0; g < records.size() && g < days.size(); ++g) {
    QDate start = days[g];
    if (start.isNull()) continue;
    if (step == Step::Week) start = start.addDays(1 - start.dayOfWeek());
    if (step == Step::Month) start = QDate(start.year(), start.month(), 1);
    Period& p = periods[start];
    p.start = start;
    ++p.games;
    const statrec::GameRecord& s = records[g].stored;
    for (int i = 0; i < kSoundCount; ++i) {
      if ((quint16(s.gloski) & words::kSounds[size_t(i)]) == 0) continue;
      // A damaged record may hold negative counts: they are no answers.
      p.correct[size_t(i)] += qMax(0, s.correct);
      p.wrong[size_t(i)] += qMax(0, s.wrong);
    }
  }
  return periods.values();
}

Step StepForRecords(const QList<history::StatsRecord>& records, const QTimeZone& zone) {
  return StepForDays(DaysIn(records, zone));
}

Step StepForDays(const QList<QDate>& days) {
  QDate first, last;
  for (const QDate& day : days) {
    if (day.isNull()) continue;
    if (first.isNull() || day < first) first = day;
    if (last.isNull() || day > last) last = day;
  }
  return StepFor(first, last);
}

QString PeriodLabel(const Period& period, Step step) {
  if (step == Step::Month) return QString::asprintf("%02d.%04d", period.start.month(), period.start.year());
  const QString day = QString::asprintf("%02d.%02d", period.start.day(), period.start.month());
  return step == Step::Week ? QStringLiteral("od ") + day : day;
}

int LabelEvery(int periods, double labelWidth, double axisWidth) {
  if (periods <= 1 || labelWidth <= 0) return 1;
  // Each period has axisWidth / periods; a label needs labelWidth.
  if (axisWidth <= 0) return periods;
  return qBound(1, int(std::ceil(labelWidth * periods / axisWidth)), periods);
}

}  // namespace resultswindow
