#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "platform/services.h"
#include "recorder/stoprule.h"
#include "recorder/voicelibrary.h"

class QEvent;
class QObject;

// The recorder of the games: the child says the word, hears the model, then
// hears themselves. The screens supply the button, the light and what counts
// as the stop press; the capture device is the platform's SoundInput.
namespace recorder {

constexpr int kSampleRate = 16000;

// The system lists a microphone to record from; asked afresh each time, and
// nothing is opened until a press to record.
bool MicrophoneAvailable(platform::SoundInput& microphone);
// The games show their microphone buttons: the settings allow it
// (data.ini: [DaneProgramu] Mikrofon) and there is a microphone.
bool ChildRecorderOffered(bool enabled, platform::SoundInput& microphone);

// True while a recording or its playback runs.
bool Running();

struct Hooks {
  // Called every few milliseconds while the microphone listens, with the
  // time since it began: the screen's recording light; -1 once it has
  // stopped listening.
  std::function<void(int elapsedMs)> light;
  // Tells the press that stops the listening (the button again, the key).
  // Every other mouse and key input meanwhile is dropped.
  std::function<bool(QObject* target, QEvent* event)> isStopPress;
  // The capture device failed part-way: the screen says so, briefly.
  std::function<void()> failed;
  // Only silence was heard: the screen shows so (true) while the child is
  // told and hears the model, and takes it away again (false).
  std::function<void(bool shown)> nothingHeard;
};

struct Take {
  std::vector<qint16> samples;
  StopRule::Reason why = StopRule::Reason::None;
  bool heard = false;
  bool failed = false;  // the device could not be opened or stopped working
};

// Listens until the stop rule ends the take. The windows keep painting;
// timers wait until it returns.
Take Listen(platform::SoundInput& input, const Hooks& hooks);

enum class Outcome {
  Kept,          // the recording was saved and played back
  NothingHeard,  // only silence: nothing kept
  NotSaved,      // the file could not be written: nothing kept
  DeviceFailed,  // nothing kept
};

// The child's turn for `key`: listens, keeps the recording under Nagrania/,
// plays the model word (the sound the game speaks), then the recording.
// After only silence the child is told so before the model.
// Input that comes meanwhile is dropped. `keptPath` gets the file kept.
Outcome RecordChild(const platform::Services& services, const VoiceLibrary& voices, const QString& key,
                    const Hooks& hooks, QString* keptPath = nullptr);
// The adult's model for `key`: listens, keeps it as the word's model
// (replacing the previous one) and plays it.
Outcome RecordModel(const platform::Services& services, const VoiceLibrary& voices, const QString& key,
                    const Hooks& hooks);

}  // namespace recorder
