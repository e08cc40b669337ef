#pragma once

#include <QtGlobal>

namespace statrec {

// A game's rating from its correct and wrong answers (hints play no part):
// 1 poor, 2 fair, 4 good. The summary shows it; the reports show it for a
// finished game.
inline int RatingFor(qint32 correct, qint32 wrong) {
  const qint64 c = correct;
  const qint64 w = wrong;
  if (5 * c <= 2 * w) return 1;
  if (5 * w >= 3 * c) return 2;
  return 4;
}

}  // namespace statrec
