// screenshots <Data folder> <output folder> [800x600|1024x768]
//
// Runs the real screens with the built content in a throw-away program
// folder, plays through them with mouse clicks and saves what each window
// shows: the menu, the labelling game, Memory with a card turned, the
// summary after a finished Memory game, and the about box. Sound and sleeps
// are switched off; nothing is written outside the output folder.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <functional>

#include "labelling/Podpisywanie.h"
#include "memory/Memory.h"
#include "memory/_gramemory.h"
#include "menu/Main.h"
#include "platform/exception.h"
#include "platform/sound.h"
#include "platform/system.h"
#include "results/Koniecgry.h"
#include "results/_cstatrec.h"
#include "screens/Oprogramie.h"
#include "shell/_custgry.h"
#include "shell/_specfunc.h"
#include "shell/startup.h"
#include "widgets/_ccheckbut.h"
#include "widgets/_cprzycisk.h"
#include "words/_cslowa.h"

namespace {

class Silence : public platform::SoundOutput {
 public:
  void PlaySync(const QString&) override {}
  void PlayAsync(const QString&) override {}
};

// A clock stopped at one moment, so that every run draws the same words and
// the pictures only change when the program does; the game timers still run.
class StoppedClock : public platform::Clock {
 public:
  StoppedClock() { running_.start(); }
  platform::SystemTime UtcNow() override { return {2026, 6, 1, 1, 10, 0, 0, 0}; }
  qint64 LocalSeconds() override { return 36000; }
  qint64 MonotonicMs() override { return running_.elapsed(); }

 private:
  QElapsedTimer running_;
};

struct Failure {
  QString what;
};

QString outDir;

void Save(QWidget* window, const QString& name) {
  window->repaint();
  QApplication::processEvents();
  const QImage shot = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QString path = outDir + QLatin1Char('/') + name + QStringLiteral(".png");
  if (!shot.save(path, "PNG")) throw Failure{QStringLiteral("cannot write ") + path};
  std::printf("screenshots: %s\n", qPrintable(path));
}

// Runs `step` from inside the window's modal loop once it is visible.
void WhenShown(QWidget* const* window, std::function<void()> step) {
  auto* poll = new QTimer(qApp);
  auto* clock = new QElapsedTimer;
  clock->start();
  QObject::connect(poll, &QTimer::timeout, qApp, [=] {
    if (clock->elapsed() > 20000) {
      std::fprintf(stderr, "screenshots: a window never showed up\n");
      std::exit(1);
    }
    if (!*window || !(*window)->isVisible()) return;
    poll->stop();
    poll->deleteLater();
    delete clock;
    step();
  });
  poll->start(10);
}

void Click(QWidget* w, QPoint at) { QTest::mouseClick(w, Qt::LeftButton, {}, at); }
void ClickCentre(QWidget* w) { Click(w, w->rect().center()); }

// Picks a tab, an amount, one sound and one position on the menu by clicking
// them as a child would. The clicks toggle, so the current choice is read
// first.
void Choose(int tab, int amount, int sound, int position) {
  const int tabX = screenMode == 1 ? (tab == 1 ? 120 : 370) : (tab == 1 ? 150 : 470);
  Click(fmMain->g_Menu, QPoint(tabX, 10));
  CUstGry& s = tab == 1 ? podpisywanieSettings : memorySettings;
  ClickCentre(fmMain->AmountButton(amount - 1)->Input());
  for (int i = 0; i < 4; ++i) {
    const bool on = (s.gloski >> i) & 1;
    if (on != (i == sound)) ClickCentre(fmMain->SoundButton(i)->Input());
  }
  for (int i = 0; i < 3; ++i) {
    const bool on = (s.pozycja >> (8 + i)) & 1;
    if (on != (i == position)) ClickCentre(fmMain->PositionButton(i)->Input());
  }
  fmMain->Repaint();
}

std::pair<CKarta*, CKarta*> APair() {
  for (auto& a : gra->Karty) {
    for (auto& b : gra->Karty) {
      if (a && b && a != b && a->NaPlanszy() && b->NaPlanszy() && a->Nazwa == b->Nazwa) return {a.get(), b.get()};
    }
  }
  return {nullptr, nullptr};
}

void ClickCard(CKarta* card) { Click(card->Obraz.data(), QPoint(40, 50)); }

void Run(const QString& data, QSize screen) {
  QTemporaryDir program;
  if (!program.isValid()) throw Failure{QStringLiteral("no temporary folder")};
  QDir().mkpath(program.filePath("Data"));
  for (const char* name : {"Intf", "Pict", "Bio", "Sio", "Smd", "words.txt", "LICENSE-icons.txt", "manual.html"}) {
    const QString target = QDir(data).filePath(QString::fromLatin1(name));
    if (!QFileInfo::exists(target)) throw Failure{QStringLiteral("no ") + target + QStringLiteral(" (build first)")};
    QFile::link(target, program.filePath(QStringLiteral("Data/") + QString::fromLatin1(name)));
  }
  platform::SetProgramDir(program.path());
  QDir::setCurrent(program.path());
  platform::SetScreenSizeProvider([screen] { return screen; });
  platform::SetSleepFunction([](int) {});
  Silence silence;
  platform::SetSoundOutput(&silence);
  StoppedClock clock;
  platform::SetClock(&clock);
  DetectScreenMode();
  if (!LoadConfiguration()) throw Failure{QStringLiteral("no configuration")};

  slowa = new CSlowa();
  statRec = new CStatRec(6);
  CreateScreens();
  fmMain->show();
  if (!QTest::qWaitForWindowExposed(fmMain)) throw Failure{QStringLiteral("the menu never showed")};

  // Menu, on the labelling tab: CZ in the middle of the word, ten words.
  Choose(1, 2, 2, 1);
  Save(fmMain, QStringLiteral("menu"));

  // The labelling game as it opens, with its first word.
  WhenShown(reinterpret_cast<QWidget* const*>(&fmPodpisywanie), [] {
    QTest::qWait(100);
    Save(fmPodpisywanie, QStringLiteral("labelling"));
    WhenShown(reinterpret_cast<QWidget* const*>(&fmKoniecGry), [] { fmKoniecGry->SetModalResult(TfmKoniecGry::kClose); });
    fmPodpisywanie->A_Stop.Execute(fmPodpisywanie);
  });
  ClickCentre(fmMain->StartButton());
  fmMain->Repaint();

  // Memory on its smallest board: one card turned, then every pair found,
  // which ends in the summary.
  Choose(2, 1, 0, 2);
  WhenShown(reinterpret_cast<QWidget* const*>(&fmMemory), [] {
    QTest::qWait(100);
    auto [a, b] = APair();
    if (!a) throw Failure{QStringLiteral("no pair on the Memory board")};
    ClickCard(a);
    Save(fmMemory, QStringLiteral("memory"));
    ClickCard(b);
    b->TimerTrafiona->Fire();
    WhenShown(reinterpret_cast<QWidget* const*>(&fmKoniecGry), [] {
      QTest::qWait(100);
      Save(fmKoniecGry, QStringLiteral("summary"));
      fmKoniecGry->SetModalResult(TfmKoniecGry::kClose);
    });
    for (auto [c, d] = APair(); c; std::tie(c, d) = APair()) {
      ClickCard(c);
      ClickCard(d);
      d->TimerTrafiona->Fire();
    }
  });
  ClickCentre(fmMain->StartButton());
  fmMain->Repaint();

  WhenShown(reinterpret_cast<QWidget* const*>(&fmOProgramie), [] {
    QTest::qWait(100);
    Save(fmOProgramie, QStringLiteral("about"));
    fmOProgramie->A_Stop.Execute(fmOProgramie);
  });
  ClickCentre(fmMain->AboutButton());

  DestroyScreens();
  delete statRec;
  statRec = nullptr;
  delete slowa;
  slowa = nullptr;
  platform::SetSoundOutput(nullptr);
  platform::SetClock(nullptr);
  QDir::setCurrent(QDir::tempPath());
}

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc < 3 || argc > 4) {
    std::fprintf(stderr, "usage: screenshots <Data folder> <output folder> [800x600|1024x768]\n");
    return 2;
  }
  const QSize screen = argc == 4 && QByteArray(argv[3]) == "1024x768" ? QSize(1024, 768) : QSize(800, 600);
  outDir = QDir(QString::fromLocal8Bit(argv[2])).absolutePath();
  QDir().mkpath(outDir);
  try {
    Run(QDir(QString::fromLocal8Bit(argv[1])).absolutePath(), screen);
  } catch (const Failure& f) {
    std::fprintf(stderr, "screenshots: %s\n", qPrintable(f.what));
    return 1;
  } catch (const platform::Exception& e) {
    std::fprintf(stderr, "screenshots: %s\n", qPrintable(e.Message()));
    return 1;
  }
  return 0;
}
