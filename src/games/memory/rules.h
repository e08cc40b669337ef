#pragma once

#include <QPoint>
#include <QString>
#include <QtGlobal>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

// The rules of Memory that need no screen: how many pairs a level holds, the
// deal, the grid and the pick of the hint. The board and the screen call them.
namespace memoryrules {

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

// Where the cards of a board of `slotCount` slots lie in a screen mode.
struct Grid {
  int columns = 0;
  int rows = 0;
  int columnStep = 0;
  int rowStep = 0;
  QPoint origin;
};
// The grid of 6, 12 or 20 slots; none for any other number.
std::optional<Grid> GridFor(int slotCount, int screenMode);
// Top-left corner of a slot: row by row, left to right.
QPoint SlotPosition(const Grid& grid, int slot);

// Top-left corner of a found pair's large picture.
QPoint LargePictureOrigin(int screenMode);

// The two slots the hint shows. `names` holds the word key of each slot's
// card, nothing for a slot without a card on the board. The first slot is the
// random value modulo (slots - 1), so the last slot is never the first
// pick, moved on to the next card on the board; the second is the next slot
// after it (wrapping) that holds a card of the same key. Each walk visits
// every slot at most once: no card, or a card without its partner, gives
// nothing.
std::optional<std::pair<int, int>> PickHintPair(const std::vector<std::optional<QString>>& names, qint32 random);

}  // namespace memoryrules
