#include "words/random.h"

#include <random>

namespace {
std::mt19937& Generator() {
  static std::mt19937 generator(1);
  return generator;
}
}  // namespace

void RandomSeed(quint32 seed) { Generator().seed(seed); }

qint32 RandomNext() { return static_cast<qint32>(Generator()() >> 1); }
