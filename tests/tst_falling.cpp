// The falling game on its real screen, offscreen, with the build's content
// and frames given by hand: catches, a miss and the hint. The record of a
// game is the desktop smoke test's.
#include <QtTest>

#include "catalogue/_cslowa.h"
#include "games/falling/screen.h"
#include "results/_cstatrec.h"
#include "support/fakeclock.h"
#include "support/program.h"
#include "support/seams.h"
#include "words/wordlist.h"

using namespace testing;

namespace {

// The program around the falling screen as the menu leaves it: SZ,
// word-initial, little work; its frames come only from the test.
struct Game {
  Game() : app(2) {
    if (!app.ready) return;
    // The build's whole word list, as the program reads it beside the
    // built-in words: the wrong pictures come from it.
    CSlowa& slowa = *app.program.slowa();
    for (SPaczka& slowo : words::LoadWordList(qEnvironmentVariable("FONIKRA_DATA_DIR") + QStringLiteral("/words.txt"))) {
      if (!slowa.Ma(slowo.Nazwa)) slowa.Dodaj(std::move(slowo));
    }
    CUstGry& settings = app.program.state().settings.spadajaceSettings;
    settings.gloski = 1;
    settings.pozycja = 256;
    settings.poziom = 1;
    app.program.slowa()->Wybierz(settings);
    Screen().show();
    ready = QTest::qWaitForWindowExposed(&Screen());
    Screen().TimerKlatki()->SetEnabled(false);
  }
  falling::Screen& Screen() const { return *app.program.fmSpadajace(); }
  const falling::Rules& Rules() const { return Screen().Scena()->rules(); }
  // Frames until a picture of that kind is wholly in; none after a minute.
  const falling::Picture* Next(bool right) {
    for (int ms = 0; ms < 60000; ms += 16) {
      Screen().Klatka(16);
      for (const falling::Picture& p : Rules().InAir()) {
        if (p.word.right == right && p.place.top() >= 0) return &p;
      }
    }
    return nullptr;
  }
  QString Counts() const {
    const CStatRec& s = *app.program.statRec();
    return QStringLiteral("%1:%2:%3").arg(s.Correct()).arg(s.Wrong()).arg(s.Hints());
  }

  FakeClock clock;
  FakeSound sound;
  FakeSleep sleep;
  ProgramFixture app;
  bool ready = false;
};

}  // namespace

class FallingTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void catchesMissesAndTheHint_data() {
    QTest::addColumn<QString>("script");  // r/w: a right/wrong picture caught, m: a right one missed, h: "Pomoc"
    QTest::addColumn<QString>("counts");  // correct:wrong:hints
    QTest::newRow("right caught") << "r" << "1:0:0";
    QTest::newRow("wrong caught") << "w" << "0:1:0";
    QTest::newRow("right missed") << "m" << "0:1:0";
    QTest::newRow("hint marks, then a catch") << "hr" << "1:0:1";
  }
  void catchesMissesAndTheHint() {
    QFETCH(QString, script);
    QFETCH(QString, counts);
    Game g;
    QVERIFY(g.ready);
    for (QChar step : script) {
      if (step == u'h') {
        QVERIFY(g.Next(true));
        g.Screen().A_Pomoc.Execute(nullptr);
        g.Screen().Klatka(16);
        const auto& air = g.Rules().InAir();
        QVERIFY(std::all_of(air.begin(), air.end(), [](const falling::Picture& p) { return p.marked == p.word.right; }));
        continue;
      }
      const falling::Picture* p = g.Next(step != u'w');
      QVERIFY(p);
      const QString key = p->word.key;
      const int id = p->id;
      if (step == u'm') {
        while (std::any_of(g.Rules().InAir().begin(), g.Rules().InAir().end(), [id](const auto& q) { return q.id == id; })) {
          g.Screen().Klatka(16);
        }
        QCOMPARE(g.Rules().Missed(), 1);
        QCOMPARE(g.app.program.statRec()->Missed(), 1);
        continue;
      }
      g.sound.played.clear();
      const QPoint at = g.Screen().Scena()->OnSurface(p->place).center();
      QTest::mouseClick(&g.Screen(), Qt::LeftButton, {}, at);
      // The praise or the gentle "no", then the word, heard whole.
      QCOMPARE(g.sound.played.size(), 2);
      QVERIFY(g.sound.played.last().endsWith(key + QStringLiteral(".pw")));
      QVERIFY(std::none_of(g.Rules().InAir().begin(), g.Rules().InAir().end(), [id](const auto& q) { return q.id == id; }));
    }
    QCOMPARE(g.Counts(), counts);
  }
};

QTEST_MAIN(FallingTest)
#include "tst_falling.moc"
