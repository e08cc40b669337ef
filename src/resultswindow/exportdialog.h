#pragma once

#include <QDate>
#include <QString>
#include <functional>

#include "platform/services.h"

class QFileDialog;
class QWidget;

// Saving the shown games: where to, under what name, and what became of it.
namespace resultswindow {

// Asks where to save; returns "" when the user gave up.
using AskPath = std::function<QString(const QString& suggestedPath, const QString& filter)>;

// Today by the program's clock, in local time.
QDate Today(platform::Clock& clock);
// "2026-06-08".
QString DayText(QDate day);

// "wyniki-<child>-<today>.<extension>", the child's name fit for a file name
// on any system.
QString SuggestedFileName(platform::Clock& clock, const QString& child, const QString& extension);

// The question where to save: the suggested file's extension is added to a
// name typed without one before the dialog asks whether to replace a file.
QFileDialog* SaveDialog(QWidget* parent, const QString& suggestedPath, const QString& filter);

// Asks where to save `suggestedName` (in the documents folder), adds the
// extension to a name given without one and saves with `save`, which
// returns "" or the reason; a failure is said in a message box over
// `parent` through `say`. Returns the path saved, "" when nothing was.
QString Export(QWidget* parent, const platform::Services& say, const AskPath& ask, const QString& caption, const QString& suggestedName,
               const QString& filter, const std::function<QString(const QString& path)>& save);

}  // namespace resultswindow
