#pragma once

#include <QList>
#include <QString>

#include "history/statsfile.h"
#include "resultswindow/progress.h"

class QTextStream;

// The games as a spreadsheet workbook with typed cells: "Gry", one row a
// game (dates as dates, counts as numbers, the duration as a time), and
// "Wykres", the chart's figures per period.
namespace resultswindow {

// Writes the workbook whole or not at all, through history::SaveExport.
// Returns an empty string or the reason in Polish.
QString SaveStatsXlsx(const QList<history::StatsRecord>& records, const QList<Period>& periods, Step step,
                      const QString& path);

// The command-line export, as history::ExportStatsCsv, with the chart's
// periods worked out from every game. Needs no display.
int ExportStatsXlsx(const QString& statsPath, const QString& xlsxPath, QTextStream& out, QTextStream& err);

}  // namespace resultswindow
