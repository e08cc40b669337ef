#include "shell/_specfunc.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include "locations/filelocations.h"
#include "platform/inifile.h"
#include "platform/sound.h"
#include "platform/system.h"
#include "recorder/recorder.h"
#include "recorder/voicelibrary.h"
#include "shell/palette.h"
#include "words/_custgry.h"
#include "words/random.h"

qint32 screenWidth = 0;
qint32 screenHeight = 0;
qint16 screenMode = 0;
qint32 launchCount = 0;
qint16 zakladka = 1;

namespace {
// Writes the configuration whole or not at all; a failure is said on
// standard error with its reason, beside whatever the caller shows.
bool SaveConfiguration(const platform::IniFile& ini, const QString& path) {
  QString why;
  if (ini.Save(path, &why)) return true;
  QTextStream(stderr) << QDir::toNativeSeparators(path) << QStringLiteral(": nie zapisano ustawień: ") << why << ".\n";
  return false;
}

const QString kProgramSection = QStringLiteral("DaneProgramu");
constexpr qint32 kPositionValue = 111002;
const QString kFullScreenKey = QStringLiteral("PelnyEkran");
bool fullScreenChosen = false;
}  // namespace

ScreenModeResult ScreenModeFor(qint32 w, qint32 h) {
  // A signed 32-bit product, compared in this order.
  const qint32 pixels = static_cast<qint32>(static_cast<quint32>(w) * static_cast<quint32>(h));
  if (pixels < 480000) return {0, w, h};
  if (pixels == 480000) return {1, w, h};
  if (pixels == 786432) return {2, w, h};
  if (pixels > 786432) return {3, 1024, 768};
  return {-1, w, h};
}

void DetectScreenMode() {
  const QSize size = platform::PrimaryScreenSize();
  const ScreenModeResult r = ScreenModeFor(size.width(), size.height());
  screenWidth = r.width;
  screenHeight = r.height;
  screenMode = r.mode;
}

QString ArtSuffix() { return screenMode == 1 ? QStringLiteral("_s") : QStringLiteral("_b"); }

QString ConfigPath() { return locations::Current().configPath; }

bool LoadConfiguration() {
  const QString path = ConfigPath();
  fullScreenChosen = false;
  if (!QFileInfo::exists(path)) return WriteConfiguration();

  platform::IniFile ini;
  if (!ini.Load(path)) {
    const QFileInfo info(path);
    const QString why = !info.isFile()                          ? QStringLiteral("to nie jest zwykły plik")
                        : info.size() > platform::IniFile::kMaxBytes ? QStringLiteral("plik jest za duży")
                                                                     : QStringLiteral("brak prawa odczytu");
    QTextStream(stderr) << QDir::toNativeSeparators(path) << QStringLiteral(": nie odczytano ustawień: ") << why << ".\n";
    return false;
  }
  launchCount = ini.ReadInteger(kProgramSection, QStringLiteral("LU"), launchCount);
  zakladka = qint16(ini.ReadInteger(kProgramSection, QStringLiteral("Zakladka"), zakladka));
  fullScreenChosen = ini.ReadInteger(kProgramSection, kFullScreenKey, 0) != 0;
  recorder::SetChildMicrophoneEnabled(ini.ReadInteger(kProgramSection, QStringLiteral("Mikrofon"), 1) != 0);
  podpisywanieSettings.Read(ini);
  memorySettings.Read(ini);
  uzupelnianieSettings.Read(ini);
  spadajaceSettings.Read(ini);
  launchCount = qint32(quint32(launchCount) + 1);
  ini.WriteInteger(kProgramSection, QStringLiteral("LU"), launchCount);
  return SaveConfiguration(ini, path);
}

bool WriteConfiguration() {
  const QString path = ConfigPath();
  platform::IniFile ini;
  // A file that exists but cannot be read must not be replaced by one that
  // has lost its other keys.
  if (QFileInfo::exists(path) && !ini.Load(path)) return false;
  ini.WriteInteger(kProgramSection, QStringLiteral("LU"), launchCount);
  ini.WriteInteger(kProgramSection, QStringLiteral("Position"), kPositionValue);
  return SaveConfiguration(ini, path);
}

bool FullScreenChosen() { return fullScreenChosen; }

bool SavedFullScreenChoice(const QString& path) {
  platform::IniFile ini;
  if (path.isEmpty() || !QFileInfo(path).isFile() || !ini.Load(path)) return false;
  return ini.ReadInteger(kProgramSection, kFullScreenKey, 0) != 0;
}

QRgb FullScreenFill() { return palette::kBlueDeep.rgb(); }

bool WriteFullScreenChoice(bool on) {
  fullScreenChosen = on;
  const QString path = ConfigPath();
  platform::IniFile ini;
  if (QFileInfo::exists(path) && !ini.Load(path)) return false;
  ini.WriteInteger(kProgramSection, kFullScreenKey, on ? 1 : 0);
  return SaveConfiguration(ini, path);
}

bool PlayInterfaceSound(int kind, bool wait) {
  QString path;
  if (kind == 0) {
    path = QStringLiteral("Data/Intf/Smd/g%1.pw").arg(RandomNext() % 8, 2, 10, QLatin1Char('0'));
  } else if (kind == 1) {
    path = QStringLiteral("Data/Intf/Smd/b%1.pw").arg(RandomNext() % 5, 2, 10, QLatin1Char('0'));
  } else {
    return false;
  }
  if (!QFileInfo::exists(path)) return false;
  if (wait) {
    platform::CurrentSoundOutput().PlaySync(path);
    platform::SleepMs(500);
  } else {
    platform::CurrentSoundOutput().PlayAsync(path);
  }
  return true;
}

bool PlayWordSound(const QString& name) {
  const QString path = recorder::WordSoundPath(name);
  if (!QFileInfo::exists(path)) return false;
  platform::CurrentSoundOutput().PlaySync(path);
  return true;
}

QString TimeText(qint32 seconds) {
  return QStringLiteral("%1 min %2 s").arg(seconds / 60).arg(seconds % 60);
}
