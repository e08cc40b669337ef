#pragma once

#include <QString>
#include <QtGlobal>
#include <vector>

#include "words/spaczka.h"

class CUstGry;

// The games of the program, in one list: the menu starts them by tab, the
// end of a game records them by number, and the results window and the
// exports name them. A new game is a folder beside this file and one entry
// in the list.
namespace games {

// The numbers the statistics records carry; a number once written stays.
inline constexpr qint32 kPodpisywanie = 1;
inline constexpr qint32 kMemory = 2;
inline constexpr qint32 kUzupelnianie = 3;
inline constexpr qint32 kSpadajace = 4;

struct Game {
  qint32 number = 0;       // the statistics record's game number
  QString name;            // how the summary, the results window and the exports name it
  int menuTab = 0;         // the menu tab that starts it
  QString section;         // its settings record in data.ini
  int wordsPerLevel = 0;   // the words one amount level draws
  bool needsAWord = false;  // nothing to show without a word: too few words is said, not played
  // How many of the words selected for the settings it can play; all of
  // them when it has no rule of its own.
  int (*playable)(const std::vector<SPaczka>& selected, const CUstGry& settings) = nullptr;
};

// In menu tab order.
const std::vector<Game>& Registry();
// The game of that number or tab; nullptr when there is none.
const Game* ByNumber(qint32 number);
const Game* ByTab(int tab);
// Every number the registry knows, in its order.
std::vector<qint32> Numbers();

}  // namespace games
