#include "recorder/voicelibrary.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <tuple>

#include "platform/sound.h"
#include "recorder/wavfile.h"
#include "session/childfiles.h"
#include "session/contentroot.h"

namespace recorder {

namespace {

const QString kWav = QStringLiteral(".wav");

// "2026-12-08_10-15-03_" then the key, maybe "-2", then ".wav".
const QRegularExpression& RecordingName() {
  static const QRegularExpression re(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d_\\d\\d-\\d\\d-\\d\\d_([A-Za-z0-9_]+?)(-\\d+)?\\.wav$"));
  return re;
}

}  // namespace

VoiceLibrary::VoiceLibrary(const session::ChildFiles& files, const session::ContentRoot& content)
    : VoiceLibrary(files.folder, files.voices, content) {}

VoiceLibrary::VoiceLibrary(const QString& userFolder, const QString& modelsFolder, const session::ContentRoot& content)
    : userFolder_(userFolder),
      recordings_(userFolder + QStringLiteral("/Nagrania")),
      models_(modelsFolder),
      words_(content.Path(QStringLiteral("Smd/"))),
      nothingHeard_(content.Path(QStringLiteral("Intf/Smd/n00.pw"))) {}

bool IsWordKey(const QString& key) {
  static const QRegularExpression re(QStringLiteral("^[A-Za-z0-9_]+$"));
  return re.match(key).hasMatch();
}

QString VoiceLibrary::SynthesisedSoundPath(const QString& key) const { return words_ + key + QStringLiteral(".pw"); }

QString VoiceLibrary::NothingHeardSoundPath() const { return nothingHeard_; }

QString VoiceLibrary::ModelPath(const QString& key) const { return models_ + QLatin1Char('/') + key + kWav; }

QString VoiceLibrary::WordSoundPath(const QString& key) const {
  return ModelOf(key) == Model::Usable ? ModelPath(key) : SynthesisedSoundPath(key);
}

QString RecordingFileName(const QString& key, const QDateTime& when) {
  return when.toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss_")) + key + kWav;
}

QString VoiceLibrary::NewRecordingPath(const QString& key, const QDateTime& when) const {
  const QString name = RecordingFileName(key, when);
  const QDir dir(recordings_);
  QString path = dir.filePath(name);
  for (int n = 2; QFileInfo::exists(path); ++n) {
    path = dir.filePath(name.chopped(kWav.size()) + QStringLiteral("-%1").arg(n) + kWav);
  }
  return path;
}

QStringList RecordingsIn(const QString& userFolder, const QString& key) {
  QStringList paths;
  if (!IsWordKey(key)) return paths;
  const QDir dir(userFolder + QStringLiteral("/Nagrania"));
  // By the time the name carries, then by the number of a same-second take.
  std::vector<std::tuple<QString, int, QString>> found;
  for (const QString& name : dir.entryList({QStringLiteral("*_") + key + QStringLiteral("*.wav")}, QDir::Files)) {
    const auto m = RecordingName().match(name);
    if (!m.hasMatch() || m.captured(1) != key) continue;
    const int n = m.captured(2).isEmpty() ? 1 : m.captured(2).mid(1).toInt();
    found.emplace_back(name.left(19), n, dir.filePath(name));
  }
  std::sort(found.begin(), found.end());
  for (const auto& f : found) paths << std::get<2>(f);
  return paths;
}

void Play(platform::SoundOutput& sound, const QString& path) {
  if (QFileInfo(path).isFile()) sound.PlaySync(path);
}

bool PlayVoice(platform::SoundOutput& sound, const QString& path) {
  if (!InspectWavFile(path).Ok()) return false;
  sound.PlaySync(path);
  return true;
}

bool DeleteRecordingIn(const QString& userFolder, const QString& path) {
  const QFileInfo info(path);
  if (!RecordingName().match(info.fileName()).hasMatch()) return false;
  if (info.absoluteDir() != QDir(userFolder + QStringLiteral("/Nagrania"))) return false;
  return QFile::remove(info.absoluteFilePath());
}

Model VoiceLibrary::ModelOf(const QString& key) const {
  if (!IsWordKey(key)) return Model::None;
  const QFileInfo info(ModelPath(key));
  // A dangling link counts as something there: the adult may delete it.
  if (!info.exists() && !info.isSymLink()) return Model::None;
  return InspectWavFile(info.filePath()).Ok() ? Model::Usable : Model::Unusable;
}

bool VoiceLibrary::KeepModel(const QString& key, const std::vector<qint16>& samples, int sampleRate) const {
  return IsWordKey(key) && SaveWav(ModelPath(key), samples, sampleRate);
}

bool VoiceLibrary::DeleteModel(const QString& key) const {
  if (!IsWordKey(key)) return false;
  const QFileInfo info(ModelPath(key));
  if (!info.exists() && !info.isSymLink()) return true;
  return QFile::remove(info.filePath());
}

}  // namespace recorder
