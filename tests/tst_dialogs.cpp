// The windows around the games: the child's message dialog, the end-of-game
// summary, the about box and the closing screen, real windows on the built
// artwork, shown modally and driven by real mouse and key events; and the
// menu's recorder.
#include <QtTest>

#include <QDir>
#include <QLabel>
#include <QUrl>
#include <functional>

#include "menu/Main.h"
#include "menu/_cnagrywanie.h"
#include "platform/jpeg.h"
#include "platform/system.h"
#include "results/Koniecgry.h"
#include "results/_cstatrec.h"
#include "screens/Oprogramie.h"
#include "screens/Reklama.h"
#include "screens/Komunikat.h"
#include "shell/_cblad.h"
#include "words/_custgry.h"
#include "shell/_specfunc.h"
#include "support/fakeclock.h"
#include "support/pictures.h"
#include "support/program.h"
#include "support/programdir.h"
#include "support/seams.h"
#include "widgets/_cprzycisk.h"

using namespace testing;

namespace {

struct ModalRun {
  int result = -1;
  bool closedByItself = true;
};

// Shows the form modally and runs `drive` once it is on screen. A window the
// drive leaves open is closed after a few seconds so that the suite cannot
// hang; the run then says it did not close by itself.
ModalRun RunModal(platform::Form* form, const std::function<void()>& drive) {
  ModalRun run;
  QTimer guard;
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, form, [&] {
    run.closedByItself = false;
    form->SetModalResult(-99);
  });
  QTimer::singleShot(0, form, [&] {
    QVERIFY(QTest::qWaitForWindowExposed(form));
    drive();
  });
  guard.start(5000);
  run.result = form->ShowModal();
  return run;
}

// True when building raises the missing-resources error.
bool IsMissingResources(const std::function<void()>& build) {
  try {
    build();
  } catch (const CBlad& e) {
    return e.code == 1;
  }
  return false;
}

// A drag on the window body. The pointer starts where the press is and moves
// on the screen: once the window follows it, the same screen point lies
// elsewhere in the window.
void DragBody(QWidget* window, QPoint from, QPoint by, Qt::MouseButton button = Qt::LeftButton) {
  const QPoint start = window->mapToGlobal(from);
  QCursor::setPos(start);
  QTest::mousePress(window, button, {}, from);
  for (const QPoint step : {start + by / 2, start + by}) QTest::mouseMove(window, window->mapFromGlobal(step));
  QTest::mouseRelease(window, button, {}, window->mapFromGlobal(start + by));
}

// A game in `store`: `correct` and `wrong` answers, `hints` hints, `seconds`
// long, stopped and saved as the game screens do before the summary.
void PlayGame(FakeClock& clock, CStatRec& store, int correct, int wrong, int hints, int seconds) {
  // The store reads the record when it writes the game.
  const CUstGry settings(QStringLiteral("Podpisywanie"));
  store.StartGame(1, settings);
  for (int i = 0; i < correct; ++i) store.AddCorrect();
  for (int i = 0; i < wrong; ++i) store.AddWrong();
  for (int i = 0; i < hints; ++i) store.AddHint();
  clock.AdvanceMs(qint64(seconds) * 1000);
  store.StopGame();
  store.WriteRecord(true);
}

void ClickMiddle(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }

// Records what the program asks the desktop to open.
struct FakeOpener {
  FakeOpener() {
    testing::Plugs().openUrl = [this](const QString& url) {
      opened << url;
      return true;
    };
  }
  ~FakeOpener() { testing::Plugs().openUrl = {}; }
  QStringList opened;
};

// Where a label's text is drawn, in window coordinates: its box is wider than
// the text for the fixed-width lines.
QRect TextRect(const QLabel* label) {
  const QFontMetrics metrics(label->font());
  const QRect box = label->geometry();
  if (!label->pixmap().isNull()) return box;
  const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
  return metrics.boundingRect(box, flags, label->text());
}

}  // namespace

class DialogsTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void init() {
    dir_ = std::make_unique<ProgramDir>();
    QVERIFY(dir_->UseBuiltContent());
    state_ = testing::SessionIn(dir_->Path(), 1);
  }
  void cleanup() { dir_.reset(); }

  // --- message dialog --------------------------------------------------------

  void messageCodesGiveTheirTextsAndAnyOtherCodeAnError_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::newRow("1") << 1 << QStringLiteral("Proszę wybrać większą liczbę głosek.");
    QTest::newRow("2") << 2 << QStringLiteral("Proszę wybrać większą liczbę pozycji głosek.");
    QTest::newRow("3") << 3 << QStringLiteral("Proszę wybrać większą liczbę głosek lub pozycji.");
    QTest::newRow("10") << 10 << QStringLiteral("Proszę wybrać pozycję i wprowadzić nazwę nagrania.");
    QTest::newRow("11") << 11 << QStringLiteral("Proszę wprowadzić nazwę dla nagrania.");
    QTest::newRow("20") << 20 << QStringLiteral("Proszę wybrać pozycję do odtworzenia.");
    QTest::newRow("21") << 21 << QStringLiteral("Brak nagrania dla wybranej pozycji.");
    QTest::newRow("0") << 0 << QStringLiteral("Błąd.");
    QTest::newRow("4") << 4 << QStringLiteral("Błąd.");
    QTest::newRow("12") << 12 << QStringLiteral("Błąd.");
    QTest::newRow("-1") << -1 << QStringLiteral("Błąd.");
  }
  void messageCodesGiveTheirTextsAndAnyOtherCodeAnError() {
    QFETCH(int, code);
    QFETCH(QString, text);
    TfmKomunikat dialog(state_.content);
    dialog.SetMessage(code);
    QCOMPARE(dialog.vL_Komunikat->text(), text);
    QVERIFY(!dialog.isVisible());  // setting the text does not show it
  }

  void everyMessageFitsItsLabel() {
    TfmKomunikat dialog(state_.content);
    QLabel* label = dialog.vL_Komunikat;
    QCOMPARE(label->geometry(), QRect(18, 59, 385, 97));
    for (int code : {1, 2, 3, 10, 11, 20, 21, 99}) {
      dialog.SetMessage(code);
      const QFontMetrics metrics(label->font());
      // Wrapped where needed, no text needs more height than the label has.
      const QRect laidOut = metrics.boundingRect(QRect(0, 0, 385, 1000), Qt::AlignCenter | Qt::TextWordWrap,
                                                 label->text());
      QVERIFY2(laidOut.width() <= 385 && laidOut.height() <= 97, qPrintable(label->text()));
    }
  }

  void dialogIsRoundedAndItsCornersAreNotPartOfIt() {
    TfmKomunikat dialog(state_.content);
    QCOMPARE(dialog.size(), QSize(420, 250));
    const QRegion shape = dialog.mask();
    QVERIFY(!shape.contains(QPoint(0, 0)));
    QVERIFY(!shape.contains(QPoint(419, 0)));
    QVERIFY(!shape.contains(QPoint(0, 249)));
    QVERIFY(!shape.contains(QPoint(419, 249)));
    QVERIFY(shape.contains(QPoint(210, 125)));
    // The straight edges belong to it, away from the corners.
    QVERIFY(shape.contains(QPoint(0, 125)));
    QVERIFY(shape.contains(QPoint(419, 125)));
    QVERIFY(shape.contains(QPoint(210, 249)));
  }

  void dialogWithoutItsPictureOrWithABrokenOneIsMissingResources() {
    ProgramDir bare;  // no content at all
    QVERIFY(IsMissingResources([&] { TfmKomunikat dialog(session::ContentRoot(bare.Path())); }));
    bare.Write("Data/Intf/Spec/mKom_kp.xji", QByteArray("not a picture at all"));
    QVERIFY(IsMissingResources([&] { TfmKomunikat dialog(session::ContentRoot(bare.Path())); }));
    // A good picture but no button artwork is missing resources too.
    bare.WriteJpeg("Data/Intf/Spec/mKom_kp.xji", 420, 250);
    QVERIFY(IsMissingResources([&] { TfmKomunikat dialog(session::ContentRoot(bare.Path())); }));
  }

  void stopButtonClosesTheDialogAndReturnsToTheCaller() {
    TfmKomunikat dialog(state_.content);
    dialog.SetMessage(3);
    CPrzyciskP* stop = dialog.StopButton();
    QCOMPARE(stop->geometry().topLeft(), QPoint(180, 150));
    bool escapeIgnored = false;
    const ModalRun run = RunModal(&dialog, [&] {
      // The dialog takes no keys.
      QTest::keyClick(&dialog, Qt::Key_Escape);
      QTest::keyClick(&dialog, Qt::Key_Return);
      escapeIgnored = dialog.isVisible();
      QTest::mouseClick(stop, Qt::LeftButton, {}, QPoint(stop->width() / 2, stop->height() / 2));
    });
    QVERIFY(escapeIgnored);
    QVERIFY(run.closedByItself);
    QVERIFY(!dialog.isVisible());
    // It can be shown again for the next message.
    dialog.SetMessage(1);
    QVERIFY(RunModal(&dialog, [&] { QTest::mouseClick(stop, Qt::LeftButton, {}, QPoint(20, 20)); }).closedByItself);
  }

  void dialogPaintsItsPictureWithTheButtonOverIt() {
    TfmKomunikat dialog(state_.content);
    QImage shown;
    RunModal(&dialog, [&] {
      QCoreApplication::processEvents();
      shown = dialog.WindowCanvas().Image().copy();
      dialog.Close();
    });
    const QImage picture = platform::LoadJpegFile("Data/Intf/Spec/mKom_kp.xji");
    QCOMPARE(shown.pixelColor(60, 30), picture.pixelColor(60, 30));
    // Where the button stands, the window shows the button, not the picture.
    const QImage normal = QImage("Data/Pict/stop_D.png").convertToFormat(QImage::Format_RGB32);
    const QPoint inButton(35, 30);
    QCOMPARE(shown.pixelColor(QPoint(180, 150) + inButton), normal.pixelColor(inButton));
  }

  void dialogAndSummaryStandCentredOverTheMainWindow_data() {
    QTest::addColumn<int>("mode");
    QTest::newRow("800x600: dialog and summary") << 1;
    QTest::newRow("a window on a large display: the closing screen") << 3;
  }
  void dialogAndSummaryStandCentredOverTheMainWindow() {
    QFETCH(int, mode);
    ProgramFixture fixture(mode);
    QVERIFY(fixture.ready);
    platform::Form* menu = fixture.program.fmMain();
    menu->move(40, 20);
    std::vector<platform::Form*> forms{fixture.program.fmKomunikat(), fixture.program.fmKoniecGry()};
    if (mode == 3) {
      forms = {fixture.program.fmReklama()};
      menu->show();  // left from the menu, the window in front
      menu->activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(menu));
    }
    for (platform::Form* form : forms) {
      QPoint where;
      RunModal(form, [&] {
        where = form->pos();
        form->SetModalResult(TfmKoniecGry::kClose);
      });
      QCOMPARE(where, QPoint(40 + (menu->width() - form->width()) / 2, 20 + (menu->height() - form->height()) / 2));
    }
  }

  void pressingTheBodyOrTheTextDragsTheDialogAndOnlyWithTheLeftButton() {
    TfmKomunikat dialog(state_.content);
    dialog.SetMessage(3);
    QPoint afterText, afterBody, afterRight, start;
    RunModal(&dialog, [&] {
      start = dialog.pos();
      // On the text: the label lets the press through to the window.
      DragBody(&dialog, QPoint(200, 90), QPoint(30, 20));
      afterText = dialog.pos();
      DragBody(&dialog, QPoint(30, 200), QPoint(-10, 15));
      afterBody = dialog.pos();
      DragBody(&dialog, QPoint(30, 200), QPoint(50, 50), Qt::RightButton);
      afterRight = dialog.pos();
      dialog.Close();
    });
    QCOMPARE(afterText, start + QPoint(30, 20));
    QCOMPARE(afterBody, afterText + QPoint(-10, 15));
    QCOMPARE(afterRight, afterBody);
  }

  // --- recorder --------------------------------------------------------------

  void recorderKeepsTheMenuProtocolClosedAndNeverCompletes() {
    int completions = 0;
    auto recorder = std::make_unique<CNagrywanie>([&] { ++completions; }, [&] { ++completions; });
    QVERIFY(recorder->Wlaczony());
    QVERIFY(!recorder->Otwarty());
    // The menu paints, starts a game and comes back.
    recorder->Zamknij();
    recorder->ZamknijIWylacz();
    QVERIFY(!recorder->Wlaczony());
    QVERIFY(!recorder->Otwarty());
    recorder->Wlacz();
    recorder->Zamknij();
    recorder->Zatrzymaj();
    QVERIFY(recorder->Wlaczony());
    QVERIFY(!recorder->Otwarty());
    QVERIFY(!recorder->Nagrywa());
    QVERIFY(!recorder->Odtwarza());
    // A second game switches it off and on again the same way.
    recorder->ZamknijIWylacz();
    recorder->Wlacz();
    QVERIFY(recorder->Wlaczony());
    recorder.reset();  // destroyed while closed
    QCOMPARE(completions, 0);
  }

  // --- summary ---------------------------------------------------------------

  void summaryShowsTheStoreAndItsRatingAtEveryShowing() {
    FakeClock clock;
    CStatRec store(testing::Clock(), 6);
    TfmKoniecGry summary(state_.content, &store);
    QCOMPARE(summary.BackgroundName(), 'M');  // before any game

    struct Shown {
      QString czas, dobre, zle, pomoc;
      char background = 0;
    };
    auto look = [&](Shown& s) {
      s = {summary.lab_Czas->text(), summary.lab_Dobre->text(), summary.lab_Zle->text(), summary.lab_Pomoc->text(),
           summary.BackgroundName()};
    };

    // A good game: start plays again.
    PlayGame(clock, store, 10, 5, 2, 125);
    Shown first;
    ModalRun run = RunModal(&summary, [&] {
      look(first);
      QTest::mouseClick(summary.StartButton(), Qt::LeftButton, {}, QPoint(30, 30));
    });
    QCOMPARE(run.result, TfmKoniecGry::kPlayAgain);
    QCOMPARE(first.czas, QStringLiteral("2 min 5 s"));
    QCOMPARE(first.dobre, QStringLiteral("10"));
    QCOMPARE(first.zle, QStringLiteral("5"));
    QCOMPARE(first.pomoc, QStringLiteral("2"));
    QCOMPARE(first.background, 'G');
    QVERIFY(!summary.lab_Brak->isVisible());

    // A fair game, closed by its stop button: new values, new picture.
    PlayGame(clock, store, 10, 6, 0, 59);
    Shown second;
    run = RunModal(&summary, [&] {
      look(second);
      QTest::mouseClick(summary.StopButton(), Qt::LeftButton, {}, QPoint(30, 30));
    });
    QCOMPARE(run.result, TfmKoniecGry::kClose);
    QCOMPARE(second.czas, QStringLiteral("0 min 59 s"));
    QCOMPARE(second.dobre, QStringLiteral("10"));
    QCOMPARE(second.zle, QStringLiteral("6"));
    QCOMPARE(second.pomoc, QStringLiteral("0"));
    QCOMPARE(second.background, 'M');

    // A game with no answers at all rates poor; Escape closes like stop.
    PlayGame(clock, store, 0, 0, 1, 3);
    Shown third;
    run = RunModal(&summary, [&] {
      look(third);
      QTest::keyClick(&summary, Qt::Key_Escape);
    });
    QCOMPARE(run.result, TfmKoniecGry::kClose);
    QVERIFY(run.closedByItself);
    QCOMPARE(third.background, 'B');
    QCOMPARE(third.dobre, QStringLiteral("0"));
  }

  void summarySaysWhenTheGameCouldNotBeSavedAndClosesFromOutsideLikeStop() {
    FakeClock clock;
    delete new CStatRec(testing::Clock(), 6);  // the file with its header, then a disk that takes nothing more
    CStatRec store(testing::Clock(), 6, [](QFileDevice&, const char*, qint64) { return qint64(-1); });
    TfmKoniecGry summary(state_.content, &store);
    PlayGame(clock, store, 3, 1, 0, 20);
    bool lostShown = false;
    ModalRun run = RunModal(&summary, [&] {
      lostShown = summary.lab_Niezapisany->isVisible();
      CloseFromOutside(&summary);
    });
    QVERIFY(lostShown);
    QCOMPARE(summary.lab_Niezapisany->text(), QString::fromUtf8("Wynik nie został zapisany."));
    QCOMPARE(run.result, TfmKoniecGry::kClose);

    // A game dropped for want of activity was not due: nothing is said.
    const CUstGry settings(QStringLiteral("Podpisywanie"));
    store.StartGame(1, settings);
    store.OnIdleTimeout();
    store.StopGame();
    QVERIFY(!store.WriteRecord(true));
    RunModal(&summary, [&] {
      lostShown = summary.lab_Niezapisany->isVisible();
      summary.Close();
    });
    QVERIFY(!lostShown);
  }

  void summaryBackgroundIsThePictureOfTheRating() {
    FakeClock clock;
    CStatRec store(testing::Clock(), 6);
    TfmKoniecGry summary(state_.content, &store);
    const struct {
      int correct, wrong;
      const char* file;
    } games[] = {{4, 10, "mStatsB"}, {10, 6, "mStatsM"}, {10, 5, "mStatsG"}};
    for (const auto& game : games) {
      PlayGame(clock, store, game.correct, game.wrong, 0, 10);
      QImage shown;
      RunModal(&summary, [&] {
        QCoreApplication::processEvents();
        shown = summary.WindowCanvas().Image().copy();
        summary.SetModalResult(TfmKoniecGry::kClose);
      });
      const QImage picture =
          platform::LoadJpegFile(QStringLiteral("Data/Intf/Spec/%1.xji").arg(QLatin1String(game.file)));
      // The sky above the results, clear of the buttons and the text.
      for (const QPoint p : {QPoint(40, 40), QPoint(300, 20), QPoint(560, 150)}) {
        QCOMPARE(shown.pixelColor(p), picture.pixelColor(p));
      }
    }
  }

  void summaryValuesStayClearOfTheirCaptions() {
    FakeClock clock;
    CStatRec store(testing::Clock(), 6);
    TfmKoniecGry summary(state_.content, &store);
    // Wide values: close to an hour of play and three-digit counts.
    PlayGame(clock, store, 999, 999, 999, 59 * 60 + 59);
    RunModal(&summary, [&] { summary.SetModalResult(TfmKoniecGry::kClose); });
    for (QLabel* value : {summary.lab_Czas, summary.lab_Dobre, summary.lab_Zle, summary.lab_Pomoc}) {
      const int textWidth = QFontMetrics(value->font()).horizontalAdvance(value->text());
      QVERIFY2(textWidth <= value->width(), qPrintable(value->text()));
      const int textLeft = value->geometry().right() + 1 - textWidth;
      // The caption on the same row ends before the value begins.
      for (QLabel* caption : summary.findChildren<QLabel*>()) {
        if (caption == value || caption->y() != value->y() || !caption->isVisible()) continue;
        QVERIFY2(caption->geometry().right() < textLeft, qPrintable(caption->text()));
      }
    }
  }

  void summaryDragsWithTheLeftButtonOnly() {
    CStatRec store(testing::Clock(), 6);
    TfmKoniecGry summary(state_.content, &store);
    QPoint start, afterLeft, afterRight;
    RunModal(&summary, [&] {
      start = summary.pos();
      DragBody(&summary, QPoint(300, 120), QPoint(25, -15));
      afterLeft = summary.pos();
      DragBody(&summary, QPoint(300, 120), QPoint(40, 40), Qt::RightButton);
      afterRight = summary.pos();
      summary.SetModalResult(TfmKoniecGry::kClose);
    });
    QCOMPARE(afterLeft, start + QPoint(25, -15));
    QCOMPARE(afterRight, afterLeft);
  }

  // --- about box and closing screen ------------------------------------------

  void buttonsStandWhereTheScreenSizeSays_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QPoint>("about");
    QTest::addColumn<QPoint>("closing");
    QTest::newRow("800x600") << 1 << QPoint(360, 480) << QPoint(345, 515);
    QTest::newRow("1024x768") << 2 << QPoint(472, 614) << QPoint(457, 659);
  }
  void buttonsStandWhereTheScreenSizeSays() {
    QFETCH(int, mode);
    QFETCH(QPoint, about);
    QFETCH(QPoint, closing);
    state_ = testing::SessionIn(dir_->Path(), mode);
    TfmOProgramie box(state_);
    TfmReklama bye(state_);
    QCOMPARE(box.StopButton()->geometry().topLeft(), about);
    QCOMPARE(bye.ExitButton()->geometry().topLeft(), closing);
    QCOMPARE(box.size(), QSize(state_.geometry.screenWidth, state_.geometry.screenHeight));
    QCOMPARE(bye.size(), QSize(state_.geometry.screenWidth, state_.geometry.screenHeight));
    QCOMPARE(box.imgLogo->pos(), mode == 1 ? QPoint(320, 120) : QPoint(410, 145));
  }

  void aboutBoxClosesByItsButtonAndByEscape() {
    state_ = testing::SessionIn(dir_->Path(), 1);
    TfmOProgramie box(state_);
    QVERIFY(RunModal(&box, [&] { ClickMiddle(box.StopButton()); }).closedByItself);
    QVERIFY(!box.isVisible());
    QVERIFY(RunModal(&box, [&] { QTest::keyClick(&box, Qt::Key_Escape); }).closedByItself);
    QVERIFY(!box.isVisible());
  }

  void closingScreenIgnoresKeysAndClosesOnlyByItsButton() {
    state_ = testing::SessionIn(dir_->Path(), 2);
    TfmReklama bye(state_);
    bool stillThere = false;
    QPoint where(-1, -1);
    QVERIFY(RunModal(&bye, [&] {
      where = bye.pos();
      QTest::keyClick(&bye, Qt::Key_Escape);
      QTest::keyClick(&bye, Qt::Key_Return);
      QTest::keyClick(&bye, Qt::Key_Space);
      QCoreApplication::processEvents();
      stillThere = bye.isVisible();
      ClickMiddle(bye.ExitButton());
    }).closedByItself);
    QVERIFY(stillThere);
    QCOMPARE(where, QPoint(0, 0));
  }

  void linksOpenTheManualAndANewMail() {
    state_ = testing::SessionIn(dir_->Path(), 1);
    FakeOpener opener;
    TfmOProgramie box(state_);
    QVERIFY(RunModal(&box, [&] {
      ClickMiddle(box.LabelF6);
      ClickMiddle(box.LabelF7);
      // Pressed on a link and let go elsewhere: nothing opens.
      QTest::mousePress(box.LabelF6, Qt::LeftButton, {}, QPoint(2, 2));
      QTest::mouseRelease(box.LabelF6, Qt::LeftButton, {}, QPoint(-50, 40));
      // A press on plain text opens nothing either.
      ClickMiddle(box.LabelF3);
      box.Close();
    }).closedByItself);
    QCOMPARE(opener.opened.size(), 2);
    const QUrl manual(opener.opened.at(0));
    QVERIFY(manual.isLocalFile());
    QCOMPARE(QDir::cleanPath(manual.toLocalFile()), QDir::cleanPath(dir_->File("Data/manual.html")));
    QCOMPARE(opener.opened.at(1), QStringLiteral("mailto:?subject=Wiadomosc%20z%20Fonikra"));
    QCOMPARE(box.LabelF6->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(box.LabelF7->cursor().shape(), Qt::PointingHandCursor);
  }

  void aLinkThatOpensNothingSaysSo() {
    state_ = testing::SessionIn(dir_->Path(), 1);
    testing::Plugs().openUrl = [](const QString&) { return false; };
    FakeMessageBox boxes;
    TfmOProgramie box(state_);
    RunModal(&box, [&] {
      ClickMiddle(box.LabelF6);
      ClickMiddle(box.LabelF7);
      box.Close();
    });
    testing::Plugs().openUrl = {};
    QCOMPARE(boxes.shown.size(), size_t(2));
    QVERIFY(boxes.shown[0].text.contains(QString::fromUtf8("przeglądarki")));
    QVERIFY(boxes.shown[1].text.contains(QString::fromUtf8("pocztowego")));
  }

  void aboutTextsDoNotOverlapAndStayOnTheMiddleOfThePicture_data() {
    QTest::addColumn<int>("mode");
    QTest::newRow("800x600") << 1;
    QTest::newRow("1024x768") << 2;
  }
  void aboutTextsDoNotOverlapAndStayOnTheMiddleOfThePicture() {
    QFETCH(int, mode);
    state_ = testing::SessionIn(dir_->Path(), mode);
    TfmOProgramie box(state_);
    QVERIFY(box.LabelVer->text().contains(QStringLiteral(FONIKRA_VERSION)));
    const QList<QLabel*> labels = box.findChildren<QLabel*>();
    QCOMPARE(labels.size(), 16);  // the logo and fifteen lines
    QVERIFY(box.LabelIkony->text().contains(QStringLiteral("licencja MIT")));
    // The calm middle of the picture, where white text reads.
    const QRect middle(state_.geometry.screenWidth * 14 / 100, state_.geometry.screenHeight * 18 / 100, state_.geometry.screenWidth * 72 / 100,
                       state_.geometry.screenHeight * 59 / 100);
    const QRect button = box.StopButton()->geometry();
    for (int i = 0; i < labels.size(); ++i) {
      const QRect a = TextRect(labels[i]);
      QVERIFY2(labels[i]->geometry().contains(a), qPrintable(labels[i]->text()));  // nothing cut off
      QVERIFY2(middle.contains(a), qPrintable(labels[i]->text()));
      QVERIFY2(!a.intersects(button), qPrintable(labels[i]->text()));
      for (int j = i + 1; j < labels.size(); ++j) {
        QVERIFY2(!a.intersects(TextRect(labels[j])),
                 qPrintable(labels[i]->text() + QStringLiteral(" / ") + labels[j]->text()));
      }
    }
  }

  void aboutBoxSaysWhereTheStatisticsAre_data() {
    QTest::addColumn<int>("mode");
    QTest::newRow("800x600") << 1;
    QTest::newRow("1024x768") << 2;
  }
  void aboutBoxSaysWhereTheStatisticsAre() {
    QFETCH(int, mode);
    state_ = testing::SessionIn(dir_->Path(), mode);
    TfmOProgramie beside(state_);
    QCOMPARE(beside.LabelF4->text(), QStringLiteral("w folderze programu."));
    session::Session home = state_;
    home.files.folder = QDir::homePath() + "/.local/share/Fonikra";
    TfmOProgramie user(home);
    QCOMPARE(user.LabelF4->text(), QStringLiteral("w folderze ~/.local/share/Fonikra"));
    // A folder too long for the picture keeps both ends and stays on it.
    session::Session deepState = state_;
    deepState.files.folder = "/srv/" + QString(40, 'x') + "/Fonikra";
    TfmOProgramie deep(deepState);
    const QString shown = deep.LabelF4->text();
    QVERIFY(shown.startsWith("w folderze /srv/"));
    QVERIFY(shown.endsWith("/Fonikra"));
    QVERIFY(TextRect(deep.LabelF4).right() < state_.geometry.screenWidth * 86 / 100);
  }

  void largeDisplayGivesOrdinaryWindowsWithACaption() {
    state_ = testing::SessionIn(dir_->Path(), 3);
    TfmOProgramie box(state_);
    TfmReklama bye(state_);
    for (platform::Form* form : {static_cast<platform::Form*>(&box), static_cast<platform::Form*>(&bye)}) {
      QVERIFY(!(form->windowFlags() & Qt::FramelessWindowHint));
      QCOMPARE(form->windowTitle(), QStringLiteral("Mini Fonikra Cz.I"));
      QCOMPARE(form->size(), QSize(1024, 768));
    }
    // The closing screen can only be left by its button.
    QVERIFY(!(bye.windowFlags() & Qt::WindowSystemMenuHint));
    QVERIFY(!(bye.windowFlags() & Qt::WindowCloseButtonHint));
  }

  void missingArtworkIsMissingResources() {
    ProgramDir bare;  // no content at all
    const session::Session state = testing::SessionIn(bare.Path(), 1);
    QVERIFY(IsMissingResources([&] { TfmOProgramie box(state); }));
    QVERIFY(IsMissingResources([&] { TfmReklama bye(state); }));
    // Pictures and buttons there, the logo missing.
    bare.WriteJpeg("Data/Intf/Spec/mT_OPro_s.xji", 800, 600);
    bare.WriteJpeg("Data/Intf/Spec/comm_s.xji", 800, 600);
    pictures::WriteButton("stop");
    pictures::WriteButton("wyjdz");
    QVERIFY(IsMissingResources([&] { TfmOProgramie box(state); }));
    pictures::WriteSolid("logo", QSize(184, 62), Qt::yellow);
    TfmOProgramie box(state);
    TfmReklama bye(state);
    // A broken background is as missing as none.
    bare.Write("Data/Intf/Spec/comm_s.xji", QByteArray(100, '\xff'));
    QVERIFY(IsMissingResources([&] { TfmReklama bye(state); }));
  }

 private:
  std::unique_ptr<ProgramDir> dir_;
  session::Session state_;
};

QTEST_MAIN(DialogsTest)
#include "tst_dialogs.moc"
