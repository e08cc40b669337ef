// The painted controls: image buttons with their hover, pressed and normal
// pictures and classic click rules, check buttons and captions. Real mouse
// events on real widgets.
#include <QtTest>

#include "shell/_cblad.h"
#include "support/pictures.h"
#include "support/programdir.h"
#include "widgets/_ccheckbut.h"
#include "widgets/_cobiektgraficzny.h"
#include "widgets/_cprzycisk.h"

using namespace testing;
using Stan = CPrzyciskC::Stan;

namespace {

// The pictures of the folder the test works in.
session::ContentRoot Here() { return session::ContentRoot(QDir::currentPath()); }

const QColor kBackground(30, 60, 90);

// A screen that composes a back buffer and shows it, as the game screens do.
class BufferedScreen : public platform::Form {
 public:
  BufferedScreen() {
    SetClientSize(300, 200);
    buffer.Resize(QSize(300, 200), kBackground);
  }
  platform::Canvas buffer;

 protected:
  void FormPaint() override { WindowCanvas().CopyRect(QRect(0, 0, 300, 200), buffer, QRect(0, 0, 300, 200)); }
};

// A screen that paints a background and lets its controls draw on the window,
// as the menu and the dialogs do.
class DirectScreen : public platform::Form {
 public:
  DirectScreen() {
    SetClientSize(300, 200);
    background.Resize(QSize(300, 200), kBackground);
  }
  platform::Canvas background;

 protected:
  void FormPaint() override { WindowCanvas().Draw(0, 0, background.Image()); }
};

QColor At(const platform::Canvas& c, int x, int y) { return c.Image().pixelColor(x, y); }

struct Counter {
  int clicks = 0;
  platform::Action action;
  Counter() {
    action.OnExecute = [this](QObject*) { ++clicks; };
  }
};

void ShowAndWait(QWidget* w) {
  w->show();
  QVERIFY(QTest::qWaitForWindowExposed(w));
  QCoreApplication::processEvents();
}

}  // namespace

class WidgetsTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void init() {
    dir_ = std::make_unique<ProgramDir>();
    pictures::WriteButton("tb");
    pictures::WriteButton("big", QSize(90, 50));
    pictures::WriteCheck("chk", QSize(60, 30), QSize(100, 40));
    pictures::WriteSolid("cap", QSize(80, 20), QColor(5, 6, 7));
  }
  void cleanup() { dir_.reset(); }

  void bufferedButtonFollowsTheMouseAndClicksOnce() {
    BufferedScreen screen;
    Counter counter;
    CPrzyciskC button(Here(), &screen, "tb", &screen.buffer, 20, 30, counter.action);
    ShowAndWait(&screen);
    QCOMPARE(button.Rect(), QRect(20, 30, 70, 60));
    QWidget* input = button.Image();

    QTest::mousePress(input, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(button.CurrentState(), Stan::Pressed);
    // Drawn into the back buffer and copied to the window at once.
    QCOMPARE(At(screen.buffer, 40, 50), pictures::kPressed);
    QCOMPARE(At(screen.WindowCanvas(), 40, 50), pictures::kPressed);
    // Transparent border pixels keep the background.
    QCOMPARE(At(screen.WindowCanvas(), 21, 31), kBackground);
    QCOMPARE(counter.clicks, 0);
    QTest::mouseRelease(input, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(counter.clicks, 1);
    QCOMPARE(button.CurrentState(), Stan::Hover);
    QCOMPARE(At(screen.WindowCanvas(), 40, 50), pictures::kHover);

    // A repaint of the window shows normal, even under the mouse.
    screen.Repaint();
    QCOMPARE(button.CurrentState(), Stan::Normal);
    QCOMPARE(At(screen.WindowCanvas(), 40, 50), pictures::kNormal);

    // Pressed, then released outside: no click.
    QTest::mousePress(input, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseMove(input, QPoint(200, 100));
    QTest::mouseRelease(input, Qt::LeftButton, {}, QPoint(200, 100));
    QCOMPARE(counter.clicks, 1);
  }

  void fastDoubleClickRunsTheHandlerOnceWithoutASecondPress() {
    BufferedScreen screen;
    Counter counter;
    CPrzyciskC button(Here(), &screen, "tb", &screen.buffer, 20, 30, counter.action);
    ShowAndWait(&screen);
    QWidget* input = button.Image();
    QTest::mousePress(input, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(input, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseDClick(input, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(button.CurrentState(), Stan::Hover);  // the second press shows nothing
    QTest::mouseRelease(input, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(counter.clicks, 1);
  }

  void hiddenBufferedButtonDrawsNothingAndShowDrawsItsLastState() {
    BufferedScreen screen;
    Counter counter;
    CPrzyciskC button(Here(), &screen, "tb", &screen.buffer, 20, 30, counter.action);
    ShowAndWait(&screen);
    QTest::mousePress(button.Image(), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(button.CurrentState(), Stan::Pressed);
    button.Hide();
    screen.buffer.FillRect(QRect(0, 0, 300, 200), kBackground);
    screen.Repaint();  // a paint message reaches the hidden button
    QCOMPARE(At(screen.buffer, 40, 50), kBackground);
    QCOMPARE(button.CurrentState(), Stan::Pressed);
    button.Show();  // draws the state it had when hidden
    QCOMPARE(At(screen.buffer, 40, 50), pictures::kPressed);
    screen.Repaint();
    QCOMPARE(At(screen.buffer, 40, 50), pictures::kNormal);
  }

  void buttonBehindAModalWindowShowsNoHover() {
    BufferedScreen screen;
    Counter counter;
    CPrzyciskC buffered(Here(), &screen, "tb", &screen.buffer, 20, 30, counter.action);
    DirectScreen direct;
    CPrzyciskP control(Here(), &direct, "tb", &direct.WindowCanvas(), &direct.background, 20, 30, counter.action);
    ShowAndWait(&screen);
    ShowAndWait(&direct);
    platform::Form modal;
    modal.SetClientSize(50, 50);
    Stan seenBuffered = Stan::Pressed, seenControl = Stan::Pressed;
    QTimer::singleShot(0, &modal, [&] {
      QEnterEvent enter(QPointF(5, 5), QPointF(25, 35), QPointF(25, 35));
      QCoreApplication::sendEvent(buffered.Image(), &enter);
      QCoreApplication::sendEvent(&control, &enter);
      seenBuffered = buffered.CurrentState();
      seenControl = control.CurrentState();
      modal.SetModalResult(1);
    });
    modal.ShowModal();
    QCOMPARE(seenBuffered, Stan::Normal);
    QCOMPARE(seenControl, Stan::Normal);
    // With the modal window gone and the screen active, the mouse entering
    // shows hover again.
    screen.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&screen));
    QEnterEvent enter(QPointF(5, 5), QPointF(25, 35), QPointF(25, 35));
    QCoreApplication::sendEvent(buffered.Image(), &enter);
    QCOMPARE(buffered.CurrentState(), Stan::Hover);
  }

  void controlButtonPaintsOnTheWindowAndRestoresItsBackground() {
    DirectScreen screen;
    screen.background.FillRect(QRect(0, 0, 300, 200), QColor(1, 2, 3));
    Counter counter;
    CPrzyciskP button(Here(), &screen, "big", &screen.WindowCanvas(), &screen.background, 50, 40, counter.action);
    QCOMPARE(button.size(), QSize(90, 50));  // the mask's size
    ShowAndWait(&screen);
    QCOMPARE(At(screen.WindowCanvas(), 60, 50), pictures::kNormal);  // painted after its window
    QCOMPARE(At(screen.WindowCanvas(), 51, 41), QColor(1, 2, 3));   // transparent border

    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(counter.clicks, 1);
    QCOMPARE(At(screen.WindowCanvas(), 60, 50), pictures::kHover);

    button.hide();
    QCOMPARE(At(screen.WindowCanvas(), 60, 50), QColor(1, 2, 3));
    button.show();
    QCOMPARE(At(screen.WindowCanvas(), 60, 50), pictures::kNormal);

    // A double click: one handler run, and it is passed on (no press shown).
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseDClick(&button, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(button.CurrentState(), Stan::Hover);
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(counter.clicks, 2);
  }

  void inactiveControlButtonIgnoresEverything() {
    DirectScreen screen;
    Counter counter;
    CPrzyciskP button(Here(), &screen, "tb", &screen.WindowCanvas(), &screen.background, 10, 10, counter.action);
    ShowAndWait(&screen);
    button.FActive = false;
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(counter.clicks, 0);
    QCOMPARE(button.CurrentState(), Stan::Normal);
    QCOMPARE(At(screen.WindowCanvas(), 30, 30), pictures::kNormal);
    button.FActive = true;
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(counter.clicks, 1);
  }

  void checkButtonDrawsOnlyWhenToldAndNeverChangesItself() {
    DirectScreen screen;
    Counter counter;
    CCheckBut check(Here(), &screen, "chk", &screen.WindowCanvas(), 40, 50, counter.action);
    ShowAndWait(&screen);
    QCOMPARE(At(screen.WindowCanvas(), 45, 55), kBackground);  // nothing until told
    QCOMPARE(check.Input()->geometry(), QRect(40, 50, 60, 30));  // the off picture's size
    check.Paint();
    QCOMPARE(At(screen.WindowCanvas(), 45, 55), pictures::kOff);
    QTest::mouseClick(check.Input(), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(counter.clicks, 1);
    QVERIFY(!check.State());
    QCOMPARE(At(screen.WindowCanvas(), 45, 55), pictures::kOff);
    check.Toggle();
    QCOMPARE(At(screen.WindowCanvas(), 45, 55), pictures::kOn);
    QCOMPARE(At(screen.WindowCanvas(), 130, 85), pictures::kOn);  // the larger on picture
    check.Toggle();
    QVERIFY(!check.State());
    QCOMPARE(At(screen.WindowCanvas(), 45, 55), pictures::kOff);
    check.SetState(true);
    QVERIFY(check.State());
  }

  void captionKeepsItsSizeAndDrawsWhereItIsPlaced() {
    platform::Canvas canvas(QSize(200, 100), Qt::white);
    CObiektGraficzny caption(Here(), "cap");
    QCOMPARE(caption.Width(), 80);
    caption.Paint(canvas);
    QCOMPARE(canvas.Image().pixelColor(0, 0), QColor(5, 6, 7));
    caption.SetPosition(100, 50);
    caption.Paint(canvas);
    QCOMPARE(canvas.Image().pixelColor(179, 69), QColor(5, 6, 7));
    QCOMPARE(canvas.Image().pixelColor(180, 70), QColor(Qt::white));
  }

  void missingPicturesAreReportedAsMissingResources() {
    DirectScreen screen;
    Counter counter;
    QFile::remove("Data/Pict/tb_.png");  // only the pressed picture is gone
    auto code = [](auto make) {
      try {
        make();
      } catch (const CBlad& e) {
        return int(e.code);
      }
      return 0;
    };
    QCOMPARE(code([&] { CPrzyciskC b(Here(), &screen, "tb", &screen.WindowCanvas(), 0, 0, counter.action); }), 1);
    QCOMPARE(code([&] { CPrzyciskP b(Here(), &screen, "tb", &screen.WindowCanvas(), &screen.background, 0, 0, counter.action); }), 1);
    QCOMPARE(code([&] { CCheckBut c(Here(), &screen, "nochk", &screen.WindowCanvas(), 0, 0, counter.action); }), 1);
    QCOMPARE(code([] { CObiektGraficzny o(Here(), "nocap"); }), 1);
    // Nothing half-made is left on the screen.
    QCOMPARE(screen.findChildren<platform::ImageControl*>().size(), 0);
  }

 private:
  std::unique_ptr<ProgramDir> dir_;
};

QTEST_MAIN(WidgetsTest)
#include "tst_widgets.moc"
