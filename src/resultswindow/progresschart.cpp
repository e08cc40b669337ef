#include "resultswindow/progresschart.h"

#include <QPainter>

#include "shell/palette.h"

namespace resultswindow {

namespace {

// A text turned a quarter about its box's middle: left to read upwards,
// right to read downwards.
void DrawTurned(QPainter& p, const ChartLayout::Text& text, double degrees) {
  p.save();
  p.translate(text.box.center());
  p.rotate(degrees);
  p.drawText(QRectF(-text.box.width() / 2, -text.box.height() / 2, text.box.width(), text.box.height()),
             Qt::AlignCenter, text.text);
  p.restore();
}

void DrawLine(QPainter& p, const ChartLayout& layout, int sound) {
  const QList<QPointF> points = layout.Line(sound);
  if (points.isEmpty()) return;
  QPen pen(SoundColour(sound), layout.LineWidth());
  pen.setCapStyle(Qt::RoundCap);
  pen.setJoinStyle(Qt::RoundJoin);
  p.setPen(pen);
  p.setBrush(Qt::NoBrush);
  p.drawPolyline(points.constData(), int(points.size()));
  // A cream rim parts a point from the lines crossing it.
  p.setPen(QPen(palette::kCream, layout.LineWidth() / 2));
  p.setBrush(SoundColour(sound));
  const double r = layout.PointRadius();
  for (const QPointF& point : points) p.drawEllipse(point, r, r);
}

void DrawKeys(QPainter& p, const ChartLayout& layout) {
  p.setFont(layout.TextFont());
  for (const ChartLayout::Key& key : layout.Legend()) {
    if (key.sound < 0) {
      p.setPen(QPen(palette::kSky, 1));
      p.setBrush(palette::kSkyRim);
      p.drawRect(key.mark);
    } else {
      QPen pen(SoundColour(key.sound), layout.LineWidth());
      pen.setCapStyle(Qt::RoundCap);
      p.setPen(pen);
      const double y = key.mark.center().y();
      p.drawLine(QPointF(key.mark.left(), y), QPointF(key.mark.right(), y));
      p.setPen(QPen(palette::kCream, 1));
      p.setBrush(SoundColour(key.sound));
      p.drawEllipse(key.mark.center(), key.mark.height() / 2.6, key.mark.height() / 2.6);
    }
    p.setPen(palette::kInk);
    p.drawText(key.label.box, Qt::AlignLeft | Qt::AlignVCenter, key.label.text);
  }
}

void DrawAxes(QPainter& p, const ChartLayout& layout) {
  const QRectF plot = layout.Plot();
  // The lines of the steps, shared by both axes.
  p.setPen(QPen(palette::kGreyPale, 1));
  for (const ChartLayout::Tick& t : layout.ShareTicks()) p.drawLine(QPointF(plot.left(), t.y), QPointF(plot.right(), t.y));
  p.setPen(QPen(palette::kGrey, 1.5));
  p.drawLine(plot.bottomLeft(), plot.bottomRight());
  p.drawLine(plot.topLeft(), plot.bottomLeft());
  p.drawLine(plot.topRight(), plot.bottomRight());
  // A short mark from the axis towards each label.
  for (qsizetype k = 0; k < layout.LabelledPeriods().size(); ++k) {
    const double x = layout.X(layout.LabelledPeriods()[k]);
    p.drawLine(QPointF(x, plot.bottom()), QPointF(x, (plot.bottom() + layout.PeriodLabels()[k].box.top()) / 2));
  }

  p.setPen(palette::kInk);
  p.setFont(layout.TickFont());
  for (const ChartLayout::Tick& t : layout.ShareTicks()) p.drawText(t.label.box, Qt::AlignRight | Qt::AlignVCenter, t.label.text);
  for (const ChartLayout::Tick& t : layout.CountTicks()) p.drawText(t.label.box, Qt::AlignLeft | Qt::AlignVCenter, t.label.text);
  for (const ChartLayout::Text& label : layout.PeriodLabels()) p.drawText(label.box, Qt::AlignCenter, label.text);
  p.setFont(layout.TextFont());
  DrawTurned(p, layout.ShareTitle(), -90);
  DrawTurned(p, layout.CountTitle(), 90);
}

}  // namespace

ProgressChart::ProgressChart(QWidget* parent) : QWidget(parent) {
  // Room for the legend, the axes and a plot that still says something.
  setMinimumSize(320, 180);
}

void ProgressChart::SetPeriods(const QList<Period>& periods, Step step) {
  periods_ = periods;
  step_ = step;
  update();
}

void ProgressChart::SetTitle(const QString& title) {
  title_ = title;
  update();
}

ChartLayout ProgressChart::Layout(const QSizeF& size) const {
  return ChartLayout(periods_, step_, size, title_, logicalDpiY() / 72.0);
}

void ProgressChart::Paint(QPainter& p, const QSizeF& size) const {
  const ChartLayout layout = Layout(size);
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(palette::kCream);
  p.drawRoundedRect(layout.Frame(), 14, 14);
  if (!layout.Title().text.isEmpty()) {
    p.setPen(palette::kInk);
    p.setFont(layout.TitleFont());
    p.drawText(layout.Title().box, Qt::AlignCenter, layout.Title().text);
  }
  DrawKeys(p, layout);
  DrawAxes(p, layout);
  p.setPen(QPen(palette::kSky, 1));
  p.setBrush(palette::kSkyRim);
  for (int i = 0; i < layout.PeriodCount(); ++i) p.drawRect(layout.Bar(i));
  for (int sound = 0; sound < kSoundCount; ++sound) DrawLine(p, layout, sound);
  p.restore();
}

void ProgressChart::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  Paint(painter, size());
}

}  // namespace resultswindow
