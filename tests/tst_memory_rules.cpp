// Memory without a screen: pairs per level, the deal, the grid, the pick of
// the hint, and games played as scripts of clicks and timers.
#include <QtTest>
#include <map>

#include "games/memory/layout.h"
#include "games/memory/rules.h"
#include "support/scripted.h"
#include "words/random.h"

using namespace memory;

using testing::Scripted;

namespace {

using Values = std::vector<qint32>;
using Pair = std::optional<std::pair<int, int>>;

// One key a letter, "." for a slot without a card.
std::vector<std::optional<QString>> Names(const QString& keys) {
  std::vector<std::optional<QString>> names;
  for (QChar key : keys) names.push_back(key == u'.' ? std::nullopt : std::optional<QString>(QString(key)));
  return names;
}

// Six slots holding b c c b a a.
Rules Dealt() { return Rules(3, {"a", "b", "c"}, Scripted({4, 4, 9, 0, 5, 17})); }

// Plays a script: a digit turns that slot's card, "s" is the second card
// shown and spoken, "." a turn's timer, "w" the game stopped. Returns what
// each click and timer did: F first card, M match, X mismatch, - ignored;
// . a turn ended, E the turn that ends the game.
QString Play(Rules& rules, const QString& script) {
  QString did;
  for (QChar step : script) {
    if (step.isDigit()) did += QStringLiteral("-FMX")[int(rules.TurnCard(step.digitValue()))];
    if (step == u's') rules.ChoiceShown();
    if (step == u'.') did += rules.EndTurn() ? u'E' : u'.';
    if (step == u'w') rules.Withdraw();
  }
  return did;
}

// The slots with a card on the board, pairs found:wrong, and whether the
// rules wait (take no card) and the game is complete.
QString State(const Rules& rules) {
  QString state;
  for (int k = 0; k < rules.SlotCount(); ++k) state += rules.OnBoard(k) ? u'1' : u'0';
  state += QStringLiteral(" %1:%2").arg(rules.Correct()).arg(rules.Wrong());
  if (!rules.Accepting()) state += QStringLiteral(" waits");
  if (rules.Complete()) state += QStringLiteral(" complete");
  return state;
}

}  // namespace

Q_DECLARE_METATYPE(Values)
Q_DECLARE_METATYPE(Pair)

class MemoryRulesTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void levelsGiveThreeSixOrTenPairsAndOtherLevelsNone_data() {
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("pairs");
    QTest::addColumn<int>("slotCount");
    QTest::newRow("1") << 1 << 3 << 6;
    QTest::newRow("2") << 2 << 6 << 12;
    QTest::newRow("3") << 3 << 10 << 20;
    for (int level : {0, 4, -1, 32767}) QTest::addRow("%d", level) << level << 0 << 0;
  }
  void levelsGiveThreeSixOrTenPairsAndOtherLevelsNone() {
    QFETCH(int, level);
    QFETCH(int, pairs);
    QFETCH(int, slotCount);
    QCOMPARE(PairsForLevel(level), pairs);
    QCOMPARE(SlotsForPairs(pairs), slotCount);
    QCOMPARE(SlotsForPairs(pairs + 1), 0);
  }

  void dealWalksOnFromATakenSlotAndDealsNoMoreThanTheSlotsHold_data() {
    QTest::addColumn<int>("slotCount");
    QTest::addColumn<int>("words");
    QTest::addColumn<Values>("values");
    QTest::addColumn<Values>("dealt");
    // Word 0 on 4, then 4 taken -> 5; word 1 on 3 and 0; word 2: 5, 0 taken
    // -> 1, then 5, 0, 1 taken -> 2.
    QTest::newRow("walks and wraps") << 6 << 3 << Values{4, 4, 9, 0, 5, 17} << Values{1, 2, 2, 1, 0, 0};
    QTest::newRow("fewer words") << 12 << 2 << Values{3, 3, 11, 0} << Values{1, -1, -1, 0, 0, -1, -1, -1, -1, -1, -1, 1};
    QTest::newRow("more words than slot pairs") << 6 << 5 << Values{1} << Values{2, 0, 0, 1, 1, 2};
    QTest::newRow("no slots") << 0 << 3 << Values{1} << Values{};
    QTest::newRow("no words") << 6 << 0 << Values{1} << Values(6, -1);
  }
  void dealWalksOnFromATakenSlotAndDealsNoMoreThanTheSlotsHold() {
    QFETCH(int, slotCount);
    QFETCH(int, words);
    QFETCH(Values, values);
    QFETCH(Values, dealt);
    QCOMPARE(DealCards(slotCount, words, Scripted(values)), dealt);
  }

  void dealOnTheSharedGeneratorGivesTheSameBoardForTheSameSeed_data() {
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<Values>("dealt");
    QTest::newRow("20 slots") << 20261206u << Values{3, 6, 1, 6, 7, 9, 0, 1, 2, 2, 3, 4, 4, 8, 8, 0, 5, 5, 9, 7};
    QTest::newRow("6 slots") << 7u << Values{1, 0, 0, 1, 2, 2};
    QTest::newRow("12 slots") << 7u << Values{1, 2, 0, 3, 4, 5, 5, 0, 1, 2, 4, 3};
  }
  void dealOnTheSharedGeneratorGivesTheSameBoardForTheSameSeed() {
    QFETCH(quint32, seed);
    QFETCH(Values, dealt);
    const int pairs = int(dealt.size()) / 2;
    RandomSeed(seed);
    const Rules rules(pairs, std::vector<QString>(size_t(pairs)), [] { return RandomNext(); });
    for (int k = 0; k < rules.SlotCount(); ++k) QCOMPARE(rules.Word(k), dealt[size_t(k)]);
    // Any seed fills every slot, with two cards of each word.
    for (quint32 other = 0; other < 200; ++other) {
      RandomSeed(other);
      std::map<int, int> count;
      for (int word : DealCards(2 * pairs, pairs, [] { return RandomNext(); })) ++count[word];
      QCOMPARE(int(count.size()), pairs);
      for (const auto& [word, n] : count) QVERIFY(word >= 0 && word < pairs && n == 2);
    }
  }

  void gridPlacesSlotsRowByRowFromTheModesOrigin_data() {
    QTest::addColumn<int>("slotCount");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QPoint>("first");
    QTest::addColumn<QPoint>("firstOfRow1");
    QTest::addColumn<QPoint>("last");
    QTest::addColumn<QPoint>("large");
    QTest::newRow("6, 800x600") << 6 << 1 << QPoint(170, 175) << QPoint(170, 295) << QPoint(370, 295) << QPoint(583, 188);
    QTest::newRow("12, larger") << 12 << 3 << QPoint(230, 220) << QPoint(230, 330) << QPoint(500, 440) << QPoint(743, 235);
    QTest::newRow("20, 800x600") << 20 << 1 << QPoint(100, 95) << QPoint(100, 200) << QPoint(440, 410) << QPoint(583, 188);
    QTest::newRow("20, 1024x768") << 20 << 2 << QPoint(190, 190) << QPoint(190, 295) << QPoint(530, 505) << QPoint(743, 235);
  }
  void gridPlacesSlotsRowByRowFromTheModesOrigin() {
    QFETCH(int, slotCount);
    QFETCH(int, mode);
    QFETCH(QPoint, first);
    QFETCH(QPoint, firstOfRow1);
    QFETCH(QPoint, last);
    QFETCH(QPoint, large);
    const auto grid = GridFor(slotCount, mode);
    QVERIFY(grid);
    QCOMPARE(grid->columns * grid->rows, slotCount);
    QCOMPARE(SlotPosition(*grid, 0), first);
    QCOMPARE(SlotPosition(*grid, grid->columns), firstOfRow1);
    QCOMPARE(SlotPosition(*grid, slotCount - 1), last);
    QCOMPARE(LargePictureOrigin(mode), large);
    QVERIFY(!GridFor(slotCount + 2, mode));
  }

  void hintPicksACardOnTheBoardAndItsPartner_data() {
    QTest::addColumn<QString>("board");
    QTest::addColumn<int>("random");
    QTest::addColumn<Pair>("pair");
    // The first pick is the random value modulo five: slot 5 only by walking.
    QTest::newRow("first slot") << "abcacb" << 0 << Pair({0, 3});
    QTest::newRow("partner search wraps") << "abcacb" << 4 << Pair({4, 2});
    QTest::newRow("modulo five") << "abcacb" << 9 << Pair({4, 2});
    QTest::newRow("never the last slot first") << "abcacb" << 5 << Pair({0, 3});
    QTest::newRow("empty slots walked past") << "..c.c." << 3 << Pair({4, 2});
    QTest::newRow("last slot by walking") << "..a..a" << 3 << Pair({5, 2});
    QTest::newRow("no card") << "......" << 3 << Pair();
    QTest::newRow("no slot") << "" << 3 << Pair();
    QTest::newRow("no partner") << ".a.b" << 0 << Pair();
    QTest::newRow("one card") << "a" << 12345 << Pair();
  }
  void hintPicksACardOnTheBoardAndItsPartner() {
    QFETCH(QString, board);
    QFETCH(int, random);
    QFETCH(Pair, pair);
    QCOMPARE(PickHintPair(Names(board), random), pair);
  }

  void rulesDealTheWordsTheBoardHolds_data() {
    QTest::addColumn<int>("pairs");
    QTest::addColumn<int>("words");
    QTest::addColumn<QString>("state");
    QTest::newRow("no pairs") << 0 << 3 << " 0:0 complete";
    QTest::newRow("no words") << 6 << 0 << "000000000000 0:0 complete";
    QTest::newRow("two words") << 6 << 2 << "011010010000 0:0";
    QTest::newRow("more words") << 3 << 5 << "111111 0:0";
  }
  void rulesDealTheWordsTheBoardHolds() {
    QFETCH(int, pairs);
    QFETCH(int, words);
    QFETCH(QString, state);
    std::vector<QString> keys;
    for (int w = 0; w < words; ++w) keys.push_back(QString::number(w));
    const Rules rules(pairs, keys, Scripted({1, 7, 4}));
    QCOMPARE(State(rules), state);
    QCOMPARE(rules.Remaining(), int(state.count(u'1')));
    QCOMPARE(rules.CanHint(), rules.Remaining() > 0);
    for (int k = 0; k < rules.SlotCount(); ++k) {
      if (rules.OnBoard(k)) QCOMPARE(rules.Key(k), keys[size_t(rules.Word(k))]);
    }
  }

  void aGamePlaysAsItsClicksAndTimersSay_data() {
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("did");
    QTest::addColumn<QString>("state");
    // The deal: b c c b a a.
    QTest::newRow("first card") << "4" << "F" << "111111 0:0";
    QTest::newRow("first card again") << "44" << "F-" << "111111 0:0";
    QTest::newRow("match shown") << "45s" << "FM" << "111111 1:0 waits";
    QTest::newRow("clicks while shown") << "45s01" << "FM--" << "111111 1:0 waits";
    QTest::newRow("found pair leaves") << "45s." << "FM." << "111100 1:0";
    QTest::newRow("found card ignored") << "45s.4" << "FM.-" << "111100 1:0";
    QTest::newRow("mismatch turns back") << "40s." << "FX." << "111111 0:1";
    QTest::newRow("same mismatch again") << "40s.40s." << "FX.FX." << "111111 0:2";
    QTest::newRow("last pair ends") << "45s.03s.12s." << "FM.FM.FME" << "000000 3:0 complete";
    // Stopped while the last pair is spoken, the game is not complete.
    QTest::newRow("last pair spoken") << "45s.03s.12" << "FM.FM.FM" << "011000 3:0 waits";
    QTest::newRow("last pair shown") << "45s.03s.12s" << "FM.FM.FM" << "011000 3:0 waits complete";
    QTest::newRow("withdrawn") << "4w5" << "F-" << "000000 0:0 waits";
    QTest::newRow("withdrawn under a pair") << "45sw." << "FM." << "000000 1:0 waits";
  }
  void aGamePlaysAsItsClicksAndTimersSay() {
    QFETCH(QString, script);
    QFETCH(QString, did);
    QFETCH(QString, state);
    Rules rules = Dealt();
    QCOMPARE(Play(rules, script), did);
    QCOMPARE(State(rules), state);
    QCOMPARE(rules.Remaining(), 6 - 2 * rules.Correct());
  }

  void hintIsGivenAndCountedOnlyWithNoCardTurned_data() {
    QTest::addColumn<QString>("script");
    QTest::addColumn<Pair>("pair");
    QTest::newRow("full board") << "" << Pair({0, 3});
    QTest::newRow("a card turned") << "4" << Pair();
    QTest::newRow("a pair shown") << "45s" << Pair();
    QTest::newRow("after a found pair") << "45s.01s." << Pair({0, 3});
    QTest::newRow("only the last pair") << "03s.12s." << Pair({4, 5});
    QTest::newRow("withdrawn") << "w" << Pair();
  }
  void hintIsGivenAndCountedOnlyWithNoCardTurned() {
    QFETCH(QString, script);
    QFETCH(Pair, pair);
    Rules rules = Dealt();
    Play(rules, script);
    QCOMPARE(rules.CanHint(), bool(pair));
    QCOMPARE(rules.Hint(0), pair);
    QCOMPARE(rules.Hints(), pair ? 1 : 0);
  }
};

QTEST_GUILESS_MAIN(MemoryRulesTest)
#include "tst_memory_rules.moc"
