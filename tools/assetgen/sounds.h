#pragma once

#include <QList>
#include <QString>

// One sound file to produce: the recording assets/voice/<name>.wav when it
// exists, otherwise espeak-ng's Polish voice speaking `text`.
struct SoundJob {
  QString name;
  QString text;
  QString output;  // full path of the ".pw" file
  int speed = 0;   // words a minute; 0 for espeak-ng's own pace
};

// Fails with AssetError unless espeak-ng runs and knows Polish.
void CheckPolishVoice();

// Produces every sound, running several espeak-ng processes at a time.
// Every result is checked to be a RIFF WAVE file. Throws AssetError.
void ProduceSounds(const QList<SoundJob>& jobs, const QString& voiceDir);

// True for a RIFF WAVE file with PCM data after its header.
bool IsWaveData(const QByteArray& bytes);
