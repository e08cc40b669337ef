#include "games/memory/rules.h"

#include <algorithm>

namespace memoryrules {

namespace {

// Values come from a generator of non-negative numbers; the cast keeps a
// stray negative one from giving a negative slot.
int RandomBelow(qint32 value, int n) { return n > 0 ? int(quint32(value) % quint32(n)) : 0; }

}  // namespace

int PairsForLevel(int poziom) {
  switch (poziom) {
    case 1: return 3;
    case 2: return 6;
    case 3: return 10;
    default: return 0;
  }
}

int SlotsForPairs(int pairs) {
  switch (pairs) {
    case 3: return 6;
    case 6: return 12;
    case 10: return 20;
    default: return 0;
  }
}

std::vector<int> DealCards(int slotCount, int words, const Generator& next) {
  slotCount = std::max(slotCount, 0);
  std::vector<int> dealt(size_t(slotCount), -1);
  const int dealtWords = std::clamp(words, 0, slotCount / 2);
  for (int word = 0; word < dealtWords; ++word) {
    for (int card = 0; card < 2; ++card) {
      int k = RandomBelow(next(), slotCount);
      while (dealt[size_t(k)] != -1) k = (k + 1) % slotCount;
      dealt[size_t(k)] = word;
    }
  }
  return dealt;
}

std::optional<Grid> GridFor(int slotCount, int screenMode) {
  const bool smallArt = screenMode == 1;
  switch (slotCount) {
    case 6: return Grid{3, 2, 100, 120, smallArt ? QPoint(170, 175) : QPoint(260, 260)};
    case 12: return Grid{4, 3, 90, 110, smallArt ? QPoint(130, 135) : QPoint(230, 220)};
    case 20: return Grid{5, 4, 85, 105, smallArt ? QPoint(100, 95) : QPoint(190, 190)};
    default: return std::nullopt;
  }
}

QPoint SlotPosition(const Grid& grid, int slot) {
  const int row = slot / grid.columns;
  const int column = slot % grid.columns;
  return grid.origin + QPoint(column * grid.columnStep, row * grid.rowStep);
}

QPoint LargePictureOrigin(int screenMode) { return screenMode == 1 ? QPoint(583, 188) : QPoint(743, 235); }

std::optional<std::pair<int, int>> PickHintPair(const std::vector<std::optional<QString>>& names, qint32 random) {
  const int n = int(names.size());
  if (n == 0) return std::nullopt;
  int b = n == 1 ? 0 : RandomBelow(random, n - 1);
  int steps = 0;
  while (!names[size_t(b)]) {
    if (++steps == n) return std::nullopt;
    b = (b + 1) % n;
  }
  for (int c = (b + 1) % n; c != b; c = (c + 1) % n) {
    if (names[size_t(c)] == names[size_t(b)]) return std::make_pair(b, c);
  }
  return std::nullopt;
}

}  // namespace memoryrules
