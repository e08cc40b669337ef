#pragma once

#include <QFont>
#include <QString>

class QLabel;

// The look of the results window: the artwork's sky, cream panels, blues
// and coral, in the reading face.
namespace resultswindow {

// The program's reading face at a size in points.
QFont ResultsFont(qreal pointSize, bool bold = false);

// The window's style sheet. Besides the widgets' types it styles the object
// names "title", "panel", "notice", "problem", "light" and "games", and the
// buttons "close", "danger" and "reset".
QString StyleSheet();

// A line over the window's parts: kind "error", "warning" or "info" picks
// its colours; an empty text hides it.
void SetNotice(QLabel* notice, const QString& text, const char* kind);

}  // namespace resultswindow
