// The labelling game's rules that need no screen: the slot row, the snap of
// a dropped tile, the scatter and the tiles a placed tile would hide.
#include <QtTest>
#include <deque>

#include "games/labelling/layout.h"
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

}  // namespace

class LabellingRulesTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void slotRowStandsSeventyApartBelowThePicture() {
    // Five slots: 250 … 530 at 450 on 800 x 600, 362 … 642 at 576 on 1024 x 768.
    QCOMPARE(SlotPosition(0, 5, 800, 600), QPoint(250, 450));
    QCOMPARE(SlotPosition(4, 5, 800, 600), QPoint(530, 450));
    QCOMPARE(SlotPosition(0, 5, 1024, 768), QPoint(362, 576));
    QCOMPARE(SlotPosition(4, 5, 1024, 768), QPoint(642, 576));
    // W/2 - 30n for even and odd counts alike.
    QCOMPARE(SlotRowOrigin(4, 800, 600), QPoint(280, 450));
    QCOMPARE(SlotRowOrigin(7, 800, 600), QPoint(190, 450));
    QCOMPARE(SlotRowOrigin(1, 1024, 768), QPoint(482, 576));
  }

  void snapIsInclusiveAtTwentyFiveAndNearnessStrictAtSixtyFive() {
    const QPoint p(250, 450);
    QVERIFY(InSnapReach(p, p + QPoint(25, 25)) && InSnapReach(p, p - QPoint(25, 25)));
    for (QPoint off : {QPoint(26, 0), QPoint(0, 26), QPoint(-26, 0), QPoint(0, -26)}) QVERIFY(!InSnapReach(p, p + off));
    QVERIFY(Near(p, p + QPoint(64, 64)) && Near(p, p - QPoint(64, 64)));
    QVERIFY(!Near(p, p + QPoint(65, 0)) && !Near(p, p - QPoint(0, 65)));
    QVERIFY(!Near(p, p + QPoint(1, 200)));  // close on one axis only
  }

  void candidateTakesYFirstThenXFromAFreshValue() {
    // 800 x 600: y = 10 + r mod 525; above y 480 the strip x = 10 + r mod 160,
    // from 480 down the band x = 10 + r mod 725.
    Script s{{469, 161}};
    QCOMPARE(ScatterCandidate(800, 600, s.Source()), QPoint(11, 479));
    s.values = {470, 161};
    QCOMPARE(ScatterCandidate(800, 600, s.Source()), QPoint(171, 480));
    s.values = {524, 724};
    QCOMPARE(ScatterCandidate(800, 600, s.Source()), QPoint(734, 534));
    QCOMPARE(s.used, 6);
    // 1024 x 768: strip above 615 up to x 213, band up to x 958, y up to 702.
    s.values = {604, 203};
    QCOMPARE(ScatterCandidate(1024, 768, s.Source()), QPoint(213, 614));
    s.values = {692, 948};
    QCOMPARE(ScatterCandidate(1024, 768, s.Source()), QPoint(958, 702));
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
