#pragma once

#include <QtGlobal>
#include <functional>
#include <memory>
#include <vector>

namespace testing {

// A random source for the games' rules that hands out the given values in
// turn, from the first again when they run out.
inline std::function<qint32()> Scripted(std::vector<qint32> values) {
  auto at = std::make_shared<size_t>(0);
  auto list = std::make_shared<std::vector<qint32>>(std::move(values));
  return [at, list] { return (*list)[(*at)++ % list->size()]; };
}

}  // namespace testing
