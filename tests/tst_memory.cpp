// The Memory screen and board: real clicks on the real card controls and
// buttons, offscreen, with the built content; sounds, sleeps and the clock
// replaced so that nothing blocks.
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QtTest>
#include <QtTest/qtestspontaneevent.h>
#include <map>
#include <set>

#include "games/memory/memory.h"
#include "games/memory/gramemory.h"
#include "games/memory/rules.h"
#include "games/memory/layout.h"
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
#include "words/_cslowa.h"
#include "words/_custgry.h"

using namespace testing;

namespace {

// The program of the running test.
ProgramFixture* current = nullptr;

TfmMemory* fmMemory() { return current->program.fmMemory(); }
graMemory* gra() { return current->program.gra(); }
TfmKoniecGry* fmKoniecGry() { return current->program.fmKoniecGry(); }
CStatRec* statRec() { return current->program.statRec(); }
CSlowa* slowa() { return current->program.slowa(); }

CKarta* Pierwsza() { auto f = gra()->Zasady.First(); return f ? gra()->Karty[size_t(*f)].get() : nullptr; }

std::vector<CKarta*> OnBoard() {
  std::vector<CKarta*> cards;
  for (auto& karta : gra()->Karty) {
    if (karta && karta->NaPlanszy()) cards.push_back(karta.get());
  }
  return cards;
}

std::pair<CKarta*, CKarta*> APair() {
  const auto cards = OnBoard();
  for (CKarta* a : cards) {
    for (CKarta* b : cards) {
      if (a != b && a->Nazwa == b->Nazwa) return {a, b};
    }
  }
  return {nullptr, nullptr};
}

std::pair<CKarta*, CKarta*> AWrongPair() {
  const auto cards = OnBoard();
  for (CKarta* b : cards) {
    if (b->Nazwa != cards.front()->Nazwa) return {cards.front(), b};
  }
  return {nullptr, nullptr};
}

// A card neither of the two given.
CKarta* AnotherCard(const CKarta* a, const CKarta* b) {
  for (CKarta* c : OnBoard()) {
    if (c != a && c != b) return c;
  }
  return nullptr;
}

void Click(CKarta* card) { QTest::mouseClick(card->Obraz.data(), Qt::LeftButton, {}, QPoint(40, 50)); }
void Click(CPrzyciskC* button) { QTest::mouseClick(button->Image(), Qt::LeftButton, {}, QPoint(35, 30)); }

// True when the canvas shows exactly this picture at the card's place.
bool Shows(const platform::Canvas& canvas, const CKarta* card, const QImage& picture) {
  return canvas.Image().copy(QRect(card->Prostokat().topLeft(), picture.size())) == picture;
}

QRect LargePictureRect(const CKarta* card) {
  return QRect(memory::LargePictureOrigin(screenMode), card->Maska.size());
}

bool ShowsBackground(const platform::Canvas& canvas, const QRect& r) {
  return canvas.Image().copy(r) == fmMemory()->Tlo().Image().copy(r);
}

// Answers the summary with `result` as soon as it is up, counting how often
// it was shown; `whileShown` looks at the program meanwhile.
void AnswerSummary(int result, int* shown, std::function<void()> whileShown = {}) {
  QTimer::singleShot(0, fmKoniecGry(), [result, shown, whileShown] {
    if (!fmKoniecGry()->isVisible()) {
      AnswerSummary(result, shown, whileShown);
      return;
    }
    ++*shown;
    if (whileShown) whileShown();
    fmKoniecGry()->SetModalResult(result);
  });
}

// The board has left the game: no card takes clicks and no turn's timer
// runs.
bool Withdrawn(const graMemory* board) {
  if (!board->Wycofana()) return false;
  for (const auto& card : board->Karty) {
    if (card && (card->NaPlanszy() || card->TimerTrafiona->Enabled() || card->TimerChybiona->Enabled())) return false;
  }
  return true;
}

// One colour all over inside its frame: a blank picture put in place of a
// missing one.
bool IsPlain(const QImage& image) {
  const QRgb inside = image.pixel(image.width() / 2, image.height() / 2);
  for (int y = 2; y < image.height() - 2; ++y) {
    for (int x = 2; x < image.width() - 2; ++x) {
      if (image.pixel(x, y) != inside) return false;
    }
  }
  return true;
}

// A wheel turn from the system, which travels from the widget under the
// mouse up to the window.
void Wheel(QWidget* w) {
  QWheelEvent wheel(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  QSpontaneKeyEvent::setSpontaneous(&wheel);
  qApp->notify(w, &wheel);  // sendEvent would make it a synthesised one again
}

// Turns a pair and lets its timer run.
void PlayPair() {
  auto [a, b] = APair();
  QVERIFY(a && b);
  Click(a);
  Click(b);
  b->TimerTrafiona->Fire();
}

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

  // --- layout ----------------------------------------------------------------

  void screenAndButtonsFollowTheScreenMode_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QPoint>("hint");
    QTest::addColumn<QPoint>("stop");
    QTest::newRow("800x600") << 1 << QPoint(720, 460) << QPoint(724, 534);
    QTest::newRow("1024x768") << 2 << QPoint(922, 588) << QPoint(926, 683);
    QTest::newRow("larger display") << 3 << QPoint(922, 588) << QPoint(926, 683);
  }
  void screenAndButtonsFollowTheScreenMode() {
    QFETCH(int, mode);
    QFETCH(QPoint, hint);
    QFETCH(QPoint, stop);
    QVERIFY(Start(mode));
    Show();
    QCOMPARE(fmMemory()->size(), QSize(screenWidth, screenHeight));
    QCOMPARE(fmMemory()->pos(), QPoint(0, 0));
    QCOMPARE(fmMemory()->PrzyciskPomoc()->Rect(), QRect(hint, QSize(70, 60)));
    QCOMPARE(fmMemory()->PrzyciskStop()->Rect(), QRect(stop, QSize(70, 60)));
    const bool bordered = !(fmMemory()->windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(bordered, mode == 3);
    if (mode == 3) {
      QCOMPARE(fmMemory()->windowTitle(), QStringLiteral("Mini Fonikra Cz.I"));
      QVERIFY(!(fmMemory()->windowFlags() & Qt::WindowSystemMenuHint));
    }
    // The window shows the composition: the background, the buttons in their
    // normal picture, and the cards face down at their grid places.
    QCOMPARE(fmMemory()->WindowCanvas().Image(), fmMemory()->Kompozycja().Image());
    QVERIFY(ShowsBackground(fmMemory()->WindowCanvas(), QRect(0, 0, 40, 40)));
    QVERIFY(!ShowsBackground(fmMemory()->WindowCanvas(), QRect(hint + QPoint(20, 20), QSize(20, 20))));
    const auto grid = memory::GridFor(6, mode);
    for (size_t k = 0; k < gra()->Karty.size(); ++k) {
      CKarta* card = gra()->Karty[k].get();
      QCOMPARE(card->Prostokat(), QRect(memory::SlotPosition(*grid, int(k)), QSize(80, 100)));
      QVERIFY(Shows(fmMemory()->WindowCanvas(), card, card->Rewers));
    }
  }

  void everyWordIsDealtTwiceIntoEverySlot_data() {
    QTest::addColumn<int>("level");
    QTest::newRow("3 pairs") << 1;
    QTest::newRow("6 pairs") << 2;
    QTest::newRow("10 pairs") << 3;
  }
  void everyWordIsDealtTwiceIntoEverySlot() {
    QFETCH(int, level);
    QVERIFY(Start(2));
    // Words beyond the built-in five, without files: their faces are blank.
    for (const char* key : {"szafa", "szczotka", "szuflada", "szyba", "szelki"}) {
      CSlowa::SPaczka word;
      word.Nazwa = QString::fromLatin1(key);
      word.Flagi = 0x0101;
      slowa()->Dodaj(word);
    }
    memorySettings.poziom = qint16(level);
    slowa()->Wybierz(memorySettings);
    Show();
    const int pairs = memory::PairsForLevel(level);
    QCOMPARE(int(gra()->Karty.size()), 2 * pairs);
    QCOMPARE(int(qint16(gra()->Zasady.Remaining())), 2 * pairs);
    std::map<QString, int> count;
    std::set<std::pair<int, int>> places;
    for (auto& card : gra()->Karty) {
      QVERIFY(card && card->NaPlanszy());
      ++count[card->Nazwa];
      places.insert({card->Prostokat().x(), card->Prostokat().y()});
    }
    QCOMPARE(int(count.size()), pairs);
    for (const auto& [key, n] : count) QCOMPARE(n, 2);
    QCOMPARE(int(places.size()), 2 * pairs);
    QCOMPARE(slowa()->Wylosowane.size(), size_t(pairs));
  }

  // --- turns -----------------------------------------------------------------

  void foundPairCountsOnceSpeaksAndLeavesAfterItsTimer_data() {
    QTest::addColumn<int>("mode");
    QTest::newRow("800x600") << 1;
    QTest::newRow("1024x768") << 2;
  }
  void foundPairCountsOnceSpeaksAndLeavesAfterItsTimer() {
    QFETCH(int, mode);
    QVERIFY(Start(mode));
    Show();
    const platform::Canvas& window = fmMemory()->WindowCanvas();
    auto [a, b] = APair();
    QVERIFY(a && b);
    CKarta* other = AnotherCard(a, b);

    Click(a);
    QVERIFY(Shows(window, a, a->Awers));
    QCOMPARE(Pierwsza(), a);
    QCOMPARE(qint16(gra()->Zasady.Turned()), qint16(1));
    Click(a);  // the turned card again: nothing
    QCOMPARE(qint16(gra()->Zasady.Turned()), qint16(1));
    QCOMPARE(Pierwsza(), a);

    Click(b);
    QCOMPARE(statRec()->Correct(), 1);
    QCOMPARE(statRec()->Wrong(), 0);
    QCOMPARE(sound_->played, QStringList{QStringLiteral("Data/Smd/") + a->Nazwa + QStringLiteral(".pw")});
    QVERIFY(Shows(window, a, a->Awers));
    QVERIFY(Shows(window, b, b->Awers));
    QVERIFY(!ShowsBackground(window, LargePictureRect(b)));
    QVERIFY(!gra()->Zasady.Accepting());
    QCOMPARE(qint16(gra()->Zasady.Remaining()), qint16(4));
    QVERIFY(b->TimerTrafiona->Enabled());
    QCOMPARE(b->TimerTrafiona->Interval(), 2000);

    // While the pair is shown no card turns and nothing counts.
    Click(other);
    Click(a);
    QVERIFY(Shows(window, other, other->Rewers));
    QCOMPARE(statRec()->Correct(), 1);
    QCOMPARE(statRec()->Wrong(), 0);
    QCOMPARE(sound_->played.size(), 1);

    b->TimerTrafiona->Fire();
    QVERIFY(!b->TimerTrafiona->Enabled());
    QVERIFY(!a->NaPlanszy() && !b->NaPlanszy());
    QVERIFY(ShowsBackground(window, a->Prostokat()));
    QVERIFY(ShowsBackground(window, b->Prostokat()));
    QVERIFY(ShowsBackground(window, LargePictureRect(b)));
    QVERIFY(Shows(window, other, other->Rewers));
    QCOMPARE(Pierwsza(), nullptr);
    QVERIFY(gra()->Zasady.Accepting());
    QVERIFY(!gra()->CzyKoniec());
    QCOMPARE(statRec()->Correct(), 1);
    QVERIFY(!fmKoniecGry()->isVisible());
    // A card off the board takes no clicks: the grid does not close up.
    QCOMPARE(fmMemory()->childAt(a->Prostokat().center()), nullptr);
  }

  void wrongPairCountsAndTurnsBack() {
    Show();
    const platform::Canvas& window = fmMemory()->WindowCanvas();
    auto [a, c] = AWrongPair();
    QVERIFY(a && c);
    CKarta* other = AnotherCard(a, c);

    Click(a);
    Click(c);
    QCOMPARE(statRec()->Wrong(), 1);
    QCOMPARE(statRec()->Correct(), 0);
    QVERIFY(sound_->played.isEmpty());
    QVERIFY(Shows(window, a, a->Awers));
    QVERIFY(Shows(window, c, c->Awers));
    QVERIFY(c->TimerChybiona->Enabled());
    QCOMPARE(c->TimerChybiona->Interval(), 1200);
    QVERIFY(!c->TimerTrafiona->Enabled());

    Click(other);
    QVERIFY(Shows(window, other, other->Rewers));
    QCOMPARE(statRec()->Wrong(), 1);

    c->TimerChybiona->Fire();
    QVERIFY(!c->TimerChybiona->Enabled());
    QVERIFY(Shows(window, a, a->Rewers));
    QVERIFY(Shows(window, c, c->Rewers));
    QVERIFY(a->NaPlanszy() && c->NaPlanszy());
    QCOMPARE(Pierwsza(), nullptr);
    QVERIFY(gra()->Zasady.Accepting());
    QCOMPARE(qint16(gra()->Zasady.Remaining()), qint16(6));

    // The same two cards again count a second wrong answer.
    Click(a);
    Click(c);
    QCOMPARE(statRec()->Wrong(), 2);
    c->TimerChybiona->Fire();
    QCOMPARE(statRec()->Correct(), 0);
  }

  // --- hint and activity -----------------------------------------------------

  void hintFlashesAPairOnTheWindowButNotWhileACardIsTurned() {
    Show();
    QImage during;
    std::vector<int> sleeps;
    platform::SetSleepFunction([&](int ms) {
      sleeps.push_back(ms);
      during = fmMemory()->WindowCanvas().Image().copy();
    });

    Click(fmMemory()->PrzyciskPomoc());
    QCOMPARE(statRec()->Hints(), 1);
    QCOMPARE(sleeps, std::vector<int>{500});
    std::vector<CKarta*> shown;
    platform::Canvas flash;
    flash.Image() = during;
    for (CKarta* card : OnBoard()) {
      if (Shows(flash, card, card->Awers)) {
        shown.push_back(card);
      } else {
        QVERIFY(Shows(flash, card, card->Rewers));
      }
    }
    QCOMPARE(shown.size(), size_t(2));
    QCOMPARE(shown[0]->Nazwa, shown[1]->Nazwa);
    // Drawn past the composition, which keeps the backs; afterwards the
    // window shows the backs again and no card is turned.
    for (CKarta* card : OnBoard()) {
      QVERIFY(Shows(fmMemory()->Kompozycja(), card, card->Rewers));
      QVERIFY(Shows(fmMemory()->WindowCanvas(), card, card->Rewers));
    }
    QCOMPARE(qint16(gra()->Zasady.Turned()), qint16(0));
    QCOMPARE(Pierwsza(), nullptr);

    // With a card turned, and while a pair is shown, the hint is neither
    // shown nor counted.
    auto [a, b] = APair();
    Click(a);
    Click(fmMemory()->PrzyciskPomoc());
    Click(b);
    Click(fmMemory()->PrzyciskPomoc());
    QCOMPARE(statRec()->Hints(), 1);
    QCOMPARE(sleeps.size(), size_t(1));
    b->TimerTrafiona->Fire();
    Click(fmMemory()->PrzyciskPomoc());
    QCOMPARE(statRec()->Hints(), 2);
  }

  void cardsHintKeysAndWheelAreActivity() {
    Show();
    platform::Timer& idle = statRec()->IdleTimer();
    QVERIFY(idle.Enabled());  // the new game counts as activity

    idle.SetEnabled(false);
    auto [a, b] = APair();
    Click(a);
    QVERIFY(idle.Enabled());
    idle.SetEnabled(false);
    Click(b);
    QVERIFY(idle.Enabled());
    b->TimerTrafiona->Fire();
    idle.SetEnabled(false);

    QTest::keyClick(fmMemory(), Qt::Key_A);
    QVERIFY(idle.Enabled());
    idle.SetEnabled(false);
    Wheel(OnBoard().front()->Obraz.data());  // passed on from the card to the screen
    QVERIFY(idle.Enabled());
    idle.SetEnabled(false);
    Click(fmMemory()->PrzyciskPomoc());
    QVERIFY(idle.Enabled());
  }

  // --- end of game -----------------------------------------------------------

  void lastPairOpensTheSummaryAndSavesTheGameAsCompleted() {
    Show();
    const qint64 before = program_->Stats().size();
    int shown = 0;
    PlayPair();
    PlayPair();
    auto [a, b] = APair();
    Click(a);
    Click(b);
    QVERIFY(gra()->CzyKoniec());
    QCOMPARE(shown, 0);
    QVERIFY(!fmKoniecGry()->isVisible());  // not before the pair has left
    QCOMPARE(program_->Stats().size(), before);

    AnswerSummary(TfmKoniecGry::kClose, &shown);
    b->TimerTrafiona->Fire();
    QCOMPARE(shown, 1);
    const QByteArray file = program_->Stats();
    QCOMPARE(file.size(), before + 44);
    const QByteArray record = file.right(44);
    QCOMPARE(int(record[0]), 2);  // Memory
    QCOMPARE(int(record[20]), 1);  // level 1
    QCOMPARE(int(record[30]), 1);  // completed
    QCOMPARE(int(record[36]), 3);  // three pairs found
    QCOMPARE(int(record[40]), 0);
    QVERIFY(!fmMemory()->isVisible());  // "stop" closes the screen
  }

  void escapeSavesTheGameAsNotCompleted_data() {
    QTest::addColumn<bool>("fromOutside");
    QTest::newRow("Escape") << false;
    QTest::newRow("window closed from outside") << true;
  }
  void escapeSavesTheGameAsNotCompleted() {
    QFETCH(bool, fromOutside);
    Show();
    const qint64 before = program_->Stats().size();
    PlayPair();
    int shown = 0;
    AnswerSummary(TfmKoniecGry::kClose, &shown);
    if (fromOutside) {
      CloseFromOutside(fmMemory());
      QTRY_COMPARE(shown, 1);  // acted on from the event loop
    } else {
      QTest::keyClick(fmMemory(), Qt::Key_Escape);
      QCOMPARE(shown, 1);
    }
    const QByteArray file = program_->Stats();
    QCOMPARE(file.size(), before + 44);
    QCOMPARE(int(file.right(44)[0]), 2);
    QCOMPARE(int(file.right(44)[30]), 0);
    QCOMPARE(int(file.right(44)[36]), 1);
    QVERIFY(!fmMemory()->isVisible());
  }

  void startOnTheSummaryDealsAgainOnTheSameWindow() {
    Show();
    PlayPair();
    QCOMPARE(qint16(gra()->Zasady.Remaining()), qint16(4));
    const graMemory* old = gra();
    int shown = 0;
    AnswerSummary(TfmKoniecGry::kPlayAgain, &shown);
    Click(fmMemory()->PrzyciskStop());
    QCOMPARE(shown, 1);
    QVERIFY(fmMemory()->isVisible());
    // The old board is not freed yet, so a new one cannot share its address.
    QVERIFY(gra() && gra() != old);
    QCOMPARE(int(OnBoard().size()), 6);
    QCOMPARE(qint16(gra()->Zasady.Remaining()), qint16(6));
    QCOMPARE(statRec()->Correct(), 0);
    for (CKarta* card : OnBoard()) QVERIFY(Shows(fmMemory()->WindowCanvas(), card, card->Rewers));
  }

  void startAfterTheLastPairReplacesTheBoardWhoseTimerEndedTheGame() {
    Show();
    const qint64 before = program_->Stats().size();
    PlayPair();
    PlayPair();
    graMemory* old = gra();
    const QPointer<platform::ImageControl> oldCard = OnBoard().front()->Obraz;
    int shown = 0;
    AnswerSummary(TfmKoniecGry::kPlayAgain, &shown);
    PlayPair();  // the last timer ends the game, and "start" deals again
    QCOMPARE(shown, 1);
    QCOMPARE(program_->Stats().size(), before + 44);
    QVERIFY(fmMemory()->isVisible());
    QVERIFY(gra() != old);
    QCOMPARE(int(OnBoard().size()), 6);
    // The timer's handler has returned into the old board, which is still
    // there, out of the game, and goes from the event loop.
    QVERIFY(oldCard);
    QVERIFY(Withdrawn(old));
    QTRY_VERIFY(oldCard.isNull());
    QCOMPARE(fmMemory()->findChildren<platform::ImageControl*>(Qt::FindDirectChildrenOnly).size(), 6 + 2);
    // The new game plays on.
    PlayPair();
    QCOMPARE(statRec()->Correct(), 1);
    QCOMPARE(qint16(gra()->Zasady.Remaining()), qint16(4));
  }

  void aSecondStopWhileTheSummaryIsOpenDoesNothing() {
    Show();
    const qint64 before = program_->Stats().size();
    PlayPair();
    PlayPair();
    auto [a, b] = APair();
    Click(a);
    Click(b);
    // Escape while the last pair is shown; its timer runs out, and Escape
    // reaches the screen again, with the summary open.
    int shown = 0;
    QTimer::singleShot(0, fmKoniecGry(), [&, b = b] {
      b->TimerTrafiona->Fire();
      fmMemory()->A_Stop.Execute(fmMemory());
      QTest::keyClick(fmMemory(), Qt::Key_Escape);
      shown += fmKoniecGry()->isVisible() ? 1 : 0;
      fmKoniecGry()->SetModalResult(TfmKoniecGry::kClose);
    });
    QTest::keyClick(fmMemory(), Qt::Key_Escape);
    QCOMPARE(shown, 1);
    const QByteArray file = program_->Stats();
    QCOMPARE(file.size(), before + 44);
    QCOMPARE(int(file.right(44)[30]), 1);  // every pair had been found
    QVERIFY(!fmMemory()->isVisible());
  }

  void closingTheScreenStopsTheTimerOfAPairStillShown() {
    Show();
    const qint64 before = program_->Stats().size();
    PlayPair();
    PlayPair();
    auto [a, b] = APair();
    Click(a);
    Click(b);
    QVERIFY(b->TimerTrafiona->Enabled());
    int shown = 0;
    bool withdrawnFirst = false;
    AnswerSummary(TfmKoniecGry::kClose, &shown, [&] { withdrawnFirst = Withdrawn(gra()); });
    QTest::keyClick(fmMemory(), Qt::Key_Escape);  // "stop" before the pair has left
    QCOMPARE(shown, 1);
    QVERIFY(withdrawnFirst);  // nothing of the game ran on under the summary
    QVERIFY(!fmMemory()->isVisible());
    for (auto& card : gra()->Karty) {
      QVERIFY(!card->TimerTrafiona->Enabled());
      QVERIFY(!card->TimerChybiona->Enabled());
    }
    QCOMPARE(program_->Stats().size(), before + 44);
    // Shown again from the menu: a new game.
    fmMemory()->show();
    QCOMPARE(int(OnBoard().size()), 6);
  }

  // --- boards without cards and cards without pictures -----------------------

  void levelOutsideOneToThreeGivesAnEmptyBoardThatOnlyStopEnds_data() {
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("slotCount");
    QTest::newRow("level 0") << 0 << 0;
    QTest::newRow("level 4") << 4 << 0;
    // More pairs than words to draw: the grid stays empty.
    QTest::newRow("level 2, five words") << 2 << 12;
  }
  void levelOutsideOneToThreeGivesAnEmptyBoardThatOnlyStopEnds() {
    QFETCH(int, level);
    QFETCH(int, slotCount);
    memorySettings.poziom = qint16(level);
    Show();
    QCOMPARE(int(gra()->Karty.size()), slotCount);
    QVERIFY(OnBoard().empty());
    QCOMPARE(qint16(gra()->Zasady.Remaining()), qint16(0));
    QVERIFY(gra()->CzyKoniec());
    QVERIFY(ShowsBackground(fmMemory()->WindowCanvas(), QRect(0, 0, 700, 450)));
    QCOMPARE(fmMemory()->findChildren<platform::ImageControl*>(Qt::FindDirectChildrenOnly).size(), 2);

    Click(fmMemory()->PrzyciskPomoc());
    QCOMPARE(statRec()->Hints(), 0);
    QVERIFY(sleep_->sleeps.empty());

    int shown = 0;
    AnswerSummary(TfmKoniecGry::kClose, &shown);
    QTest::keyClick(fmMemory(), Qt::Key_Escape);
    QCOMPARE(shown, 1);
  }

  void cardsWithoutPicturesKeepTheirPlaceAndTheGameGoesOn_data() {
    QTest::addColumn<bool>("faces");
    QTest::addColumn<bool>("back");
    QTest::newRow("no faces") << false << true;
    QTest::newRow("no back") << true << false;
    QTest::newRow("neither") << false << false;
  }
  void cardsWithoutPicturesKeepTheirPlaceAndTheGameGoesOn() {
    QFETCH(bool, faces);
    QFETCH(bool, back);
    ReplaceBuiltFolder("Sio", [&](const QString& name) { return name == "blkcard0.xji" ? back : faces; });
    Show();
    QCOMPARE(int(OnBoard().size()), 6);
    for (CKarta* card : OnBoard()) {
      QCOMPARE(card->Prostokat().size(), QSize(80, 100));
      QCOMPARE(card->Awers.size(), QSize(80, 100));
      QCOMPARE(card->Rewers.size(), QSize(80, 100));
      QVERIFY(card->Awers != card->Rewers);  // a turned card still looks turned
      QCOMPARE(IsPlain(card->Awers), !faces);
      QCOMPARE(IsPlain(card->Rewers), !back);
    }
    auto [a, c] = AWrongPair();
    Click(a);
    Click(c);
    QVERIFY(Shows(fmMemory()->WindowCanvas(), c, c->Awers));
    c->TimerChybiona->Fire();
    QVERIFY(Shows(fmMemory()->WindowCanvas(), c, c->Rewers));
    PlayPair();
    QCOMPARE(statRec()->Correct(), 1);
    QCOMPARE(statRec()->Wrong(), 1);
    QCOMPARE(qint16(gra()->Zasady.Remaining()), qint16(4));
  }

  void missingMaskAndLargePictureFallBackToTheBackAndTheMask() {
    ReplaceBuiltFolder("Bio", [](const QString& name) { return !name.startsWith("_matr"); });
    Show();
    for (CKarta* card : OnBoard()) {
      QCOMPARE(card->Maska, card->Rewers);
      QVERIFY(card->Duzy != card->Maska);
    }
    ReplaceBuiltFolder("Bio", [](const QString&) { return false; });
    int shown = 0;
    AnswerSummary(TfmKoniecGry::kPlayAgain, &shown);
    QTest::keyClick(fmMemory(), Qt::Key_Escape);
    QCOMPARE(shown, 1);
    for (CKarta* card : OnBoard()) {
      QCOMPARE(card->Maska, card->Rewers);
      QCOMPARE(card->Duzy, card->Maska);
    }
    // The found pair still shows something where the large picture goes.
    PlayPair();
    QCOMPARE(statRec()->Correct(), 1);
  }

  // --- construction ----------------------------------------------------------

  void missingArtworkRaisesMissingResources() {
    // The screen alone, over a folder of its own.
    current = nullptr;
    program_.reset();
    const int before = QApplication::topLevelWidgets().size();
    {
      ProgramDir bare;
      SetScreenMode(1);
      EndOfGame koniec(nullptr);
      try {
        TfmMemory screen(nullptr, nullptr, koniec);
        QFAIL("made without its background");
      } catch (const CBlad& e) {
        QCOMPARE(e.code, qint16(1));
      }
      // The background alone, without the buttons' artwork.
      bare.WriteJpeg("Data/Intf/Spec/mT_Mem_s.xji", 800, 600);
      try {
        TfmMemory screen(nullptr, nullptr, koniec);
        QFAIL("made without its buttons");
      } catch (const CBlad& e) {
        QCOMPARE(e.code, qint16(1));
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
    memorySettings.poziom = 1;
    memorySettings.gloski = 1;      // SZ
    memorySettings.pozycja = 256;   // word-initial
    return program_->ready;
  }

  void Show() {
    slowa()->Wybierz(memorySettings);  // as the menu does before showing the screen
    fmMemory()->show();
    QVERIFY(QTest::qWaitForWindowExposed(fmMemory()));
    QVERIFY(gra());
  }

  // Puts a folder of its own in place of a built one, holding copies of the
  // built files that `keep` accepts.
  template <typename Keep>
  void ReplaceBuiltFolder(const QString& sub, Keep keep) {
    const QString link = program_->dir.File(QStringLiteral("Data/") + sub);
    const QString built = QFileInfo(link).isSymLink() ? QFileInfo(link).symLinkTarget() : built_[sub];
    built_[sub] = built;
    if (QFileInfo(link).isSymLink()) {
      QVERIFY(QFile::remove(link));
    } else {
      QVERIFY(QDir(link).removeRecursively());
    }
    QVERIFY(QDir().mkpath(link));
    for (const QString& name : QDir(built).entryList(QDir::Files)) {
      if (keep(name)) QVERIFY(QFile::copy(QDir(built).filePath(name), QDir(link).filePath(name)));
    }
  }

  std::unique_ptr<FakeSound> sound_;
  std::unique_ptr<FakeSleep> sleep_;
  std::unique_ptr<FakeClock> clock_;
  std::unique_ptr<ProgramFixture> program_;
  std::map<QString, QString> built_;
};

QTEST_MAIN(MemoryTest)
#include "tst_memory.moc"
