#pragma once

#include <QByteArray>
#include <QString>

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

}  // namespace history
