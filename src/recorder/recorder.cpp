#include "recorder/recorder.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QTimeZone>

#include "platform/capture.h"
#include "platform/system.h"
#include "platform/wait.h"
#include "recorder/voicelibrary.h"
#include "recorder/wavfile.h"

namespace recorder {

namespace {

bool running = false;
// A device that delivers nothing for this long has stopped working, whatever
// it reports.
constexpr qint64 kStalledMs = 2000;
// Between the model word and the child's own voice.
constexpr int kPauseMs = 300;

class RunningFlag {
 public:
  RunningFlag() { running = true; }
  ~RunningFlag() { running = false; }
};

// The program's clock, in the computer's local time: the names say when the
// child spoke as the adult's watch did.
QDateTime LocalNow(platform::Clock& clock) {
  const platform::SystemTime t = clock.UtcNow();
  return QDateTime(QDate(t.year, t.month, t.day), QTime(t.hour, t.minute, t.second), QTimeZone::utc()).toLocalTime();
}

}  // namespace

bool MicrophoneAvailable(platform::SoundInput& microphone) { return microphone.Available(); }
bool ChildRecorderOffered(bool enabled, platform::SoundInput& microphone) {
  return enabled && MicrophoneAvailable(microphone);
}
bool Running() { return running; }

Take Listen(platform::SoundInput& input, const Hooks& hooks) {
  Take take;
  if (!input.Start(kSampleRate)) {
    take.failed = true;
    return take;
  }
  StopRule rule(kSampleRate);
  std::vector<qint16> block;
  QElapsedTimer elapsed;
  elapsed.start();
  qint64 lastData = 0;
  const auto step = [&] {
    block.clear();
    if (!input.Read(block) || elapsed.elapsed() - lastData > kStalledMs) {
      take.failed = true;
      return true;
    }
    if (!block.empty()) lastData = elapsed.elapsed();
    const qint64 used = rule.Feed(block.data(), qint64(block.size()));
    take.samples.insert(take.samples.end(), block.begin(), block.begin() + used);
    if (rule.Ended()) return true;
    if (hooks.light) hooks.light(int(elapsed.elapsed()));
    return false;
  };
  const auto offer = [&](QObject* target, QEvent* event) {
    if (hooks.isStopPress && hooks.isStopPress(target, event)) rule.Press();
  };
  platform::WaitPaintingUntil(step, offer);
  input.Stop();
  if (hooks.light) hooks.light(-1);
  take.why = rule.Why();
  take.heard = rule.Heard();
  // What a failing device gave is not trusted.
  if (take.failed) take.samples.clear();
  return take;
}

Outcome RecordChild(const platform::Services& services, const VoiceLibrary& voices, const QString& key,
                    const Hooks& hooks, QString* keptPath) {
  RunningFlag flag;
  const Take take = Listen(*services.microphone, hooks);
  if (take.failed) {
    if (hooks.failed) hooks.failed();
    platform::DropHeldInput();
    return Outcome::DeviceFailed;
  }
  QString path;
  if (take.heard && IsWordKey(key)) {
    path = voices.NewRecordingPath(key, LocalNow(*services.clock));
    if (!SaveWav(path, take.samples, kSampleRate)) path.clear();
  }
  if (!take.heard) {
    if (hooks.nothingHeard) hooks.nothingHeard(true);
    Play(*services.sound, voices.NothingHeardSoundPath());
    services.sleep(kPauseMs);
  }
  Play(*services.sound, voices.WordSoundPath(key));
  if (!take.heard && hooks.nothingHeard) hooks.nothingHeard(false);
  if (!path.isEmpty()) {
    services.sleep(kPauseMs);
    PlayVoice(*services.sound, path);
  }
  // Clicks and keys of the playback must not reach the game afterwards.
  platform::DropHeldInput();
  if (keptPath) *keptPath = path;
  if (!take.heard) return Outcome::NothingHeard;
  return path.isEmpty() ? Outcome::NotSaved : Outcome::Kept;
}

Outcome RecordModel(const platform::Services& services, const VoiceLibrary& voices, const QString& key,
                    const Hooks& hooks) {
  RunningFlag flag;
  const Take take = Listen(*services.microphone, hooks);
  Outcome outcome = Outcome::Kept;
  if (take.failed) {
    if (hooks.failed) hooks.failed();
    outcome = Outcome::DeviceFailed;
  } else if (!take.heard) {
    outcome = Outcome::NothingHeard;
  } else if (!voices.KeepModel(key, take.samples, kSampleRate)) {
    outcome = Outcome::NotSaved;
  } else {
    PlayVoice(*services.sound, voices.ModelPath(key));
  }
  platform::DropHeldInput();
  return outcome;
}

}  // namespace recorder
