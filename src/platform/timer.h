#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <vector>

namespace platform {

// A window timer: fires repeatedly every interval while enabled, on the GUI
// thread, from the event loop. Enabling it (again) restarts the count.
class Timer : public QObject {
  Q_OBJECT
 public:
  explicit Timer(QObject* owner = nullptr);
  ~Timer() override;

  void SetInterval(int ms);
  int Interval() const { return interval_; }
  void SetEnabled(bool enabled);
  bool Enabled() const { return timer_.isActive(); }

  std::function<void()> OnTimer;

  // Test seam: runs the handler as an expiry would, without waiting.
  void Fire();
  // Test seam: every enabled timer of the process, owned or not, in the
  // order they were made.
  static std::vector<Timer*> Running();

 private:
  QTimer timer_;
  int interval_ = 1000;
};

// A screen's named command: buttons and keys run its handler through Execute.
class Action {
 public:
  std::function<void(QObject* sender)> OnExecute;
  void Execute(QObject* sender = nullptr) const {
    if (OnExecute) OnExecute(sender);
  }
};

}  // namespace platform
