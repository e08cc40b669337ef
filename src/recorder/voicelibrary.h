#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <vector>

// The voices kept for the words: the child's recordings of each word, and a
// model of a word spoken by the adult, which the games then speak instead of
// the synthesised word. Everything stays in the user's folder.
namespace recorder {

// The folder of the statistics file in use (the chosen child's profile, or
// the default files'): the one place that decides where recordings live.
QString UserFolder();
// <user folder>/Nagrania: the child's recordings.
QString RecordingsFolder();
// Glosy/ beside the default statistics file: the adult's models, one per
// word, for every child.
QString ModelsFolder();

// A word's key names files: ASCII letters, digits and "_" only.
bool IsWordKey(const QString& key);

// The sound the games speak for a word: the adult's model when one is kept
// and can be played (see InspectWav), else the synthesised Data/Smd/<key>.pw
// (relative to the program's folder, as every content path).
QString WordSoundPath(const QString& key);
QString SynthesisedSoundPath(const QString& key);
QString ModelPath(const QString& key);

// "2026-12-08_10-15-03_szalik.wav" for a recording made then.
QString RecordingFileName(const QString& key, const QDateTime& when);
// A free path in the recordings folder for a recording of `key` made at
// `when` (local time); a second one in the same second gets "-2" and so on.
QString NewRecordingPath(const QString& key, const QDateTime& when);
// The child's recordings of `key`, oldest first (full paths).
QStringList Recordings(const QString& key);
// The same in another user folder (a child who does not practise this run,
// looked through from the results window).
QStringList RecordingsIn(const QString& userFolder, const QString& key);
// Plays a sound of the content, or a model the caller has checked, and
// returns when it has finished.
void Play(const QString& path);
// Plays a recording or a model only when it passes InspectWavFile; false
// when it did not.
bool PlayVoice(const QString& path);
// Deletes one of the child's recordings. False when the path is no
// recording of this library or it could not be removed.
bool DeleteRecording(const QString& path);
bool DeleteRecordingIn(const QString& userFolder, const QString& path);

enum class Model {
  None,
  Usable,
  Unusable,  // something is there, but the synthesised word is spoken
};
Model ModelOf(const QString& key);
// Something is kept as the word's model, usable or not.
bool HasModel(const QString& key);
// Keeps `samples` (16-bit mono) as the model of `key`, replacing the one
// before only when the new one is written whole. False on a bad key or a
// failed write.
bool KeepModel(const QString& key, const std::vector<qint16>& samples, int sampleRate);
// Deletes the model: the synthesised word is spoken again. True when no
// model is left.
bool DeleteModel(const QString& key);

}  // namespace recorder
