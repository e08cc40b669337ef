#pragma once

#include <QString>
#include <QtGlobal>

#include "platform/inifile.h"

// What the child chose for one game: the amount of work, the word positions
// and the sounds, in the bits of words/wordbits.h that the word records carry
// (`gloski` also 16..128, the second halves of sound pairs).
class CUstGry {
 public:
  explicit CUstGry(const QString& name) : name(name) {}

  bool IsLevel(int n) const { return poziom == n; }
  bool HasPosition(int bits) const { return (pozycja & bits) != 0; }
  bool HasPhoneme(int bits) const { return (gloski & bits) != 0; }
  void SetLevel(int n) { poziom = qint16(n); }
  void TogglePosition(int bit);
  void TogglePhoneme(int bit);
  // Sound bit 1, 2, 4 or 8 together with the bit 16 times larger.
  void TogglePhonemePair(int bit);

  // Reads "Gloski", "Poziom" and "Pozycja" from the section named `name`;
  // a missing or non-numeric key keeps the current value. Each value keeps
  // its low 16 bits, without a range check.
  void Read(const platform::IniFile& ini);

  QString name;
  qint16 poziom = 2;
  qint16 pozycja = 0;
  qint16 gloski = 0;
};
