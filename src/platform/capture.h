#pragma once

#include <QtGlobal>
#include <vector>

namespace platform {

// Records from the microphone: 16-bit mono samples at a fixed rate. One
// recording at a time, pulled by the caller while it runs.
class SoundInput {
 public:
  virtual ~SoundInput() = default;
  // True when the system lists a capture device to record from (a driver
  // that only pretends to have one does not count). Asked before a
  // microphone button is offered; opens nothing.
  virtual bool Available() = 0;
  // Opens the device and starts recording at `sampleRate`: only at a press
  // to record. False when it cannot be opened; nothing is left open then,
  // and the next call tries again.
  virtual bool Start(int sampleRate) = 0;
  // Appends what was recorded since the last call. False when the device
  // has failed (unplugged, lost): what it gave so far is not to be trusted.
  virtual bool Read(std::vector<qint16>& samples) = 0;
  // Closes the device; safe to call when nothing is open.
  virtual void Stop() = 0;
};

// The system's microphone, through SDL. The program records from the input
// it is given (platform/services.h), this one at start-up.
SoundInput& SystemSoundInput();

}  // namespace platform
