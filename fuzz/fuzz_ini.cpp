// Arbitrary bytes as Data/data.ini: the program's keys and the four games'
// settings are read from it, and the text it would save reads back the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "platform/inifile.h"
#include "words/_custgry.h"

namespace {

const char* const kGames[] = {"Memory", "Uzupelnianie", "Podpisywanie", "Spadajace"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  platform::IniFile ini;
  if (!ini.LoadText(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)))) return 0;
  const QString program = QStringLiteral("DaneProgramu");
  const qint32 lu = ini.ReadInteger(program, QStringLiteral("LU"), 0);
  ini.ReadInteger(program, QStringLiteral("Zakladka"), 1);
  ini.ReadString(program, QStringLiteral("Position"), QString());
  for (const char* game : kGames) {
    CUstGry settings{QString::fromLatin1(game)};
    settings.Read(ini);
  }
  // What the program writes back: one more start, other keys kept.
  ini.WriteInteger(program, QStringLiteral("LU"), lu + 1);
  platform::IniFile again;
  if (!again.LoadText(ini.Text())) std::abort();
  if (again.ReadInteger(program, QStringLiteral("LU"), 0) != qint32(quint32(lu) + 1u)) std::abort();
  return 0;
}
