#include "shell/startup.h"

#include <QApplication>
#include <QDir>
#include <QTextStream>

#include "labelling/Podpisywanie.h"
#include "memory/Memory.h"
#include "menu/Main.h"
#include "results/Koniecgry.h"
#include "screens/Oprogramie.h"
#include "screens/Reklama.h"
#include "shell/Komunikat.h"
#include "platform/instance.h"
#include "results/_cstatrec.h"
#include "words/_cslowa.h"
#include "platform/system.h"
#include "platform/wait.h"
#include "shell/Splashscreen.h"
#include "shell/_cblad.h"
#include "shell/_specfunc.h"

namespace {

template <typename T>
void Destroy(T*& screen) {
  delete screen;
  screen = nullptr;
}

}  // namespace

void CreateScreens() {
  fmMain = new TfmMain();
  fmMemory = new TfmMemory();
  fmPodpisywanie = new TfmPodpisywanie();
  fmOProgramie = new TfmOProgramie();
  fmKoniecGry = new TfmKoniecGry();
  fmKomunikat = new TfmKomunikat();
  fmReklama = new TfmReklama();
}

// The screens go in the reverse order of their making; the main menu, which
// writes the configuration as it goes, is the last.
void DestroyScreens() {
  Destroy(fmReklama);
  Destroy(fmKomunikat);
  Destroy(fmKoniecGry);
  Destroy(fmOProgramie);
  Destroy(fmPodpisywanie);
  Destroy(fmMemory);
  Destroy(fmMain);
}

int RunMiniFonikra() {
  const QString title = QString::fromUtf16(kProgramTitle);
  // The task bar's name of every window, the splash first. Not the display
  // name, which would be appended to the captions of bordered windows.
  QApplication::setApplicationName(QStringLiteral("Fonikra"));

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

  // 2. Splash, on screen before the slow work begins.
  try {
    fmSplash = new TfmSplash();
  } catch (const CBlad& e) {
    e.Show();
    return 1;
  }
  fmSplash->show();
  fmSplash->Repaint();
  platform::WaitUntilExposed(fmSplash, 500);

  // 3. Screen mode, working folder, configuration.
  QString startDir;
  try {
    DetectScreenMode();
    if (screenMode < 1 || screenMode > 3) throw CBlad(2);
    startDir = QDir::currentPath();
    QDir::setCurrent(platform::ProgramDir());
    if (!LoadConfiguration()) throw CBlad(4);
  } catch (const CBlad& e) {
    e.Show();
    if (!startDir.isEmpty()) QDir::setCurrent(startDir);
    DestroySplash();
    return 1;
  }

  // 4. The program-wide objects, the screens and the event loop.
  int exitCode = 0;
  QApplication::setQuitOnLastWindowClosed(false);
  try {
    slowa = new CSlowa();
    statRec = new CStatRec(6);
    CreateScreens();
    QObject::connect(fmMain, &platform::Form::Closed, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    fmMain->show();
    QApplication::exec();
  } catch (const CBlad& e) {
    // The menu window goes before the message is shown.
    DestroyScreens();
    e.Show();
    exitCode = 1;
  } catch (const platform::Exception& e) {
    platform::ShowMessageBox(nullptr, e.Message(), QApplication::applicationName(), platform::MessageIcon::Error);
    exitCode = 1;
  }

  // 5. Shutdown.
  delete statRec;
  statRec = nullptr;
  delete slowa;
  slowa = nullptr;
  DestroySplash();
  if (!startDir.isEmpty()) QDir::setCurrent(startDir);
  DestroyScreens();
  return exitCode;
}
