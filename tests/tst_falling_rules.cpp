// The falling game without a screen: the words of a game, the pace of a
// level, pictures that fall, land and are caught, pauses and the hint, on a
// scripted generator and a clock the test moves.
#include <QtTest>

#include <map>

#include "games/falling/rules.h"
#include "support/scripted.h"

using namespace falling;

using testing::Scripted;

namespace {

using Values = std::vector<qint32>;

// A plain congruential generator for long games.
Generator Stream(quint32 seed) {
  return [seed]() mutable { return qint32((seed = seed * 1103515245u + 12345u) >> 1); };
}

// SZ at the start (twice), SZ in the middle, S, Ż, and a word without a sound.
const std::vector<SPaczka> kCatalogue = {
    {"szafa", 0x101, {}, {}, {}, {}}, {"szyba", 0x101, {}, {}, {}, {}}, {"kasza", 0x201, {}, {}, {}, {}},
    {"sowa", 0x110, {}, {}, {}, {}},  {"zaba", 0x102, {}, {}, {}, {}},  {"dom", 0x100, {}, {}, {}, {}}};

// "a+ b- c+": keys, right or not.
std::vector<Word> Words(const QString& list) {
  std::vector<Word> words;
  for (const QString& w : list.split(u' ', Qt::SkipEmptyParts)) words.push_back(Word{w.chopped(1), w.endsWith(u'+')});
  return words;
}

QString Shown(const std::vector<Word>& words) {
  QStringList shown;
  for (const Word& w : words) shown << w.key + (w.right ? u'+' : u'-');
  return shown.join(u' ');
}

QString Shown(const std::vector<Event>& events) {
  QString shown;
  for (const Event& e : events) shown += QStringLiteral("ALMRWO")[int(e.kind)] + (e.id ? QString::number(e.id) : "") + u' ';
  return shown.trimmed();
}

}  // namespace

Q_DECLARE_METATYPE(Values)

class FallingRulesTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void levelsGiveRightPicturesAndPace_data() {
    QTest::addColumn<QString>("row");  // level:screen height:right pictures:fall ms
    for (const char* row : {"1:768:5:8000", "2:768:10:6000", "3:768:15:4000", "1:600:5:6250", "2:600:10:4688",
                            "3:600:15:3125", "0:768:0:0", "4:768:0:0"}) {
      QTest::newRow(row) << QString::fromLatin1(row);
    }
  }
  void levelsGiveRightPicturesAndPace() {
    QFETCH(QString, row);
    const int poziom = row.section(u':', 0, 0).toInt();
    const QString got = QStringLiteral("%1:%2").arg(RightForLevel(poziom)).arg(FallMsForLevel(poziom, row.section(u':', 1, 1).toInt()));
    QCOMPARE(got, row.section(u':', 2));
  }

  void aGameShufflesRightAndWrongWords_data() {
    QTest::addColumn<int>("count");  // of the catalogue's first words
    QTest::addColumn<int>("chosen");  // sounds and places
    QTest::addColumn<Values>("values");
    QTest::addColumn<QString>("drawn");  // at level 1, after the number of right words
    // Each word takes a value for its kind while both kinds are left, then
    // one for itself; a kind drawn out starts again.
    QTest::newRow("kinds by the values") << 6 << 0x101 << Values{9, 0}
                                         << "2: kasza- szafa+ szyba+ szafa+ sowa- zaba- szyba+ szafa+ kasza- sowa-";
    QTest::newRow("one right word") << 6 << 0x211 << Values{0}
                                    << "1: kasza+ kasza+ kasza+ kasza+ kasza+ szafa- szyba- sowa- zaba- szafa-";
    QTest::newRow("no wrong word") << 2 << 0x101 << Values{0} << "2: szafa+ szyba+ szafa+ szyba+ szafa+";
    QTest::newRow("no right word") << 6 << 0x708 << Values{0} << "0: ";
  }
  void aGameShufflesRightAndWrongWords() {
    QFETCH(int, count);
    QFETCH(int, chosen);
    QFETCH(Values, values);
    QFETCH(QString, drawn);
    const std::vector<SPaczka> catalogue(kCatalogue.begin(), kCatalogue.begin() + count);
    CUstGry settings(QStringLiteral("Spadajace"));
    settings.gloski = qint16(chosen & 0xff);
    settings.pozycja = qint16(chosen & 0x700);
    settings.SetLevel(1);
    QCOMPARE(QStringLiteral("%1: ").arg(RightWords(catalogue, settings)) + Shown(Choose(catalogue, settings, Scripted(values))),
             drawn);
  }

  void picturesFallAndAreCaught_data() {
    QTest::addColumn<QString>("game");    // right pictures wanted: the words
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("result");  // events | correct:wrong:missed:right fallen, in the air
    // tN time, cN a press on where picture N is (or was), p/P and s/S the
    // window and a sound pausing and going on, h the hint, m and the marked
    // pictures, yN where picture N is (x,top). The generator gives 0: the
    // leftmost free place.
    QTest::newRow("in from above, side by side") << "2: a+ b- c+ d-" << "y1 t0 y1 t500 y2 t500 y3 t1000 y1"
                                                 << "y? A1 y0,-100 A2 y100,-100 A3 y0,-100 y0,100 | 0:0:0:0 3";
    QTest::newRow("missed and landed") << "2: a+ b- c+ d-" << "t3000 t500 t500" << "A1 A2 A3 M1 A4 L2 M3 O | 0:2:2:2 0";
    QTest::newRow("caught right and wrong") << "3: a+ b- c+ d+" << "t1000 c1 c2 c3 t3500 t1"
                                            << "A1 A2 A3 R1 W2 R3 A4 M4 O | 2:2:1:3 0";
    QTest::newRow("over: the air empties") << "1: a+ b- c+ d- e+" << "t3000 t9000 c2" << "A1 A2 A3 M1 O | 0:1:1:1 0";
    QTest::newRow("words run out") << "5: a- b-" << "t3499 t1" << "A1 A2 L1 L2 O | 0:0:0:0 0";
    QTest::newRow("no words") << "5: " << "t0" << "O | 0:0:0:0 0";
    QTest::newRow("window, then sound") << "3: a+ b- c+" << "t1000 p t500 s P t500 S t1999 m t1" << "A1 A2 A3 m M1 | 0:1:1:1 2";
    QTest::newRow("hint marks for 2 s") << "3: a+ b- c+" << "t1000 h m t1999 m t1 m t1999 m t1"
                                        << "A1 A2 A3 m13 m13 m m M1 | 0:1:1:1 2";
    QTest::newRow("hint waits for the window") << "3: a+ b- c+" << "t1000 h p t5000 P t2000 m t1999 m t1"
                                               << "A1 A2 A3 m m M1 | 0:1:1:1 2";
    QTest::newRow("caught in the hint") << "3: a+ b- c+" << "t1000 h c1 m" << "A1 A2 A3 R1 m3 | 1:0:0:1 2";
  }
  void picturesFallAndAreCaught() {
    QFETCH(QString, game);
    QFETCH(QString, script);
    QFETCH(QString, result);
    // 300 x 200 with pictures of 100: three places side by side, a picture
    // in wholly after 1000 ms and down after 3000.
    Rules rules(Words(game.section(u':', 1)), {QSizeF(300, 200), 100, 3000, game.section(u':', 0, 0).toInt(), 3, 500},
                Scripted({0}));
    std::map<int, QRectF> seen;
    QStringList did;
    const auto note = [&](const std::vector<Event>& happened) {
      if (!happened.empty()) did << Shown(happened);
      for (const Picture& p : rules.InAir()) seen[p.id] = p.place;
    };
    for (const QString& step : script.split(u' ')) {
      const QChar what = step[0];
      const int n = step.mid(1).toInt();
      if (what == u't') note(rules.Advance(n));
      if (what == u'c') note(rules.Catch(seen[n].center()));
      if (what == u'p' || what == u'P') rules.SetPaused(kNotActive, what == u'p');
      if (what == u's' || what == u'S') rules.SetPaused(kSound, what == u's');
      if (what == u'h') rules.Hint();
      if (what == u'y') did << (seen.count(n) ? QStringLiteral("y%1,%2").arg(seen[n].x()).arg(seen[n].top()) : "y?");
      if (what == u'm') did << QStringLiteral("m");
      for (const Picture& p : rules.InAir()) {
        if (what == u'm' && p.marked) did.back() += QString::number(p.id);
      }
    }
    did << QString::asprintf("| %d:%d:%d:%d %d", rules.Correct(), rules.Wrong(), rules.Missed(), rules.RightFallen(),
                             int(rules.InAir().size()));
    QCOMPARE(did.join(u' '), result);
    QCOMPARE(rules.IsOver(), result.contains(u'O'));
  }

  // A long game with nothing caught: never more than three in the air,
  // never overlapping, always inside, and over once every right one fell.
  void aLongGameKeepsItsPicturesApart_data() {
    QTest::addColumn<QSizeF>("area");
    QTest::addColumn<double>("picture");
    QTest::addColumn<int>("poziom");
    QTest::newRow("1024 x 768, level 3") << QSizeF(1024, 700) << 150.0 << 3;
    QTest::newRow("800 x 600, level 1") << QSizeF(800, 547) << 117.0 << 1;
  }
  void aLongGameKeepsItsPicturesApart() {
    QFETCH(QSizeF, area);
    QFETCH(double, picture);
    QFETCH(int, poziom);
    const int wanted = RightForLevel(poziom);
    const int fallMs = FallMsForLevel(poziom, area.width() * 0.75);  // the screen at 4:3
    Rules rules(Words(QStringLiteral("r+ w- ").repeated(wanted)), {area, picture, fallMs, wanted, 3, fallMs / 4},
                Stream(7));
    int appeared = 0;
    for (int t = 0; t < 120000 && !rules.IsOver(); t += 16) {
      for (const Event& e : rules.Advance(16)) appeared += e.kind == Event::Appeared;
      const std::vector<Picture>& air = rules.InAir();
      QVERIFY(air.size() <= 3);
      for (size_t i = 0; i < air.size(); ++i) {
        QVERIFY(air[i].place.left() >= 0 && air[i].place.right() <= area.width());
        for (size_t j = i + 1; j < air.size(); ++j) QVERIFY(!air[i].place.adjusted(0, 1e-6, 0, -1e-6).intersects(air[j].place));
      }
    }
    QVERIFY(rules.IsOver());
    QCOMPARE(rules.Missed(), wanted);
    QVERIFY(appeared >= 2 * wanted - 1);  // the last right one is the last but one word
  }

  // Mid-game after 12 s: the same pictures came and went, and those in the
  // air are where they are after steps of 1 ms.
  void bigStepsDoWhatSmallOnesDo_data() {
    QTest::addColumn<int>("step");
    for (int step : {16, 333, 12000}) QTest::newRow(qPrintable(QString::number(step))) << step;
  }
  void bigStepsDoWhatSmallOnesDo() {
    QFETCH(int, step);
    const auto play = [](int step, QStringList* seen) {
      Rules rules(Words(QStringLiteral("a+ b- c- d+ e+ f- g+ h- i+ j- k+ l- m+ n-")),
                  {QSizeF(1024, 700), 150, 4000, 7, 3, 900}, Stream(3));
      QString events;
      for (int t = 0; t < 12000; t += step) events += Shown(rules.Advance(std::min(step, 12000 - t))) + u' ';
      *seen << events.simplified();
      for (const Picture& p : rules.InAir()) *seen << QStringLiteral("%1 at %2,%3").arg(p.id).arg(p.place.x()).arg(p.place.y());
      *seen << QStringLiteral("%1:%2").arg(rules.Missed()).arg(rules.IsOver());
    };
    QStringList fine, coarse;
    play(1, &fine);
    play(step, &coarse);
    QVERIFY(fine.size() > 2);  // some in the air
    QCOMPARE(coarse, fine);
  }
};

QTEST_GUILESS_MAIN(FallingRulesTest)
#include "tst_falling_rules.moc"
