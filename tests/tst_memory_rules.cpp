// The rules of Memory that need no screen: pairs per level, the deal, the
// grid and the pick of the hint.
#include <QtTest>
#include <map>

#include "games/memory/layout.h"
#include "games/memory/rules.h"
#include "words/random.h"

using namespace memory;

namespace {

// Hands out the given values in turn.
Generator Scripted(std::vector<qint32> values) {
  auto at = std::make_shared<size_t>(0);
  auto list = std::make_shared<std::vector<qint32>>(std::move(values));
  return [at, list] { return (*list)[(*at)++ % list->size()]; };
}

Generator Shared() {
  return [] { return RandomNext(); };
}

std::vector<std::optional<QString>> Board(std::initializer_list<const char*> keys) {
  std::vector<std::optional<QString>> names;
  for (const char* key : keys) names.push_back(key ? std::optional<QString>(QString::fromLatin1(key)) : std::nullopt);
  return names;
}

using Pair = std::optional<std::pair<int, int>>;

}  // namespace

class MemoryRulesTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void levelsGiveThreeSixOrTenPairsAndOtherLevelsNone() {
    QCOMPARE(PairsForLevel(1), 3);
    QCOMPARE(PairsForLevel(2), 6);
    QCOMPARE(PairsForLevel(3), 10);
    for (int level : {0, 4, -1, 32767}) QCOMPARE(PairsForLevel(level), 0);
    QCOMPARE(SlotsForPairs(3), 6);
    QCOMPARE(SlotsForPairs(6), 12);
    QCOMPARE(SlotsForPairs(10), 20);
    for (int pairs : {0, 1, 5, 7}) QCOMPARE(SlotsForPairs(pairs), 0);
  }

  void dealWalksOnFromATakenSlotAndWrapsAtTheEnd() {
    // Word 0 on 4, then 4 taken -> 5; word 1 on 3 and 0; word 2: 5, 0 taken
    // -> 1, then 5, 0, 1 taken -> 2.
    const std::vector<int> dealt = DealCards(6, 3, Scripted({4, 4, 9, 0, 5, 17}));
    QCOMPARE(dealt, (std::vector<int>{1, 2, 2, 1, 0, 0}));
  }

  void dealOnTheSharedGeneratorGivesTheSameBoardForTheSameSeed() {
    RandomSeed(20261206);
    QCOMPARE(DealCards(20, 10, Shared()),
             (std::vector<int>{3, 6, 1, 6, 7, 9, 0, 1, 2, 2, 3, 4, 4, 8, 8, 0, 5, 5, 9, 7}));
    RandomSeed(7);
    QCOMPARE(DealCards(6, 3, Shared()), (std::vector<int>{1, 0, 0, 1, 2, 2}));
    RandomSeed(7);
    QCOMPARE(DealCards(12, 6, Shared()), (std::vector<int>{1, 2, 0, 3, 4, 5, 5, 0, 1, 2, 4, 3}));
  }

  void dealPutsEveryWordTwiceAndFillsEverySlot() {
    for (int pairs : {3, 6, 10}) {
      for (quint32 seed = 0; seed < 200; ++seed) {
        RandomSeed(seed);
        const std::vector<int> dealt = DealCards(2 * pairs, pairs, Shared());
        QCOMPARE(int(dealt.size()), 2 * pairs);
        std::map<int, int> count;
        for (int word : dealt) ++count[word];
        QCOMPARE(int(count.size()), pairs);
        for (const auto& [word, n] : count) {
          QVERIFY2(word >= 0 && word < pairs, qPrintable(QString::number(word)));
          QCOMPARE(n, 2);
        }
      }
    }
  }

  void dealNeverPutsMoreCardsThanSlots() {
    // Fewer words than slot pairs leave slots empty; more words than slot
    // pairs are not dealt at all rather than walked for ever.
    const std::vector<int> few = DealCards(12, 2, Scripted({3, 3, 11, 0}));
    QCOMPARE(few, (std::vector<int>{1, -1, -1, 0, 0, -1, -1, -1, -1, -1, -1, 1}));
    const std::vector<int> many = DealCards(6, 5, Scripted({1}));
    QCOMPARE(many, (std::vector<int>{2, 0, 0, 1, 1, 2}));
    QVERIFY(DealCards(0, 3, Scripted({1})).empty());
    QCOMPARE(DealCards(6, 0, Scripted({1})), std::vector<int>(6, -1));
  }

  void gridPlacesSlotsRowByRowFromTheModesOrigin() {
    struct Case {
      int slotCount, mode;
      QPoint first, second, lastOfRow0, firstOfRow1, last;
    };
    const Case cases[] = {
        {6, 1, {170, 175}, {270, 175}, {370, 175}, {170, 295}, {370, 295}},
        {12, 3, {230, 220}, {320, 220}, {500, 220}, {230, 330}, {500, 440}},
        {20, 1, {100, 95}, {185, 95}, {440, 95}, {100, 200}, {440, 410}},
        {20, 2, {190, 190}, {275, 190}, {530, 190}, {190, 295}, {530, 505}},
    };
    for (const Case& c : cases) {
      const auto grid = GridFor(c.slotCount, c.mode);
      QVERIFY(grid);
      QCOMPARE(grid->columns * grid->rows, c.slotCount);
      QCOMPARE(SlotPosition(*grid, 0), c.first);
      QCOMPARE(SlotPosition(*grid, 1), c.second);
      QCOMPARE(SlotPosition(*grid, grid->columns - 1), c.lastOfRow0);
      QCOMPARE(SlotPosition(*grid, grid->columns), c.firstOfRow1);
      QCOMPARE(SlotPosition(*grid, c.slotCount - 1), c.last);
    }
    QVERIFY(!GridFor(0, 1));
    QVERIFY(!GridFor(8, 2));
    QCOMPARE(LargePictureOrigin(1), QPoint(583, 188));
    QCOMPARE(LargePictureOrigin(2), QPoint(743, 235));
    QCOMPARE(LargePictureOrigin(3), QPoint(743, 235));
  }

  void hintPicksACardOnTheBoardAndItsPartner() {
    const auto full = Board({"a", "b", "c", "a", "c", "b"});
    // The first pick is the random value modulo five: slot 5 only by walking.
    QCOMPARE(PickHintPair(full, 0), Pair({0, 3}));
    QCOMPARE(PickHintPair(full, 4), Pair({4, 2}));  // the partner search wraps
    QCOMPARE(PickHintPair(full, 9), Pair({4, 2}));
    QCOMPARE(PickHintPair(full, 5), Pair({0, 3}));
    // Cards off the board are walked past.
    const auto some = Board({nullptr, nullptr, "c", nullptr, "c", nullptr});
    QCOMPARE(PickHintPair(some, 0), Pair({2, 4}));
    QCOMPARE(PickHintPair(some, 3), Pair({4, 2}));
  }

  void hintEndsWhenOnlyTheLastSlotsPairIsLeftOrNothingIs() {
    // Only the last slot and one other hold cards: every first pick walks to
    // one of them and finds the other.
    const auto lastPair = Board({nullptr, nullptr, "a", nullptr, nullptr, "a"});
    for (qint32 r = 0; r < 10; ++r) {
      const Pair pair = PickHintPair(lastPair, r);
      QVERIFY(pair);
      QCOMPARE(std::min(pair->first, pair->second), 2);
      QCOMPARE(std::max(pair->first, pair->second), 5);
    }
    QCOMPARE(PickHintPair(Board({nullptr, nullptr, nullptr, nullptr, nullptr, nullptr}), 3), Pair());
    QCOMPARE(PickHintPair({}, 3), Pair());
    // A card without its partner shows nothing instead of searching for ever.
    QCOMPARE(PickHintPair(Board({nullptr, "a", nullptr, "b"}), 0), Pair());
    QCOMPARE(PickHintPair(Board({"a"}), 12345), Pair());
  }
};

QTEST_GUILESS_MAIN(MemoryRulesTest)
#include "tst_memory_rules.moc"
