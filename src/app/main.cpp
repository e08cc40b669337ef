#include <QStringList>
#include <QTextStream>
#include <cstdio>

#include "app/commandline.h"
#include "app/startup.h"
#include "platform/application.h"

int main(int argc, char** argv) {
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
    case CommandLine::Action::Run:
      break;
  }

  platform::Application app(argc, argv);
  return RunMiniFonikra();
}
