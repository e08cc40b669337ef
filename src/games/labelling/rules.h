#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "words/segmentation.h"
#include "words/spaczka.h"

// The labelling game without a screen: its tasks, the one being shown, and
// which are solved.
namespace labelling {

// The board makes one tile per token of the word's segmentation.
using words::ScanSegmentation;
using words::Token;

// One task: a drawn word and the tiles that spell it.
struct Task {
  QString key;               // the word's key: its picture and its sound
  std::vector<Token> tiles;  // in the order the slots want them
};

// What the slot row says once the child has put a tile into it.
enum class Verdict { Incomplete, Wrong, Correct };

// One task per drawn word; the first is shown and none is solved. The
// solved tasks are the game's own: the catalogue's drawn mark stays as the
// draw left it.
class Rules {
 public:
  Rules() = default;
  explicit Rules(std::vector<Task> tasks);
  // The tasks of the drawn words, in the order drawn.
  static Rules ForWords(const std::vector<SPaczka>& drawn);

  int Count() const { return int(tasks_.size()); }
  int Current() const { return current_; }
  // The task shown; none when there is none at that index.
  const Task* CurrentTask() const;
  QString Key() const;

  // Without tasks no index is the last, and "next" still moves on.
  bool IsFirst() const { return current_ == 0; }
  bool IsLast() const { return current_ == Count() - 1; }
  // False, moving nowhere, on the last (the first) task.
  bool Next();
  bool Previous();

  // The shown word as its tiles spell it ("szkoła" for the key "szkola").
  QString Answer() const;
  // The phonemes in the slots, in row order, an empty one for an empty slot.
  Verdict Judge(const QStringList& laid) const;

  // A missing task counts as solved, and no tasks as all solved: what the
  // game reports as completed at its end.
  bool IsSolved() const;
  bool AllSolved() const;
  void Solve() { Mark(true); }
  void Reopen() { Mark(false); }

 private:
  void Mark(bool solved);

  std::vector<Task> tasks_;
  std::vector<bool> solved_;
  int current_ = 0;
};

}  // namespace labelling
