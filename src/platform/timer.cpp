#include "platform/timer.h"

namespace platform {

Timer::Timer(QObject* owner) : QObject(owner) {
  timer_.setTimerType(Qt::CoarseTimer);
  connect(&timer_, &QTimer::timeout, this, &Timer::Fire);
}

void Timer::SetInterval(int ms) {
  interval_ = ms;
  if (timer_.isActive()) timer_.start(interval_);
}

void Timer::SetEnabled(bool enabled) {
  if (enabled) {
    timer_.start(interval_);
  } else {
    timer_.stop();
  }
}

void Timer::Fire() {
  if (OnTimer) OnTimer();
}

}  // namespace platform
