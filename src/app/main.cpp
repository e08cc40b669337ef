#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>
#include <QStringList>
#include <QTextStream>
#include <cstdio>

#include "app/commandline.h"
#include "app/startup.h"
#include "platform/services.h"
#include "history/statscsv.h"
#include "resultswindow/statsxlsx.h"
#include "locations/filelocations.h"
#include "profiles/profiles.h"
#include "platform/application.h"
#include "platform/bundle.h"
#include "platform/system.h"
#include "stats/statsformat.h"

namespace {

// --csv and --xlsx: the games of the default files or of a child's profile,
// written without any window, so that it runs where there is no display.
int Export(const CommandLine& commandLine, int& argc, char** argv) {
  QCoreApplication app(argc, argv);
  // The same user folder as the program's.
  QCoreApplication::setApplicationName(locations::ApplicationName());
  QTextStream out(stdout);
  QTextStream err(stderr);
  locations::FileLocations where = locations::Default(platform::ProgramDir());
  if (!commandLine.profile.isEmpty()) {
    profiles::Profile profile;
    if (!profiles::Find(where.statsDir, commandLine.profile, &profile)) {
      err << "MiniFonikra: nie ma profilu " << commandLine.profile << ".\n";
      return 1;
    }
    where = locations::InProfile(where, profile.folder);
  }
  const QString stats = where.statsDir + QLatin1Char('/') + statrec::FileName();
  if (commandLine.action == CommandLine::Action::ExportXlsx)
    return resultswindow::ExportStatsXlsx(stats, commandLine.exportPath, out, err);
  return history::ExportStatsCsv(stats, commandLine.exportPath, out, err);
}

}  // namespace

int main(int argc, char** argv) {
  platform::UseParentConsole();
  // Read before the application object exists: --help and --version must
  // work where there is no display. Qt takes its own options from argv.
  QStringList arguments;
  for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  const CommandLine commandLine = ParseCommandLine(arguments);
  switch (commandLine.action) {
    case CommandLine::Action::Help:
      QTextStream(stdout) << UsageText();
      return 0;
    case CommandLine::Action::Version:
      QTextStream(stdout) << VersionText();
      return 0;
    case CommandLine::Action::Error:
      QTextStream(stderr) << "MiniFonikra: " << commandLine.error << "\n\n" << UsageText();
      return 2;
    case CommandLine::Action::ExportCsv:
    case CommandLine::Action::ExportXlsx:
      return Export(commandLine, argc, argv);
    case CommandLine::Action::Run:
      break;
  }

  platform::Application app(argc, argv);
  platform::LoadBundledFonts(platform::ProgramDir());
  // Qt's own dialogs and buttons speak Polish, as the program does.
  QTranslator qtTexts;
  if (qtTexts.load(QLocale(QLocale::Polish), QStringLiteral("qtbase"), QStringLiteral("_"),
                   platform::QtTranslationsDir(platform::ProgramDir())))
    QCoreApplication::installTranslator(&qtTexts);
  return RunMiniFonikra(platform::SystemServices());
}
