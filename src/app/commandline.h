#pragma once

#include <QString>
#include <QStringList>

// The program's own command line, read before any window system is touched,
// so that --help and --version work without a display. Qt's own options
// (-platform offscreen, -display :1, -style Fusion, ...) are let through with
// their values; QApplication takes them from the untouched argv.
struct CommandLine {
  enum class Action {
    Run,      // start the program
    Help,     // print UsageText() to standard output, exit 0
    Version,  // print VersionText() to standard output, exit 0
    Error,    // print `error` and UsageText() to standard error, exit 2
    ExportCsv,   // write a profile's games to `exportPath` and exit, no window
    ExportXlsx,  // the same as a workbook
  };
  Action action = Action::Run;
  QString error;  // what was wrong, in Polish, for Action::Error
  QString exportPath;  // --csv FILE or --xlsx FILE
  QString profile;  // --profil NAME; empty for the default files
};

// `arguments` without the program's name. Any mistake wins over --help and
// --version, so that a script learns of it.
CommandLine ParseCommandLine(const QStringList& arguments);

QString UsageText();
QString VersionText();
