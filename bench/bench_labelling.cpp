// What the labelling screen costs at 1024 x 768 with the real artwork: one
// drag step, the backdrop built once per grab, a whole redraw of the task and
// a full paint of the window.
#include <QtTest>
#include <memory>

#include "games/labelling/podpisywanie.h"
#include "games/labelling/grapodpisywanie.h"
#include "support/program.h"
#include "support/seams.h"
#include "catalogue/_cslowa.h"
#include "words/_custgry.h"

class LabellingBench : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void initTestCase() {
    app_ = std::make_unique<testing::ProgramFixture>(2);
    QVERIFY2(app_->ready, "the program could not be made: FONIKRA_DATA_DIR must name the build's Data folder");
    app_->program.state().settings.podpisywanieSettings.poziom = 1;
    app_->program.state().settings.podpisywanieSettings.gloski = 0x0001;
    app_->program.state().settings.podpisywanieSettings.pozycja = 0x0100;
    // What the menu does before it shows the screen.
    app_->program.slowa()->Wybierz(app_->program.state().settings.podpisywanieSettings);
    Screen()->show();
    QVERIFY(QTest::qWaitForWindowExposed(Screen()));
    QCoreApplication::processEvents();
  }

  void cleanupTestCase() { app_.reset(); }

  void dragStep() {
    CPrzGloska* tile = Board()->Przesuwane().front().get();
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
    CPrzGloska* tile = Board()->Przesuwane().front().get();
    QBENCHMARK { Board()->PoczatekPrzeciagania(tile); }
  }

  void wholeRedraw() {
    QBENCHMARK { Screen()->RysujZadanie(); }
  }

  void windowPaint() {
    QBENCHMARK { Screen()->Repaint(); }
  }

 private:
  TfmPodpisywanie* Screen() const { return app_->program.fmPodpisywanie(); }
  graPodpisywanie* Board() const { return app_->program.plansza(); }

  std::unique_ptr<testing::ProgramFixture> app_;
  testing::FakeSound sound_;
  testing::FakeSleep sleep_;
};

QTEST_MAIN(LabellingBench)
#include "bench_labelling.moc"
