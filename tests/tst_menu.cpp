// The main menu: where every control stands in both screen sizes, the tab
// strip's ranges, the choice handlers on each tab, Start with too few words,
// the about box and leaving through the closing screen. Real clicks on the
// real screens with the real artwork.
#include <QtTest>

#include <QLabel>

#include "games/falling/screen.h"
#include "games/filling/screen.h"
#include "games/labelling/podpisywanie.h"
#include "games/memory/memory.h"
#include "menu/Main.h"
#include "menu/_cnagrywanie.h"
#include "platform/jpeg.h"
#include "results/Koniecgry.h"
#include "resultswindow/resultswindow.h"
#include "screens/Oprogramie.h"
#include "screens/Reklama.h"
#include "screens/Komunikat.h"
#include "words/_custgry.h"
#include "shell/_specfunc.h"
#include "support/program.h"
#include "support/seams.h"
#include "widgets/_ccheckbut.h"
#include "widgets/_cobiektgraficzny.h"
#include "widgets/_cprzycisk.h"

namespace {

// The program of the case being run.
testing::ProgramFixture* current = nullptr;
TfmMain* fmMain() { return current->program.fmMain(); }
TfmMemory* fmMemory() { return current->program.fmMemory(); }
TfmPodpisywanie* fmPodpisywanie() { return current->program.fmPodpisywanie(); }
TfmOProgramie* fmOProgramie() { return current->program.fmOProgramie(); }
TfmKomunikat* fmKomunikat() { return current->program.fmKomunikat(); }
TfmReklama* fmReklama() { return current->program.fmReklama(); }

// Runs `step` once the given modal window is up, from inside its loop. The
// watch goes with the window, so that one never fired cannot act later.
void WhenShown(QWidget* window, std::function<void()> step) {
  auto* poll = new QTimer(window);
  QObject::connect(poll, &QTimer::timeout, poll, [=] {
    if (!window->isVisible()) return;
    poll->deleteLater();
    step();
  });
  poll->start(5);
}

void Click(QWidget* w, QPoint at = QPoint(10, 10)) { QTest::mouseClick(w, Qt::LeftButton, {}, at); }

}  // namespace

class MenuTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void init() { sleep_ = std::make_unique<testing::FakeSleep>(); }
  void cleanup() {
    current = nullptr;
    fixture_.reset();
    sleep_.reset();
  }

  void controlsStandWhereTheLayoutSays_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QList<QPoint>>("buttons");
    QTest::addColumn<QList<int>>("amountX");
    QTest::addColumn<QList<int>>("soundX");
    QTest::addColumn<QList<int>>("rowsY");  // amounts, sounds, positions, captions 1-3
    QTest::newRow("800x600") << 1 << QList<QPoint>{{245, 515}, {345, 515}, {435, 515}} << QList<int>{216, 349, 482}
                             << QList<int>{216, 316, 416, 516} << QList<int>{150, 250, 350, 100, 200, 300};
    QTest::newRow("1024x768") << 2 << QList<QPoint>{{357, 659}, {457, 659}, {547, 659}}
                              << QList<int>{279, 449, 620} << QList<int>{279, 407, 535, 663}
                              << QList<int>{192, 320, 448, 128, 256, 384};
  }
  void controlsStandWhereTheLayoutSays() {
    QFETCH(int, mode);
    QFETCH(QList<QPoint>, buttons);
    QFETCH(QList<int>, amountX);
    QFETCH(QList<int>, soundX);
    QFETCH(QList<int>, rowsY);
    QVERIFY(Create(mode));
    QCOMPARE(fmMain()->AboutButton()->pos(), buttons[0]);
    QCOMPARE(fmMain()->ExitButton()->pos(), buttons[1]);
    QCOMPARE(fmMain()->StartButton()->pos(), buttons[2]);
    for (int i = 0; i < 3; ++i) {
      QCOMPARE(fmMain()->AmountButton(i)->Input()->pos(), QPoint(amountX[i], rowsY[0]));
      QCOMPARE(fmMain()->PositionButton(i)->Input()->pos(), QPoint(amountX[i], rowsY[2]));
      const CObiektGraficzny* caption = fmMain()->Caption(i);
      QCOMPARE(caption->Y(), rowsY[3 + i]);
      QCOMPARE(caption->X(), fixture_->program.state().geometry.screenWidth / 2 - caption->Width() / 2);
    }
    for (int i = 0; i < 4; ++i) QCOMPARE(fmMain()->SoundButton(i)->Input()->pos(), QPoint(soundX[i], rowsY[1]));
    QCOMPARE(fmMain()->g_Menu->pos(), mode == 1 ? QPoint(152, 422) : QPoint(192, 541));
    // The further games' tabs beside the strip, right and left.
    QCOMPARE(fmMain()->g_Menu3->geometry(), mode == 1 ? QRect(652, 422, 144, 64) : QRect(836, 541, 184, 80));
    QCOMPARE(fmMain()->g_Menu4->geometry(), mode == 1 ? QRect(4, 422, 144, 64) : QRect(4, 541, 184, 80));
  }

  void tabStripSwitchesOnlyInsideItsRanges_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("tab");  // 0: unchanged
    QTest::newRow("m1 x0") << 1 << 0 << 0;
    QTest::newRow("m1 x5") << 1 << 5 << 0;
    QTest::newRow("m1 x6") << 1 << 6 << 1;
    QTest::newRow("m1 x250") << 1 << 250 << 1;
    QTest::newRow("m1 x251") << 1 << 251 << 2;
    QTest::newRow("m1 x490") << 1 << 490 << 2;
    QTest::newRow("m1 x491") << 1 << 491 << 0;
    QTest::newRow("m2 x0") << 2 << 0 << 0;
    QTest::newRow("m2 x1") << 2 << 1 << 1;
    QTest::newRow("m2 x315") << 2 << 315 << 1;
    QTest::newRow("m2 x316") << 2 << 316 << 2;
    QTest::newRow("m2 x625") << 2 << 625 << 2;
    QTest::newRow("m2 x626") << 2 << 626 << 0;
  }
  void tabStripSwitchesOnlyInsideItsRanges() {
    QFETCH(int, mode);
    QFETCH(int, x);
    QFETCH(int, tab);
    QVERIFY(Create(mode));
    ShowMenu();
    for (int start : {1, 2}) {
      fixture_->program.state().settings.zakladka = qint16(start);
      const int y = (start == 1) ? 5 : fmMain()->g_Menu->height() - 2;  // Y plays no part
      QTest::mousePress(fmMain()->g_Menu, Qt::RightButton, {}, QPoint(x, y));
      QTest::mouseRelease(fmMain()->g_Menu, Qt::RightButton, {}, QPoint(x, y));
      QCOMPARE(int(fixture_->program.state().settings.zakladka), tab == 0 ? start : tab);
      QCOMPARE(int(fmMain()->PreviousTab()), start);
    }
  }

  void switchingTabsShowsEachGamesOwnChoices() {
    QVERIFY(Create());
    fixture_->program.state().settings.podpisywanieSettings.gloski = 1;
    fixture_->program.state().settings.podpisywanieSettings.pozycja = 256;
    fixture_->program.state().settings.podpisywanieSettings.poziom = 1;
    fixture_->program.state().settings.memorySettings.gloski = 4 | 8;
    fixture_->program.state().settings.memorySettings.pozycja = 1024;
    fixture_->program.state().settings.memorySettings.poziom = 2;
    ShowMenu();
    auto states = [] {
      QString s;
      for (int i = 0; i < 3; ++i) s += fmMain()->AmountButton(i)->State() ? '1' : '0';
      s += ' ';
      for (int i = 0; i < 4; ++i) s += fmMain()->SoundButton(i)->State() ? '1' : '0';
      s += ' ';
      for (int i = 0; i < 3; ++i) s += fmMain()->PositionButton(i)->State() ? '1' : '0';
      return s;
    };
    QCOMPARE(states(), QString("100 1000 100"));
    Click(fmMain()->g_Menu, QPoint(300, 20));  // tab 2
    QCOMPARE(int(fixture_->program.state().settings.zakladka), 2);
    QCOMPARE(states(), QString("010 0011 001"));
    Click(fmMain()->AmountButton(2)->Input());  // "duzo" on tab 2
    QCOMPARE(int(fixture_->program.state().settings.memorySettings.poziom), 3);
    QCOMPARE(int(fixture_->program.state().settings.podpisywanieSettings.poziom), 1);
    // The filling game's tab beside the strip: its sound buttons name pairs.
    fixture_->program.state().settings.uzupelnianieSettings.gloski = 17;
    Click(fmMain()->g_Menu3);
    QCOMPARE(int(fixture_->program.state().settings.zakladka), 3);
    const auto pairsShown = [](bool shown) {
      for (int i = 0; i < 4; ++i) {
        if (fmMain()->PairButton(i)->Input()->isVisible() != shown || fmMain()->SoundButton(i)->Input()->isVisible() == shown) return false;
      }
      return true;
    };
    QVERIFY(pairsShown(true));
    QVERIFY(fmMain()->PairButton(0)->State() && !fmMain()->PairButton(1)->State());
    // The falling game's tab, left of the strip: single sounds again.
    Click(fmMain()->g_Menu4);
    QCOMPARE(int(fixture_->program.state().settings.zakladka), 4);
    QVERIFY(pairsShown(false));
    Click(fmMain()->g_Menu, QPoint(100, 20));  // back to tab 1
    QVERIFY(pairsShown(false));
    QCOMPARE(states(), QString("100 1000 100"));
    // The page picture is drawn at the tab strip.
    const QImage page = platform::LoadBmpFile("Data/Intf/Spec/mT_m1_s.xbi");
    QCOMPARE(fmMain()->WindowCanvas().Image().pixel(152 + 100, 422 + 30), page.pixel(100, 30));
  }

  void choiceHandlersEditTheRecordOfTheCurrentTab() {
    QVERIFY(Create());
    ShowMenu();
    // Tabs 1, 2 and 4 toggle single sound bits; tab 3 toggles pairs.
    for (int tab : {1, 2, 3, 4}) {
      fixture_->program.state().settings.zakladka = qint16(tab);
      CUstGry* record = fmMain()->SettingsForTab(tab);
      record->gloski = 0;
      record->pozycja = 0;
      Click(fmMain()->SoundButton(1)->Input());  // Ż/RZ
      QCOMPARE(int(record->gloski), tab == 3 ? 2 | 32 : 2);
      Click(fmMain()->PositionButton(2)->Input());
      QCOMPARE(int(record->pozycja), 1024);
      Click(fmMain()->AmountButton(0)->Input());
      QCOMPARE(int(record->poziom), 1);
      QVERIFY(fmMain()->AmountButton(0)->State());
      QVERIFY(!fmMain()->AmountButton(1)->State() && !fmMain()->AmountButton(2)->State());
      Click(fmMain()->SoundButton(1)->Input());
      QCOMPARE(int(record->gloski), 0);
    }
    // Outside 1 to 4: a sound does nothing at all; a position or amount
    // changes its picture but no record.
    fixture_->program.state().settings.zakladka = 9;
    const qint16 before[] = {fixture_->program.state().settings.podpisywanieSettings.gloski, fixture_->program.state().settings.podpisywanieSettings.pozycja, fixture_->program.state().settings.podpisywanieSettings.poziom};
    const bool soundWas = fmMain()->SoundButton(0)->State();
    Click(fmMain()->SoundButton(0)->Input());
    QCOMPARE(fmMain()->SoundButton(0)->State(), soundWas);
    const bool positionWas = fmMain()->PositionButton(0)->State();
    Click(fmMain()->PositionButton(0)->Input());
    QCOMPARE(fmMain()->PositionButton(0)->State(), !positionWas);
    Click(fmMain()->AmountButton(2)->Input());
    QVERIFY(fmMain()->AmountButton(2)->State());
    QCOMPARE(fixture_->program.state().settings.podpisywanieSettings.gloski, before[0]);
    QCOMPARE(fixture_->program.state().settings.podpisywanieSettings.pozycja, before[1]);
    QCOMPARE(fixture_->program.state().settings.podpisywanieSettings.poziom, before[2]);
    QCOMPARE(int(fixture_->program.state().settings.memorySettings.poziom), 1);
  }

  void startWithTooFewWordsShowsMessage3AndStartsNothing_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("gloski");
    QTest::addColumn<int>("pozycja");
    QTest::addColumn<int>("poziom");
    QTest::newRow("no sound") << 1 << 0 << 256 << 1;
    QTest::newRow("no position") << 2 << 1 << 0 << 1;
    QTest::newRow("labelling level 2 needs 10") << 1 << 1 << 256 << 2;
    QTest::newRow("memory level 2 needs 8") << 2 << 1 << 256 << 2;
    QTest::newRow("labelling without a task") << 1 << 1 << 256 << 0;
    QTest::newRow("filling without a pair") << 3 << 0 << 256 << 1;
    QTest::newRow("filling, DŻ – DZ final") << 3 << (8 | 128) << 1024 << 1;
    QTest::newRow("falling without a sound") << 4 << 0 << 256 << 1;
  }
  void startWithTooFewWordsShowsMessage3AndStartsNothing() {
    QFETCH(int, tab);
    QFETCH(int, gloski);
    QFETCH(int, pozycja);
    QFETCH(int, poziom);
    QVERIFY(Create());
    fixture_->program.state().settings.zakladka = qint16(tab);
    CUstGry* record = fmMain()->SettingsForTab(tab);
    record->gloski = qint16(gloski);
    record->pozycja = qint16(pozycja);
    record->poziom = qint16(poziom);
    ShowMenu();
    QString shownText;
    bool gameShown = false;
    WhenShown(fmKomunikat(), [&] {
      shownText = fmKomunikat()->findChild<QLabel*>()->text();
      gameShown = fmMemory()->isVisible() || fmPodpisywanie()->isVisible() || fixture_->program.fmUzupelnianie()->isVisible() || fixture_->program.fmSpadajace()->isVisible();
      Click(fmKomunikat()->findChild<CPrzyciskP*>());
    });
    Click(fmMain()->StartButton());
    QCOMPARE(shownText, QString::fromUtf8("Proszę wybrać większą liczbę głosek lub pozycji."));
    QVERIFY(!gameShown);
    QVERIFY(!fmKomunikat()->isVisible());
    QVERIFY(fmMain()->isVisible());
    QVERIFY(fmMain()->Recorder()->Wlaczony());
  }

  void aboutBoxOpensAndClosesByButtonAndEscape() {
    QVERIFY(Create());
    ShowMenu();
    int opened = 0;
    WhenShown(fmOProgramie(), [&] {
      ++opened;
      Click(fmOProgramie()->findChild<CPrzyciskP*>());
    });
    Click(fmMain()->AboutButton());
    QCOMPARE(opened, 1);
    QVERIFY(!fmOProgramie()->isVisible());
    WhenShown(fmOProgramie(), [&] {
      ++opened;
      QTest::keyClick(fmOProgramie(), Qt::Key_Escape);
    });
    Click(fmMain()->AboutButton());
    QCOMPARE(opened, 2);
    QVERIFY(!fmOProgramie()->isVisible());
  }

  void resultsButtonCoversNothingAndOpensTheResultsModally_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("fullScreen");  // and then the window opens maximised
    QTest::newRow("800x600") << 1 << false;
    QTest::newRow("1024x768") << 2 << false;
    QTest::newRow("full-screen view on a large display") << 3 << true;
  }
  void resultsButtonCoversNothingAndOpensTheResultsModally() {
    QFETCH(int, mode);
    QFETCH(bool, fullScreen);
    QVERIFY(Create(mode));
    fixture_->program.state().view.Set(fullScreen);
    ShowMenu();
    const QRect button = fmMain()->ResultsButton()->geometry();
    QVERIFY(QRect(0, 0, fmMain()->ClientWidth(), fmMain()->ClientHeight()).contains(button));
    for (const QWidget* other : fmMain()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (other != fmMain()->ResultsButton() && other->isVisible())
        QVERIFY2(!other->geometry().intersects(button), qPrintable(other->objectName()));
    }
    for (int i = 0; i < 3; ++i) {
      const CObiektGraficzny* c = fmMain()->Caption(i);
      QVERIFY(!QRect(c->X(), c->Y(), c->Width(), c->Height()).intersects(button));
    }

    bool seen = false;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
      auto* results = fmMain()->findChild<ResultsWindow*>();
      if (!results || !results->isVisible()) return;
      poll.stop();
      seen = true;
      QCOMPARE(results->windowTitle(), QStringLiteral("Wyniki"));
      QCOMPARE(QApplication::activeModalWidget(), results);
      QCOMPARE(results->isMaximized(), fullScreen);
      // The program's own statistics file, new and empty: no complaint,
      // only the kind word that no game is saved yet.
      QCOMPARE(results->Notice()->property("kind").toString(), QStringLiteral("info"));
      results->reject();
    });
    poll.start(5);
    Click(fmMain()->ResultsButton(), QPoint(35, 30));
    QVERIFY(seen);
    QVERIFY(fmMain()->findChild<ResultsWindow*>() == nullptr);
    QVERIFY(fmMain()->isVisible());
  }

  void leavingGoesThroughTheClosingScreenAndClosesTheMenu() {
    QVERIFY(Create());
    ShowMenu();
    QSignalSpy closed(fmMain(), &platform::Form::Closed);
    bool menuHidden = false;
    WhenShown(fmReklama(), [&] {
      menuHidden = !fmMain()->isVisible();
      QTest::keyClick(fmReklama(), Qt::Key_Escape);  // takes no keys
      QVERIFY(fmReklama()->isVisible());
      Click(fmReklama()->findChild<CPrzyciskP*>());
    });
    QTest::keyClick(fmMain(), Qt::Key_Escape);
    QVERIFY(menuHidden);
    QCOMPARE(closed.count(), 1);
  }

  void firstShowingRemovesTheSplashAfterTwoSeconds() {
    QVERIFY(Create());
    // The splash comes before the screens, as at start-up.
    Program& program = fixture_->program;
    program.DestroyScreens();
    program.CreateSplash();
    program.CreateScreens();
    ShowMenu();
    QVERIFY(program.fmSplash() == nullptr);
    QCOMPARE(sleep_->sleeps, std::vector<int>{2000});
    fmMain()->hide();
    fmMain()->show();
    QCOMPARE(sleep_->sleeps.size(), size_t(1));
  }

  void destroyingTheMenuWritesTheConfiguration() {
    QVERIFY(Create());
    fixture_->program.state().settings.launchCount = 7;
    fixture_->program.DestroyScreens();
    QVERIFY(fixture_->dir.Read("Data/data.ini").contains("LU=7\n"));
  }

 private:
  // The program in a screen mode, as start-up makes it; false when it could
  // not be made.
  bool Create(int mode = 1) {
    fixture_ = std::make_unique<testing::ProgramFixture>(mode);
    current = fixture_.get();
    return fixture_->ready;
  }
  void ShowMenu() {
    fmMain()->show();
    QVERIFY(QTest::qWaitForWindowExposed(fmMain()));
    fmMain()->Repaint();
  }

  std::unique_ptr<testing::ProgramFixture> fixture_;
  std::unique_ptr<testing::FakeSleep> sleep_;
};

QTEST_MAIN(MenuTest)
#include "tst_menu.moc"
