#pragma once

#include <QColor>
#include <QList>

#include "resultswindow/progress.h"

class QChart;

namespace resultswindow {

// The line colour of each sound, from the artwork's palette.
QColor SoundColour(int sound);

// A new chart of the periods, owned by the caller: the share of correct
// answers of each sound as lines over the left axis (per cent), the number
// of games as bars over the right one. `width` is the chart's own width:
// the periods are labelled only as often as their labels fit across it.
QChart* MakeProgressChart(const QList<Period>& periods, Step step, double width);

}  // namespace resultswindow
