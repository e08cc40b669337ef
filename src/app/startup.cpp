#include "app/startup.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>
#include <memory>
#include <vector>

#include "app/program.h"
#include "locations/filelocations.h"
#include "platform/instance.h"
#include "platform/savefile.h"
#include "platform/system.h"
#include "platform/termination.h"
#include "platform/wait.h"
#include "profiles/profiles.h"
#include "screens/KtoCwiczy.h"
#include "screens/Reklama.h"
#include "screens/Splashscreen.h"
#include "shell/_cblad.h"
#include "shell/_specfunc.h"
#include "menu/Main.h"

namespace {

// Shows the chooser and returns the chosen child's index in `children`,
// TfmKtoCwiczy::kGosc or TfmKtoCwiczy::kWyjscie. In mode 3 the chooser is
// seen the way the default files chose, no child being known yet; F11 on it
// only sets `viewSwitched`: the choice is written once the child's files
// are known.
int ChooseChild(Program& program, const std::vector<profiles::Profile>& children, const QString& defaultConfig,
                const std::shared_ptr<bool>& viewSwitched) {
  if (program.state().geometry.screenMode == 3) {
    platform::FullScreenView& view = program.state().view;
    view.Offer(QColor(FullScreenFill()), [viewSwitched](bool) { *viewSwitched = true; });
    view.Set(session::Settings::SavedFullScreenChoice(defaultConfig));
  }
  program.CreateChooser(children);
  program.fmKtoCwiczy()->ShowModal();
  const int chosen = program.fmKtoCwiczy()->Wybor();
  program.DestroyChooser();
  return chosen;
}

// Why the program cannot use the file at `path`, for standard error: the
// numbered message box keeps its own text and does not name the file.
void SayWhyUnusable(const QString& path, const QString& what) {
  const QFileInfo info(path);
  QString why = platform::WriteRefusal(path);
  if (why.isEmpty() && info.exists() && !info.isReadable()) why = QStringLiteral("brak prawa odczytu");
  if (why.isEmpty() && info.exists() && !info.isWritable()) why = QStringLiteral("plik tylko do odczytu");
  if (why.isEmpty() && !info.exists()) why = QStringLiteral("nie można go utworzyć");
  if (why.isEmpty()) why = QStringLiteral("nie można go odczytać ani zapisać");
  QTextStream(stderr) << QString::fromUtf16(kProgramTitle) << QStringLiteral(": ") << what << QStringLiteral(" ")
                      << QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()) << QStringLiteral(": ") << why
                      << QStringLiteral(".\n");
}

}  // namespace

int RunMiniFonikra(const platform::Services& services) {
  const QString title = QString::fromUtf16(kProgramTitle);
  // The task bar's name of every window, the splash first. Not the display
  // name, which would be appended to the captions of bordered windows.
  QApplication::setApplicationName(locations::ApplicationName());
  // Lets a desktop match the windows to the installed menu entry.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.minifonikra.MiniFonikra"));

  // 1. Single instance.
  platform::SingleInstanceLock lock(title);
  if (lock.HeldByAnother()) {
    services.messageBox(nullptr, QStringLiteral("Aplikacja ") + title + QStringLiteral(" jest już uruchomiona."),
                        QStringLiteral("Informacja"), platform::MessageIcon::Information);
    return 0;
  }
  if (!lock.Acquired()) {
    // Better a second copy than no copy at all.
    QTextStream(stderr) << title << QStringLiteral(": nie można utworzyć blokady ")
                        << (lock.Path().isEmpty() ? QStringLiteral("(brak folderu użytkownika)") : lock.Path())
                        << QStringLiteral("; program działa bez ochrony przed drugim uruchomieniem.\n");
  }

  const locations::FileLocations defaults = locations::Default(services.programDir);
  Program program{services, session::ContentRoot(defaults.contentRoot)};
  session::Session& state = program.state();
  // Logging out or shutting down ends the program as its own way out would,
  // for as long as this run lasts.
  QObject run;
  platform::OnTermination(&run, [&program] { program.EndFromOutside(); });

  // 2. Splash, on screen before the slow work begins.
  try {
    program.CreateSplash();
  } catch (const CBlad& e) {
    e.Show(services);
    return 1;
  }
  program.fmSplash()->show();
  program.fmSplash()->Repaint();
  platform::WaitUntilExposed(program.fmSplash(), 500);

  // 3. Screen mode, working folder, the child who practises today,
  // configuration. The chooser's modal loop runs before the program's own.
  QApplication::setQuitOnLastWindowClosed(false);
  QString startDir;
  QString childName;
  auto viewSwitched = std::make_shared<bool>(false);
  try {
    state.geometry = session::ScreenGeometry::For(services.screenSize());
    if (!state.geometry.Usable()) throw CBlad(2);
    // Content beside the program or installed; the two files the program
    // writes beside it or in the user's data folder, and the children's
    // profiles under the same folder.
    if (!locations::MakeUserFolder(defaults)) {
      QTextStream(stderr) << title << QStringLiteral(": nie można utworzyć folderu danych użytkownika ")
                          << (defaults.statsDir.isEmpty() ? QStringLiteral("(brak folderu domowego)") : defaults.statsDir)
                          << QStringLiteral(".\n");
      throw CBlad(4);
    }
    // Every path is made from the content root and the child's files, not
    // from the working folder; the run still works in the content folder, as
    // it always has, and goes back where it was started at the end.
    startDir = QDir::currentPath();
    QDir::setCurrent(defaults.contentRoot);
    locations::FileLocations here = defaults;
    const std::vector<profiles::Profile> children = profiles::List(defaults.statsDir);
    if (!children.empty()) {
      const int chosen = ChooseChild(program, children, defaults.configPath, viewSwitched);
      if (platform::TerminationRequested()) {
        program.DestroySplash();
        QDir::setCurrent(startDir);
        return 0;
      }
      if (chosen == TfmKtoCwiczy::kWyjscie) {
        // Left before anyone practised: the closing screen, as from the
        // menu, and not a file touched.
        program.DestroySplash();
        TfmReklama closing(state);
        closing.SetViewChoice(&state.view);
        closing.ShowModal();
        QDir::setCurrent(startDir);
        return 0;
      }
      if (chosen >= 0) {
        here = locations::InProfile(defaults, children[size_t(chosen)].folder);
        childName = children[size_t(chosen)].name;
        program.SetChild(childName, children[size_t(chosen)].picture);
      }
    }
    state.files = session::ChildFiles::At(here, defaults);
    state.settings = session::Settings(state.files.configPath);
    // Says itself on standard error which file failed and why.
    if (!state.settings.Load()) throw CBlad(4);
    // F11 on the chooser goes with the child it chose.
    if (*viewSwitched) state.settings.WriteFullScreenChoice(state.view.On());
  } catch (const CBlad& e) {
    program.DestroyChooser();
    e.Show(services);
    if (!startDir.isEmpty()) QDir::setCurrent(startDir);
    program.DestroySplash();
    return 1;
  }

  // 4. The program-wide objects, the screens and the event loop.
  int exitCode = 0;
  try {
    program.CreateCatalogueAndStore();
    program.CreateScreens();
    if (!childName.isEmpty()) program.fmMain()->setWindowTitle(title + QStringLiteral(" – ") + childName);
    QObject::connect(program.fmMain(), &platform::Form::Closed, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    program.fmMain()->show();
    // A signal during start-up ends the run here; the screens still write
    // the settings as they go.
    if (!platform::TerminationRequested()) QApplication::exec();
  } catch (const CBlad& e) {
    if (e.code == 3) SayWhyUnusable(state.files.statsFile, QStringLiteral("plik wyników"));
    // The menu window goes before the message is shown.
    program.DestroyScreens();
    e.Show(services);
    exitCode = 1;
  } catch (const platform::Exception& e) {
    services.messageBox(nullptr, e.Message(), QApplication::applicationName(), platform::MessageIcon::Error);
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
