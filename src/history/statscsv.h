#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QTimeZone>

#include "history/statsfile.h"

class QIODevice;
class QTextStream;

// The games of the statistics file as a CSV table that a spreadsheet set to
// Polish opens as it is: UTF-8 with a byte-order mark, ';' between fields
// (',' is the decimal separator there), every text in quotes, CRLF line
// ends.
namespace history {

// The column headings, in the order of the rows of StatsRow.
QStringList StatsHeadings();
// One game: start in the given zone's time, texts as the screens say them.
QStringList StatsRow(const StatsRecord& record, const QTimeZone& zone);
// One cell of StatsRow, made alone: `column` counts from 0 in the order of
// StatsHeadings().
QString StatsCell(const StatsRecord& record, int column, const QTimeZone& zone);
// The duration in whole seconds, for adding up; empty when unknown.
QString SecondsText(double seconds);

// The CSV's columns: those of StatsHeadings with the duration in seconds
// after the readable one.
constexpr int kSecondsColumn = 6;
QStringList CsvHeadings();
QStringList CsvRow(const StatsRecord& record, const QTimeZone& zone);

// CSV headings, then a row for each game, in the computer's time zone.
QList<QStringList> StatsTable(const QList<StatsRecord>& records);

// Writes the rows (headings first) as CSV, quoting every field but whole
// numbers. False when the device does not take it all.
bool WriteCsv(const QList<QStringList>& rows, QIODevice& device);

// Writes the games, headings first, to a file whole or not at all (see
// SaveExport: never over a file the program keeps). Returns an empty string
// or the reason in Polish.
QString SaveStatsCsv(const QList<StatsRecord>& records, const QString& csvPath);

// The command-line export: reads the statistics file, writes the CSV, says
// what it did on `out` and what went wrong on `err`. 0 when the CSV was
// written (a torn last record is only warned about), 1 otherwise. Needs no
// display.
int ExportStatsCsv(const QString& statsPath, const QString& csvPath, QTextStream& out, QTextStream& err);

}  // namespace history
