// The shipped catalogue through the real menu: for every cell of the menu
// (one sound, one position) and every amount, Start opens the game exactly
// when the cell holds enough words, and every word a game draws comes with
// its pictures. Real screens, real artwork, the real word list.
#include <QFile>
#include <QLabel>
#include <QTimer>
#include <QtTest>

#include "labelling/Podpisywanie.h"
#include "memory/Memory.h"
#include "menu/Main.h"
#include "results/Koniecgry.h"
#include "results/_cstatrec.h"
#include "shell/Komunikat.h"
#include "shell/_custgry.h"
#include "shell/_specfunc.h"
#include "shell/startup.h"
#include "support/fakeclock.h"
#include "support/programdir.h"
#include "support/seams.h"
#include "widgets/_cprzycisk.h"
#include "words/_cslowa.h"
#include "words/wordlist.h"

using testing::ProgramDir;

namespace {

// Runs `step` once the given modal window is up, from inside its loop. The
// watch ends with `scope`, so that one never fired cannot act in a later case.
void WhenShown(QObject* scope, QWidget* const* window, std::function<void()> step) {
  auto* poll = new QTimer(scope);
  QObject::connect(poll, &QTimer::timeout, qApp, [=] {
    if (!*window || !(*window)->isVisible()) return;
    poll->deleteLater();
    step();
  });
  poll->start(5);
}

}  // namespace

class ContentTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void init() {
    dir_ = std::make_unique<ProgramDir>();
    sleep_ = std::make_unique<testing::FakeSleep>();
    sound_ = std::make_unique<testing::FakeSound>();
    if (!dir_->UseBuiltContent()) QSKIP("the build's content folder is not known");
    QVERIFY(QFile::link(qEnvironmentVariable("FONIKRA_DATA_DIR") + QStringLiteral("/words.txt"),
                        dir_->File(QString::fromLatin1(words::kWordListPath))));
    screenMode = 1;
    screenWidth = 800;
    screenHeight = 600;
    slowa = new CSlowa();
    QVERIFY(slowa->Slownik().size() > 100);  // the list was read, not only the built-in five
    statRec = new CStatRec(6);
    CreateScreens();
    fmMain->show();
    QVERIFY(QTest::qWaitForWindowExposed(fmMain));
  }
  void cleanup() {
    DestroyScreens();
    delete statRec;
    statRec = nullptr;
    delete slowa;
    slowa = nullptr;
    sound_.reset();
    sleep_.reset();
    dir_.reset();
  }

  void startOpensAGameWithAllItsPicturesWhenTheCellHoldsEnoughWords_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("gloska");
    QTest::addColumn<int>("pozycja");
    QTest::addColumn<int>("poziom");
    for (int tab : {1, 2}) {
      for (int g = 0; g < 4; ++g) {
        for (int p = 0; p < 3; ++p) {
          for (int level = 1; level <= 3; ++level) {
            QTest::addRow("%s sound %d position %d level %d", tab == 1 ? "labelling" : "memory", g, p, level)
                << tab << (1 << g) << (0x100 << p) << level;
          }
        }
      }
    }
  }
  void startOpensAGameWithAllItsPicturesWhenTheCellHoldsEnoughWords() {
    QFETCH(int, tab);
    QFETCH(int, gloska);
    QFETCH(int, pozycja);
    QFETCH(int, poziom);
    zakladka = qint16(tab);
    CUstGry* record = TfmMain::SettingsForTab(tab);
    record->gloski = qint16(gloska);
    record->pozycja = qint16(pozycja);
    record->poziom = qint16(poziom);
    fmMain->Repaint();

    // What the cell offers, counted independently of the menu.
    int offered = 0;
    for (const auto& w : slowa->Slownik()) {
      if ((w.Flagi & gloska) && (w.Flagi & pozycja)) ++offered;
    }
    const int needed = (tab == 1 ? 5 : 4) * poziom;

    bool gameShown = false;
    bool messageShown = false;
    int drawn = -1;
    bool allPictures = false;
    platform::Form* game = tab == 1 ? static_cast<platform::Form*>(fmPodpisywanie) : fmMemory;
    QWidget* const* gameWindow =
        tab == 1 ? reinterpret_cast<QWidget* const*>(&fmPodpisywanie) : reinterpret_cast<QWidget* const*>(&fmMemory);
    QObject scope;
    WhenShown(&scope, gameWindow, [&] {
      gameShown = true;
      drawn = int(slowa->Wylosowane.size());
      allPictures = true;
      for (const auto& w : slowa->Wylosowane) {
        if (w.Obrazek.isNull() || (tab == 1 && w.ObrazekDuzy.isNull())) allPictures = false;
      }
      WhenShown(&scope, reinterpret_cast<QWidget* const*>(&fmKoniecGry),
                [] { fmKoniecGry->SetModalResult(TfmKoniecGry::kClose); });
      QTest::keyClick(game, Qt::Key_Escape);
    });
    WhenShown(&scope, reinterpret_cast<QWidget* const*>(&fmKomunikat), [&] {
      messageShown = true;
      QTest::mouseClick(fmKomunikat->findChild<CPrzyciskP*>(), Qt::LeftButton, {}, QPoint(10, 10));
    });
    QTest::mouseClick(fmMain->StartButton(), Qt::LeftButton, {}, QPoint(10, 10));

    QCOMPARE(gameShown, offered >= needed);
    QCOMPARE(messageShown, offered < needed);
    if (gameShown) {
      // Memory deals fewer pairs than the words Start asks for.
      QVERIFY(drawn > 0 && drawn <= needed);
      QVERIFY(allPictures);
      QVERIFY(!game->isVisible());
    }
    QVERIFY(fmMain->isVisible());
  }

 private:
  std::unique_ptr<ProgramDir> dir_;
  std::unique_ptr<testing::FakeSleep> sleep_;
  std::unique_ptr<testing::FakeSound> sound_;
};

QTEST_MAIN(ContentTest)
#include "tst_content.moc"
