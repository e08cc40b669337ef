#include "shell/_custgry.h"

// Made in this order before start-up, destroyed in the reverse order.
CUstGry memorySettings(QStringLiteral("Memory"));
CUstGry uzupelnianieSettings(QStringLiteral("Uzupelnianie"));
CUstGry podpisywanieSettings(QStringLiteral("Podpisywanie"));
CUstGry spadajaceSettings(QStringLiteral("Spadajace"));

void CUstGry::TogglePosition(int bit) {
  if (bit == 256 || bit == 512 || bit == 1024) pozycja = qint16(pozycja ^ bit);
}

void CUstGry::TogglePhoneme(int bit) {
  switch (bit) {
    case 1: case 2: case 4: case 8: case 16: case 32: case 64: case 128:
      gloski = qint16(gloski ^ bit);
      break;
    default:
      break;
  }
}

void CUstGry::TogglePhonemePair(int bit) {
  if (bit != 1 && bit != 2 && bit != 4 && bit != 8) return;
  const int pair = bit | (bit << 4);
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
