// What the labelling screen costs at 1024 x 768 with the real artwork: one
// drag step, the backdrop built once per grab, a whole redraw of the task and
// a full paint of the window.
#include <QtTest>
#include <memory>

#include "labelling/Podpisywanie.h"
#include "labelling/_grapodpisywanie.h"
#include "results/_cstatrec.h"
#include "shell/_custgry.h"
#include "shell/_specfunc.h"
#include "support/programdir.h"
#include "support/seams.h"
#include "words/_cslowa.h"

class LabellingBench : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void initTestCase() {
    dir_ = std::make_unique<testing::ProgramDir>();
    QVERIFY2(dir_->UseBuiltContent(), "FONIKRA_DATA_DIR must name the build's Data folder");
    screenMode = 2;
    screenWidth = 1024;
    screenHeight = 768;
    podpisywanieSettings.poziom = 1;
    podpisywanieSettings.gloski = 0x0001;
    podpisywanieSettings.pozycja = 0x0100;
    slowa = new CSlowa();
    statRec = new CStatRec(6);
    slowa->Wybierz(podpisywanieSettings);
    fmPodpisywanie = new TfmPodpisywanie();
    fmPodpisywanie->show();
    QVERIFY(QTest::qWaitForWindowExposed(fmPodpisywanie));
    QCoreApplication::processEvents();
  }

  void cleanupTestCase() {
    delete fmPodpisywanie;
    fmPodpisywanie = nullptr;
    delete statRec;
    statRec = nullptr;
    delete slowa;
    slowa = nullptr;
    dir_.reset();
  }

  void dragStep() {
    CPrzGloska* tile = plansza->Przesuwane.front().get();
    QTest::mousePress(tile->Obraz, Qt::LeftButton, {}, QPoint(20, 20));
    int step = 0;
    // Small steps across the screen, as a moving hand gives them.
    QBENCHMARK {
      tile->Przesun(250 + step % 400, 120 + (step / 400) % 300);
      ++step;
    }
    QTest::mouseRelease(tile->Obraz, Qt::LeftButton, {}, QPoint(20, 20));
  }

  void grabBackdrop() {
    CPrzGloska* tile = plansza->Przesuwane.front().get();
    QBENCHMARK { plansza->PoczatekPrzeciagania(tile); }
  }

  void wholeRedraw() {
    QBENCHMARK { fmPodpisywanie->RysujZadanie(); }
  }

  void windowPaint() {
    QBENCHMARK { fmPodpisywanie->Repaint(); }
  }

 private:
  std::unique_ptr<testing::ProgramDir> dir_;
  testing::FakeSound sound_;
  testing::FakeSleep sleep_;
};

QTEST_MAIN(LabellingBench)
#include "bench_labelling.moc"
