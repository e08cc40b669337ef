#pragma once

#include <QString>

namespace platform {

// Plays waveform sound files. Only one sound plays at a time: starting a
// sound stops the one that is playing.
class SoundOutput {
 public:
  virtual ~SoundOutput() = default;
  // Returns when the sound has finished (at once when nothing can be played).
  virtual void PlaySync(const QString& path) = 0;
  // Starts the sound and returns at once.
  virtual void PlayAsync(const QString& path) = 0;
};

// The sound card, through SDL. The program plays through the output it is
// given (platform/services.h), this one at start-up.
SoundOutput& SystemSoundOutput();

}  // namespace platform
