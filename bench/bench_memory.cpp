// What a Memory game costs on a 1024 x 768 screen with 20 cards: a full
// redraw, one card turned and shown at once, and a new deal with its
// pictures.
#include <QtTest>

#include "memory/Memory.h"
#include "memory/_gramemory.h"
#include "results/Koniecgry.h"
#include "results/_cstatrec.h"
#include "shell/_custgry.h"
#include "shell/_specfunc.h"
#include "support/programdir.h"
#include "support/seams.h"
#include "words/_cslowa.h"

using namespace testing;

class MemoryBench : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void initTestCase() {
    dir_ = std::make_unique<ProgramDir>();
    QVERIFY2(dir_->UseBuiltContent(), "run with the build's content folder");
    sound_ = std::make_unique<FakeSound>();
    sleep_ = std::make_unique<FakeSleep>();
    screenMode = 2;
    screenWidth = 1024;
    screenHeight = 768;
    memorySettings.poziom = 3;
    memorySettings.gloski = 1;
    memorySettings.pozycja = 256;
    slowa = new CSlowa;
    // Ten words for ten pairs: the built-in five once more under their own
    // keys, so that every card has its real pictures.
    for (const CSlowa::SPaczka& word : std::vector<CSlowa::SPaczka>(slowa->Baza.begin(), slowa->Baza.end())) {
      slowa->Dodaj(word);
    }
    slowa->Wybierz(memorySettings);
    statRec = new CStatRec(6);
    fmKoniecGry = new TfmKoniecGry;
    fmMemory = new TfmMemory;
    fmMemory->show();
    QVERIFY(QTest::qWaitForWindowExposed(fmMemory));
    QCOMPARE(int(gra->Karty.size()), 20);
  }

  void cleanupTestCase() {
    delete fmMemory;
    fmMemory = nullptr;
    delete fmKoniecGry;
    fmKoniecGry = nullptr;
    delete statRec;
    statRec = nullptr;
    delete slowa;
    slowa = nullptr;
    sleep_.reset();
    sound_.reset();
    dir_.reset();
  }

  void fullRedrawOfTwentyCards() {
    QBENCHMARK { fmMemory->A_EkranPaint.Execute(fmMemory); }
  }

  void turningOneCardAndShowingIt() {
    CKarta* card = gra->Karty.front().get();
    QBENCHMARK {
      // Turn it, then put the board back as it was for the next round.
      QTest::mouseClick(card->Obraz.data(), Qt::LeftButton, {}, QPoint(40, 50));
      gra->Pierwsza = nullptr;
      gra->Odkryte = 0;
    }
  }

  void newDealWithItsPictures() {
    QBENCHMARK { fmMemory->A_NowaGra.Execute(fmMemory); }
  }

 private:
  std::unique_ptr<ProgramDir> dir_;
  std::unique_ptr<FakeSound> sound_;
  std::unique_ptr<FakeSleep> sleep_;
};

QTEST_MAIN(MemoryBench)
#include "bench_memory.moc"
