// The Memory screen: real clicks on the real card controls and buttons,
// offscreen, with the built content; sounds, sleeps and the clock replaced so
// that nothing blocks. What the window shows, what is spoken, what is counted
// and recorded; the turn's rules themselves are tst_memory_rules'.
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QtTest>
#include <QtTest/qtestspontaneevent.h>

#include "games/memory/gramemory.h"
#include "games/memory/layout.h"
#include "games/memory/memory.h"
#include "results/Koniecgry.h"
#include "results/_cstatrec.h"
#include "results/endofgame.h"
#include "shell/_cblad.h"
#include "shell/_specfunc.h"
#include "support/fakeclock.h"
#include "support/program.h"
#include "support/programdir.h"
#include "support/seams.h"
#include "widgets/_cprzycisk.h"
#include "catalogue/_cslowa.h"
#include "words/_custgry.h"

using namespace testing;

namespace {

ProgramFixture* current = nullptr;

TfmMemory* fmMemory() { return current->program.fmMemory(); }
graMemory* gra() { return current->program.gra(); }
TfmKoniecGry* fmKoniecGry() { return current->program.fmKoniecGry(); }
CStatRec* statRec() { return current->program.statRec(); }

std::vector<CKarta*> OnBoard(const graMemory* board = gra()) {
  std::vector<CKarta*> cards;
  for (auto& karta : board->Karty) {
    if (karta && karta->NaPlanszy()) cards.push_back(karta.get());
  }
  return cards;
}

// Two cards on the board of one word (`same`) or of two.
std::pair<CKarta*, CKarta*> APair(bool same = true) {
  for (CKarta* a : OnBoard()) {
    for (CKarta* b : OnBoard()) {
      if (a != b && (a->Nazwa == b->Nazwa) == same) return {a, b};
    }
  }
  return {nullptr, nullptr};
}

void Click(CKarta* card) { QTest::mouseClick(card->Obraz.data(), Qt::LeftButton, {}, QPoint(40, 50)); }
void Click(CPrzyciskC* button) { QTest::mouseClick(button->Image(), Qt::LeftButton, {}, QPoint(35, 30)); }

// True when the canvas shows exactly this picture at the card's place.
bool Shows(const platform::Canvas& canvas, const CKarta* card, const QImage& picture) {
  return canvas.Image().copy(QRect(card->Prostokat().topLeft(), picture.size())) == picture;
}

bool ShowsBackground(const QRect& r) {
  return fmMemory()->WindowCanvas().Image().copy(r) == fmMemory()->Tlo().Image().copy(r);
}

// Answers the summary with `result` as soon as it is up, counting how often
// it was shown; `whileShown` looks at the program meanwhile.
void AnswerSummary(int result, int* shown, std::function<void()> whileShown = {}) {
  QTimer::singleShot(0, fmKoniecGry(), [result, shown, whileShown] {
    if (!fmKoniecGry()->isVisible()) return AnswerSummary(result, shown, whileShown);
    ++*shown;
    if (whileShown) whileShown();
    fmKoniecGry()->SetModalResult(result);
  });
}

// The board has left the game: no card takes clicks and no turn's timer runs.
bool Withdrawn(const graMemory* board) {
  for (const auto& card : board->Karty) {
    if (card && (card->NaPlanszy() || card->TimerTrafiona->Enabled() || card->TimerChybiona->Enabled())) return false;
  }
  return true;
}

// One colour all over inside its frame: a blank picture in place of a missing one.
bool IsPlain(const QImage& image) {
  const QImage inside = image.copy(image.rect().adjusted(2, 2, -2, -2));
  QImage plain(inside.size(), inside.format());
  plain.fill(inside.pixel(0, 0));
  return inside == plain;
}

// Turns a pair and lets its timer run.
void PlayPair() {
  auto [a, b] = APair();
  QVERIFY(a && b);
  Click(a);
  Click(b);
  b->TimerTrafiona->Fire();
}

enum Ending { kTimer, kEscape, kFromOutside };

}  // namespace

class MemoryTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void init() {
    // Before the program, whose store reads the clock.
    sound_ = std::make_unique<FakeSound>();
    sleep_ = std::make_unique<FakeSleep>();
    clock_ = std::make_unique<FakeClock>();
    QVERIFY(Start(1));
  }

  void cleanup() {
    if (program_) {
      program_->program.DestroyScreens();
      QCOMPARE(gra(), nullptr);
    }
    current = nullptr;
    program_.reset();
    clock_.reset();
    sleep_.reset();
    sound_.reset();
  }

  void cardsLieFaceDownAtTheirGridPlaces_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("level");
    QTest::addColumn<QPoint>("hint");
    QTest::addColumn<QPoint>("stop");
    QTest::newRow("800x600, 3 pairs") << 1 << 1 << QPoint(720, 460) << QPoint(724, 534);
    QTest::newRow("1024x768, 6 pairs") << 2 << 2 << QPoint(922, 588) << QPoint(926, 683);
    QTest::newRow("larger display, 10 pairs") << 3 << 3 << QPoint(922, 588) << QPoint(926, 683);
  }
  void cardsLieFaceDownAtTheirGridPlaces() {
    QFETCH(int, mode);
    QFETCH(int, level);
    QFETCH(QPoint, hint);
    QFETCH(QPoint, stop);
    QVERIFY(Start(mode));
    // Words beyond the built-in five, without files: their faces are blank.
    for (const char* key : {"szafa", "szczotka", "szuflada", "szyba", "szelki"}) {
      CSlowa::SPaczka word;
      word.Nazwa = QString::fromLatin1(key);
      word.Flagi = 0x0101;
      current->program.slowa()->Dodaj(word);
    }
    current->program.state().settings.memorySettings.poziom = qint16(level);
    Show();
    QCOMPARE(fmMemory()->size(), current->program.state().geometry.Size());
    QCOMPARE(fmMemory()->pos(), QPoint(0, 0));
    QCOMPARE(fmMemory()->PrzyciskPomoc()->Rect(), QRect(hint, QSize(70, 60)));
    QCOMPARE(fmMemory()->PrzyciskStop()->Rect(), QRect(stop, QSize(70, 60)));
    QCOMPARE(!(fmMemory()->windowFlags() & Qt::FramelessWindowHint), mode == 3);
    if (mode == 3) {
      QCOMPARE(fmMemory()->windowTitle(), QStringLiteral("Mini Fonikra Cz.I"));
      QVERIFY(!(fmMemory()->windowFlags() & Qt::WindowSystemMenuHint));
    }
    // The composition on the window: the background, the buttons, and every
    // slot's card face down.
    QCOMPARE(fmMemory()->WindowCanvas().Image(), fmMemory()->Kompozycja().Image());
    QVERIFY(ShowsBackground(QRect(0, 0, 40, 40)));
    QVERIFY(!ShowsBackground(QRect(hint + QPoint(20, 20), QSize(20, 20))));
    const int slotCount = 2 * memory::PairsForLevel(level);
    QCOMPARE(int(OnBoard().size()), slotCount);
    const auto grid = memory::GridFor(slotCount, mode);
    for (int k = 0; k < slotCount; ++k) {
      const CKarta* card = gra()->Karty[size_t(k)].get();
      QCOMPARE(card->Prostokat(), QRect(memory::SlotPosition(*grid, k), QSize(80, 100)));
      QVERIFY(Shows(fmMemory()->WindowCanvas(), card, card->Rewers));
    }
  }

  void aTurnShowsBothFacesUntilItsTimerRunsOut_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("match");
    QTest::newRow("pair, 800x600") << 1 << true;
    QTest::newRow("pair, 1024x768") << 2 << true;
    QTest::newRow("wrong pair") << 1 << false;
  }
  void aTurnShowsBothFacesUntilItsTimerRunsOut() {
    QFETCH(int, mode);
    QFETCH(bool, match);
    QVERIFY(Start(mode));
    Show();
    const platform::Canvas& window = fmMemory()->WindowCanvas();
    auto [a, b] = APair(match);
    QVERIFY(a && b);
    const auto cards = OnBoard();
    CKarta* other = *std::find_if(cards.begin(), cards.end(), [&](CKarta* c) { return c != a && c != b; });
    const QRect large(memory::LargePictureOrigin(mode), b->Maska.size());

    Click(a);
    Click(a);  // the turned card again: nothing
    QVERIFY(Shows(window, a, a->Awers));
    Click(b);
    QVERIFY(Shows(window, a, a->Awers) && Shows(window, b, b->Awers));
    QCOMPARE(statRec()->Correct(), match ? 1 : 0);
    QCOMPARE(statRec()->Wrong(), match ? 0 : 1);
    const QStringList spoken = match ? QStringList{current->program.state().content.Path("Smd/" + a->Nazwa + ".pw")} : QStringList{};
    QCOMPARE(sound_->played, spoken);
    QCOMPARE(ShowsBackground(large), !match);
    platform::Timer* timer = match ? b->TimerTrafiona.get() : b->TimerChybiona.get();
    QVERIFY(timer->Enabled());
    QCOMPARE(timer->Interval(), match ? 2000 : 1200);

    // While the turn is shown no card turns and nothing counts.
    Click(other);
    Click(a);
    QVERIFY(Shows(window, other, other->Rewers));
    QCOMPARE(statRec()->Correct() + statRec()->Wrong(), 1);
    QCOMPARE(sound_->played, spoken);

    timer->Fire();
    QVERIFY(!timer->Enabled());
    for (CKarta* card : {a, b}) {
      QVERIFY(match ? ShowsBackground(card->Prostokat()) : Shows(window, card, card->Rewers));
      // A found card takes no clicks: the grid does not close up.
      QCOMPARE(fmMemory()->childAt(card->Prostokat().center()), match ? nullptr : static_cast<QWidget*>(card->Obraz));
    }
    QVERIFY(ShowsBackground(large));
    QVERIFY(Shows(window, other, other->Rewers));
    QVERIFY(!fmKoniecGry()->isVisible());
  }

  void hintFlashesAPairOnTheWindowOnlyWithNoCardTurned() {
    Show();
    QImage during;
    testing::Plugs().sleep = [&](int ms) {
      sleep_->sleeps.push_back(ms);
      during = fmMemory()->WindowCanvas().Image().copy();
    };
    Click(fmMemory()->PrzyciskPomoc());
    QCOMPARE(statRec()->Hints(), 1);
    QCOMPARE(sleep_->sleeps, std::vector<int>{500});
    platform::Canvas flash;
    flash.Image() = during;
    std::vector<CKarta*> shown;
    for (CKarta* card : OnBoard()) {
      if (Shows(flash, card, card->Awers)) {
        shown.push_back(card);
      } else {
        QVERIFY(Shows(flash, card, card->Rewers));
      }
      // Past the composition, which keeps the backs, as the window does after.
      QVERIFY(Shows(fmMemory()->Kompozycja(), card, card->Rewers));
      QVERIFY(Shows(fmMemory()->WindowCanvas(), card, card->Rewers));
    }
    QCOMPARE(shown.size(), size_t(2));
    QCOMPARE(shown[0]->Nazwa, shown[1]->Nazwa);

    Click(APair().first);
    Click(fmMemory()->PrzyciskPomoc());
    QCOMPARE(statRec()->Hints(), 1);
    QCOMPARE(sleep_->sleeps.size(), size_t(1));
  }

  void cardsHintKeysAndWheelAreActivity() {
    Show();
    platform::Timer& idle = statRec()->IdleTimer();
    QVERIFY(idle.Enabled());  // the new game counts as activity
    const auto noted = [&](const std::function<void()>& act) {
      idle.SetEnabled(false);
      act();
      return idle.Enabled();
    };
    auto [a, b] = APair();
    QVERIFY(noted([a = a] { Click(a); }));
    QVERIFY(noted([b = b] { Click(b); }));
    QVERIFY(noted([] { QTest::keyClick(fmMemory(), Qt::Key_A); }));
    QVERIFY(noted([] { Click(fmMemory()->PrzyciskPomoc()); }));
    // From the system, passed on from the card under the mouse to the screen.
    QWheelEvent wheel(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&wheel);
    QVERIFY(noted([&] { qApp->notify(OnBoard().back()->Obraz.data(), &wheel); }));  // not sendEvent: synthesised
  }

  void theGameEndsOnceWithItsRecordAndTheSummary_data() {
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("found");
    QTest::addColumn<QString>("shown");  // the turn left on the board
    QTest::addColumn<int>("ending");
    QTest::addColumn<int>("completed");
    QTest::addColumn<int>("wrong");
    QTest::newRow("the last pair's timer") << 1 << 3 << "pair" << int(kTimer) << 1 << 0;
    QTest::newRow("Escape") << 1 << 1 << "" << int(kEscape) << 0 << 0;
    QTest::newRow("window closed from outside") << 1 << 1 << "" << int(kFromOutside) << 0 << 0;
    QTest::newRow("Escape while the last pair is shown") << 1 << 3 << "pair" << int(kEscape) << 1 << 0;
    QTest::newRow("Escape while a wrong pair is shown") << 1 << 1 << "wrong" << int(kEscape) << 0 << 1;
    // More pairs than words to draw, or a level without pairs: no card.
    QTest::newRow("empty grid") << 2 << 0 << "" << int(kEscape) << 1 << 0;
    QTest::newRow("level 4") << 4 << 0 << "" << int(kEscape) << 1 << 0;
  }
  void theGameEndsOnceWithItsRecordAndTheSummary() {
    QFETCH(int, level);
    QFETCH(int, found);
    QFETCH(QString, shown);
    QFETCH(int, ending);
    QFETCH(int, completed);
    QFETCH(int, wrong);
    current->program.state().settings.memorySettings.poziom = qint16(level);
    Show();
    const qint64 before = program_->Stats().size();
    if (OnBoard().empty()) {
      // Nothing to play: no card to click and no hint, only "stop".
      QVERIFY(ShowsBackground(QRect(0, 0, 700, 450)));
      QCOMPARE(fmMemory()->findChildren<platform::ImageControl*>(Qt::FindDirectChildrenOnly).size(), 2);
      Click(fmMemory()->PrzyciskPomoc());
      QCOMPARE(statRec()->Hints(), 0);
      QVERIFY(sleep_->sleeps.empty());
    }
    for (int pair = 0; pair < (shown == "pair" ? found - 1 : found); ++pair) PlayPair();
    auto [a, b] = APair(shown != "wrong");
    if (!shown.isEmpty()) {
      Click(a);
      Click(b);
    }
    // Under the summary nothing of the game runs on: the turn's timer, "stop"
    // and Escape reaching the screen again change nothing.
    int summaries = 0;
    bool withdrawnFirst = false;
    AnswerSummary(TfmKoniecGry::kClose, &summaries, [&] {
      withdrawnFirst = Withdrawn(gra());
      for (auto& card : gra()->Karty) {
        if (!card) continue;
        card->TimerTrafiona->Fire();
        card->TimerChybiona->Fire();
      }
      fmMemory()->A_Stop.Execute(fmMemory());
      QTest::keyClick(fmMemory(), Qt::Key_Escape);
    });
    if (ending == kTimer) {
      QCOMPARE(program_->Stats().size(), before);  // not before the pair has left
      b->TimerTrafiona->Fire();
    } else if (ending == kEscape) {
      QTest::keyClick(fmMemory(), Qt::Key_Escape);
    } else {
      CloseFromOutside(fmMemory());
      QTRY_COMPARE(summaries, 1);  // acted on from the event loop
    }
    QCOMPARE(summaries, 1);
    QVERIFY(withdrawnFirst);
    QVERIFY(!fmMemory()->isVisible());
    const QByteArray record = program_->Stats().mid(before);
    QCOMPARE(record.size(), 44);
    QCOMPARE(int(record[0]), 2);  // Memory
    QCOMPARE(int(record[20]), level);
    QCOMPARE(int(record[30]), completed);
    QCOMPARE(int(record[36]), found);
    QCOMPARE(int(record[40]), wrong);
    // Shown again from the menu: a new game.
    fmMemory()->show();
    QCOMPARE(statRec()->Correct(), 0);
    QCOMPARE(int(OnBoard().size()), level == 1 ? 6 : 0);
  }

  void playAgainDealsANewBoardAndFreesTheOldFromTheEventLoop_data() {
    QTest::addColumn<bool>("lastPair");
    QTest::newRow("stop, then start") << false;
    QTest::newRow("the last pair's timer, then start") << true;
  }
  void playAgainDealsANewBoardAndFreesTheOldFromTheEventLoop() {
    QFETCH(bool, lastPair);
    Show();
    const qint64 before = program_->Stats().size();
    PlayPair();
    if (lastPair) PlayPair();
    graMemory* old = gra();
    const QPointer<platform::ImageControl> oldCard = OnBoard().front()->Obraz;
    int shown = 0;
    AnswerSummary(TfmKoniecGry::kPlayAgain, &shown);
    if (lastPair) {
      PlayPair();
    } else {
      Click(fmMemory()->PrzyciskStop());
    }
    QCOMPARE(shown, 1);
    QCOMPARE(program_->Stats().size(), before + 44);
    QVERIFY(fmMemory()->isVisible());
    // The handler that ended the game has returned into the old board, still
    // there (so the new one cannot share its address) and out of the game.
    QVERIFY(gra() != old && oldCard && Withdrawn(old));
    QCOMPARE(statRec()->Correct(), 0);
    QCOMPARE(int(OnBoard().size()), 6);
    for (CKarta* card : OnBoard()) QVERIFY(Shows(fmMemory()->WindowCanvas(), card, card->Rewers));
    QTRY_VERIFY(oldCard.isNull());
    QCOMPARE(fmMemory()->findChildren<platform::ImageControl*>(Qt::FindDirectChildrenOnly).size(), 6 + 2);
    PlayPair();
    QCOMPARE(statRec()->Correct(), 1);
  }

  void cardsWithoutPicturesKeepTheirPlaceAndTheGameGoesOn_data() {
    QTest::addColumn<bool>("faces");
    QTest::addColumn<bool>("back");
    QTest::addColumn<bool>("mask");
    QTest::addColumn<bool>("large");
    QTest::newRow("no faces") << false << true << true << true;
    QTest::newRow("no back") << true << false << true << true;
    QTest::newRow("neither") << false << false << true << true;
    // The mask falls back to the back, the large picture to the mask.
    QTest::newRow("no mask") << true << true << false << true;
    QTest::newRow("no mask, no large pictures") << true << true << false << false;
  }
  void cardsWithoutPicturesKeepTheirPlaceAndTheGameGoesOn() {
    QFETCH(bool, faces);
    QFETCH(bool, back);
    QFETCH(bool, mask);
    QFETCH(bool, large);
    if (!faces || !back) ReplaceBuiltFolder("Sio", [&](const QString& f) { return f == "blkcard0.xji" ? back : faces; });
    if (!mask || !large) ReplaceBuiltFolder("Bio", [&](const QString& f) { return f.startsWith("_matr") ? mask : large; });
    Show();
    QCOMPARE(int(OnBoard().size()), 6);
    for (CKarta* card : OnBoard()) {
      QCOMPARE(card->Prostokat().size(), QSize(80, 100));
      QCOMPARE(card->Awers.size(), QSize(80, 100));
      QCOMPARE(card->Rewers.size(), QSize(80, 100));
      QVERIFY(card->Awers != card->Rewers);  // a turned card still looks turned
      QCOMPARE(IsPlain(card->Awers), !faces);
      QCOMPARE(IsPlain(card->Rewers), !back);
      QCOMPARE(card->Maska == card->Rewers, !mask);
      QCOMPARE(card->Duzy == card->Maska, !large);
    }
    auto [a, c] = APair(false);
    Click(a);
    Click(c);
    QVERIFY(Shows(fmMemory()->WindowCanvas(), c, c->Awers));
    c->TimerChybiona->Fire();
    QVERIFY(Shows(fmMemory()->WindowCanvas(), c, c->Rewers));
    PlayPair();
    QCOMPARE(statRec()->Correct(), 1);
  }

  void missingArtworkRaisesMissingResources() {
    // The screen alone, over a folder of its own.
    current = nullptr;
    program_.reset();
    const int before = QApplication::topLevelWidgets().size();
    {
      ProgramDir bare;
      const session::Session state = testing::SessionIn(bare.Path(), 1);
      EndOfGame koniec(nullptr);
      // Without its background, then without the buttons' artwork.
      for (int attempt = 0; attempt < 2; ++attempt) {
        if (attempt == 1) bare.WriteJpeg("Data/Intf/Spec/mT_Mem_s.xji", 800, 600);
        try {
          TfmMemory screen(state, nullptr, nullptr, koniec);
          QFAIL("made without its artwork");
        } catch (const CBlad& e) {
          QCOMPARE(e.code, qint16(1));
        }
      }
    }
    QCoreApplication::processEvents();
    QCOMPARE(QApplication::topLevelWidgets().size(), before);
  }

 private:
  // A new program in screen mode `mode`, with SZ word-initial at level 1 in
  // the Memory settings: the five built-in words.
  bool Start(int mode) {
    current = nullptr;
    program_.reset();
    program_ = std::make_unique<ProgramFixture>(mode);
    current = program_.get();
    current->program.state().settings.memorySettings.poziom = 1;
    current->program.state().settings.memorySettings.gloski = 1;      // SZ
    current->program.state().settings.memorySettings.pozycja = 256;   // word-initial
    return program_->ready;
  }

  void Show() {
    current->program.slowa()->Wybierz(current->program.state().settings.memorySettings);  // as the menu does before showing the screen
    fmMemory()->show();
    QVERIFY(QTest::qWaitForWindowExposed(fmMemory()));
    QVERIFY(gra());
  }

  // Puts a folder of its own in place of the built one, holding copies of
  // the built files that `keep` accepts.
  template <typename Keep>
  void ReplaceBuiltFolder(const QString& sub, Keep keep) {
    const QString link = program_->dir.File(QStringLiteral("Data/") + sub);
    const QDir built(QFileInfo(link).symLinkTarget());
    QVERIFY(QFile::remove(link) && QDir().mkpath(link));
    for (const QString& name : built.entryList(QDir::Files)) {
      if (keep(name)) QVERIFY(QFile::copy(built.filePath(name), QDir(link).filePath(name)));
    }
  }

  std::unique_ptr<FakeSound> sound_;
  std::unique_ptr<FakeSleep> sleep_;
  std::unique_ptr<FakeClock> clock_;
  std::unique_ptr<ProgramFixture> program_;
};

QTEST_MAIN(MemoryTest)
#include "tst_memory.moc"
