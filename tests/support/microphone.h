#pragma once

#include <QtGlobal>
#include <functional>
#include <vector>

#include "platform/capture.h"
#include "support/services.h"

namespace testing {

// A microphone that hears a given signal, block by block, one block per
// read, whatever the time; after the signal it hears silence (as SDL's disk
// driver does after its input file). Making one installs it; destroying it
// puts the real input back.
class FakeMicrophone : public platform::SoundInput {
 public:
  FakeMicrophone() { Plugs().microphone = this; }
  ~FakeMicrophone() override { Plugs().microphone = nullptr; }

  bool Available() override { return present; }
  bool Start(int sampleRate) override;
  bool Read(std::vector<qint16>& samples) override;
  void Stop() override { open = false; }

  bool present = true;
  bool opens = true;
  std::vector<qint16> signal;
  int blockSamples = 1600;
  // From this read on (1-based) the device has failed; 0 never.
  int failsAtRead = 0;
  // Runs at the start of every read with its number: a test's way to act
  // while the recording runs.
  std::function<void(int read)> onRead;

  bool open = false;
  int rate = 0;
  int starts = 0;
  int reads = 0;

 private:
  size_t position_ = 0;
};

// Generated signals of 16-bit samples at `rate`.
std::vector<qint16> Tone(int ms, double amplitude, int rate = 16000);
std::vector<qint16> Silence(int ms, int rate = 16000);
std::vector<qint16> operator+(std::vector<qint16> a, const std::vector<qint16>& b);

}  // namespace testing
