#include "support/fakeclock.h"

#include "support/services.h"

namespace testing {

FakeClock::FakeClock()
    : utc_(Utc(2026, 12, 6, 21, 38, 49, 123)),
      localMs_((platform::ToFileTime(utc_) / 10000) + 3600 * 1000),
      monotonicMs_(1000000) {
  Plugs().clock = this;
}

FakeClock::~FakeClock() { Plugs().clock = nullptr; }

qint64 FakeClock::LocalSeconds() {
  // Whole seconds, rounded down also before the origin.
  return localMs_ >= 0 ? localMs_ / 1000 : -((-localMs_ + 999) / 1000);
}

void FakeClock::AdvanceMs(qint64 ms) {
  utc_ = platform::FromFileTime(platform::ToFileTime(utc_) + ms * 10000);
  localMs_ += ms;
  monotonicMs_ += ms;
}

platform::SystemTime FakeClock::Utc(int year, int month, int day, int hour, int minute, int second, int ms) {
  platform::SystemTime t;
  t.year = quint16(year);
  t.month = quint16(month);
  t.day = quint16(day);
  t.hour = quint16(hour);
  t.minute = quint16(minute);
  t.second = quint16(second);
  t.milliseconds = quint16(ms);
  // Let the conversion fill in the day of the week.
  return platform::FromFileTime(platform::ToFileTime(t));
}

}  // namespace testing
