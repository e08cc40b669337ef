#pragma once

#include <QtGlobal>
#include <array>

// The 16-bit vocabulary shared by a game's settings, the menu's choices, the
// word records and the word lists: which hushing sound a word practises and
// where in the word it stands, and the hissing partners of those sounds. A word or a choice may carry several of each.
namespace words {

inline constexpr quint16 kSoundSz = 0x0001;
inline constexpr quint16 kSoundZRz = 0x0002;  // Ż or RZ
inline constexpr quint16 kSoundCz = 0x0004;
inline constexpr quint16 kSoundDz = 0x0008;  // DŻ
inline constexpr quint16 kSoundMask = kSoundSz | kSoundZRz | kSoundCz | kSoundDz;

// The hissing partners of the hushing sounds, each the bit of its hushing
// sound times 16: S for SZ, Z for Ż/RZ, C for CZ, DZ for DŻ. A pair of the
// filling game's menu is a hushing bit with its partner's.
inline constexpr quint16 kSoundS = 0x0010;
inline constexpr quint16 kSoundZ = 0x0020;
inline constexpr quint16 kSoundC = 0x0040;
inline constexpr quint16 kSoundDzHissing = 0x0080;  // DZ
inline constexpr quint16 kHissingMask = kSoundS | kSoundZ | kSoundC | kSoundDzHissing;
inline constexpr quint16 kAnySoundMask = kSoundMask | kHissingMask;

inline constexpr quint16 kWordInitial = 0x0100;  // nagłos
inline constexpr quint16 kWordMedial = 0x0200;   // śródgłos
inline constexpr quint16 kWordFinal = 0x0400;    // wygłos
inline constexpr quint16 kPositionMask = kWordInitial | kWordMedial | kWordFinal;

// Set by the catalogue on the words it has drawn; the labelling game reads it
// on a drawn word as "not solved yet". Never part of a stored word.
inline constexpr quint16 kDrawnMark = 0x0800;

// In the order of the menu's rows.
inline constexpr std::array<quint16, 4> kSounds = {kSoundSz, kSoundZRz, kSoundCz, kSoundDz};
inline constexpr std::array<quint16, 3> kPositions = {kWordInitial, kWordMedial, kWordFinal};

}  // namespace words
