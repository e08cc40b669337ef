// The shipped catalogue through the real menu: for every cell of the menu
// (one sound, one position) and every amount, Start opens the game exactly
// when the cell holds enough words, and every word a game draws comes with
// its pictures. Real screens, real artwork, the real word list.
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTimer>
#include <QtTest>

#include "games/labelling/podpisywanie.h"
#include "games/memory/memory.h"
#include "menu/Main.h"
#include "results/Koniecgry.h"
#include "results/_cstatrec.h"
#include "screens/Komunikat.h"
#include "words/_custgry.h"
#include "shell/_specfunc.h"
#include "support/program.h"
#include "support/seams.h"
#include "widgets/_cprzycisk.h"
#include "catalogue/_cslowa.h"
#include "words/wordlist.h"

namespace {

// Runs `step` once the given modal window is up, from inside its loop. The
// watch ends with `scope`, so that one never fired cannot act in a later case.
void WhenShown(QObject* scope, QWidget* window, std::function<void()> step) {
  auto* poll = new QTimer(scope);
  QObject::connect(poll, &QTimer::timeout, poll, [=] {
    if (!window->isVisible()) return;
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
    sleep_ = std::make_unique<testing::FakeSleep>();
    sound_ = std::make_unique<testing::FakeSound>();
    if (!QFileInfo(qEnvironmentVariable("FONIKRA_DATA_DIR")).isDir()) QSKIP("the build's content folder is not known");
    fixture_ = std::make_unique<testing::ProgramFixture>(1);
    QVERIFY(fixture_->ready);
    // The catalogue reads the shipped word list when it is made: make it
    // again, and the screens that hold it, with the list in place.
    Program& program = fixture_->program;
    program.DestroyScreens();
    program.DestroyCatalogueAndStore();
    QVERIFY(QFile::link(qEnvironmentVariable("FONIKRA_DATA_DIR") + QStringLiteral("/words.txt"),
                        fixture_->dir.File(QStringLiteral("Data/") + QLatin1String(words::kWordList))));
    program.CreateCatalogueAndStore();
    QVERIFY(program.slowa()->Slownik().size() > 100);  // the list was read, not only the built-in five
    program.CreateScreens();
    program.fmMain()->show();
    QVERIFY(QTest::qWaitForWindowExposed(program.fmMain()));
  }
  void cleanup() {
    fixture_.reset();
    sound_.reset();
    sleep_.reset();
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
    fixture_->program.state().settings.zakladka = qint16(tab);
    CUstGry* record = fixture_->program.fmMain()->SettingsForTab(tab);
    record->gloski = qint16(gloska);
    record->pozycja = qint16(pozycja);
    record->poziom = qint16(poziom);
    Program& program = fixture_->program;
    program.fmMain()->Repaint();

    // What the cell offers, counted independently of the menu.
    int offered = 0;
    for (const auto& w : program.slowa()->Slownik()) {
      if ((w.Flagi & gloska) && (w.Flagi & pozycja)) ++offered;
    }
    const int needed = (tab == 1 ? 5 : 4) * poziom;

    bool gameShown = false;
    bool messageShown = false;
    int drawn = -1;
    bool allPictures = false;
    platform::Form* game =
        tab == 1 ? static_cast<platform::Form*>(program.fmPodpisywanie()) : program.fmMemory();
    QObject scope;
    WhenShown(&scope, game, [&] {
      gameShown = true;
      drawn = int(program.slowa()->Wylosowane.size());
      allPictures = true;
      for (const auto& w : program.slowa()->Wylosowane) {
        if (w.Obrazek.isNull() || (tab == 1 && w.ObrazekDuzy.isNull())) allPictures = false;
      }
      WhenShown(&scope, program.fmKoniecGry(),
                [&] { program.fmKoniecGry()->SetModalResult(TfmKoniecGry::kClose); });
      QTest::keyClick(game, Qt::Key_Escape);
    });
    WhenShown(&scope, program.fmKomunikat(), [&] {
      messageShown = true;
      QTest::mouseClick(program.fmKomunikat()->findChild<CPrzyciskP*>(), Qt::LeftButton, {}, QPoint(10, 10));
    });
    QTest::mouseClick(program.fmMain()->StartButton(), Qt::LeftButton, {}, QPoint(10, 10));

    QCOMPARE(gameShown, offered >= needed);
    QCOMPARE(messageShown, offered < needed);
    if (gameShown) {
      // Memory deals fewer pairs than the words Start asks for.
      QVERIFY(drawn > 0 && drawn <= needed);
      QVERIFY(allPictures);
      QVERIFY(!game->isVisible());
    }
    QVERIFY(program.fmMain()->isVisible());
  }

 private:
  std::unique_ptr<testing::FakeSleep> sleep_;
  std::unique_ptr<testing::FakeSound> sound_;
  std::unique_ptr<testing::ProgramFixture> fixture_;
};

QTEST_MAIN(ContentTest)
#include "tst_content.moc"
