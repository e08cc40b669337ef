// The labelling game played on the real screen with real presses, moves and
// releases on its tiles and buttons, offscreen, with recorded sounds and
// sleeps and the build's artwork.
#include <QPointer>
#include <QtTest>
#include <tuple>

#include "games/labelling/grapodpisywanie.h"
#include "games/labelling/podpisywanie.h"
#include "results/Koniecgry.h"
#include "results/_cstatrec.h"
#include "results/endofgame.h"
#include "shell/_cblad.h"
#include "shell/_dllengine.h"
#include "shell/_specfunc.h"
#include "support/fakeclock.h"
#include "support/program.h"
#include "support/programdir.h"
#include "support/seams.h"
#include "catalogue/_cslowa.h"
#include "words/_custgry.h"

using namespace testing;

namespace {

const QColor kRed(255, 0, 0);
const QColor kYellow(255, 255, 0);
const QPoint kGrip(20, 20);

// The program around one labelling screen, as start-up and the menu leave
// it: SZ word-initial at level 1 selects the five built-in words.
struct Game {
  explicit Game(int mode);
  ~Game();
  QByteArray Stats() const { return app.Stats(); }

  // Installed before the program is made, removed after it is gone.
  FakeClock clock;
  FakeSound sound;
  FakeSleep sleep;
  ProgramFixture app;
  bool ready = false;
};

// The game of the running test.
Game* current = nullptr;

Program& App() { return current->app.program; }
TfmPodpisywanie* Screen() { return App().fmPodpisywanie(); }
graPodpisywanie* Board() { return App().plansza(); }
CStatRec* Store() { return App().statRec(); }

Game::Game(int mode) : app(mode) {
  current = this;
  if (!app.ready) return;
  App().state().settings.podpisywanieSettings.poziom = 1;
  App().state().settings.podpisywanieSettings.gloski = 0x0001;
  App().state().settings.podpisywanieSettings.pozycja = 0x0100;
  // What the menu does before it shows the screen.
  App().slowa()->Wybierz(App().state().settings.podpisywanieSettings);
  Screen()->show();
  ready = QTest::qWaitForWindowExposed(Screen());
}

Game::~Game() { current = nullptr; }

// Answers the summary as soon as it is shown.
class SummaryAnswer : public QObject {
 public:
  explicit SummaryAnswer(int answer) : answer_(answer), summary_(App().fmKoniecGry()) {
    summary_->installEventFilter(this);
  }
  int shown = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == summary_ && event->type() == QEvent::Show) {
      ++shown;
      QTimer::singleShot(0, summary_, [this] { summary_->SetModalResult(answer_); });
    }
    return false;
  }

 private:
  int answer_;
  TfmKoniecGry* summary_;
};

std::vector<CPrzGloska*> Tiles() {
  std::vector<CPrzGloska*> out;
  for (auto& t : Board()->Przesuwane()) out.push_back(t.get());
  return out;
}
CPusGloska* Slot(int i) { return Board()->Puste().at(size_t(i)).get(); }
int Task() { return Board()->Zasady().Current(); }
QStringList Wanted() {
  QStringList out;
  for (const auto& t : Board()->Zasady().CurrentTask()->tiles) out << t.phoneme;
  return out;
}
// A point of the word's picture, `inside` px in from its top-left.
QPoint Picture(int inside = 100) { return Board()->Obraz() + QPoint(inside, inside); }
// A pixel in the middle of the slot's left band.
QColor FrameOf(const CPusGloska* s, const platform::Canvas& c) {
  return c.Image().pixelColor(s->Pozycja() + QPoint(-3, 20));
}
bool Visible(const CPrzyciskC& b) { return b.Image()->Visible(); }
void Click(const CPrzyciskC& b) { QTest::mouseClick(b.Image(), Qt::LeftButton, {}, QPoint(30, 30)); }

// Drags a tile by its grip so that its top-left lands at `to`.
void Drop(CPrzGloska* tile, QPoint to) {
  QWidget* area = tile->Obraz;
  const QPoint target = to - area->pos() + kGrip;
  QTest::mousePress(area, Qt::LeftButton, {}, kGrip);
  QTest::mouseMove(area, (kGrip + target) / 2);
  QTest::mouseMove(area, target);
  // May end the game: the tile is not touched afterwards.
  QTest::mouseRelease(area, Qt::LeftButton, {}, target);
}

// Puts a tile with the wanted phoneme into every slot but `skip`; returns
// the tile kept back for it.
CPrzGloska* Fill(const QStringList& wanted, int skip = -1) {
  std::vector<CPrzGloska*> free = Tiles();
  CPrzGloska* kept = nullptr;
  for (int i = 0; i < wanted.size(); ++i) {
    auto it = std::find_if(free.begin(), free.end(), [&](CPrzGloska* t) { return t->Nazwa == wanted[i]; });
    CPrzGloska* tile = *it;
    free.erase(it);
    if (i == skip) kept = tile;
    else Drop(tile, Slot(i)->Pozycja());
  }
  return kept;
}

QStringList Misspelled(QStringList w) {
  for (int i = 1; i < w.size(); ++i) {
    if (w[i] != w[0]) {
      w.swapItemsAt(0, i);
      break;
    }
  }
  return w;
}

// Solves every task in order, moving on with "nast".
void SolveAll() {
  for (;;) {
    if (!Board()->CzyRozwiazane()) Fill(Wanted());
    if (Board()->CzyOstatnie()) return;
    Click(*Screen()->PrzyciskNast);
  }
}

// Moves with "nast" and "pop" to the task of the word with this key.
bool GoTo(const QString& key) {
  const auto& drawn = App().slowa()->Wylosowane;
  const auto it = std::find_if(drawn.begin(), drawn.end(), [&](const CSlowa::SPaczka& w) { return w.Nazwa == key; });
  if (it == drawn.end()) return false;
  const int task = int(it - drawn.begin());
  while (Task() != task) Click(task > Task() ? *Screen()->PrzyciskNast : *Screen()->PrzyciskPop);
  return Board()->Slowo() == key;
}

void DoubleClickWindow(QPoint p) {
  QTest::mousePress(Screen(), Qt::LeftButton, {}, p);
  QTest::mouseRelease(Screen(), Qt::LeftButton, {}, p);
  QTest::mouseDClick(Screen(), Qt::LeftButton, {}, p);
  QTest::mouseRelease(Screen(), Qt::LeftButton, {}, p);
}

char CompletedByte(const QByteArray& stats, int record) { return stats.at(20 + 44 * record + 30); }

}  // namespace

class LabellingTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void newGameLaysOutTheScreenForTheMode_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QList<QPoint>>("buttons");
    QTest::addColumn<QPoint>("picture");
    QTest::newRow("800x600") << 1 << QList<QPoint>{{720, 85}, {724, 160}, {720, 235}, {720, 310}} << QPoint(274, 140);
    QTest::newRow("1024x768") << 2 << QList<QPoint>{{922, 109}, {926, 205}, {922, 301}, {922, 397}} << QPoint(348, 172);
  }
  void newGameLaysOutTheScreenForTheMode() {
    QFETCH(int, mode);
    QFETCH(QList<QPoint>, buttons);
    QFETCH(QPoint, picture);
    Game g(mode);
    QVERIFY(g.ready);
    TfmPodpisywanie& fm = *Screen();
    QCOMPARE(fm.size(), g.app.program.state().geometry.Size());
    QCOMPARE((QList<QPoint>{fm.PrzyciskPomoc->Rect().topLeft(), fm.PrzyciskStop->Rect().topLeft(),
                            fm.PrzyciskNast->Rect().topLeft(), fm.PrzyciskPop->Rect().topLeft()}),
             buttons);
    QCOMPARE(Board()->Obraz(), picture);
    QCOMPARE(Board()->Zasady().Count(), 5);
    QVERIFY(!Visible(*fm.PrzyciskPop) && Visible(*fm.PrzyciskNast) && Visible(*fm.PrzyciskPomoc));
    QVERIFY(Store()->Active());
    QCOMPARE(Store()->GameNumber(), 1);

    QCoreApplication::processEvents();  // the paint that draws the tiles
    QCOMPARE(Board()->Puste().size(), size_t(Wanted().size()));
    for (CPrzGloska* t : Tiles()) {
      QCOMPARE(t->Obraz->geometry(), QRect(t->Pozycja(), t->Bitmapa.size()));
      QVERIFY(t->Obraz->Visible());
      QCOMPARE(t->Obraz->cursor().shape(), Qt::PointingHandCursor);
      QCOMPARE(fm.WindowCanvas().Image().copy(QRect(t->Pozycja(), t->Bitmapa.size())), t->Bitmapa);
    }
    for (auto& s : Board()->Puste()) QCOMPARE(FrameOf(s.get(), fm.WindowCanvas()), kRed);
  }

  void borderedWindowOnLargeDisplaysAndMissingArtworkIsAnError() {
    {
      Game g(3);
      QVERIFY(g.ready);
      QCOMPARE(Screen()->windowTitle(), QStringLiteral("Mini Fonikra Cz.I"));
      QVERIFY(!(Screen()->windowFlags() & Qt::FramelessWindowHint));
      QCOMPARE(Screen()->size(), QSize(1024, 768));
    }
    ProgramDir empty;
    const session::Session state = testing::SessionIn(empty.Path(), 2);
    EndOfGame end(nullptr);
    const qsizetype before = QApplication::allWidgets().size();
    for (bool withBackground : {false, true}) {
      if (withBackground) empty.WriteJpeg(QStringLiteral("Data/Intf/Spec/mT_Pod_b1.xji"), 1024, 768);
      try {
        TfmPodpisywanie screen(state, nullptr, nullptr, end);
        QFAIL("made without its artwork");
      } catch (const CBlad& e) {
        QCOMPARE(e.code, qint16(1));
      }
      QCOMPARE(QApplication::allWidgets().size(), before);
    }
  }

  void dropSnapsWithinTwentyFivePixelsAndGrabEmptiesTheSlot() {
    Game g(1);
    QVERIFY(g.ready);
    const platform::Canvas& window = Screen()->WindowCanvas();
    CPrzGloska* tile = Tiles()[0];
    CPusGloska* slot = Slot(2);
    for (QPoint off : {QPoint(26, 0), QPoint(0, 26), QPoint(-26, 25)}) {
      Drop(tile, slot->Pozycja() + off);
      QCOMPARE(tile->Pozycja(), slot->Pozycja() + off);
      QCOMPARE(tile->Obraz->pos(), tile->Pozycja());
      QVERIFY(slot->Nazwa.isEmpty());
    }
    Drop(tile, slot->Pozycja() + QPoint(25, 25));
    QCOMPARE(tile->Pozycja(), slot->Pozycja());
    QCOMPARE(tile->Obraz->pos(), slot->Pozycja());
    QCOMPARE(slot->Gloska(), tile);
    QCOMPARE(slot->Nazwa, tile->Nazwa);
    QCOMPARE(FrameOf(slot, window), kYellow);

    // A press alone takes the tile out: the frame turns red before any move.
    QTest::mousePress(tile->Obraz, Qt::LeftButton, {}, kGrip);
    QVERIFY(slot->Nazwa.isEmpty());
    QCOMPARE(slot->Gloska(), nullptr);
    QCOMPARE(FrameOf(slot, window), kRed);
    QCOMPARE(Board()->Przesuwane().back().get(), tile);  // drawn on top from now on
    QTest::mouseRelease(tile->Obraz, Qt::LeftButton, {}, kGrip);
    QCOMPARE(slot->Gloska(), tile);  // dropped where it was: back in
    QCOMPARE(Store()->Wrong() + Store()->Correct(), 0);
  }

  void dragMovesOnlyWithTheLeftButtonAloneAndRedrawsTheOldPlace() {
    Game g(2);
    QVERIFY(g.ready);
    TfmPodpisywanie& fm = *Screen();
    CPrzGloska* a = Tiles()[0];
    CPrzGloska* b = Tiles()[1];
    const QPoint start = a->Pozycja();
    QTest::mousePress(a->Obraz, Qt::RightButton, {}, kGrip);
    QCOMPARE(Board()->Przesuwane().front().get(), a);  // the right button grabs nothing
    QTest::mouseRelease(a->Obraz, Qt::RightButton, {}, kGrip);

    QTest::mousePress(a->Obraz, Qt::LeftButton, {}, kGrip);
    const QPoint over = b->Pozycja() + QPoint(10, 10);
    QTest::mouseMove(a->Obraz, over - start + kGrip);
    QCOMPARE(a->Pozycja(), over);
    QCOMPARE(a->Obraz->pos(), start);  // the input area follows on release
    // Drawn over the tile it overlaps; its old place shows the backdrop.
    QCOMPARE(fm.PlotnoRobocze.Image().copy(QRect(over, a->Bitmapa.size())), a->Bitmapa);
    const QRect old(start, a->Bitmapa.size());
    QCOMPARE(fm.WindowCanvas().Image().copy(old.adjusted(-5, -5, 5, 5)),
             fm.PlotnoRobocze.Image().copy(old.adjusted(-5, -5, 5, 5)));

    QMouseEvent ctrlMove(QEvent::MouseMove, QPointF(kGrip + QPoint(200, 0)), QPointF(), Qt::NoButton, Qt::LeftButton,
                         Qt::ControlModifier);
    QCoreApplication::sendEvent(a->Obraz, &ctrlMove);
    QCOMPARE(a->Pozycja(), over);
    // The release snaps from where the tile was last drawn.
    QTest::mouseRelease(a->Obraz, Qt::LeftButton, {}, kGrip + QPoint(200, 0));
    QCOMPARE(a->Obraz->pos(), over);
  }

  void wrongAnswerCountsOncePerCompletionAndAFilledSlotTurnsATileAway() {
    Game g(2);
    QVERIFY(g.ready);
    const QStringList wrong = Misspelled(Wanted());
    CPrzGloska* last = Fill(wrong, int(wrong.size()) - 1);
    QCOMPARE(Store()->Wrong(), 0);  // all but one filled: nothing counted
    Drop(last, Slot(int(wrong.size()) - 1)->Pozycja());
    QCOMPARE(Store()->Wrong(), 1);
    QCOMPARE(Store()->Correct(), 0);
    QCOMPARE(g.sound.played.size(), 1);
    QVERIFY(g.sound.played[0].startsWith(App().state().content.Path(QStringLiteral("Intf/Smd/b"))));
    QVERIFY(last->Obraz->Visible());

    // Out of slot 1 and onto the filled slot 0: it waits above, unchecked.
    CPusGloska* s0 = Slot(0);
    CPrzGloska* inS0 = s0->Gloska();
    CPrzGloska* moved = Slot(1)->Gloska();
    Drop(moved, s0->Pozycja() + QPoint(10, -10));
    QCOMPARE(moved->Pozycja(), s0->Pozycja() - QPoint(0, 60));
    QCOMPARE(moved->Obraz->pos(), moved->Pozycja());
    QCOMPARE(s0->Gloska(), inS0);
    QCOMPARE(FrameOf(s0, Screen()->WindowCanvas()), kYellow);
    QCOMPARE(FrameOf(Slot(1), Screen()->WindowCanvas()), kRed);
    QCOMPARE(Store()->Wrong(), 1);
    Drop(moved, Slot(1)->Pozycja());
    QCOMPARE(Store()->Wrong(), 2);
  }

  void equalTilesAreInterchangeableAndTilesUseTheirLetterPictures() {
    Game g(2);
    QVERIFY(g.ready);
    QVERIFY(GoTo(QStringLiteral("szkola")));
    QCOMPARE(Tiles()[0]->Bitmapa, LoadNamedPicture(g.app.program.state().content, QStringLiteral("sz_red")));
    QCOMPARE(Tiles()[3]->Bitmapa, LoadNamedPicture(g.app.program.state().content, QStringLiteral("ll")));
    // A phoneme without a picture still gets a tile of the slot's size.
    CPrzGloska unknown(App().state().content, Board(), QStringLiteral("qx"));
    QCOMPARE(unknown.Obraz->size(), QSize(55, 55));
    QCOMPARE(unknown.Bitmapa.size(), QSize(55, 55));

    QVERIFY(GoTo(QStringLiteral("szklanka")));
    // Tiles in phoneme order after set-up: sz k l a n k a. The two k and the
    // two a go into each other's slots.
    const std::vector<CPrzGloska*> t = Tiles();
    const int order[] = {0, 5, 2, 6, 4, 1, 3};
    for (int slot = 0; slot < 7; ++slot) Drop(t[size_t(order[slot])], Slot(slot)->Pozycja());
    QCOMPARE(Store()->Wrong(), 0);
    QCOMPARE(Store()->Correct(), 1);
  }

  void correctAnswerCountsHidesTheTilesAndHelpAndSpeaksTheWord() {
    Game g(1);
    QVERIFY(g.ready);
    const QString word = Board()->Slowo();
    Fill(Wanted());
    QCOMPARE(Store()->Correct(), 1);
    QCOMPARE(Store()->Wrong(), 0);
    QVERIFY(Board()->CzyRozwiazane());
    QVERIFY(!Visible(*Screen()->PrzyciskPomoc));
    for (CPrzGloska* t : Tiles()) QVERIFY(!t->Obraz->Visible());
    QCOMPARE(g.sound.played.size(), 2);
    QVERIFY(g.sound.played[0].startsWith(App().state().content.Path(QStringLiteral("Intf/Smd/g"))));
    QCOMPARE(g.sound.played[1], App().state().content.Path(QStringLiteral("Smd/") + word + QStringLiteral(".pw")));
    QCOMPARE(g.sleep.sleeps, (std::vector<int>{500, 300}));
    QVERIFY(!Board()->TimerKoniec()->Enabled());  // four words still open
    // The tiles stay drawn in their slots; the help button is gone.
    QCoreApplication::processEvents();
    const QRect help = Screen()->PrzyciskPomoc->Rect();
    QCOMPARE(Screen()->WindowCanvas().Image().copy(help), Screen()->PlotnoTla.Image().copy(help));
    for (CPrzGloska* t : Tiles()) {
      QCOMPARE(Screen()->WindowCanvas().Image().copy(QRect(t->Pozycja(), t->Bitmapa.size())), t->Bitmapa);
    }
  }

  void navigationEndsAndASolvedWordShownSolvedThenReopenedOnItsPicture() {
    Game g(2);
    QVERIFY(g.ready);
    TfmPodpisywanie& fm = *Screen();
    Fill(Wanted());
    // "nast" is hidden on the last task and "pop" on the first.
    for (int i = 1; i <= 4; ++i) {
      Click(*fm.PrzyciskNast);
      QVERIFY(Visible(*fm.PrzyciskPop) && Visible(*fm.PrzyciskNast) == (i < 4));
    }
    for (int i = 0; i < 4; ++i) Click(*fm.PrzyciskPop);
    QCOMPARE(Task(), 0);
    QVERIFY(!Visible(*fm.PrzyciskPop) && Visible(*fm.PrzyciskNast));

    QVERIFY(Board()->CzyRozwiazane());
    QVERIFY(!Visible(*fm.PrzyciskPomoc));
    const std::vector<CPrzGloska*> t = Tiles();
    for (size_t i = 0; i < t.size(); ++i) {
      QCOMPARE(t[i]->Pozycja(), Slot(int(i))->Pozycja());
      QCOMPARE(Slot(int(i))->Gloska(), t[i]);
      QVERIFY(!t[i]->Obraz->Visible());
      QCOMPARE(FrameOf(Slot(int(i)), fm.WindowCanvas()), kYellow);
    }
    // The picture's own edge is outside it.
    QVERIFY(!Board()->OtworzPonownie(Board()->Obraz().x(), Picture(50).y()));
    DoubleClickWindow(Picture(50) - QPoint(70, 0));
    QVERIFY(Board()->CzyRozwiazane());

    DoubleClickWindow(Picture());
    QVERIFY(!Board()->CzyRozwiazane());
    QVERIFY(Visible(*fm.PrzyciskPomoc));
    for (auto& s : Board()->Puste()) QVERIFY(s->Nazwa.isEmpty());
    for (CPrzGloska* tile : Tiles()) QVERIFY(tile->Obraz->Visible());
    Fill(Wanted());
    QCOMPARE(Store()->Correct(), 2);
  }

  void hintCountsSpeaksAndLeavesAFreshTask() {
    Game g(2);
    QVERIFY(g.ready);
    TfmPodpisywanie& fm = *Screen();
    const QStringList wanted = Wanted();
    Fill(wanted.mid(0, 2));
    QCOMPARE(Slot(1)->Nazwa, wanted[1]);
    Click(*fm.PrzyciskPomoc);
    QCOMPARE(Store()->Hints(), 1);
    QCOMPARE(g.sound.played, QStringList{App().state().content.Path(QStringLiteral("Smd/") + Board()->Slowo() + QStringLiteral(".pw"))});
    QCOMPARE(Board()->Przesuwane().size(), size_t(wanted.size()));
    for (auto& s : Board()->Puste()) QVERIFY(s->Nazwa.isEmpty());
    for (CPrzGloska* t : Tiles()) QVERIFY(t->Obraz->Visible());
    QVERIFY(!Board()->CzyRozwiazane() && Visible(*fm.PrzyciskPomoc));

    // Saying the word waits a second instead when its sound is missing.
    QVERIFY(QFile::remove(g.app.dir.File(QStringLiteral("Data/Smd"))));  // the link, not the sounds
    fm.A_Powiedz.Execute();
    QCOMPARE(g.sleep.sleeps.back(), 1000);
  }

  void endTimerStopsTheGameAMinuteAfterTheLastWord() {
    Game g(2);
    QVERIFY(g.ready);
    SummaryAnswer summary(TfmKoniecGry::kClose);
    SolveAll();
    QCOMPARE(Store()->Correct(), 5);
    QPointer<platform::Timer> timer = Board()->TimerKoniec();
    QVERIFY(timer->Enabled());
    QCOMPARE(timer->Interval(), 60000);
    // A double click on the window stops it; reopening and solving again
    // starts it anew.
    DoubleClickWindow(Picture());
    QVERIFY(!timer->Enabled());
    Fill(Wanted());
    QVERIFY(timer->Enabled());
    timer->Fire();
    QCOMPARE(summary.shown, 1);
    QVERIFY(!Screen()->isVisible());
    const QByteArray stats = g.Stats();
    QCOMPARE(stats.size(), 20 + 44);
    QCOMPARE(stats.at(20), char(1));
    QCOMPARE(CompletedByte(stats, 0), char(1));
  }

  void escapeSavesTheRecordAndTheSummaryDecidesWhatFollows() {
    Game g(1);
    QVERIFY(g.ready);
    {
      // Unfinished: saved as not completed; "start" begins a new game here.
      SummaryAnswer summary(TfmKoniecGry::kPlayAgain);
      Click(*Screen()->PrzyciskNast);
      Fill(Wanted());
      QTest::keyClick(Screen(), Qt::Key_Escape);
      QCOMPARE(summary.shown, 1);
      QCOMPARE(g.Stats().size(), 20 + 44);
      QCOMPARE(CompletedByte(g.Stats(), 0), char(0));
      QCOMPARE(Task(), 0);
      QCOMPARE(Store()->Correct(), 0);
      QVERIFY(!Board()->CzyRozwiazane());
      QVERIFY(Screen()->isVisible());
    }
    // Finished: saved as completed; "stop" closes the screen.
    SummaryAnswer summary(TfmKoniecGry::kClose);
    SolveAll();
    QTest::keyClick(Screen(), Qt::Key_Escape);
    QCOMPARE(g.Stats().size(), 20 + 2 * 44);
    QCOMPARE(CompletedByte(g.Stats(), 1), char(1));
    QVERIFY(!Screen()->isVisible());
  }

  void aDoubleClickReopensOnlyWhereItHappened() {
    Game g(2);
    QVERIFY(g.ready);
    Fill(Wanted());
    // A press on the picture, then a double click elsewhere (where a hidden
    // button stood): the word stays solved.
    QTest::mousePress(Screen(), Qt::LeftButton, {}, Picture());
    QTest::mouseRelease(Screen(), Qt::LeftButton, {}, Picture());
    QTest::mouseDClick(Screen(), Qt::LeftButton, {}, QPoint(930, 120));
    QVERIFY(Board()->CzyRozwiazane());
    QCOMPARE(Store()->Correct(), 1);
  }

  void aTileLetGoPastTheEdgeStaysWhollyInsideWhereItIsDrawn() {
    Game g(2);
    QVERIFY(g.ready);
    CPrzGloska* tile = Tiles().front();
    Drop(tile, QPoint(1100, 900));
    const QPoint inside(1024 - tile->Bitmapa.width(), 768 - tile->Bitmapa.height());
    QCOMPARE(tile->Pozycja(), inside);
    QCOMPARE(tile->Obraz->pos(), inside);
  }

  // Focus lost, minimised or F11 mid-drag: the tile goes back where the
  // drag began and nothing is judged.
  void aDragWhoseReleaseIsLostGoesBackUnjudged() {
    Game g(2);
    QVERIFY(g.ready);
    // Misspelled: a drop into the last slot would count a wrong answer.
    CPrzGloska* loose = Fill(Misspelled(Wanted()), 0);
    CPrzGloska* placed = Slot(1)->Gloska();
    for (auto [tile, to, lost] : {std::tuple{loose, Slot(0)->Pozycja(), QEvent::WindowDeactivate},
                                  std::tuple{placed, QPoint(100, 100), QEvent::UngrabMouse}}) {
      const QPoint start = tile->Pozycja();
      QTest::mousePress(tile->Obraz, Qt::LeftButton, {}, kGrip);
      QTest::mouseMove(tile->Obraz, to - start + kGrip);
      QEvent e(lost);
      QCoreApplication::sendEvent(tile->Obraz, &e);
      QTRY_COMPARE(tile->Pozycja(), start);
    }
    QCOMPARE(Slot(1)->Gloska(), placed);
    QVERIFY(Slot(0)->Nazwa.isEmpty());
    QCOMPARE(Store()->Wrong(), 0);
  }

  void everyTileTheChildTouchesIsActivity() {
    Game g(2);
    QVERIFY(g.ready);
    platform::Timer& idle = Store()->IdleTimer();
    idle.SetEnabled(false);
    QTest::mousePress(Tiles().front()->Obraz, Qt::LeftButton, {}, kGrip);
    QVERIFY(idle.Enabled());
    idle.SetEnabled(false);
    QTest::mouseRelease(Tiles().front()->Obraz, Qt::LeftButton, {}, kGrip);
    QVERIFY(idle.Enabled());
  }

  void closingTheWindowFromOutsideEndsTheGameAsEscapeDoes() {
    Game g(2);
    QVERIFY(g.ready);
    SummaryAnswer summary(TfmKoniecGry::kClose);
    SolveAll();
    QPointer<platform::Timer> timer = Board()->TimerKoniec();
    QVERIFY(timer->Enabled());
    CloseFromOutside(Screen());
    QTRY_COMPARE(summary.shown, 1);
    QCOMPARE(g.Stats().size(), 20 + 44);
    QCOMPARE(CompletedByte(g.Stats(), 0), char(1));
    QVERIFY(!Screen()->isVisible());
    // Nothing of the finished game runs on.
    QVERIFY(!timer->Enabled());
  }

  void closingTheScreenStopsItsEndTimer() {
    Game g(2);
    QVERIFY(g.ready);
    SolveAll();
    QVERIFY(Board()->TimerKoniec()->Enabled());
    Screen()->Close();
    QVERIFY(!Board()->TimerKoniec()->Enabled());
  }

  // Keys queued during the praise run inside the answer check and may end
  // the game there, or replace the board that is checking.
  void gameEndedDuringThePraiseStartsNoEndTimer_data() {
    QTest::addColumn<int>("answer");
    QTest::newRow("summary closes the screen") << int(TfmKoniecGry::kClose);
    QTest::newRow("summary starts a new game") << int(TfmKoniecGry::kPlayAgain);
  }
  void gameEndedDuringThePraiseStartsNoEndTimer() {
    QFETCH(int, answer);
    Game g(2);
    QVERIFY(g.ready);
    SummaryAnswer summary(answer);
    while (!Board()->CzyOstatnie()) {
      Fill(Wanted());
      Click(*Screen()->PrzyciskNast);
    }
    const QStringList wanted = Wanted();
    CPrzGloska* last = Fill(wanted, int(wanted.size()) - 1);
    graPodpisywanie* checking = Board();
    QPointer<platform::Timer> timer = checking->TimerKoniec();
    const QPoint target = Slot(int(wanted.size()) - 1)->Pozycja();
    QCoreApplication::postEvent(Screen(), new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    Drop(last, target);

    QCOMPARE(summary.shown, 1);
    QCOMPARE(g.Stats().size(), 20 + 44);
    QCOMPARE(CompletedByte(g.Stats(), 0), char(1));  // the word was solved before the key ran
    QVERIFY(Board());
    QVERIFY(!Board()->TimerKoniec()->Enabled());
    if (answer == TfmKoniecGry::kClose) {
      QCOMPARE(Board(), checking);
      QVERIFY(!Screen()->isVisible());
    } else {
      QTRY_VERIFY(timer.isNull());  // the checking board goes from the event loop
      QCOMPARE(Task(), 0);
      QCOMPARE(Store()->Correct(), 0);
      QVERIFY(Screen()->isVisible());
    }
  }
};

QTEST_MAIN(LabellingTest)
#include "tst_labelling.moc"
