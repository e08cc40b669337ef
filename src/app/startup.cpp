#include "app/startup.h"

#include <QApplication>
#include <QDir>
#include <QTextStream>

#include "app/program.h"
#include "locations/filelocations.h"
#include "platform/instance.h"
#include "platform/system.h"
#include "platform/wait.h"
#include "screens/Splashscreen.h"
#include "shell/_cblad.h"
#include "shell/_specfunc.h"
#include "menu/Main.h"

int RunMiniFonikra() {
  const QString title = QString::fromUtf16(kProgramTitle);
  // The task bar's name of every window, the splash first. Not the display
  // name, which would be appended to the captions of bordered windows.
  QApplication::setApplicationName(locations::ApplicationName());
  // Lets a desktop match the windows to the installed menu entry.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.minifonikra.MiniFonikra"));

  // 1. Single instance.
  platform::SingleInstanceLock lock(title);
  if (lock.HeldByAnother()) {
    platform::ShowMessageBox(nullptr, QStringLiteral("Aplikacja ") + title + QStringLiteral(" jest juz uruchomiona."),
                             QStringLiteral("Informacja"), platform::MessageIcon::Information);
    return 0;
  }
  if (!lock.Acquired()) {
    // Better a second copy than no copy at all.
    QTextStream(stderr) << title << QStringLiteral(": nie można utworzyć blokady ")
                        << (lock.Path().isEmpty() ? QStringLiteral("(brak folderu użytkownika)") : lock.Path())
                        << QStringLiteral("; program działa bez ochrony przed drugim uruchomieniem.\n");
  }

  Program program;

  // 2. Splash, on screen before the slow work begins.
  try {
    program.CreateSplash();
  } catch (const CBlad& e) {
    e.Show();
    return 1;
  }
  program.fmSplash()->show();
  program.fmSplash()->Repaint();
  platform::WaitUntilExposed(program.fmSplash(), 500);

  // 3. Screen mode, working folder, configuration.
  QString startDir;
  QString statsDir;
  try {
    DetectScreenMode();
    if (screenMode < 1 || screenMode > 3) throw CBlad(2);
    // Content beside the program or installed; the two files the program
    // writes beside it or in the user's data folder.
    const locations::FileLocations where = locations::Current();
    if (!locations::MakeUserFolder(where)) {
      QTextStream(stderr) << title << QStringLiteral(": nie można utworzyć folderu danych użytkownika ")
                          << (where.statsDir.isEmpty() ? QStringLiteral("(brak folderu domowego)") : where.statsDir)
                          << QStringLiteral(".\n");
      throw CBlad(4);
    }
    statsDir = where.statsDir;
    startDir = QDir::currentPath();
    QDir::setCurrent(where.contentRoot);
    if (!LoadConfiguration()) throw CBlad(4);
  } catch (const CBlad& e) {
    e.Show();
    if (!startDir.isEmpty()) QDir::setCurrent(startDir);
    program.DestroySplash();
    return 1;
  }

  // 4. The program-wide objects, the screens and the event loop.
  int exitCode = 0;
  QApplication::setQuitOnLastWindowClosed(false);
  try {
    program.CreateCatalogueAndStore(statsDir);
    program.CreateScreens();
    QObject::connect(program.fmMain(), &platform::Form::Closed, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    program.fmMain()->show();
    QApplication::exec();
  } catch (const CBlad& e) {
    // The menu window goes before the message is shown.
    program.DestroyScreens();
    e.Show();
    exitCode = 1;
  } catch (const platform::Exception& e) {
    platform::ShowMessageBox(nullptr, e.Message(), QApplication::applicationName(), platform::MessageIcon::Error);
    exitCode = 1;
  }

  // 5. Shutdown: the store, the catalogue, a splash still up, then the
  // screens.
  program.DestroyCatalogueAndStore();
  program.DestroySplash();
  if (!startDir.isEmpty()) QDir::setCurrent(startDir);
  program.DestroyScreens();
  return exitCode;
}
