#pragma once

#include <QtGlobal>

#include "platform/system.h"

namespace testing {

// A clock that stands still until a test moves it. Making one installs it as
// the program's clock; destroying it puts the system clock back.
class FakeClock : public platform::Clock {
 public:
  // Starts at Sunday 6 December 2026, 21:38:49.123 UTC, local time one hour
  // ahead, monotonic time 1 000 000 ms.
  FakeClock();
  ~FakeClock() override;
  FakeClock(const FakeClock&) = delete;
  FakeClock& operator=(const FakeClock&) = delete;

  platform::SystemTime UtcNow() override { return utc_; }
  qint64 LocalSeconds() override;
  qint64 MonotonicMs() override { return monotonicMs_; }

  // Each moves one reading only, as a clock change by the user would.
  void SetUtc(const platform::SystemTime& t) { utc_ = t; }
  void SetLocalSeconds(qint64 seconds) { localMs_ = seconds * 1000; }
  void SetMonotonicMs(qint64 ms) { monotonicMs_ = ms; }
  // Lets time pass: all three readings move on by `ms`.
  void AdvanceMs(qint64 ms);

  static platform::SystemTime Utc(int year, int month, int day, int hour, int minute, int second, int ms);

 private:
  platform::SystemTime utc_;
  qint64 localMs_ = 0;
  qint64 monotonicMs_ = 0;
};

}  // namespace testing
