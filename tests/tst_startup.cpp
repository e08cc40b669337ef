// The program from start to exit code, run in this process against a program
// folder of its own, with the display size, sleeps and message boxes faked.
#include <QtTest>

#include <QApplication>
#include <csignal>

#include "app/startup.h"
#include "games/labelling/podpisywanie.h"
#include "menu/Main.h"
#include "platform/form.h"
#include "platform/instance.h"
#include "profiles/profiles.h"
#include "results/_cstatrec.h"
#include "screens/KtoCwiczy.h"
#include "screens/Reklama.h"
#include "screens/Splashscreen.h"
#include "shell/_specfunc.h"
#include "widgets/_cprzycisk.h"
#include "support/programdir.h"
#include "support/seams.h"

using testing::ProgramDir;

namespace {

// Every picture the screens need, as the build made them.
void WriteArtwork(const ProgramDir& dir) { QVERIFY(dir.UseBuiltContent()); }

// The program's windows as the desktop sees them: a window of the given
// kind, made and not yet destroyed (shown or not).
template <typename T>
T* Window() {
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (auto* window = qobject_cast<T*>(w)) return window;
  }
  return nullptr;
}

template <typename T>
T* ShownWindow() {
  T* window = Window<T>();
  return window && window->isVisible() ? window : nullptr;
}

// True when no screen of the program is left, shown or hidden: the splash,
// the menu and every other screen have been destroyed.
bool NoScreenLeft() { return Window<platform::Form>() == nullptr; }

// Clicks the closing screen's button once it is up. A timer of its own: a
// timer does not fire again while its own handler is still running.
void LeaveThroughTheClosingScreen(bool* seen = nullptr) {
  auto* poll = new QTimer(qApp);
  QObject::connect(poll, &QTimer::timeout, qApp, [=] {
    TfmReklama* closing = ShownWindow<TfmReklama>();
    if (!closing) return;
    poll->deleteLater();
    if (seen) *seen = true;
    QTest::mouseClick(closing->findChild<CPrzyciskP*>(), Qt::LeftButton, {}, QPoint(10, 10));
  });
  poll->start(10);
}

// Leaves the program through Escape on the main window once it is up.
void PressEscapeOnTheMenu(bool* sawSplashGone, QSize* menuSize, QString* menuTitle = nullptr) {
  auto* poll = new QTimer(qApp);
  auto* ticks = new int(0);
  QObject::connect(poll, &QTimer::timeout, qApp, [=] {
    TfmMain* menu = ShownWindow<TfmMain>();
    if (menu) {
      *sawSplashGone = Window<TfmSplash>() == nullptr;
      *menuSize = menu->size();
      if (menuTitle) *menuTitle = menu->windowTitle();
    } else if (++*ticks < 500) {
      return;
    } else {
      QApplication::quit();  // never came up: do not hang the suite
      poll->deleteLater();
      delete ticks;
      return;
    }
    poll->deleteLater();
    delete ticks;
    LeaveThroughTheClosingScreen();
    QTest::keyClick(menu, Qt::Key_Escape);
  });
  poll->start(10);
}

// Once the child chooser is up: presses a child's button (its place on the
// page), the default button (-1), or Escape (-2, then the closing screen's
// button). Notes whether the splash had gone by then.
void AnswerTheChooser(int answer, bool* splashGoneBefore, bool* closingSeen, bool f11) {
  auto* poll = new QTimer(qApp);
  QObject::connect(poll, &QTimer::timeout, qApp, [=] {
    TfmKtoCwiczy* chooser = ShownWindow<TfmKtoCwiczy>();
    if (!chooser) return;
    poll->deleteLater();
    *splashGoneBefore = Window<TfmSplash>() == nullptr;
    if (f11) QTest::keyClick(chooser, Qt::Key_F11);
    if (answer == -2) {
      LeaveThroughTheClosingScreen(closingSeen);
      QTest::keyClick(chooser, Qt::Key_Escape);
      return;
    }
    platform::ImageControl* button = answer == -1 ? chooser->PrzyciskGosc() : chooser->PrzyciskDziecka(answer);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 10));
  });
  poll->start(10);
}

struct Run {
  int exitCode = -1;
  std::vector<testing::FakeMessageBox::Shown> boxes;
  std::vector<int> sleeps;
  bool splashGone = false;
  QSize menuSize;
  QString menuTitle;
  bool splashGoneBeforeChooser = false;
  bool closingSeen = false;
};

// The chooser's answer when it comes up; none when it is not expected.
constexpr int kNoChooser = -3;

Run Start(QSize display, bool escapeFromMenu = true, int chooserAnswer = kNoChooser, bool f11OnChooser = false) {
  testing::FakeScreen screen(display);
  testing::FakeMessageBox box;
  testing::FakeSleep sleep;
  Run run;
  if (chooserAnswer != kNoChooser) AnswerTheChooser(chooserAnswer, &run.splashGoneBeforeChooser, &run.closingSeen, f11OnChooser);
  if (escapeFromMenu) PressEscapeOnTheMenu(&run.splashGone, &run.menuSize, &run.menuTitle);
  run.exitCode = RunMiniFonikra(testing::Services());
  run.boxes = box.shown;
  run.sleeps = sleep.sleeps;
  return run;
}

}  // namespace

class StartupTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void init() {
    // The lock lives in the temporary folder: one of our own per test.
    tmp_ = std::make_unique<QTemporaryDir>();
    qputenv("TMPDIR", tmp_->path().toLocal8Bit());
  }
  void cleanup() {
    qunsetenv("TMPDIR");
    tmp_.reset();
  }

  void threeStartsCountLaunchesAndEndCleanly() {
    ProgramDir dir;
    WriteArtwork(dir);
    QTemporaryDir elsewhere;
    for (int n = 0; n < 3; ++n) {
      // Started from another folder, which is the working folder again after.
      QDir::setCurrent(elsewhere.path());
      const Run run = Start(QSize(800, 600));
      QCOMPARE(run.exitCode, 0);
      QVERIFY(run.boxes.empty());
      QVERIFY(run.splashGone);
      QCOMPARE(run.sleeps, std::vector<int>{2000});  // the splash stays 2 s
      QCOMPARE(run.menuSize, QSize(800, 600));
      QCOMPARE(QDir::currentPath(), QDir(elsewhere.path()).canonicalPath());
      QVERIFY(dir.Read("Data/data.ini").contains(QStringLiteral("LU=%1\n").arg(n).toUtf8()));
      QVERIFY(dir.Read("Data/data.ini").contains("Position=111002"));
      QVERIFY(NoScreenLeft());
      // The statistics file is made once, in the program's folder.
      QCOMPARE(QFileInfo(dir.File("prgst6.stt")).size(), 20);
      QVERIFY(!QFile::exists(QDir(elsewhere.path()).filePath("prgst6.stt")));
    }
  }

  void withProfilesTheChosenChildsFilesAreTheOnesWritten_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("folder");  // where data.ini and prgst6.stt must be made
    QTest::addColumn<QString>("name");  // in the menu's title
    QTest::addColumn<QStringList>("untouched");
    QTest::addColumn<bool>("f11");  // on the chooser of a large display, then written as chosen
    QTest::newRow("second child") << 1 << QStringLiteral("Profile/Bartek/") << QStringLiteral("Bartek")
                                  << QStringList{"Data/data.ini", "prgst6.stt", "Profile/Ala/data.ini", "Profile/Ala/prgst6.stt"}
                                  << false;
    QTest::newRow("guest") << -1 << QString() << QString()
                           << QStringList{"Profile/Ala/data.ini", "Profile/Ala/prgst6.stt", "Profile/Bartek/data.ini",
                                          "Profile/Bartek/prgst6.stt"} << false;
    QTest::newRow("F11, second child") << 1 << QStringLiteral("Profile/Bartek/") << QStringLiteral("Bartek")
                                       << QStringList{"prgst6.stt", "Profile/Ala/data.ini"} << true;
    QTest::newRow("F11, guest") << -1 << QString() << QString() << QStringList{"Profile/Bartek/data.ini"} << true;
  }
  void withProfilesTheChosenChildsFilesAreTheOnesWritten() {
    QFETCH(int, answer);
    QFETCH(QString, folder);
    QFETCH(QString, name);
    QFETCH(QStringList, untouched);
    QFETCH(bool, f11);
    ProgramDir dir;
    WriteArtwork(dir);
    // A default file there to be wrongly written.
    const QByteArray defaults = "[DaneProgramu]\nLU=0\nPelnyEkran=0\n";
    if (f11) dir.Write(QStringLiteral("Data/data.ini"), defaults);
    QCOMPARE(profiles::Add(dir.Path(), QStringLiteral("Ala"), QStringLiteral("szalik")), QString());
    QCOMPARE(profiles::Add(dir.Path(), QStringLiteral("Bartek"), QStringLiteral("nie-ma-takiego")), QString());
    const Run run = Start(f11 ? QSize(1280, 1024) : QSize(800, 600), true, answer, f11);
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.boxes.empty());
    // The splash's two seconds come before the chooser, and only once.
    QVERIFY(run.splashGoneBeforeChooser);
    QCOMPARE(run.sleeps, std::vector<int>{2000});
    if (name.isEmpty()) {
      QVERIFY(!run.menuTitle.contains(QStringLiteral("Ala")) && !run.menuTitle.contains(QStringLiteral("Bartek")));
    } else {
      QCOMPARE(run.menuTitle, QString::fromUtf8("Mini Fonikra Cz.I – ") + name);
    }
    const QString config = folder.isEmpty() ? QStringLiteral("Data/data.ini") : folder + QStringLiteral("data.ini");
    QVERIFY(dir.Read(config).contains(f11 ? "PelnyEkran=1" : "LU=0\n"));
    if (f11 && !folder.isEmpty()) QCOMPARE(dir.Read("Data/data.ini"), defaults);
    QCOMPARE(QFileInfo(dir.File(folder + QStringLiteral("prgst6.stt"))).size(), 20);
    for (const QString& other : untouched) QVERIFY2(!QFile::exists(dir.File(other)), qPrintable(other));
    QVERIFY(NoScreenLeft());
  }

  // Logging out sends SIGTERM or SIGHUP, a terminal's Ctrl+C SIGINT: each
  // ends the program as its own way out does, a game being played recorded.
  void aSignalEndsTheProgramRecordingTheGameBeingPlayed_data() {
    QTest::addColumn<int>("signal");
    QTest::addColumn<bool>("inGame");
    QTest::newRow("SIGTERM in a game") << int(SIGTERM) << true;
    QTest::newRow("SIGHUP in a game") << int(SIGHUP) << true;
    QTest::newRow("SIGINT on the menu") << int(SIGINT) << false;
  }
  void aSignalEndsTheProgramRecordingTheGameBeingPlayed() {
    QFETCH(int, signal);
    QFETCH(bool, inGame);
    ProgramDir dir;
    WriteArtwork(dir);
    dir.Write("Data/data.ini", "[DaneProgramu]\nLU=4\nZakladka=1\n[Podpisywanie]\nGloski=1\nPoziom=1\nPozycja=256\n");
    auto* poll = new QTimer(qApp);
    auto started = std::make_shared<bool>(false);
    QObject::connect(poll, &QTimer::timeout, qApp, [=] {
      TfmMain* menu = ShownWindow<TfmMain>();
      if (inGame && !ShownWindow<TfmPodpisywanie>()) {
        // The game runs in a modal loop of its own, outside this handler.
        if (menu && !*started) QTimer::singleShot(0, menu, [menu] { menu->A_Start.Execute(menu); });
        *started = *started || menu;
        return;
      }
      if (!menu && !inGame) return;
      poll->deleteLater();
      std::raise(signal);
    });
    poll->start(10);
    const Run run = Start(QSize(800, 600), false);
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.boxes.empty());
    QVERIFY(NoScreenLeft());
    QVERIFY(dir.Read("Data/data.ini").contains("LU=5\n"));
    const QByteArray stats = dir.Read("prgst6.stt");
    QCOMPARE(stats.size(), statrec::kHeaderSize + (inGame ? statrec::kRecordSize : 0));
    if (inGame) QCOMPARE(stats.mid(statrec::kHeaderSize, 4), QByteArray::fromHex("01000000"));  // labelling
  }

  void escapeOnTheChooserLeavesThroughTheClosingScreenWritingNothing() {
    ProgramDir dir;
    WriteArtwork(dir);
    QCOMPARE(profiles::Add(dir.Path(), QStringLiteral("Ala"), QStringLiteral("szalik")), QString());
    const Run run = Start(QSize(1280, 1024), false, -2);
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.closingSeen);
    QVERIFY(run.boxes.empty());
    QVERIFY(!QFile::exists(dir.File("Data/data.ini")));
    QVERIFY(!QFile::exists(dir.File("Profile/Ala/data.ini")));
    QVERIFY(!QFile::exists(dir.File("prgst6.stt")));
    QVERIFY(NoScreenLeft());
  }

  void statisticsFileThatCannotBeMadeShowsMessage3AndFails() {
    ProgramDir dir;
    WriteArtwork(dir);
    QDir().mkpath(dir.File("prgst6.stt"));  // a folder in its place: no file can be made
    const Run run = Start(QSize(800, 600), false);
    QVERIFY(run.exitCode != 0);
    QCOMPARE(run.boxes.size(), size_t(1));
    QCOMPARE(run.boxes[0].text, CBladText(3));
    QVERIFY(NoScreenLeft());
    // The configuration was read and counted before the failure.
    QVERIFY(dir.Read("Data/data.ini").contains("LU=0"));
  }

  void largeDisplayWorksInA1024x768Window() {
    ProgramDir dir;
    WriteArtwork(dir);
    const Run run = Start(QSize(1280, 1024));
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.menuSize, QSize(1024, 768));
  }

  void unusableDisplayShowsMessage2AndFails_data() {
    QTest::addColumn<QSize>("display");
    QTest::newRow("1024x600") << QSize(1024, 600);
    QTest::newRow("640x480") << QSize(640, 480);
  }
  void unusableDisplayShowsMessage2AndFails() {
    QFETCH(QSize, display);
    ProgramDir dir;
    WriteArtwork(dir);
    const QString before = QDir::currentPath();
    const Run run = Start(display, false);
    QVERIFY(run.exitCode != 0);
    QCOMPARE(run.boxes.size(), size_t(1));
    QCOMPARE(run.boxes[0].text, QString::fromUtf8("Proszę zmienić rozdzielczość ekranu na 800 x 600 lub wyższą."));
    QCOMPARE(run.boxes[0].caption, QString::fromUtf8("Błąd"));
    QVERIFY(!QFile::exists(dir.File("Data/data.ini")));
    QCOMPARE(QDir::currentPath(), before);
    QVERIFY(Window<TfmSplash>() == nullptr);
  }

  void secondCopySaysSoAndEndsWithSuccess() {
    ProgramDir dir;
    WriteArtwork(dir);
    platform::SingleInstanceLock running("Mini Fonikra Cz.I");
    QVERIFY(running.Acquired());
    const Run run = Start(QSize(800, 600), false);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.boxes.size(), size_t(1));
    QCOMPARE(run.boxes[0].text, QString("Aplikacja Mini Fonikra Cz.I jest już uruchomiona."));
    QCOMPARE(run.boxes[0].caption, QString("Informacja"));
    QCOMPARE(run.boxes[0].icon, platform::MessageIcon::Information);
    QVERIFY(!QFile::exists(dir.File("Data/data.ini")));
  }

  void missingSplashShowsMessage1AndFails() {
    ProgramDir dir;
    dir.WriteJpeg("Data/Intf/Spec/mT_m0_s.xji", 800, 600);
    const Run run = Start(QSize(800, 600), false);
    QVERIFY(run.exitCode != 0);
    QCOMPARE(run.boxes.size(), size_t(1));
    QCOMPARE(run.boxes[0].text, CBladText(1));
  }

  void brokenSplashShowsMessage1AndFails() {
    ProgramDir dir;
    dir.Write("Data/Intf/Spec/mT_Splh.xji", "\xFF\xD8\xFF\xE0 broken");
    const Run run = Start(QSize(800, 600), false);
    QVERIFY(run.exitCode != 0);
    QCOMPARE(run.boxes.size(), size_t(1));
    QCOMPARE(run.boxes[0].text, CBladText(1));
  }

  void missingMenuArtworkShowsMessage1AndFails() {
    ProgramDir dir;
    dir.WriteJpeg("Data/Intf/Spec/mT_Splh.xji", 600, 348);
    const Run run = Start(QSize(800, 600), false);
    QVERIFY(run.exitCode != 0);
    QCOMPARE(run.boxes.size(), size_t(1));
    QCOMPARE(run.boxes[0].text, CBladText(1));
    QVERIFY(NoScreenLeft());
  }

  void unusableConfigurationShowsMessage4AndFails() {
    ProgramDir dir;
    WriteArtwork(dir);
    QDir().mkpath(dir.File("Data/data.ini"));  // cannot be read as a file
    const Run run = Start(QSize(1024, 768), false);
    QVERIFY(run.exitCode != 0);
    QCOMPARE(run.boxes.size(), size_t(1));
    QCOMPARE(run.boxes[0].text, CBladText(4));
  }

 private:
  static QString CBladText(int code);
  std::unique_ptr<QTemporaryDir> tmp_;
};

#include "shell/_cblad.h"
QString StartupTest::CBladText(int code) { return CBlad::MessageText(qint16(code)); }

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
