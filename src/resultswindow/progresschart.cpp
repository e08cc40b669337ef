#include "resultswindow/progresschart.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QFontMetricsF>
#include <QLegend>
#include <QLineSeries>
#include <QValueAxis>
#include <cmath>

#include "resultswindow/resultsstyle.h"
#include "shell/palette.h"

namespace resultswindow {

namespace {

// What the chart's width leaves for the periods: the axes' labels and
// titles on both sides and the margins.
constexpr double kBesideAxis = 130;
// Room between two labels, so that they read as two.
constexpr double kLabelGap = 14;

}  // namespace

QColor SoundColour(int sound) {
  static const QColor kColours[kSoundCount] = {palette::kBlue, palette::kCoral, palette::kGreen,
                                               palette::kYellowDeep};
  return kColours[sound];
}

QChart* MakeProgressChart(const QList<Period>& periods, Step step, double width) {
  auto* chart = new QChart;
  chart->setBackgroundBrush(palette::kCream);
  chart->setBackgroundRoundness(14);
  chart->setTitleFont(ResultsFont(12, true));
  chart->setTitleBrush(palette::kInk);
  chart->setMargins(QMargins(6, 4, 6, 4));
  chart->legend()->setAlignment(Qt::AlignTop);
  chart->legend()->setFont(ResultsFont(9));
  chart->legend()->setLabelColor(palette::kInk);

  QStringList labels;
  int mostGames = 1;
  double widest = 0;
  const QFont labelFont = ResultsFont(8);
  const QFontMetricsF metrics(labelFont);
  auto* games = new QBarSet(QStringLiteral("Liczba gier"));
  games->setColor(palette::kSkyRim);
  games->setBorderColor(palette::kSky);
  for (const Period& p : periods) {
    labels << PeriodLabel(p, step);
    widest = qMax(widest, metrics.horizontalAdvance(labels.last()));
    *games << p.games;
    mostGames = qMax(mostGames, p.games);
  }
  auto* bars = new QBarSeries;
  bars->append(games);
  bars->setBarWidth(0.6);
  chart->addSeries(bars);

  // The periods stand at 0, 1, 2, ...; a label under every n-th of them,
  // level and whole, rather than every one of them turned and cut short.
  auto* periodsAxis = new QCategoryAxis;
  periodsAxis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
  periodsAxis->setRange(-0.5, qMax<qsizetype>(1, labels.size()) - 0.5);
  periodsAxis->setStartValue(-0.5);
  const int every = LabelEvery(int(labels.size()), widest + kLabelGap, width - kBesideAxis);
  for (int i = 0; i < labels.size(); i += every) periodsAxis->append(labels[i], i);
  periodsAxis->setLabelsFont(labelFont);
  periodsAxis->setLabelsColor(palette::kInk);
  periodsAxis->setGridLineVisible(false);
  chart->addAxis(periodsAxis, Qt::AlignBottom);
  bars->attachAxis(periodsAxis);

  auto* countAxis = new QValueAxis;
  // Twice the most games: the bars stay in the lower half, under the lines
  // of the shares, which matter more.
  countAxis->setRange(0, 2 * mostGames);
  countAxis->setLabelFormat(QStringLiteral("%d"));
  // Whole games only: one tick per game up to five, then fewer.
  countAxis->setTickType(QValueAxis::TicksDynamic);
  countAxis->setTickAnchor(0);
  countAxis->setTickInterval(mostGames <= 5 ? 1 : std::ceil(mostGames / 5.0));
  countAxis->setTitleText(QStringLiteral("gry"));
  countAxis->setTitleFont(ResultsFont(9));
  countAxis->setLabelsFont(ResultsFont(8));
  countAxis->setLabelsColor(palette::kInk);
  countAxis->setGridLineVisible(false);
  // A narrow window would cut "12" to "…": the numbers are short, let them be.
  countAxis->setTruncateLabels(false);
  chart->addAxis(countAxis, Qt::AlignRight);
  bars->attachAxis(countAxis);

  auto* shareAxis = new QValueAxis;
  shareAxis->setRange(0, 100);
  shareAxis->setTickCount(6);
  shareAxis->setLabelFormat(QStringLiteral("%d%%"));
  shareAxis->setTitleText(QStringLiteral("poprawne"));
  shareAxis->setTitleFont(ResultsFont(9));
  shareAxis->setLabelsFont(ResultsFont(8));
  shareAxis->setLabelsColor(palette::kInk);
  chart->addAxis(shareAxis, Qt::AlignLeft);

  for (int sound = 0; sound < kSoundCount; ++sound) {
    auto* line = new QLineSeries;
    // The bars' categories stand at 0, 1, 2, ...: a line point at the
    // period's index sits over its bar.
    for (int i = 0; i < periods.size(); ++i) {
      const double share = periods[i].Share(sound);
      if (share >= 0) line->append(i, share * 100);
    }
    if (line->count() == 0) {
      delete line;
      continue;
    }
    line->setName(SoundName(sound));
    QPen pen(SoundColour(sound), 3);
    pen.setCapStyle(Qt::RoundCap);
    line->setPen(pen);
    line->setPointsVisible(true);
    chart->addSeries(line);
    line->attachAxis(periodsAxis);
    line->attachAxis(shareAxis);
  }
  return chart;
}

}  // namespace resultswindow
