#include "recorder/stoprule.h"

#include <cmath>

namespace recorder {

StopRule::StopRule(int sampleRate)
    : frameLength_(qMax<qint64>(1, qint64(sampleRate) * kFrameMs / 1000)),
      limit_(qint64(sampleRate) * kLimitMs / 1000),
      silenceFrames_(kSilenceMs / kFrameMs) {}

qint64 StopRule::Feed(const qint16* samples, qint64 count) {
  qint64 used = 0;
  while (used < count && !Ended()) {
    const double s = samples[used];
    sumOfSquares_ += s * s;
    ++used;
    ++taken_;
    if (++inFrame_ == frameLength_) EndOfFrame();
    if (!Ended() && taken_ >= limit_) reason_ = Reason::Limit;
  }
  return used;
}

void StopRule::Press() {
  if (!Ended()) reason_ = Reason::Press;
}

void StopRule::EndOfFrame() {
  const double rms = std::sqrt(sumOfSquares_ / double(inFrame_));
  sumOfSquares_ = 0;
  inFrame_ = 0;
  if (rms >= kLoud) loud_ = true;
  else if (rms < kQuiet) loud_ = false;
  if (loud_) {
    ++loudFrames_;
    quietRun_ = 0;
    return;
  }
  ++quietRun_;
  if (Heard() && quietRun_ >= silenceFrames_) reason_ = Reason::Silence;
}

}  // namespace recorder
