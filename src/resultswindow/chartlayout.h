#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include "resultswindow/progress.h"

namespace resultswindow {

// The line colour of each sound, from the artwork's palette.
QColor SoundColour(int sound);

// Where every part of the progress chart stands in a box of a given size,
// apart from the painting: the share of correct answers of each sound as
// points over the left axis (per cent), the number of games as bars over the
// right one, the periods along the bottom.
class ChartLayout {
 public:
  // A text and the box it is drawn in.
  struct Text {
    QString text;
    QRectF box;
  };
  // A step of a value axis: its height and its label beside the plot.
  struct Tick {
    double y = 0;
    Text label;
  };
  // An entry of the legend: `sound` is -1 for the games' bars.
  struct Key {
    int sound = -1;
    QRectF mark;
    Text label;
  };

  // `pixelsPerPoint` turns the fonts' points into the box's units; `title`
  // may be empty.
  ChartLayout(const QList<Period>& periods, Step step, const QSizeF& size, const QString& title,
              qreal pixelsPerPoint);

  // The faces of the ticks' labels, of the legend and the axes' titles,
  // and of the title.
  QFont TickFont() const;
  QFont TextFont() const;
  QFont TitleFont() const;
  QRectF Frame() const { return frame_; }
  // The area between the axes: 0 % and no game at its bottom, 100 % at its
  // top.
  QRectF Plot() const { return plot_; }
  const Text& Title() const { return title_; }
  const QList<Key>& Legend() const { return legend_; }
  const Text& ShareTitle() const { return shareTitle_; }
  const Text& CountTitle() const { return countTitle_; }
  const QList<Tick>& ShareTicks() const { return shareTicks_; }
  const QList<Tick>& CountTicks() const { return countTicks_; }
  // The games the right axis reaches.
  int MostCount() const { return mostCount_; }

  int PeriodCount() const { return int(periods_.size()); }
  // The middle of a period across the plot.
  double X(int period) const;
  QRectF Bar(int period) const;
  // The points of a sound, earliest first: one for each period in which a
  // game of that sound had an answer. Empty: the sound is not drawn.
  QList<QPointF> Line(int sound) const;
  // The periods' labels that are shown, each under its period, as many as
  // fit side by side; `LabelledPeriods` says which periods they belong to.
  const QList<Text>& PeriodLabels() const { return labels_; }
  const QList<int>& LabelledPeriods() const { return labelled_; }

  // The lines and points thin out where the periods crowd.
  double LineWidth() const;
  double PointRadius() const;

 private:
  QFont Font(qreal points, bool bold = false) const;
  void PlaceLegend(double top);
  void PlaceTicks();
  void PlaceLabels(Step step);
  double Slot() const { return plot_.width() / qMax(1, PeriodCount()); }
  // A length of a 96-dpi screen in the box's units.
  double Px(double length) const { return length * pixelsPerPoint_ * 72 / 96; }

  QList<Period> periods_;
  qreal pixelsPerPoint_;
  QRectF frame_, plot_;
  Text title_, shareTitle_, countTitle_;
  QList<Key> legend_;
  QList<Tick> shareTicks_, countTicks_;
  QList<Text> labels_;
  QList<int> labelled_;
  int mostCount_ = 5;
};

}  // namespace resultswindow
