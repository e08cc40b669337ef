#include "session/settings.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include "platform/inifile.h"

namespace session {

namespace {

const QString kProgramSection = QStringLiteral("DaneProgramu");
const QString kFullScreenKey = QStringLiteral("PelnyEkran");
constexpr qint32 kPositionValue = 111002;

// Writes the configuration whole or not at all; a failure is said on
// standard error with its reason, beside whatever the caller shows.
bool Save(const platform::IniFile& ini, const QString& path) {
  QString why;
  if (ini.Save(path, &why)) return true;
  QTextStream(stderr) << QDir::toNativeSeparators(path) << QStringLiteral(": nie zapisano ustawień: ") << why << ".\n";
  return false;
}

}  // namespace

bool Settings::Load() {
  fullScreen_ = false;
  if (!QFileInfo::exists(path_)) return Write();

  platform::IniFile ini;
  if (!ini.Load(path_)) {
    const QFileInfo info(path_);
    const QString why = !info.isFile()                               ? QStringLiteral("to nie jest zwykły plik")
                        : info.size() > platform::IniFile::kMaxBytes ? QStringLiteral("plik jest za duży")
                                                                     : QStringLiteral("brak prawa odczytu");
    QTextStream(stderr) << QDir::toNativeSeparators(path_) << QStringLiteral(": nie odczytano ustawień: ") << why
                        << ".\n";
    return false;
  }
  launchCount = ini.ReadInteger(kProgramSection, QStringLiteral("LU"), launchCount);
  zakladka = qint16(ini.ReadInteger(kProgramSection, QStringLiteral("Zakladka"), zakladka));
  fullScreen_ = ini.ReadInteger(kProgramSection, kFullScreenKey, 0) != 0;
  microphone_ = ini.ReadInteger(kProgramSection, QStringLiteral("Mikrofon"), 1) != 0;
  podpisywanieSettings.Read(ini);
  memorySettings.Read(ini);
  uzupelnianieSettings.Read(ini);
  spadajaceSettings.Read(ini);
  launchCount = qint32(quint32(launchCount) + 1);
  ini.WriteInteger(kProgramSection, QStringLiteral("LU"), launchCount);
  return Save(ini, path_);
}

bool Settings::Write() {
  platform::IniFile ini;
  // A file that exists but cannot be read must not be replaced by one that
  // has lost its other keys.
  if (QFileInfo::exists(path_) && !ini.Load(path_)) return false;
  ini.WriteInteger(kProgramSection, QStringLiteral("LU"), launchCount);
  ini.WriteInteger(kProgramSection, QStringLiteral("Position"), kPositionValue);
  return Save(ini, path_);
}

bool Settings::WriteFullScreenChoice(bool on) {
  fullScreen_ = on;
  platform::IniFile ini;
  if (QFileInfo::exists(path_) && !ini.Load(path_)) return false;
  ini.WriteInteger(kProgramSection, kFullScreenKey, on ? 1 : 0);
  return Save(ini, path_);
}

bool Settings::SavedFullScreenChoice(const QString& path) {
  platform::IniFile ini;
  if (path.isEmpty() || !QFileInfo(path).isFile() || !ini.Load(path)) return false;
  return ini.ReadInteger(kProgramSection, kFullScreenKey, 0) != 0;
}

CUstGry* Settings::ForTab(int tab) {
  switch (tab) {
    case 1: return &podpisywanieSettings;
    case 2: return &memorySettings;
    case 3: return &uzupelnianieSettings;
    case 4: return &spadajaceSettings;
    default: return nullptr;
  }
}

}  // namespace session
