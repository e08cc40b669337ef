#include "games/registry.h"

#include "games/filling/rules.h"

namespace games {

const std::vector<Game>& Registry() {
  static const std::vector<Game> kGames = {
      {kPodpisywanie, QStringLiteral("Podpisywanie"), 1, QStringLiteral("Podpisywanie"), 5, true},
      {kMemory, QStringLiteral("Memory"), 2, QStringLiteral("Memory"), 4, false},
      {kUzupelnianie, QString::fromUtf8("Uzupełnianie"), 3, QStringLiteral("Uzupelnianie"), 5, true,
       // Only words whose gap hearing decides make its tasks.
       &filling::Playable},
      // Its words per level are the right pictures a game waits for.
      {kSpadajace, QString::fromUtf8("Spadające"), 4, QStringLiteral("Spadajace"), 5, true},
  };
  return kGames;
}

const Game* ByNumber(qint32 number) {
  for (const Game& g : Registry()) {
    if (g.number == number) return &g;
  }
  return nullptr;
}

const Game* ByTab(int tab) {
  for (const Game& g : Registry()) {
    if (g.menuTab == tab) return &g;
  }
  return nullptr;
}

std::vector<qint32> Numbers() {
  std::vector<qint32> numbers;
  for (const Game& g : Registry()) numbers.push_back(g.number);
  return numbers;
}

}  // namespace games
