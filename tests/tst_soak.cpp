// The whole program under a long stream of random but legal input: clicks,
// drags, double clicks and keys on whatever window is on top, and expiries of
// whatever timers are running, from a fixed seed, at both screen sizes. The
// program is started again whenever the stream leaves it. Afterwards the
// statistics file must hold whole, sane records and data.ini its keys.
#include <QtTest>

#include <QApplication>
#include <QRandomGenerator>
#include <QSet>
#include <QtEndian>

#include "games/memory/memory.h"
#include "games/memory/gramemory.h"
#include "menu/Main.h"
#include "platform/form.h"
#include "platform/imagecontrol.h"
#include "platform/inifile.h"
#include "platform/system.h"
#include "platform/timer.h"
#include "results/_cstatrec.h"
#include "resultswindow/resultswindow.h"
#include "app/startup.h"
#include "support/fakeclock.h"
#include "support/programdir.h"
#include "support/seams.h"

using testing::ProgramDir;

namespace {

constexpr quint32 kSeed = 20261207;
constexpr int kEventsPerSize = 6000;

// The configuration the soak starts from: the program's keys, one of its own
// the program does not know, and a comment; all must survive.
const QByteArray kDataIni =
    "; written by a parent\n"
    "[DaneProgramu]\nLU=0\nZakladka=1\nPosition=0\nUlubione=kot\n\n"
    "[Podpisywanie]\nGloski=1\nPoziom=1\nPozycja=256\n\n"
    "[Memory]\nGloski=3\nPoziom=1\nPozycja=1792\n";

// Feeds one random event per pass of the event loop, whatever modal loop the
// program is in. The next step is queued before the current one runs, so a
// step that opens a modal window is followed by steps inside it.
class Driver : public QObject {
 public:
  Driver(quint32 seed, int events, testing::FakeClock& clock) : rng_(seed), left_(events), clock_(clock) {}

  void Start() { Schedule(); }
  // Where the results window's exports go: never a folder the random clicks
  // of a file dialog would find.
  void SetExportFolder(const QString& folder) { exportFolder_ = folder; }
  int Left() const { return left_; }
  int Starts() const { return starts_; }
  void NoteStart() { ++starts_; }
  int MaxDepth() const { return maxDepth_; }
  // Events per window class, for the report.
  QString Spread() const {
    QStringList parts;
    for (auto it = perWindow_.begin(); it != perWindow_.end(); ++it) parts << it.key() + ' ' + QString::number(it.value());
    return parts.join(QLatin1String(", "));
  }

 private:
  void Schedule() { QTimer::singleShot(0, this, [this] { Step(); }); }

  // The window that takes input now: the innermost modal one, else the menu.
  static QWidget* Top() {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return ShownMenu();
  }

  // The main menu when it is on screen, found as the desktop sees it.
  static TfmMain* ShownMenu() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (auto* menu = qobject_cast<TfmMain*>(w); menu && menu->isVisible()) return menu;
    }
    return nullptr;
  }

  void Step() {
    QWidget* top = Top();
    if (!top) {
      // Between windows (splash, or the program is ending): wait.
      Schedule();
      return;
    }
    Schedule();
    if (auto* results = qobject_cast<ResultsWindow*>(top)) {
      results->AskSavePath = [this](const QString& suggested, const QString&) {
        return exportFolder_ + QLatin1Char('/') + QFileInfo(suggested).fileName();
      };
    }
    if (++depth_ > maxDepth_) maxDepth_ = depth_;
    clock_.AdvanceMs(rng_.bounded(50, 4000));
    if (left_ > 0) {
      --left_;
      ++perWindow_[QString::fromLatin1(top->metaObject()->className())];
      RandomEvent(top);
    } else {
      Leave(top);
    }
    --depth_;
  }

  // Once the budget is spent: Escape on the top window; a window that does
  // not react to it is closed as its close box would.
  void Leave(QWidget* top) {
    if (top == lastLeft_ && ++leaveTries_ > 3) {
      top->close();
      leaveTries_ = 0;
      return;
    }
    if (top != lastLeft_) leaveTries_ = 0;
    lastLeft_ = top;
    const bool onMenu = qobject_cast<TfmMain*>(top) != nullptr;
    if (onMenu) {
      QTest::keyClick(top, Qt::Key_Escape);
      return;
    }
    // The closing screen has one button and no key.
    if (auto* button = top->findChild<platform::ImageControl*>(); button && !onMenu && leaveTries_ > 1) {
      Click(button, RandomPoint(button));
      return;
    }
    QTest::keyClick(top, Qt::Key_Escape);
  }

  QPoint RandomPoint(const QWidget* w) {
    return QPoint(rng_.bounded(qMax(1, w->width())), rng_.bounded(qMax(1, w->height())));
  }

  // A visible input area of the top window, or the window itself.
  QWidget* RandomTarget(QWidget* top) {
    QList<QWidget*> areas;
    for (QWidget* w : top->findChildren<QWidget*>()) {
      if (w->isVisible() && w->window() == top) areas << w;
    }
    if (areas.isEmpty() || rng_.bounded(5) == 0) return top;
    return areas[rng_.bounded(int(areas.size()))];
  }

  static void Click(QWidget* w, QPoint at) { QTest::mouseClick(w, Qt::LeftButton, {}, at); }

  // A left click on a card still on the Memory board; false when none is.
  bool ClickACard(TfmMemory* memory) {
    graMemory* board = memory->Plansza();
    if (!board) return false;
    QList<QWidget*> cards;
    for (const auto& card : board->Karty) {
      if (card && card->NaPlanszy()) cards << card->Obraz.data();
    }
    if (cards.isEmpty()) return false;
    QWidget* card = cards[rng_.bounded(int(cards.size()))];
    Click(card, RandomPoint(card));
    return true;
  }

  // A click at a point of the window goes to the input area under it.
  static void ClickWhereTheMouseIs(QWidget* top, QPoint at) {
    QWidget* under = top->childAt(at);
    if (!under) {
      Click(top, at);
    } else {
      Click(under, under->mapFrom(top, at));
    }
  }

  void RandomEvent(QWidget* top) {
    QPointer<QWidget> target = RandomTarget(top);
    int kind = rng_.bounded(100);
    // Memory is played by clicks on the cards: mostly those, so that some
    // games are finished and not only abandoned.
    if (auto* memory = qobject_cast<TfmMemory*>(top)) {
      const int r = rng_.bounded(100);
      if (r < 25) {
        FireRandomTimer();
        return;
      }
      if (r < 90 && ClickACard(memory)) return;
    }
    if (kind < 40) {
      if (target == top) {
        ClickWhereTheMouseIs(top, RandomPoint(top));
      } else {
        Click(target, RandomPoint(target));
      }
    } else if (kind < 48) {
      QTest::mouseClick(target, rng_.bounded(2) ? Qt::RightButton : Qt::MiddleButton, {}, RandomPoint(target));
    } else if (kind < 56) {
      // As a real double click arrives: press, release, double click, release.
      const QPoint at = RandomPoint(target);
      QTest::mousePress(target, Qt::LeftButton, {}, at);
      if (target) QTest::mouseRelease(target, Qt::LeftButton, {}, at);
      if (target) QTest::mouseDClick(target, Qt::LeftButton, {}, at);
      if (target) QTest::mouseRelease(target, Qt::LeftButton, {}, at);
    } else if (kind < 76) {
      // A drag: the widget that took the press gets the moves and the
      // release, wherever they are.
      const Qt::KeyboardModifiers mods = rng_.bounded(8) == 0 ? Qt::ShiftModifier : Qt::NoModifier;
      QTest::mousePress(target, Qt::LeftButton, mods, RandomPoint(target));
      const int steps = rng_.bounded(1, 9);
      QPoint at = target ? RandomPoint(target) : QPoint();
      for (int i = 0; i < steps && target; ++i) {
        at += QPoint(rng_.bounded(-120, 121), rng_.bounded(-120, 121));
        QTest::mouseMove(target, at);
      }
      if (target) QTest::mouseRelease(target, Qt::LeftButton, mods, at);
    } else if (kind < 88) {
      static const Qt::Key keys[] = {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Space, Qt::Key_Left, Qt::Key_Right,
                                     Qt::Key_Up,     Qt::Key_Down,   Qt::Key_F1,    Qt::Key_A,    Qt::Key_Z,
                                     Qt::Key_Tab,    Qt::Key_Enter};
      // Escape ends most screens: rarer, so that games get played.
      const int k = rng_.bounded(100) < 15 ? 0 : rng_.bounded(1, int(std::size(keys)));
      QTest::keyClick(top, keys[k]);
    } else {
      FireRandomTimer();
    }
  }

  // Any running timer: a window's, a card's, or the statistics store's idle
  // timer (rarely: it drops the game being played). The store's is the one
  // that waits the two idle minutes.
  void FireRandomTimer() {
    std::vector<platform::Timer*> running = platform::Timer::Running();
    if (rng_.bounded(10) != 0) {
      std::erase_if(running, [](platform::Timer* t) { return t->Interval() == CStatRec::kIdleMs; });
    }
    // Qt never runs a timer again while its handler is still on the stack
    // (in a modal loop, say): neither do we.
    std::erase_if(running, [this](platform::Timer* t) { return firing_.contains(t); });
    if (running.empty()) return;
    platform::Timer* timer = running[rng_.bounded(int(running.size()))];
    firing_.insert(timer);
    timer->Fire();
    firing_.remove(timer);
  }

  QRandomGenerator rng_;
  QString exportFolder_;
  int left_;
  testing::FakeClock& clock_;
  int starts_ = 0;
  int depth_ = 0;
  int maxDepth_ = 0;
  QWidget* lastLeft_ = nullptr;
  int leaveTries_ = 0;
  QSet<platform::Timer*> firing_;
  QMap<QString, int> perWindow_;
};

template <typename T>
T At(const QByteArray& bytes, int offset) {
  return qFromLittleEndian<T>(bytes.constData() + offset);
}

}  // namespace

// The offscreen platform warns on every window mask; thousands of those
// would bury the report.
QtMessageHandler previousHandler = nullptr;
void DropMaskWarnings(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtWarningMsg && text.contains(QLatin1String("does not support setting window masks"))) return;
  previousHandler(type, context, text);
}

class SoakTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void initTestCase() { previousHandler = qInstallMessageHandler(DropMaskWarnings); }
  void cleanupTestCase() { qInstallMessageHandler(previousHandler); }
  void init() {
    tmp_ = std::make_unique<QTemporaryDir>();
    qputenv("TMPDIR", tmp_->path().toLocal8Bit());
  }
  void cleanup() {
    qunsetenv("TMPDIR");
    tmp_.reset();
  }

  void thousandsOfRandomEventsLeaveWholeRecordsAndTheConfiguration_data() {
    QTest::addColumn<QSize>("display");
    QTest::newRow("800x600") << QSize(800, 600);
    QTest::newRow("1024x768") << QSize(1024, 768);
  }
  void thousandsOfRandomEventsLeaveWholeRecordsAndTheConfiguration() {
    QFETCH(QSize, display);
    const quint32 seed = kSeed + quint32(display.width());
    qInfo("soak seed %u, %d events at %dx%d", seed, kEventsPerSize, display.width(), display.height());

    ProgramDir dir;
    QVERIFY(dir.UseBuiltContent());
    dir.Write(QStringLiteral("Data/data.ini"), kDataIni);
    testing::FakeScreen screen(display);
    testing::FakeMessageBox box;
    testing::FakeSleep sleep;
    testing::FakeSound sound;
    testing::FakeClock clock;
    QStringList opened;
    testing::Plugs().openUrl = [&opened](const QString& url) {
      opened << url;
      return true;
    };

    Driver driver(seed, kEventsPerSize, clock);
    driver.SetExportFolder(dir.Path());
    driver.Start();
    // Every way out of the program ends this run; the stream starts it again.
    while (driver.Left() > 0) {
      driver.NoteStart();
      QCOMPARE(RunMiniFonikra(testing::Services()), 0);
      QVERIFY2(driver.Starts() < 400, "the program keeps ending at once");
    }
    testing::Plugs().openUrl = {};
    for (const auto& shown : box.shown) QVERIFY2(false, qPrintable("message box: " + shown.text));

    // The statistics file: the header, then whole records that make sense.
    const QByteArray stats = dir.Read(QStringLiteral("prgst6.stt"));
    QVERIFY(stats.size() >= statrec::kHeaderSize);
    QCOMPARE((stats.size() - statrec::kHeaderSize) % statrec::kRecordSize, 0);
    QCOMPARE(At<qint32>(stats, 0), 6);
    const int records = (stats.size() - statrec::kHeaderSize) / statrec::kRecordSize;
    int completed = 0;
    for (int i = 0; i < records; ++i) {
      const int r = statrec::kHeaderSize + i * statrec::kRecordSize;
      const qint32 game = At<qint32>(stats, r);
      QVERIFY2(game == 1 || game == 2, qPrintable(QString("record %1: game %2").arg(i).arg(game)));
      QCOMPARE(At<quint16>(stats, r + 4), quint16(2026));  // the fake clock's year
      const qint16 poziom = At<qint16>(stats, r + 20);
      const qint16 gloski = At<qint16>(stats, r + 22);
      const qint16 pozycja = At<qint16>(stats, r + 24);
      QVERIFY2(poziom >= 1 && poziom <= 3, qPrintable(QString("record %1: amount %2").arg(i).arg(poziom)));
      QCOMPARE(gloski & ~0xff, 0);
      QVERIFY(gloski != 0);
      QCOMPARE(pozycja & ~0x700, 0);
      QVERIFY(pozycja != 0);
      QVERIFY(At<qint32>(stats, r + 26) >= 0);  // duration
      const qint16 done = At<qint16>(stats, r + 30);
      QVERIFY(done == 0 || done == 1);
      completed += done;
      for (int field : {32, 36, 40}) QVERIFY(At<qint32>(stats, r + field) >= 0);
    }
    qInfo("%d starts, %d records (%d completed), %d links opened, modal depth %d", driver.Starts(), records,
          completed, int(opened.size()), driver.MaxDepth());
    qInfo("events per window: %s", qPrintable(driver.Spread()));
    QVERIFY2(records > 0, "no game was ever recorded: the stream never played");

    // data.ini: every start counted, everything else of the parent's kept.
    platform::IniFile ini;
    QVERIFY(ini.Load(dir.File(QStringLiteral("Data/data.ini"))));
    const QString program = QStringLiteral("DaneProgramu");
    QCOMPARE(ini.ReadInteger(program, QStringLiteral("LU"), -1), driver.Starts());
    QCOMPARE(ini.ReadString(program, QStringLiteral("Ulubione"), {}), QStringLiteral("kot"));
    QCOMPARE(ini.ReadInteger(QStringLiteral("Memory"), QStringLiteral("Pozycja"), -1), 1792);
    QVERIFY(ini.Text().contains("; written by a parent"));
  }

 private:
  std::unique_ptr<QTemporaryDir> tmp_;
};

QTEST_MAIN(SoakTest)
#include "tst_soak.moc"
