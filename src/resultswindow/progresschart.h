#pragma once

#include <QList>
#include <QSizeF>
#include <QString>
#include <QWidget>

#include "resultswindow/chartlayout.h"
#include "resultswindow/progress.h"

class QPainter;

namespace resultswindow {

// The progress chart, drawn by hand: the window shows it, and the report
// paints the same chart onto its last page.
class ProgressChart : public QWidget {
  Q_OBJECT
 public:
  explicit ProgressChart(QWidget* parent = nullptr);

  void SetPeriods(const QList<Period>& periods, Step step);
  // A line over the legend; none when empty.
  void SetTitle(const QString& title);
  const QList<Period>& Periods() const { return periods_; }

  // Where the parts stand in a chart of `size`, in the fonts of this screen.
  ChartLayout Layout(const QSizeF& size) const;
  ChartLayout Layout() const { return Layout(size()); }
  // The chart laid out in `size` from the painter's origin.
  void Paint(QPainter& painter, const QSizeF& size) const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QList<Period> periods_;
  Step step_ = Step::Day;
  QString title_;
};

}  // namespace resultswindow
