#include "games/labelling/rules.h"

#include <algorithm>
#include <utility>

namespace labelling {

Rules::Rules(std::vector<Task> tasks) : tasks_(std::move(tasks)), solved_(tasks_.size(), false) {}

Rules Rules::ForWords(const std::vector<SPaczka>& drawn) {
  std::vector<Task> tasks;
  tasks.reserve(drawn.size());
  for (const SPaczka& word : drawn) tasks.push_back(Task{word.Nazwa, ScanSegmentation(word.Podzial)});
  return Rules(std::move(tasks));
}

const Task* Rules::CurrentTask() const {
  if (current_ < 0 || current_ >= Count()) return nullptr;
  return &tasks_[size_t(current_)];
}

QString Rules::Key() const {
  const Task* task = CurrentTask();
  return task ? task->key : QString();
}

bool Rules::Next() {
  if (IsLast()) return false;
  ++current_;
  return true;
}

bool Rules::Previous() {
  if (IsFirst()) return false;
  --current_;
  return true;
}

QString Rules::Answer() const {
  const Task* task = CurrentTask();
  return task ? words::Spelling(task->tiles) : QString();
}

Verdict Rules::Judge(const QStringList& laid) const {
  if (std::any_of(laid.begin(), laid.end(), [](const QString& s) { return s.isEmpty(); })) return Verdict::Incomplete;
  return laid.join(QString()) == Answer() ? Verdict::Correct : Verdict::Wrong;
}

bool Rules::IsSolved() const { return !CurrentTask() || solved_[size_t(current_)]; }

bool Rules::AllSolved() const { return std::all_of(solved_.begin(), solved_.end(), [](bool s) { return s; }); }

void Rules::Mark(bool solved) {
  if (CurrentTask()) solved_[size_t(current_)] = solved;
}

}  // namespace labelling
