#include "shell/_specfunc.h"

#include <QFileInfo>

#include "platform/services.h"
#include "recorder/voicelibrary.h"
#include "session/contentroot.h"
#include "shell/palette.h"
#include "words/random.h"

QRgb FullScreenFill() { return palette::kBlueDeep.rgb(); }

bool PlayInterfaceSound(const platform::Services& services, const session::ContentRoot& content, int kind, bool wait) {
  QString name;
  if (kind == 0) {
    name = QStringLiteral("Intf/Smd/g%1.pw").arg(RandomNext() % 8, 2, 10, QLatin1Char('0'));
  } else if (kind == 1) {
    name = QStringLiteral("Intf/Smd/b%1.pw").arg(RandomNext() % 5, 2, 10, QLatin1Char('0'));
  } else {
    return false;
  }
  const QString path = content.Path(name);
  if (!QFileInfo::exists(path)) return false;
  if (wait) {
    services.sound->PlaySync(path);
    services.sleep(500);
  } else {
    services.sound->PlayAsync(path);
  }
  return true;
}

bool PlayWordSound(platform::SoundOutput& sound, const recorder::VoiceLibrary& voices, const QString& name) {
  const QString path = voices.WordSoundPath(name);
  if (!QFileInfo::exists(path)) return false;
  sound.PlaySync(path);
  return true;
}

QString TimeText(qint32 seconds) {
  return QStringLiteral("%1 min %2 s").arg(seconds / 60).arg(seconds % 60);
}
