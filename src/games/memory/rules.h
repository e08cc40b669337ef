#pragma once

#include <QString>
#include <QtGlobal>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

// The rules of Memory, without a screen: the deal, the cards face up, the
// turn in progress, what counts, the hint and the end of the game. The board
// holds one game of them and draws what they say.
namespace memory {

// Gives the next value of a generator of non-negative 31-bit numbers.
using Generator = std::function<qint32()>;

// 1 -> 3 pairs, 2 -> 6, 3 -> 10; any other level holds no pairs.
int PairsForLevel(int poziom);
// 3 pairs -> 6 slots, 6 -> 12, 10 -> 20; any other number gives no slots.
int SlotsForPairs(int pairs);

// Deals two cards for each word, in word order, onto `slotCount` slots: the
// slot is a random value modulo the number of slots, moved on to the next free
// slot (wrapping) while taken. Returns, per slot, the index of the word on
// it or -1 for a slot left empty. Only as many words as there are slot pairs
// are dealt, so the walk always finds a free slot.
std::vector<int> DealCards(int slotCount, int words, const Generator& next);

// The two slots the hint shows. `names` holds the word key of each slot's
// card, nothing for a slot without a card on the board. The first slot is the
// random value modulo (slots - 1), so the last slot is never the first
// pick, moved on to the next card on the board; the second is the next slot
// after it (wrapping) that holds a card of the same key. Each walk visits
// every slot at most once: no card, or a card without its partner, gives
// nothing.
std::optional<std::pair<int, int>> PickHintPair(const std::vector<std::optional<QString>>& names, qint32 random);

// One game: a turn is two cards; a pair of one word leaves the board when its
// turn ends, any other pair is turned back.
class Rules {
 public:
  // What a click on a slot did.
  enum class Turn { Ignored, First, Match, Mismatch };

  Rules() = default;
  // Deals the words (keys, in draw order; at most as many as the board of
  // `pairs` holds) with `next`. Any number of pairs but 3, 6 and 10 gives a
  // board without slots.
  Rules(int pairs, const std::vector<QString>& words, const Generator& next);

  int SlotCount() const { return int(slots_.size()); }
  // Index of the word dealt onto the slot, -1 for none.
  int Word(int slot) const { return slots_[size_t(slot)].word; }
  bool OnBoard(int slot) const;
  const QString& Key(int slot) const { return slots_[size_t(slot)].key; }

  // Turns the card of a slot. Nothing while a turn is being shown, for a
  // slot without a card on the board, or for the first card again. The
  // second card decides the turn, which then waits for EndTurn.
  Turn TurnCard(int slot);
  // The second card has been shown (and its word spoken): cards are chosen
  // afresh, though the pair stays up until its turn ends.
  void ChoiceShown() { turned_ = 0; }
  // The turn's time is up: a matching pair leaves the board, any other is
  // face down again, and cards can be turned. True when the last pair has
  // left: the game ends.
  bool EndTurn();
  // Two different cards on the board showing the same word.
  bool Matches(int a, int b) const;

  // The first card of the turn in progress and the second; none before
  // they are turned, and none again once the turn has ended.
  std::optional<int> First() const { return first_; }
  std::optional<int> Second() const { return second_; }
  // Cards of the choice in progress: 1 after the first card, 2 while the
  // second is shown, else 0.
  int Turned() const { return turned_; }
  // Cards still on the board (a found pair leaves at once).
  int Remaining() const { return remaining_; }
  // False while a turn is shown and for good once withdrawn.
  bool Accepting() const { return accepting_; }

  // The hint is given while no card is turned and some card is on the board.
  bool CanHint() const;
  // Counts the hint and picks the pair it shows: see PickHintPair. Nothing,
  // and no count, when no hint can be given.
  std::optional<std::pair<int, int>> Hint(qint32 random);

  // Every pair found, as the record says it: as many cards being chosen as
  // are left, which is none once the last pair has been shown.
  bool Complete() const { return turned_ == remaining_; }
  // The game is over (stopped or ended): no card stays on the board and
  // nothing is turned from here on.
  void Withdraw();
  bool Withdrawn() const { return withdrawn_; }

  // What the game reports: pairs found, wrong pairs, hints.
  int Correct() const { return correct_; }
  int Wrong() const { return wrong_; }
  int Hints() const { return hints_; }

 private:
  struct Slot {
    int word = -1;
    QString key;
    bool onBoard = false;
  };
  std::vector<Slot> slots_;
  std::optional<int> first_;
  std::optional<int> second_;
  bool matched_ = false;
  int turned_ = 0;
  int remaining_ = 0;
  bool accepting_ = true;
  bool withdrawn_ = false;
  int correct_ = 0;
  int wrong_ = 0;
  int hints_ = 0;
};

}  // namespace memory
