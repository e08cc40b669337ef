// What a Memory game costs on a 1024 x 768 screen with 20 cards: a full
// redraw, one card turned and shown at once, and a new deal with its
// pictures.
#include <QtTest>

#include "games/memory/memory.h"
#include "games/memory/gramemory.h"
#include "support/program.h"
#include "support/seams.h"
#include "catalogue/_cslowa.h"
#include "words/_custgry.h"

using namespace testing;

class MemoryBench : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void initTestCase() {
    sound_ = std::make_unique<FakeSound>();
    sleep_ = std::make_unique<FakeSleep>();
    program_ = std::make_unique<ProgramFixture>(2);
    QVERIFY2(program_->ready, "run with the build's content folder");
    program_->program.state().settings.memorySettings.poziom = 3;
    program_->program.state().settings.memorySettings.gloski = 1;
    program_->program.state().settings.memorySettings.pozycja = 256;
    CSlowa* slowa = program_->program.slowa();
    // Ten words for ten pairs: the built-in five once more under their own
    // keys, so that every card has its real pictures.
    for (const CSlowa::SPaczka& word : std::vector<CSlowa::SPaczka>(slowa->Baza.begin(), slowa->Baza.end())) {
      slowa->Dodaj(word);
    }
    slowa->Wybierz(program_->program.state().settings.memorySettings);
    Screen()->show();
    QVERIFY(QTest::qWaitForWindowExposed(Screen()));
    QCOMPARE(int(Board()->Karty.size()), 20);
  }

  void cleanupTestCase() {
    program_.reset();
    sleep_.reset();
    sound_.reset();
  }

  void fullRedrawOfTwentyCards() {
    QBENCHMARK { Screen()->A_EkranPaint.Execute(Screen()); }
  }

  void turningOneCardAndShowingIt() {
    graMemory* gra = Board();
    CKarta* card = gra->Karty.front().get();
    const memory::Rules dealt = gra->Zasady;
    QBENCHMARK {
      // Turn it, then put the board back as it was for the next round.
      QTest::mouseClick(card->Obraz.data(), Qt::LeftButton, {}, QPoint(40, 50));
      gra->Zasady = dealt;
    }
  }

  void newDealWithItsPictures() {
    // A deal leaves the board before it to the event loop: freeing it is
    // part of the step, and the boards do not pile up over the rounds.
    QBENCHMARK {
      Screen()->A_NowaGra.Execute(Screen());
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
  }

 private:
  TfmMemory* Screen() const { return program_->program.fmMemory(); }
  graMemory* Board() const { return program_->program.gra(); }

  std::unique_ptr<FakeSound> sound_;
  std::unique_ptr<FakeSleep> sleep_;
  std::unique_ptr<ProgramFixture> program_;
};

QTEST_MAIN(MemoryBench)
#include "bench_memory.moc"
