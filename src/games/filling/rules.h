#pragma once

#include <QString>
#include <QtGlobal>
#include <functional>
#include <vector>

#include "words/_custgry.h"
#include "words/segmentation.h"
#include "words/spaczka.h"

// The filling game without a screen: a word with one gap where its hushing
// sound (or that sound's hissing partner) stands, two tiles to fill it, and
// the tasks of one game drawn from the catalogue.
namespace filling {

using words::Token;

// Gives the next value of a generator of non-negative 31-bit numbers.
using Generator = std::function<qint32()>;

// 1 -> 5 tasks, 2 -> 10, 3 -> 15; any other level holds none.
int TasksForLevel(int poziom);
// The sound bit of a spelled sound ("rz" -> 2, "dz" -> 128), 0 for any other.
quint16 SoundBit(const QString& phoneme);
// The other tile of a gap: sz <-> s, ż and rz -> z, z -> ż, cz <-> c,
// dż <-> dz; nothing for any other text.
QString Partner(const QString& phoneme);
// The two sounds one pair of the menu tells apart, either way round.
bool ArePartners(const QString& a, const QString& b);
// False where the gap is not heard as spelled: a voiced one at the end of
// the word ("wóz"), before a voiceless consonant ("łyżka"), "rz" after one
// ("trzy"), a voiceless one before a voiced consonant ("liczba"). Hearing
// cannot decide such a gap.
bool HeardAsSpelled(const std::vector<Token>& tokens, int gap);

// One task: the word, its tiles with the gap among them, and the two tiles
// the child chooses from.
struct Task {
  QString key;                // the word's key: its picture and its sound
  std::vector<Token> tokens;  // as the catalogue cuts the word
  int gap = -1;               // the token left empty
  QString right;              // the gap's sound as the word spells it
  QString wrong;              // its partner

  bool operator==(const Task&) const = default;
};

// The word's task for the chosen sounds (bits of both halves of a pair) and
// positions: the gap is its first marked token of a chosen sound at a chosen
// place that hearing decides. `wrong` is the partner's spelling; a minimal
// pair's word may say it better (see Choose). No gap gives no key.
Task TaskFor(const SPaczka& word, quint16 gloski, quint16 pozycja);
// Two tasks whose words differ only in the gap, and there by partners.
bool MinimalPair(const Task& a, const Task& b);

// How many of the words have a task for the settings: what a game can draw.
int Playable(const std::vector<SPaczka>& catalogue, const CUstGry& settings);

// Draws the tasks of a game: as many as the level gives, hushing and hissing
// words in turn (the other kind once one runs out), each drawn at random
// without repeats from the catalogue's words with a gap for the settings. A
// word drawn whose minimal pair is still there brings it in as the next task.
// Fewer tasks when the catalogue holds fewer words.
std::vector<Task> Choose(const std::vector<SPaczka>& catalogue, const CUstGry& settings, const Generator& next);

// One game of tasks, the one shown, and what was answered.
class Rules {
 public:
  // What a tile laid into the gap did.
  enum class Outcome {
    Ignored,    // no task, or it is solved already
    Right,      // the task is solved
    Wrong,      // counted; the tile goes back
    WrongLast,  // counted, and the second wrong try: the right tile moves in
                // and the task is solved
  };

  Rules() = default;
  explicit Rules(std::vector<Task> tasks);

  int Count() const { return int(tasks_.size()); }
  int Current() const { return current_; }
  // The task shown; none when there is none at that index.
  const Task* CurrentTask() const;

  // Without tasks no index is the last, and "next" still moves on.
  bool IsFirst() const { return current_ == 0; }
  bool IsLast() const { return current_ == Count() - 1; }
  // False, moving nowhere, on the last (the first) task.
  bool Next();
  bool Previous();

  Outcome Answer(const QString& tile);
  // A missing task counts as solved, and no tasks as all solved.
  bool IsSolved() const;
  bool AllSolved() const;

  // What the game reports: right answers, wrong tries.
  int Correct() const { return correct_; }
  int Wrong() const { return wrong_; }

 private:
  struct State {
    bool solved = false;
    int wrongTries = 0;
  };
  std::vector<Task> tasks_;
  std::vector<State> states_;
  int current_ = 0;
  int correct_ = 0;
  int wrong_ = 0;
};

}  // namespace filling
