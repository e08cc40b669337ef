#include "platform/timer.h"

#include <algorithm>

namespace platform {

namespace {

// Timers live on the GUI thread only, so the list needs no lock.
std::vector<Timer*>& LiveTimers() {
  static std::vector<Timer*> timers;
  return timers;
}

}  // namespace

Timer::Timer(QObject* owner) : QObject(owner) {
  timer_.setTimerType(Qt::CoarseTimer);
  connect(&timer_, &QTimer::timeout, this, &Timer::Fire);
  LiveTimers().push_back(this);
}

Timer::~Timer() {
  auto& timers = LiveTimers();
  timers.erase(std::remove(timers.begin(), timers.end(), this), timers.end());
}

std::vector<Timer*> Timer::Running() {
  std::vector<Timer*> running;
  for (Timer* t : LiveTimers()) {
    if (t->Enabled()) running.push_back(t);
  }
  return running;
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
