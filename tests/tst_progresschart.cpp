// The progress chart of the results window: where its points, bars and
// labels stand, and that the painting puts them there.
#include <QImage>
#include <QPainter>
#include <QtTest>

#include "resultswindow/chartlayout.h"
#include "resultswindow/progresschart.h"

using namespace resultswindow;

namespace {

// A period of `games` games whose answers to SZ were `correct` right and
// `wrong` wrong.
Period Day(int offset, int games, qint64 correct = 1, qint64 wrong = 0) {
  Period p;
  p.start = QDate(2026, 1, 1).addDays(offset);
  p.games = games;
  p.correct[0] = correct;
  p.wrong[0] = wrong;
  return p;
}

QList<Period> Periods(int count, int days) {
  QList<Period> periods;
  for (int i = 0; i < count; ++i) periods << Day(i * days, 1 + i % 4, i % 5, 2);
  return periods;
}

ChartLayout Layout(const QList<Period>& periods, Step step, double width, double height = 320) {
  return ChartLayout(periods, step, QSizeF(width, height), QString(), 96 / 72.0);
}

}  // namespace

class ProgressChartTest : public QObject {
  Q_OBJECT

 private slots:
  // The share's height on the left axis; 100 % and its point under the
  // legend, 0 % on the axis.
  void aShareStandsAtItsHeight_data() {
    QTest::addColumn<qint64>("correct");
    QTest::addColumn<qint64>("wrong");
    QTest::addColumn<double>("height");
    QTest::newRow("all correct") << qint64(5) << qint64(0) << 1.0;
    QTest::newRow("none correct") << qint64(0) << qint64(4) << 0.0;
    QTest::newRow("three of four") << qint64(3) << qint64(1) << 0.75;
  }
  void aShareStandsAtItsHeight() {
    QFETCH(qint64, correct);
    QFETCH(qint64, wrong);
    QFETCH(double, height);
    const ChartLayout layout = Layout({Day(0, 1, correct, wrong)}, Step::Day, 600);
    const QList<QPointF> line = layout.Line(0);
    QCOMPARE(line.size(), 1);
    QCOMPARE(line[0].y(), layout.Plot().bottom() - height * layout.Plot().height());
    QVERIFY(line[0].y() - layout.PointRadius() > layout.Legend()[0].label.box.bottom());
    // The sounds without answers have no line and no place in the legend.
    QVERIFY(layout.Line(1).isEmpty());
    QCOMPARE(layout.Legend().size(), 2);
  }

  // Whole games a step, on the shares' lines; the bars in the lower half.
  void theGamesAxisKeepsTheBarsLow_data() {
    QTest::addColumn<int>("mostGames");
    QTest::addColumn<int>("top");
    QTest::newRow("one game") << 1 << 5;
    QTest::newRow("three") << 3 << 10;
    QTest::newRow("twenty-four") << 24 << 50;
  }
  void theGamesAxisKeepsTheBarsLow() {
    QFETCH(int, mostGames);
    QFETCH(int, top);
    const ChartLayout layout = Layout({Day(0, 1), Day(1, mostGames)}, Step::Day, 600);
    QCOMPARE(layout.MostCount(), top);
    QCOMPARE(layout.CountTicks().last().label.text, QString::number(top));
    QCOMPARE(layout.CountTicks().size(), layout.ShareTicks().size());
    QCOMPARE(layout.CountTicks()[1].y, layout.ShareTicks()[1].y);
    QVERIFY(layout.Bar(1).height() <= layout.Plot().height() / 2);
  }

  // Labels under their periods, never overlapping, never out of the frame,
  // the first period always labelled.
  void periodLabelsNeverOverlap_data() {
    QTest::addColumn<int>("periods");
    QTest::addColumn<int>("days");
    QTest::addColumn<int>("step");
    QTest::addColumn<double>("width");
    QTest::newRow("one day") << 1 << 1 << int(Step::Day) << 600.0;
    QTest::newRow("a month of days") << 31 << 1 << int(Step::Day) << 760.0;
    QTest::newRow("a year of days, narrow") << 365 << 1 << int(Step::Day) << 400.0;
    QTest::newRow("a year of weeks") << 53 << 7 << int(Step::Week) << 760.0;
    QTest::newRow("a year of weeks on paper") << 53 << 7 << int(Step::Week) << 1000.0;
    QTest::newRow("years of months, tiny") << 30 << 31 << int(Step::Month) << 120.0;
  }
  void periodLabelsNeverOverlap() {
    QFETCH(int, periods);
    QFETCH(int, days);
    QFETCH(int, step);
    QFETCH(double, width);
    const ChartLayout layout = Layout(Periods(periods, days), Step(step), width);
    const QList<ChartLayout::Text>& labels = layout.PeriodLabels();
    QVERIFY(!labels.isEmpty());
    QCOMPARE(layout.LabelledPeriods().first(), 0);
    QCOMPARE(layout.LabelledPeriods().size(), labels.size());
    for (qsizetype i = 0; i < labels.size(); ++i) {
      QVERIFY(layout.Frame().contains(labels[i].box));
      if (i > 0) QVERIFY2(labels[i - 1].box.right() < labels[i].box.left(), qPrintable(labels[i].text));
    }
  }

  // One day alone stands in the middle, a bar rather than a wall.
  void oneDayStandsInTheMiddle() {
    const ChartLayout layout = Layout({Day(0, 2)}, Step::Day, 800);
    QCOMPARE(layout.X(0), layout.Plot().center().x());
    QCOMPARE(layout.Bar(0).center().x(), layout.Plot().center().x());
    QVERIFY(layout.Bar(0).width() < layout.Plot().width() / 10);
  }

  // The painting puts each sound's points where the layout says, in the
  // sound's colour.
  void thePointsArePaintedWhereTheLayoutSays() {
    QList<Period> periods = {Day(0, 2), Day(1, 3)};
    for (int s = 0; s < kSoundCount; ++s) {
      periods[0].correct[s] = s, periods[0].wrong[s] = 3 - s;
      periods[1].correct[s] = 3 - s, periods[1].wrong[s] = s;
    }
    ProgressChart chart;
    chart.SetPeriods(periods, Step::Day);
    const QSize size(640, 360);
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    chart.Paint(painter, size);
    painter.end();
    for (int sound = 0; sound < kSoundCount; ++sound) {
      const QList<QPointF> points = chart.Layout(size).Line(sound);
      QCOMPARE(points.size(), 2);
      for (const QPointF& point : points) QCOMPARE(image.pixelColor(point.toPoint()), SoundColour(sound));
    }
  }
};

QTEST_MAIN(ProgressChartTest)
#include "tst_progresschart.moc"
