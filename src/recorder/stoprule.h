#pragma once

#include <QtGlobal>

namespace recorder {

// When a recording of one spoken word ends, decided on the samples alone
// (never on the clock), so that it is the same for a real microphone, a
// recorded file and a test's generated signal.
//
// The signal is cut into frames of 20 ms. A frame is loud when its RMS level
// reaches kLoud, and quiet again only below kQuiet (the gap keeps a level
// that hovers at one threshold from flickering). Speech has been heard once
// kSpeechFrames loud frames have come, in all. Then a second of quiet frames
// in a row ends the recording; so does the 4-second limit, or a press.
// Silence alone runs to the limit and ends with nothing heard.
class StopRule {
 public:
  enum class Reason { None, Silence, Limit, Press };

  static constexpr int kFrameMs = 20;
  static constexpr int kSilenceMs = 1000;
  static constexpr int kLimitMs = 4000;
  static constexpr int kSpeechFrames = 5;
  // RMS of 16-bit samples: about -30 dBFS and -36 dBFS. Room noise of a
  // laptop microphone stays well below; a child's voice at arm's length
  // reaches far above.
  static constexpr double kLoud = 1000.0;
  static constexpr double kQuiet = 500.0;

  explicit StopRule(int sampleRate);

  // Takes the next samples and returns how many of them belong to the
  // recording: all of them, unless it ends inside this block. Nothing is
  // taken once it has ended.
  qint64 Feed(const qint16* samples, qint64 count);
  // The child pressed stop: the recording ends here, with what it has.
  void Press();

  bool Ended() const { return reason_ != Reason::None; }
  Reason Why() const { return reason_; }
  // Speech was heard: the recording is worth keeping.
  bool Heard() const { return loudFrames_ >= kSpeechFrames; }
  // Samples taken so far.
  qint64 Taken() const { return taken_; }

 private:
  void EndOfFrame();

  qint64 frameLength_;
  qint64 limit_;
  qint64 silenceFrames_;
  qint64 taken_ = 0;
  qint64 inFrame_ = 0;
  double sumOfSquares_ = 0;
  bool loud_ = false;
  int loudFrames_ = 0;
  qint64 quietRun_ = 0;
  Reason reason_ = Reason::None;
};

}  // namespace recorder
