#include "support/microphone.h"

#include <cmath>
#include <numbers>

namespace testing {

bool FakeMicrophone::Start(int sampleRate) {
  ++starts;
  if (!opens) return false;
  open = true;
  rate = sampleRate;
  reads = 0;
  position_ = 0;
  return true;
}

bool FakeMicrophone::Read(std::vector<qint16>& samples) {
  ++reads;
  if (onRead) onRead(reads);
  if (!open || (failsAtRead > 0 && reads >= failsAtRead)) return false;
  for (int i = 0; i < blockSamples; ++i, ++position_) {
    samples.push_back(position_ < signal.size() ? signal[position_] : qint16(0));
  }
  return true;
}

std::vector<qint16> Tone(int ms, double amplitude, int rate) {
  std::vector<qint16> out(size_t(qint64(rate) * ms / 1000));
  for (size_t i = 0; i < out.size(); ++i) {
    out[i] = qint16(std::lround(amplitude * std::sin(2 * std::numbers::pi * 440.0 * double(i) / rate)));
  }
  return out;
}

std::vector<qint16> Silence(int ms, int rate) { return std::vector<qint16>(size_t(qint64(rate) * ms / 1000), 0); }

std::vector<qint16> operator+(std::vector<qint16> a, const std::vector<qint16>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

}  // namespace testing
