#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <vector>

// The voices kept for the words: the child's recordings of each word, and a
// model of a word spoken by the adult, which the games then speak instead of
// the synthesised word. Everything stays in the user's folder.
namespace platform {
class SoundOutput;
}
namespace session {
struct ChildFiles;
class ContentRoot;
}  // namespace session

namespace recorder {

// A word's key names files: ASCII letters, digits and "_" only.
bool IsWordKey(const QString& key);

// "2026-12-08_10-15-03_szalik.wav" for a recording made then.
QString RecordingFileName(const QString& key, const QDateTime& when);
// The recordings of `key` in a child's folder, oldest first (full paths).
QStringList RecordingsIn(const QString& userFolder, const QString& key);
// Deletes one of the recordings in a child's folder. False when the path is
// no recording there or it could not be removed.
bool DeleteRecordingIn(const QString& userFolder, const QString& path);
// Plays a sound of the content, or a model the caller has checked, and
// returns when it has finished.
void Play(platform::SoundOutput& sound, const QString& path);
// Plays a recording or a model only when it passes InspectWavFile; false
// when it did not.
bool PlayVoice(platform::SoundOutput& sound, const QString& path);

enum class Model {
  None,
  Usable,
  Unusable,  // something is there, but the synthesised word is spoken
};

// The voices of this run: the child's takes in the child's folder, the
// adult's models beside the default files (they serve every child), the
// synthesised words of the content.
class VoiceLibrary {
 public:
  VoiceLibrary(const session::ChildFiles& files, const session::ContentRoot& content);
  VoiceLibrary(const QString& userFolder, const QString& modelsFolder, const session::ContentRoot& content);

  // The child's folder; its recordings lie in Nagrania/.
  const QString& UserFolder() const { return userFolder_; }
  const QString& RecordingsFolder() const { return recordings_; }
  // Glosy/: the adult's models, one per word.
  const QString& ModelsFolder() const { return models_; }

  // The sound the games speak for a word: the adult's model when one is
  // kept and can be played (see InspectWav), else the content's synthesised
  // Smd/<key>.pw.
  QString WordSoundPath(const QString& key) const;
  QString SynthesisedSoundPath(const QString& key) const;
  QString ModelPath(const QString& key) const;
  // What the child hears when only silence was recorded.
  QString NothingHeardSoundPath() const;

  // A free path in the recordings folder for a recording of `key` made at
  // `when` (local time); a second one in the same second gets "-2" and so on.
  QString NewRecordingPath(const QString& key, const QDateTime& when) const;
  // The child's recordings of `key`, oldest first (full paths).
  QStringList Recordings(const QString& key) const { return RecordingsIn(userFolder_, key); }
  bool DeleteRecording(const QString& path) const { return DeleteRecordingIn(userFolder_, path); }

  Model ModelOf(const QString& key) const;
  // Something is kept as the word's model, usable or not.
  bool HasModel(const QString& key) const { return ModelOf(key) != Model::None; }
  // Keeps `samples` (16-bit mono) as the model of `key`, replacing the one
  // before only when the new one is written whole. False on a bad key or a
  // failed write.
  bool KeepModel(const QString& key, const std::vector<qint16>& samples, int sampleRate) const;
  // Deletes the model: the synthesised word is spoken again. True when no
  // model is left.
  bool DeleteModel(const QString& key) const;

 private:
  QString userFolder_, recordings_, models_;
  QString words_, nothingHeard_;
};

}  // namespace recorder
