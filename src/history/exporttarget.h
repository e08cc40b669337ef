#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>

class QTextStream;

// Where an export (CSV, PDF) may go. An export is the adult's copy of the
// results: it never takes the place of a file the program keeps (a
// statistics file, a data.ini or profil.ini, a child's recording or an
// adult's voice), nor of anything that is no regular file.
namespace history {

// Why `path` may not receive an export, in Polish; empty when it may.
QString ExportRefusal(const QString& path);

// Writes an export whole or not at all, after ExportRefusal. Returns an
// empty string, or the message naming the file.
QString SaveExport(const QString& path, const QByteArray& bytes);

struct StatsRecord;

// Writes the games of a statistics file to `path` with `save` (which returns
// an empty string or the reason), for the command line: says what it did on
// `out` and what went wrong on `err`. 0 when written (a torn or damaged
// file is only warned about), 1 otherwise. Needs no display.
using ExportWriter = std::function<QString(const QList<StatsRecord>& records, const QString& path)>;
int ExportFromCommandLine(const QString& statsPath, const QString& path, const ExportWriter& save, QTextStream& out,
                          QTextStream& err);

}  // namespace history
