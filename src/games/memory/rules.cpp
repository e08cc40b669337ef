#include "games/memory/rules.h"

#include <algorithm>

namespace memory {

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

// --- Rules -------------------------------------------------------------------

Rules::Rules(int pairs, const std::vector<QString>& words, const Generator& next) {
  const std::vector<int> dealt = DealCards(SlotsForPairs(pairs), int(words.size()), next);
  slots_.resize(dealt.size());
  for (size_t k = 0; k < dealt.size(); ++k) {
    if (dealt[k] < 0) continue;
    slots_[k] = Slot{dealt[k], words[size_t(dealt[k])], true};
    ++remaining_;
  }
}

bool Rules::OnBoard(int slot) const { return slot >= 0 && slot < SlotCount() && slots_[size_t(slot)].onBoard; }

Rules::Turn Rules::TurnCard(int slot) {
  if (!accepting_ || !OnBoard(slot)) return Turn::Ignored;
  if (turned_ == 0) {
    first_ = slot;
    turned_ = 1;
    return Turn::First;
  }
  if (first_ == slot) return Turn::Ignored;
  // The second card: nothing more is turned until the turn has ended.
  second_ = slot;
  turned_ = 2;
  accepting_ = false;
  matched_ = first_ && Matches(*first_, slot);
  if (matched_) {
    ++correct_;
    remaining_ -= 2;
    return Turn::Match;
  }
  ++wrong_;
  return Turn::Mismatch;
}

bool Rules::EndTurn() {
  if (withdrawn_) return false;
  if (matched_) {
    for (const auto& slot : {first_, second_}) {
      if (slot) slots_[size_t(*slot)].onBoard = false;
    }
  }
  const bool last = matched_ && remaining_ == 0;
  first_.reset();
  second_.reset();
  matched_ = false;
  accepting_ = true;
  return last;
}

bool Rules::Matches(int a, int b) const { return a != b && OnBoard(a) && OnBoard(b) && Key(a) == Key(b); }

bool Rules::CanHint() const {
  return !first_ && std::any_of(slots_.begin(), slots_.end(), [](const Slot& s) { return s.onBoard; });
}

std::optional<std::pair<int, int>> Rules::Hint(qint32 random) {
  if (!CanHint()) return std::nullopt;
  ++hints_;
  std::vector<std::optional<QString>> names(slots_.size());
  for (size_t k = 0; k < slots_.size(); ++k) {
    if (slots_[k].onBoard) names[k] = slots_[k].key;
  }
  return PickHintPair(names, random);
}

void Rules::Withdraw() {
  for (Slot& slot : slots_) slot.onBoard = false;
  accepting_ = false;
  withdrawn_ = true;
}

}  // namespace memory
