#include "words/_custgry.h"

#include <bit>

#include "words/wordbits.h"

namespace {

// Tab 3 pairs each hushing sound with its hissing partner, the bit 16 times
// larger.
constexpr int kPairShift = 4;
constexpr int kPhonemeBits = words::kSoundMask | (words::kSoundMask << kPairShift);

// True when `bit` is a single one of the bits in `bits`.
bool IsOneOf(int bit, int bits) { return std::has_single_bit(unsigned(bit)) && (bit & ~bits) == 0; }

}  // namespace

void CUstGry::TogglePosition(int bit) {
  if (IsOneOf(bit, words::kPositionMask)) pozycja = qint16(pozycja ^ bit);
}

void CUstGry::TogglePhoneme(int bit) {
  if (IsOneOf(bit, kPhonemeBits)) gloski = qint16(gloski ^ bit);
}

void CUstGry::TogglePhonemePair(int bit) {
  if (!IsOneOf(bit, words::kSoundMask)) return;
  const int pair = bit | (bit << kPairShift);
  if (gloski & bit) {
    gloski = qint16(gloski & ~pair);
  } else {
    gloski = qint16(gloski | pair);
  }
}

void CUstGry::Read(const platform::IniFile& ini) {
  gloski = qint16(ini.ReadInteger(name, QStringLiteral("Gloski"), gloski));
  poziom = qint16(ini.ReadInteger(name, QStringLiteral("Poziom"), poziom));
  pozycja = qint16(ini.ReadInteger(name, QStringLiteral("Pozycja"), pozycja));
}
