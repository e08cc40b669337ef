// The filling game on its real screen, offscreen, with the build's content:
// answer tiles dragged and clicked into the gap, a second wrong try, the
// hint. A whole game to its record is played from outside by the desktop
// smoke test.
#include <QtTest>

#include "catalogue/_cslowa.h"
#include "games/filling/screen.h"
#include "results/_cstatrec.h"
#include "support/fakeclock.h"
#include "support/microphone.h"
#include "support/program.h"
#include "support/seams.h"

using namespace testing;

namespace {

// The program around the filling screen as the menu leaves it: SZ – S,
// word-initial, little work.
struct Game {
  Game() : app(2) {
    if (!app.ready) return;
    CUstGry& settings = app.program.state().settings.uzupelnianieSettings;
    settings.gloski = 17;
    settings.pozycja = 256;
    settings.poziom = 1;
    app.program.slowa()->Wybierz(settings);
    Screen().show();
    ready = QTest::qWaitForWindowExposed(&Screen());
  }
  filling::Screen& Screen() const { return *app.program.fmUzupelnianie(); }
  filling::Board& Board() const { return *Screen().Plansza(); }
  const filling::Task& Task() const { return *Board().Zasady().CurrentTask(); }
  CPrzGloska* Answer(bool right) const {
    for (CPrzGloska* tile : Board().Odpowiedzi()) {
      if ((tile->Nazwa == Task().right) == right) return tile;
    }
    return nullptr;
  }
  QString Counts() const {
    const CStatRec& s = *app.program.statRec();
    return QStringLiteral("%1:%2:%3").arg(s.Correct()).arg(s.Wrong()).arg(s.Hints());
  }

  FakeClock clock;
  FakeMicrophone microphone;
  FakeSound sound;
  FakeSleep sleep;
  ProgramFixture app;
  bool ready = false;
};

// Into the gap: dragged there by a grip, or clicked where it waits.
void Put(CPrzGloska* tile, QPoint gap, bool drag) {
  const QPoint grip(20, 20);
  QWidget* area = tile->Obraz;
  const QPoint target = drag ? gap - area->pos() + grip : grip;
  QTest::mousePress(area, Qt::LeftButton, {}, grip);
  if (drag) QTest::mouseMove(area, target);
  QTest::mouseRelease(area, Qt::LeftButton, {}, target);
}

}  // namespace

class FillingTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void answersAndTheHint_data() {
    QTest::addColumn<QString>("script");  // r/w: right/wrong tile dragged, c: right one clicked, h: "Pomoc"
    QTest::addColumn<QString>("counts");  // correct:wrong:hints
    QTest::addColumn<QString>("gap");     // what the gap holds afterwards
    QTest::addColumn<bool>("solved");
    QTest::newRow("right dragged") << "r" << "1:0:0" << "right" << true;
    QTest::newRow("right clicked") << "c" << "1:0:0" << "right" << true;
    QTest::newRow("wrong goes back") << "w" << "0:1:0" << "" << false;
    QTest::newRow("second wrong try") << "ww" << "0:2:0" << "right" << true;
    QTest::newRow("hint, then right") << "hr" << "1:0:1" << "right" << true;
  }
  void answersAndTheHint() {
    QFETCH(QString, script);
    QFETCH(QString, counts);
    QFETCH(QString, gap);
    QFETCH(bool, solved);
    Game g;
    QVERIFY(g.ready);
    QCOMPARE(g.Board().Zasady().Count(), 5);
    const QString word = g.Task().key;
    QVERIFY(g.sound.started.last().endsWith(word + QStringLiteral(".pw")));
    const QPoint home = g.Answer(false)->Pozycja();
    for (QChar step : script) {
      g.sound.played.clear();
      if (step == u'h') {
        g.Screen().A_Pomoc.Execute(nullptr);
      } else {
        Put(g.Answer(step != u'w'), g.Board().Luka()->Pozycja(), step != u'c');
      }
      // Every answer says the word again; the hint says it slowly.
      QVERIFY2(g.sound.played.last().endsWith(word + (step == u'h' ? QStringLiteral("_w.pw") : QStringLiteral(".pw"))),
               qPrintable(g.sound.played.join(u' ')));
    }
    QCOMPARE(g.Counts(), counts);
    const CPrzGloska* inGap = g.Board().Luka()->Gloska();
    QCOMPARE(inGap ? (inGap->Nazwa == g.Task().right ? QStringLiteral("right") : inGap->Nazwa) : QString(), gap);
    QCOMPARE(g.Board().Zasady().IsSolved(), solved);
    // A solved task keeps only the right tile; an open one both, the wrong at home.
    QCOMPARE(int(g.Board().Odpowiedzi().size()), solved ? 0 : 2);
    if (!solved) QCOMPARE(g.Answer(false)->Pozycja(), home);
    QCOMPARE(g.Screen().TimerDalej()->Enabled(), solved);
    QCOMPARE(g.Screen().PrzyciskPomoc()->Image()->Visible(), !solved);
    // A solved word may be recorded by the child.
    QCOMPARE(g.Screen().Mikrofon()->Widoczny(), solved);
  }
};

QTEST_MAIN(FillingTest)
#include "tst_filling.moc"
