#include "resultswindow/chartlayout.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

#include "resultswindow/resultsstyle.h"
#include "shell/palette.h"

namespace resultswindow {

namespace {

// Lengths in pixels of a screen of 96 dots per inch; they grow with the
// fonts where the desktop is scaled.
constexpr double kPad = 12;        // inside the frame
constexpr double kGap = 6;         // between a label and what it names
constexpr double kLabelGap = 14;   // between two labels, so that they read as two
constexpr double kKeyGap = 16;     // between two entries of the legend
constexpr double kLineKey = 24;    // the length of a line in the legend
constexpr double kWidestBar = 36;  // one day alone is still a bar, not a wall
// The value axes' steps: the shares by 20 %, the games on the same lines.
constexpr int kSteps = 5;

constexpr qreal kTickPoints = 8;
constexpr qreal kTextPoints = 9;
constexpr qreal kTitlePoints = 12;

}  // namespace

QColor SoundColour(int sound) {
  static const QColor kColours[kSoundCount] = {palette::kBlue, palette::kCoral, palette::kGreen,
                                               palette::kYellowDeep};
  return kColours[sound];
}

ChartLayout::ChartLayout(const QList<Period>& periods, Step step, const QSizeF& size, const QString& title,
                         qreal pixelsPerPoint)
    : periods_(periods), pixelsPerPoint_(pixelsPerPoint), frame_(QPointF(0, 0), size) {
  const double pad = Px(kPad), gap = Px(kGap);
  double top = frame_.top() + pad;
  if (!title.isEmpty()) {
    const QFontMetricsF metrics(Font(kTitlePoints, true));
    title_ = {title, QRectF(frame_.left() + pad, top, frame_.width() - 2 * pad, metrics.height())};
    top = title_.box.bottom() + 2 * gap;
  }
  PlaceLegend(top);
  top += QFontMetricsF(Font(kTextPoints)).height() + 2 * gap;

  // Twice the most games, rounded up to whole games a step: the bars stay in
  // the lower half, under the lines of the shares, which matter more.
  int mostGames = 1;
  for (const Period& p : periods_) mostGames = qMax(mostGames, p.games);
  mostCount_ = kSteps * qMax(1, int(std::ceil(2.0 * mostGames / kSteps)));

  const QFontMetricsF ticks(Font(kTickPoints));
  const QFontMetricsF texts(Font(kTextPoints));
  const double left = frame_.left() + pad + texts.height() + gap + ticks.horizontalAdvance(QStringLiteral("100%")) + gap;
  const double right = frame_.right() - pad - texts.height() - gap -
                       ticks.horizontalAdvance(QString::number(mostCount_)) - gap;
  // Half a line over the plot for the top label, which stands on its edge.
  top += ticks.height() / 2;
  const double bottom = frame_.bottom() - pad - ticks.height() - gap;
  plot_ = QRectF(QPointF(left, top), QPointF(qMax(left + 1, right), qMax(top + 1, bottom)));

  const auto axisTitle = [&](const QString& text, double x) {
    const double width = texts.horizontalAdvance(text);
    return Text{text, QRectF(x - width / 2, plot_.center().y() - texts.height() / 2, width, texts.height())};
  };
  shareTitle_ = axisTitle(QStringLiteral("poprawne"), frame_.left() + pad + texts.height() / 2);
  countTitle_ = axisTitle(QStringLiteral("gry"), frame_.right() - pad - texts.height() / 2);
  PlaceTicks();
  PlaceLabels(step);
}

QFont ChartLayout::Font(qreal points, bool bold) const {
  // In pixels: the report paints the same layout scaled onto paper, where
  // points would be the paper's.
  QFont font = ResultsFont(points, bold);
  font.setPixelSize(qMax(1, qRound(points * pixelsPerPoint_)));
  return font;
}

QFont ChartLayout::TickFont() const { return Font(kTickPoints); }
QFont ChartLayout::TextFont() const { return Font(kTextPoints); }
QFont ChartLayout::TitleFont() const { return Font(kTitlePoints, true); }

void ChartLayout::PlaceLegend(double top) {
  const QFontMetricsF metrics(Font(kTextPoints));
  const double height = metrics.height();
  QList<Key> keys = {Key{-1, QRectF(0, 0, height * 0.8, height * 0.8), {QStringLiteral("Liczba gier"), {}}}};
  for (int sound = 0; sound < kSoundCount; ++sound) {
    const bool drawn = std::any_of(periods_.cbegin(), periods_.cend(), [sound](const Period& p) { return p.Share(sound) >= 0; });
    if (drawn) keys << Key{sound, QRectF(0, 0, Px(kLineKey), height * 0.8), {SoundName(sound), {}}};
  }
  double width = Px(kKeyGap) * double(keys.size() - 1);
  for (const Key& k : keys) width += k.mark.width() + Px(kGap) + metrics.horizontalAdvance(k.label.text);
  double x = frame_.center().x() - width / 2;
  for (Key& k : keys) {
    k.mark.moveTo(x, top + (height - k.mark.height()) / 2);
    x = k.mark.right() + Px(kGap);
    k.label.box = QRectF(x, top, metrics.horizontalAdvance(k.label.text), height);
    x = k.label.box.right() + Px(kKeyGap);
  }
  legend_ = keys;
}

void ChartLayout::PlaceTicks() {
  const QFontMetricsF metrics(Font(kTickPoints));
  const double gap = Px(kGap);
  const int every = mostCount_ / kSteps;
  for (int j = 0; j <= kSteps; ++j) {
    const double y = plot_.bottom() - plot_.height() * j / kSteps;
    const QString share = QStringLiteral("%1%").arg(100 * j / kSteps);
    const QString count = QString::number(every * j);
    const double shareWidth = metrics.horizontalAdvance(share);
    shareTicks_ << Tick{y, {share, QRectF(plot_.left() - gap - shareWidth, y - metrics.height() / 2, shareWidth,
                                          metrics.height())}};
    countTicks_ << Tick{y, {count, QRectF(plot_.right() + gap, y - metrics.height() / 2,
                                          metrics.horizontalAdvance(count), metrics.height())}};
  }
}

void ChartLayout::PlaceLabels(Step step) {
  const QFontMetricsF metrics(Font(kTickPoints));
  QStringList texts;
  double widest = 0;
  for (const Period& p : periods_) {
    texts << PeriodLabel(p, step);
    widest = qMax(widest, metrics.horizontalAdvance(texts.last()));
  }
  // A label under every n-th period, level and whole, rather than every one
  // of them turned or cut short.
  const int every = LabelEvery(int(texts.size()), widest + Px(kLabelGap), plot_.width());
  for (int i = 0; i < texts.size(); i += every) {
    const double width = metrics.horizontalAdvance(texts[i]);
    // The end labels may stand out beyond the plot, not out of the frame.
    const double x = qBound(frame_.left() + Px(kGap), X(i) - width / 2, frame_.right() - Px(kGap) - width);
    labels_ << Text{texts[i], QRectF(x, plot_.bottom() + Px(kGap), width, metrics.height())};
    labelled_ << i;
  }
}

double ChartLayout::X(int period) const { return plot_.left() + Slot() * (period + 0.5); }

QRectF ChartLayout::Bar(int period) const {
  const double width = qMin(Slot() * 0.6, Px(kWidestBar));
  const double height = plot_.height() * periods_[period].games / mostCount_;
  return QRectF(X(period) - width / 2, plot_.bottom() - height, width, height);
}

QList<QPointF> ChartLayout::Line(int sound) const {
  QList<QPointF> points;
  for (int i = 0; i < periods_.size(); ++i) {
    const double share = periods_[i].Share(sound);
    if (share >= 0) points << QPointF(X(i), plot_.bottom() - share * plot_.height());
  }
  return points;
}

double ChartLayout::LineWidth() const { return Px(Slot() >= Px(14) ? 3 : 2); }

double ChartLayout::PointRadius() const { return qBound(Px(2), Slot() * 0.3, Px(4.5)); }

}  // namespace resultswindow
