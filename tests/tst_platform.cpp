// The stand-ins for the window system: input areas with the classic click
// rules, forms that paint from their own surface, timers, the clock's file
// time and the single-instance lock.
#include <QtTest>

#include <QFileInfo>
#include <QLockFile>
#include <cmath>

#include "platform/form.h"
#include "platform/fullscreenview.h"
#include "platform/imagecontrol.h"
#include "platform/instance.h"
#include "platform/scaledview.h"
#include "platform/system.h"
#include "platform/timer.h"
#include "platform/wait.h"
#include "support/seams.h"

using namespace platform;

namespace {

// A form that records what reaches its handlers.
class ProbeForm : public Form {
 public:
  int paints = 0;
  int shows = 0;
  QList<int> keys;
  QList<QPoint> presses;
  int doubleClicks = 0;
  int wheels = 0;

 protected:
  void FormPaint() override {
    ++paints;
    WindowCanvas().FillRect(QRect(0, 0, ClientWidth(), ClientHeight()), QColor(10, 20, 30));
  }
  void FormShow() override { ++shows; }
  void FormKeyPress(int key) override { keys << key; }
  void FormMouseDown(MouseButton, int, int x, int y) override { presses << QPoint(x, y); }
  void FormDblClick(int, int) override { ++doubleClicks; }
  void FormMouseWheel() override { ++wheels; }
};

// Counts the paints that reach it.
class PaintCounter : public QWidget {
 public:
  int paints = 0;

 protected:
  void paintEvent(QPaintEvent*) override { ++paints; }
};

struct Recorder {
  QStringList events;
  void Attach(ImageControl* c) {
    c->OnClick = [this](QObject*) { events << "click"; };
    c->OnDblClick = [this](QObject*) { events << "dblclick"; };
    c->OnMouseDown = [this](MouseButton b, int shift, int x, int y) {
      events << QStringLiteral("down %1 %2,%3%4").arg(int(b)).arg(x).arg(y).arg(shift & kDouble ? " double" : "");
    };
    c->OnMouseUp = [this](MouseButton b, int, int x, int y) {
      events << QStringLiteral("up %1 %2,%3").arg(int(b)).arg(x).arg(y);
    };
    c->OnMouseMove = [this](int shift, int x, int y) {
      events << QStringLiteral("move %1,%2%3").arg(x).arg(y).arg(shift & kLeft ? " left" : "");
    };
  }
};

// The target pixel under the middle of a game pixel in a scaled view.
QPoint OnTarget(const ScaledView& view, QPoint game) {
  const QPointF middle = view.ToTarget(QRectF(game, QSizeF(1, 1))).center();
  return QPoint(int(std::floor(middle.x())), int(std::floor(middle.y())));
}

}  // namespace

class PlatformTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void clickIsAPressAndReleaseInside() {
    Form form;
    form.SetClientSize(200, 200);
    auto* control = new ImageControl(&form);
    control->setGeometry(10, 10, 50, 40);
    Recorder r;
    r.Attach(control);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(r.events, QStringList({"down 0 5,5", "click", "up 0 5,5"}));

    // Released outside: the control keeps the release (capture), no click.
    r.events.clear();
    QTest::mousePress(control, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(control, QPoint(120, 90));
    QTest::mouseRelease(control, Qt::LeftButton, {}, QPoint(120, 90));
    QCOMPARE(r.events, QStringList({"down 0 5,5", "move 120,90 left", "up 0 120,90"}));

    // Other buttons press and release but never click.
    r.events.clear();
    QTest::mouseClick(control, Qt::RightButton, {}, QPoint(6, 6));
    QCOMPARE(r.events, QStringList({"down 1 6,6", "up 1 6,6"}));
  }

  void doubleClickGivesOneClickAndOneDoubleClick() {
    Form form;
    form.SetClientSize(100, 100);
    auto* control = new ImageControl(&form);
    control->setGeometry(0, 0, 50, 50);
    Recorder r;
    r.Attach(control);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    // The sequence a real double click delivers.
    QTest::mousePress(control, Qt::LeftButton, {}, QPoint(3, 3));
    QTest::mouseRelease(control, Qt::LeftButton, {}, QPoint(3, 3));
    QTest::mouseDClick(control, Qt::LeftButton, {}, QPoint(3, 3));
    QTest::mouseRelease(control, Qt::LeftButton, {}, QPoint(3, 3));
    QCOMPARE(r.events, QStringList({"down 0 3,3", "click", "up 0 3,3", "dblclick", "down 0 3,3 double", "up 0 3,3"}));
  }

  void hookSeesEveryMessageFirstAndCanDropIt() {
    Form form;
    form.SetClientSize(100, 100);
    auto* control = new ImageControl(&form);
    control->setGeometry(0, 0, 50, 50);
    Recorder r;
    r.Attach(control);
    QList<MessageKind> seen;
    control->Hook = [&](const Message& m) {
      seen << m.kind;
      return m.kind != MessageKind::LButtonDblClk;  // drop double clicks
    };
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    seen.clear();
    QTest::mousePress(control, Qt::LeftButton, {}, QPoint(3, 3));
    QTest::mouseRelease(control, Qt::LeftButton, {}, QPoint(3, 3));
    QTest::mouseDClick(control, Qt::LeftButton, {}, QPoint(3, 3));
    QTest::mouseRelease(control, Qt::LeftButton, {}, QPoint(3, 3));
    QVERIFY(seen.contains(MessageKind::LButtonDblClk));
    QCOMPARE(r.events, QStringList({"down 0 3,3", "click", "up 0 3,3", "up 0 3,3"}));

    seen.clear();
    control->hide();
    control->hide();  // no change, no message
    control->show();
    QCOMPARE(seen, QList<MessageKind>({MessageKind::VisibleChanged, MessageKind::VisibleChanged}));
  }

  void formPaintsFromItsSurfaceAndThenTellsItsControls() {
    ProbeForm form;
    form.SetClientSize(120, 80);
    auto* control = new ImageControl(&form);
    control->setGeometry(0, 0, 10, 10);
    QList<MessageKind> controlSaw;
    QList<int> formPaintsSeenAtPaint;
    control->Hook = [&](const Message& m) {
      // By the time a control hears of the paint, its window has painted.
      if (m.kind == MessageKind::Paint) formPaintsSeenAtPaint << form.paints;
      controlSaw << m.kind;
      return true;
    };
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTRY_COMPARE(form.paints, 1);
    QCOMPARE(form.shows, 1);
    QCOMPARE(controlSaw.count(MessageKind::Paint), 1);

    // Drawing on the window's canvas shows the change without a FormPaint.
    form.WindowCanvas().FillRect(QRect(5, 5, 10, 10), Qt::yellow);
    QCoreApplication::processEvents();
    QCOMPARE(form.paints, 1);
    QCOMPARE(form.grab().toImage().pixelColor(7, 7), QColor(Qt::yellow));

    form.Repaint();
    QCOMPARE(form.paints, 2);
    QCOMPARE(form.grab().toImage().pixelColor(7, 7), QColor(10, 20, 30));
    QCOMPARE(controlSaw.count(MessageKind::Paint), 2);
    QCOMPARE(formPaintsSeenAtPaint, QList<int>({1, 2}));
  }

  void keysMouseAndWheelReachTheFormHandlers() {
    ProbeForm form;
    form.SetClientSize(100, 100);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTest::keyClick(&form, Qt::Key_Escape);
    QTest::keyClick(&form, Qt::Key_A);
    QTest::keyClick(&form, Qt::Key_Shift);  // no character
    QCOMPARE(form.keys, QList<int>({27, 'a'}));
    QVERIFY(form.isVisible());  // Escape is the screen's business, not a close

    QTest::mouseClick(&form, Qt::LeftButton, {}, QPoint(40, 30));
    QCOMPARE(form.presses, QList<QPoint>({QPoint(40, 30)}));
    QTest::mouseDClick(&form, Qt::LeftButton, {}, QPoint(41, 31));
    QCOMPARE(form.doubleClicks, 1);
    QWheelEvent wheel(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&form, &wheel);
    QCOMPARE(form.wheels, 1);
  }

  void scaledViewIsAsLargeAsFitsCentredWithItsAspect_data() {
    QTest::addColumn<QSize>("target");
    QTest::addColumn<QRect>("shown");
    QTest::newRow("1920x1080 wide") << QSize(1920, 1080) << QRect(240, 0, 1440, 1080);
    QTest::newRow("1280x1024 tall") << QSize(1280, 1024) << QRect(0, 32, 1280, 960);
    QTest::newRow("3840x2160") << QSize(3840, 2160) << QRect(480, 0, 2880, 2160);
    QTest::newRow("768x1024 portrait, smaller") << QSize(768, 1024) << QRect(0, 224, 768, 576);
    QTest::newRow("1366x768 odd fill") << QSize(1366, 768) << QRect(171, 0, 1024, 768);
    QTest::newRow("same size") << QSize(1024, 768) << QRect(0, 0, 1024, 768);
    QTest::newRow("no target") << QSize(0, 0) << QRect(0, 0, 1024, 768);
  }
  void scaledViewIsAsLargeAsFitsCentredWithItsAspect() {
    QFETCH(QSize, target);
    QFETCH(QRect, shown);
    const ScaledView view(QSize(1024, 768), target);
    QCOMPARE(view.Shown(), shown);
    // Every game pixel is found again where it is shown (on a smaller
    // target some share a pixel), and the target's pixels at the edges of
    // the shown area belong to the game's edges.
    if (shown.width() >= 1024) {
      for (const QPoint game : {QPoint(0, 0), QPoint(1023, 767), QPoint(1, 766), QPoint(512, 384), QPoint(700, 5)}) {
        QCOMPARE(view.ToGame(OnTarget(view, game)), game);
      }
    }
    QCOMPARE(view.ToGame(shown.topLeft()), QPoint(0, 0));
    QCOMPARE(view.ToGame(shown.bottomRight()), QPoint(1023, 767));
    // The fill is outside the game.
    const QRect game(0, 0, 1024, 768);
    QVERIFY(!game.contains(view.ToGame(shown.topLeft() - QPoint(1, 1))));
    QVERIFY(!game.contains(view.ToGame(shown.bottomRight() + QPoint(1, 1))));
    // A repaint in game terms covers the target pixels it is shown on, and
    // back again at least the game pixels it came from.
    const QRect part(100, 200, 7, 5);
    const QRect covering = view.ToTargetCovering(part);
    QVERIFY(covering.contains(view.ToTarget(QRectF(part)).toAlignedRect()));
    QVERIFY(view.ToGameCovering(covering).contains(part));
    QCOMPARE(view.ToGameCovering(QRect(QPoint(0, 0), target)), target.isEmpty() ? QRect() : game);
  }

  void theScaledViewPassesTheMouseToTheInputAreaUnderThePoint() {
    QList<bool> switched;
    FullScreenView choice;
    choice.Offer(QColor(0, 0, 255), [&](bool on) { switched << on; });
    choice.Set(true);
    ProbeForm form;
    form.SetClientSize(200, 150);
    form.SetViewChoice(&choice);
    form.SetFollowsView(true);
    auto* below = new ImageControl(&form);
    below->setGeometry(10, 10, 120, 100);
    auto* control = new ImageControl(&form);  // made later: on top
    control->setGeometry(50, 40, 40, 30);
    Recorder r, underneath;
    r.Attach(control);
    underneath.Attach(below);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QVERIFY(form.InScaledView());
    const ScaledView view = form.View();
    QVERIFY(!view.IsIdentity());
    const QRegion fill = QRegion(form.rect()).subtracted(view.Shown());
    QVERIFY(!fill.isEmpty());
    const QImage shown = form.grab().toImage();
    QCOMPARE(shown.pixelColor(fill.begin()->center()), QColor(0, 0, 255));
    QCOMPARE(shown.pixelColor(OnTarget(view, {199, 149})), QColor(10, 20, 30));

    QTest::mouseClick(&form, Qt::LeftButton, {}, OnTarget(view, {55, 45}));
    QCOMPARE(r.events, QStringList({"down 0 5,5", "click", "up 0 5,5"}));

    // A drag: the area that took the press keeps the moves and the release,
    // over another area and past the game's edge.
    r.events.clear();
    QTest::mousePress(&form, Qt::LeftButton, {}, OnTarget(view, {55, 45}));
    QTest::mouseMove(&form, OnTarget(view, {20, 30}));
    QTest::mouseMove(&form, form.rect().bottomRight());
    QTest::mouseRelease(&form, Qt::LeftButton, {}, OnTarget(view, {20, 30}));
    const QPoint beyond = view.ToGame(form.rect().bottomRight()) - control->pos();
    QCOMPARE(r.events, QStringList({"down 0 5,5", "move -30,-10 left",
                                    QStringLiteral("move %1,%2 left").arg(beyond.x()).arg(beyond.y()),
                                    "up 0 -30,-10"}));
    QVERIFY(underneath.events.isEmpty());

    // A double click arrives as in a window at its own size.
    r.events.clear();
    const QPoint at = OnTarget(view, {53, 43});
    QTest::mousePress(&form, Qt::LeftButton, {}, at);
    QTest::mouseRelease(&form, Qt::LeftButton, {}, at);
    QTest::mouseDClick(&form, Qt::LeftButton, {}, at);
    QTest::mouseRelease(&form, Qt::LeftButton, {}, at);
    QCOMPARE(r.events, QStringList({"down 0 3,3", "click", "up 0 3,3", "dblclick", "down 0 3,3 double", "up 0 3,3"}));

    // The form's own place and the fill, which is nobody's.
    QTest::mouseClick(&form, Qt::LeftButton, {}, OnTarget(view, {180, 130}));
    QTest::mouseClick(&form, Qt::LeftButton, {}, fill.begin()->center());
    QCOMPARE(form.presses, QList<QPoint>({QPoint(180, 130)}));
    QVERIFY(underneath.events.isEmpty());

    // F11 goes back to the window at its own size, and says so; a drag
    // under way ends where it was.
    r.events.clear();
    QTest::mousePress(&form, Qt::LeftButton, {}, OnTarget(view, {55, 45}));
    QTest::keyClick(&form, Qt::Key_F11);
    QTRY_COMPARE(r.events, QStringList({"down 0 5,5", "up 0 5,5"}));
    QTest::mouseRelease(&form, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(switched, QList<bool>({false}));
    QVERIFY(!choice.On());
    QVERIFY(!form.InScaledView());
    QCOMPARE(form.size(), QSize(200, 150));
    r.events.clear();
    QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(r.events, QStringList({"down 0 5,5", "click", "up 0 5,5"}));
  }

  void showModalReturnsTheModalResult() {
    Form dialog;
    dialog.SetClientSize(50, 50);
    QTimer::singleShot(0, &dialog, [&] { dialog.SetModalResult(2); });
    QCOMPARE(dialog.ShowModal(), 2);
    QVERIFY(!dialog.isVisible());
    QTimer::singleShot(0, &dialog, [&] { dialog.Close(); });
    QCOMPARE(dialog.ShowModal(), 0);
  }

  void timerFiresWhileEnabledAndRestartsWhenEnabledAgain() {
    Timer timer;
    int fired = 0;
    timer.OnTimer = [&] { ++fired; };
    timer.SetInterval(20);
    QVERIFY(!timer.Enabled());
    timer.SetEnabled(true);
    QTRY_VERIFY_WITH_TIMEOUT(fired >= 2, 2000);  // repeats
    timer.SetEnabled(false);
    const int stopped = fired;
    QTest::qWait(60);
    QCOMPARE(fired, stopped);
    timer.Fire();
    QCOMPARE(fired, stopped + 1);
  }

  void fileTimeCountsHundredNanosecondsFrom1601() {
    SystemTime epoch{1601, 1, 1, 1, 0, 0, 0, 0};
    QCOMPARE(ToFileTime(epoch), 0);
    // 1970-01-01 is 11644473600 s after 1601-01-01.
    SystemTime unix{1970, 1, 4, 1, 0, 0, 0, 0};
    QCOMPARE(ToFileTime(unix), Q_INT64_C(116444736000000000));
    SystemTime t{2026, 12, 0, 6, 21, 38, 49, 123};
    QCOMPARE(FromFileTime(ToFileTime(t)), t);  // a Sunday: day of week 0
    SystemTime leap{2024, 2, 4, 29, 23, 59, 59, 999};
    QCOMPARE(FromFileTime(ToFileTime(leap)), leap);
    QCOMPARE(ToFileTime(SystemTime{2024, 3, 5, 1, 0, 0, 0, 0}) - ToFileTime(leap), Q_INT64_C(10000));
  }

  void aPressWhoseReleaseIsLostEndsWhereThePointerWasLastSeen() {
    Form form;
    form.SetClientSize(200, 200);
    auto* control = new ImageControl(&form);
    control->setGeometry(10, 10, 50, 40);
    Recorder r;
    r.Attach(control);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    // The window loses the mouse mid-drag (minimised, focus taken away).
    QTest::mousePress(control, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(control, QPoint(70, 60));
    QEvent deactivate(QEvent::WindowDeactivate);
    QCoreApplication::sendEvent(control, &deactivate);
    QTRY_COMPARE(r.events.size(), 3);
    QCOMPARE(r.events.last(), QStringLiteral("up 0 70,60"));  // no click

  }

  void closingFromOutsideIsTheWindowsOwnWayOut() {
    ProbeForm form;
    form.SetClientSize(100, 100);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    testing::CloseFromOutside(&form);
    QTRY_COMPARE(form.keys, QList<int>({27}));
    QVERIFY(form.isVisible());
    // The program's own close still closes.
    form.Close();
    QVERIFY(!form.isVisible());
  }

  void theBlockingWaitPaintsButHoldsTimersBack() {
    PaintCounter widget;
    widget.resize(50, 50);
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
    QCoreApplication::processEvents();
    const int before = widget.paints;
    bool fired = false;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, [&fired] { fired = true; });
    timer.start(0);
    widget.update();
    QVERIFY(!InWait());
    WaitPainting(30);
    QVERIFY(widget.paints > before);
    QVERIFY(!fired);
    QTRY_VERIFY(fired);
  }

  void onlyOneCopyHoldsTheLockAndADeadOwnerDoesNotBlock() {
    QTemporaryDir tmp;
    qputenv("XDG_RUNTIME_DIR", tmp.path().toLocal8Bit());
    {
      SingleInstanceLock first("Lock Test");
      QVERIFY(first.Acquired());
      QCOMPARE(QFileInfo(first.Path()).dir().path(), tmp.path());
      SingleInstanceLock second("Lock Test");
      QVERIFY(!second.Acquired());
      QVERIFY(second.HeldByAnother());
    }
    SingleInstanceLock again("Lock Test");
    QVERIFY(again.Acquired());

    // A lock file left behind by a process that no longer runs, and one
    // whose dead owner had the process number this run has now.
    QProcess sh;
    sh.start("sh", {"-c", "echo $$"});
    QVERIFY(sh.waitForFinished());
    for (const QByteArray& pid : {sh.readAllStandardOutput().trimmed(), QByteArray::number(QCoreApplication::applicationPid())}) {
      QFile stale(QDir(tmp.path()).filePath("Stale Test.lock"));
      QVERIFY(stale.open(QIODevice::WriteOnly));
      stale.write(pid + "\n" + QCoreApplication::applicationName().toUtf8() + "\n" +
                  QSysInfo::machineHostName().toUtf8() + "\n");
      stale.close();
      SingleInstanceLock afterCrash("Stale Test");
      QVERIFY2(afterCrash.Acquired(), pid.constData());
      QVERIFY(!afterCrash.HeldByAnother());
    }
    qunsetenv("XDG_RUNTIME_DIR");
  }

  void aLockThatCannotBeMadeIsNotAnotherCopy() {
    QTemporaryDir tmp;
    qputenv("XDG_RUNTIME_DIR", tmp.path().toLocal8Bit());
    // Something that is no lock file stands in its place.
    QVERIFY(QDir(tmp.path()).mkpath("Lock Test.lock/inside"));
    SingleInstanceLock lock("Lock Test");
    QVERIFY(!lock.Acquired());
    QVERIFY(!lock.HeldByAnother());
    qunsetenv("XDG_RUNTIME_DIR");
  }
};

QTEST_MAIN(PlatformTest)
#include "tst_platform.moc"
