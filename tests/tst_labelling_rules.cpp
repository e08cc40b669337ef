// The labelling game without a screen: its tasks, the verdict on the slot
// row and the solved words; the slot row, the snap of a dropped tile, the
// scatter and the tiles a placed tile would hide.
#include <QtTest>
#include <deque>

#include "games/labelling/layout.h"
#include "games/labelling/rules.h"
#include "words/random.h"

using namespace labelling;

namespace {

struct Script {
  std::deque<qint32> values;
  int used = 0;
  RandomSource Source() {
    return [this] {
      ++used;
      if (values.empty()) return qint32(0);
      const qint32 v = values.front();
      values.pop_front();
      return v;
    };
  }
};

bool InScatterArea(QPoint p, int W, int H) {
  if (p.y() < 10 || p.y() > 10 + (H - 75) - 1 || p.x() < 10) return false;
  const int xMax = p.y() < H - H / 5 ? 10 + W / 5 - 1 : 10 + (W - 75) - 1;
  return p.x() <= xMax;
}

Rules Drawn(int count) {
  std::vector<SPaczka> words(static_cast<size_t>(count));
  for (SPaczka& w : words) w.Podzial = QStringLiteral("_sz,k,o,ł,a,");
  if (count > 0) words[0].Nazwa = QStringLiteral("szkola");
  return Rules::ForWords(words);
}

}  // namespace

class LabellingRulesTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  // n: next, p: previous, s: solve, r: reopen; a move that goes nowhere
  // says so.
  void tasksAreWalkedSolvedAndReopened_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<int>("current");
    QTest::addColumn<bool>("first");
    QTest::addColumn<bool>("last");
    QTest::addColumn<bool>("solved");
    QTest::addColumn<bool>("all");
    QTest::newRow("a new game") << 5 << "" << 0 << true << false << false << false;
    QTest::newRow("next stops at the last") << 5 << "nnnnn" << 4 << false << true << false << false;
    QTest::newRow("previous stops at the first") << 5 << "nnppp" << 0 << true << false << false << false;
    QTest::newRow("one task is first and last") << 1 << "np" << 0 << true << true << false << false;
    QTest::newRow("solved stays with its task") << 2 << "sn" << 1 << false << true << false << false;
    QTest::newRow("every task solved") << 2 << "snsp" << 0 << true << false << true << true;
    QTest::newRow("reopened") << 2 << "snsr" << 1 << false << true << false << false;
    QTest::newRow("no tasks: no last, all solved") << 0 << "nsr" << 1 << false << false << true << true;
  }
  void tasksAreWalkedSolvedAndReopened() {
    QFETCH(int, count);
    QFETCH(QString, steps);
    Rules rules = Drawn(count);
    for (QChar step : steps) {
      const int before = rules.Current();
      if (step == u's') rules.Solve();
      if (step == u'r') rules.Reopen();
      if (step != u'n' && step != u'p') continue;
      const bool moved = step == u'n' ? rules.Next() : rules.Previous();
      QCOMPARE(moved, rules.Current() != before);
    }
    QTEST(rules.Current(), "current");
    QTEST(rules.IsFirst(), "first");
    QTEST(rules.IsLast(), "last");
    QTEST(rules.IsSolved(), "solved");
    QTEST(rules.AllSolved(), "all");
  }

  void theSlotRowIsJudgedOnlyWhenFull_data() {
    QTest::addColumn<QStringList>("laid");
    QTest::addColumn<Verdict>("verdict");
    QTest::newRow("spelled") << QStringList{"sz", "k", "o", "ł", "a"} << Verdict::Correct;
    QTest::newRow("as the key") << QStringList{"sz", "k", "o", "l", "a"} << Verdict::Wrong;
    QTest::newRow("swapped") << QStringList{"k", "sz", "o", "ł", "a"} << Verdict::Wrong;
    QTest::newRow("a slot empty") << QStringList{"sz", "k", "", "ł", "a"} << Verdict::Incomplete;
  }
  void theSlotRowIsJudgedOnlyWhenFull() {
    QFETCH(QStringList, laid);
    const Rules rules = Drawn(1);
    QCOMPARE(rules.Key(), QStringLiteral("szkola"));
    QCOMPARE(rules.Answer(), QStringLiteral("szkoła"));  // spelled, unlike the key
    QCOMPARE(rules.CurrentTask()->tiles.front(), (Token{QStringLiteral("sz"), true}));
    QTEST(rules.Judge(laid), "verdict");
  }

  void slotRowStandsSeventyApartBelowThePicture_data() {
    QTest::addColumn<int>("i");
    QTest::addColumn<int>("n");
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QPoint>("at");
    QTest::newRow("first of 5, 800x600") << 0 << 5 << QSize(800, 600) << QPoint(250, 450);
    QTest::newRow("last of 5, 800x600") << 4 << 5 << QSize(800, 600) << QPoint(530, 450);
    QTest::newRow("first of 5, 1024x768") << 0 << 5 << QSize(1024, 768) << QPoint(362, 576);
    QTest::newRow("last of 5, 1024x768") << 4 << 5 << QSize(1024, 768) << QPoint(642, 576);
    // W/2 - 30n for even and odd counts alike.
    QTest::newRow("first of 4") << 0 << 4 << QSize(800, 600) << QPoint(280, 450);
    QTest::newRow("first of 7") << 0 << 7 << QSize(800, 600) << QPoint(190, 450);
    QTest::newRow("one alone") << 0 << 1 << QSize(1024, 768) << QPoint(482, 576);
  }
  void slotRowStandsSeventyApartBelowThePicture() {
    QFETCH(int, i);
    QFETCH(int, n);
    QFETCH(QSize, screen);
    QTEST(SlotPosition(i, n, screen.width(), screen.height()), "at");
  }

  void snapIsInclusiveAtTwentyFiveAndNearnessStrictAtSixtyFive_data() {
    QTest::addColumn<QPoint>("offset");
    QTest::addColumn<bool>("snaps");
    QTest::addColumn<bool>("near");
    QTest::newRow("+25,+25") << QPoint(25, 25) << true << true;
    QTest::newRow("-25,-25") << QPoint(-25, -25) << true << true;
    QTest::newRow("+26,0") << QPoint(26, 0) << false << true;
    QTest::newRow("0,-26") << QPoint(0, -26) << false << true;
    QTest::newRow("+64,+64") << QPoint(64, 64) << false << true;
    QTest::newRow("-64,-64") << QPoint(-64, -64) << false << true;
    QTest::newRow("+65,0") << QPoint(65, 0) << false << false;
    QTest::newRow("0,-65") << QPoint(0, -65) << false << false;
    QTest::newRow("close on one axis only") << QPoint(1, 200) << false << false;
  }
  void snapIsInclusiveAtTwentyFiveAndNearnessStrictAtSixtyFive() {
    QFETCH(QPoint, offset);
    const QPoint p(250, 450);
    QTEST(InSnapReach(p, p + offset), "snaps");
    QTEST(Near(p, p + offset), "near");
  }

  // y = 10 + r mod (H - 75); above the bottom fifth x = 10 + r mod W/5, in
  // it x = 10 + r mod (W - 75).
  void candidateTakesYFirstThenXFromAFreshValue_data() {
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<int>("ry");
    QTest::addColumn<int>("rx");
    QTest::addColumn<QPoint>("at");
    QTest::newRow("800x600 strip") << QSize(800, 600) << 469 << 161 << QPoint(11, 479);
    QTest::newRow("800x600 band") << QSize(800, 600) << 470 << 161 << QPoint(171, 480);
    QTest::newRow("800x600 far corner") << QSize(800, 600) << 524 << 724 << QPoint(734, 534);
    QTest::newRow("1024x768 strip") << QSize(1024, 768) << 604 << 203 << QPoint(213, 614);
    QTest::newRow("1024x768 far corner") << QSize(1024, 768) << 692 << 948 << QPoint(958, 702);
  }
  void candidateTakesYFirstThenXFromAFreshValue() {
    QFETCH(QSize, screen);
    QFETCH(int, ry);
    QFETCH(int, rx);
    Script s{{ry, rx}};
    QTEST(ScatterCandidate(screen.width(), screen.height(), s.Source()), "at");
    QCOMPARE(s.used, 2);
  }
  void scatterRejectsCandidatesNearAnyTileIncludingUnplacedOnes() {
    std::vector<QPoint> tiles(3, QPoint(0, 0));
    Script s{{5, 7,       // (17, 15): near the tiles still at the origin
              100, 20,    // (30, 110): tile 0
              120, 50,    // (60, 130): near tile 0
              520, 700,   // (710, 530): tile 1, in the bottom band
              525, 160,   // (10, 10): near tile 2's own place
              300, 159}};  // (169, 310): tile 2
    Scatter(tiles, 800, 600, s.Source());
    QCOMPARE(tiles, (std::vector<QPoint>{{30, 110}, {710, 530}, {169, 310}}));
    QCOMPARE(s.used, 12);
  }

  void seededScatterKeepsTilesApartAndInsideTheArea_data() {
    QTest::addColumn<int>("W");
    QTest::addColumn<int>("H");
    QTest::addColumn<int>("count");
    QTest::newRow("800x600, 5 tiles") << 800 << 600 << 5;
    QTest::newRow("800x600, 7 tiles") << 800 << 600 << 7;
    QTest::newRow("1024x768, 7 tiles") << 1024 << 768 << 7;
  }
  void seededScatterKeepsTilesApartAndInsideTheArea() {
    QFETCH(int, W);
    QFETCH(int, H);
    QFETCH(int, count);
    for (quint32 seed = 1; seed <= 300; ++seed) {
      RandomSeed(seed);
      std::vector<QPoint> tiles(size_t(count), QPoint(0, 0));
      Scatter(tiles, W, H, [] { return RandomNext(); });
      for (size_t i = 0; i < tiles.size(); ++i) {
        QVERIFY2(InScatterArea(tiles[i], W, H), qPrintable(QStringLiteral("seed %1 tile %2").arg(seed).arg(i)));
        for (size_t j = 0; j < i; ++j) QVERIFY(!Near(tiles[j], tiles[i]));
      }
    }
  }

  void scatterGivesUpAfterTheBoundAndTakesTheFirstFreePlace() {
    // A generator stuck on one value offers only (10, 10), which the tiles
    // at the origin always reject.
    std::vector<QPoint> tiles(2, QPoint(0, 0));
    Script s;
    Scatter(tiles, 800, 600, s.Source(), 50);
    QCOMPARE(s.used, 2 * 50 * 2);
    // Row by row from the top-left: (65, 10) is the first place clear of the
    // origin; the second tile goes past the first.
    QCOMPARE(tiles, (std::vector<QPoint>{{65, 10}, {130, 10}}));
  }

  void aFullAreaLeavesTheRemainingTilesWhereTheyStand() {
    // Far more tiles than the area holds: the scatter still ends, every
    // placed tile is clear of the others and the rest stay put.
    std::vector<QPoint> tiles(80, QPoint(0, 0));
    Script s;
    Scatter(tiles, 800, 600, s.Source(), 20);
    int placed = 0;
    for (size_t i = 0; i < tiles.size(); ++i) {
      if (tiles[i] == QPoint(0, 0)) continue;
      ++placed;
      QVERIFY(InScatterArea(tiles[i], 800, 600));
      for (size_t j = 0; j < tiles.size(); ++j) {
        if (j != i && tiles[j] != QPoint(0, 0)) QVERIFY(!Near(tiles[j], tiles[i]));
      }
    }
    QVERIFY(placed > 5);
    QVERIFY(placed < 80);
    QVERIFY(!FirstFreePlace(tiles, 800, 600).has_value());
  }

  void aPlacedTileUncoversTheLooseTilesItHidesAndMovesNoOther() {
    // "szczoteczka": eight tiles scattered, then one more put into each slot.
    const auto box = [](QPoint p, int side = 55) { return QRect(p, QSize(side, side)); };
    std::vector<QRect> frames;
    for (int i = 0; i < 8; ++i) frames.push_back(box(SlotPosition(i, 8, 800, 600) - QPoint(5, 5), 65));
    int moved = 0;
    for (quint32 seed = 1; seed <= 200; ++seed) {
      RandomSeed(seed);
      std::vector<QPoint> tiles(8, QPoint(0, 0));
      Scatter(tiles, 800, 600, [] { return RandomNext(); });
      for (const QRect& placed : frames) {
        std::vector<QRect> loose, after;
        for (const QPoint& p : tiles) loose.push_back(box(p));
        for (const QPoint& p : Uncover(placed, frames, loose, QSize(800, 600))) after.push_back(box(p));
        for (size_t i = 0; i < loose.size(); ++i) {
          if (!loose[i].intersects(placed)) {
            QCOMPARE(after[i], loose[i]);
            continue;
          }
          ++moved;
          bool free = QRect(0, 480, 800, 120).contains(after[i]);  // the bottom band
          for (const QRect& r : frames) free = free && !r.intersects(after[i]);
          for (size_t j = 0; j < after.size(); ++j) free = free && (j == i || !after[j].intersects(after[i]));
          QVERIFY2(free, qPrintable(QStringLiteral("seed %1, tile %2").arg(seed).arg(i)));
        }
      }
    }
    QVERIFY(moved > 10);
  }
};

QTEST_APPLESS_MAIN(LabellingRulesTest)
#include "tst_labelling_rules.moc"
