#pragma once

#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class QWidget;

#include "platform/sound.h"
#include "platform/system.h"
#include "support/services.h"

namespace testing {

// Records the sounds the program plays instead of playing them.
class FakeSound : public platform::SoundOutput {
 public:
  FakeSound() { Plugs().sound = this; }
  ~FakeSound() override { Plugs().sound = nullptr; }
  void PlaySync(const QString& path) override {
    played << path;
    if (onPlay) onPlay(path);  // a test's look at the screen meanwhile
  }
  void PlayAsync(const QString& path) override { started << path; }

  QStringList played;   // synchronous, in order
  QStringList started;  // asynchronous, in order
  std::function<void(const QString& path)> onPlay;
};

// Records message boxes instead of showing them.
class FakeMessageBox {
 public:
  struct Shown {
    QString text;
    QString caption;
    platform::MessageIcon icon;
  };
  FakeMessageBox();
  ~FakeMessageBox();
  std::vector<Shown> shown;
};

// Records the sleeps instead of blocking.
class FakeSleep {
 public:
  FakeSleep();
  ~FakeSleep();
  std::vector<int> sleeps;
};

// Pretends the primary display has a given size.
class FakeScreen {
 public:
  explicit FakeScreen(QSize size);
  ~FakeScreen();
  void Set(QSize size) { size_ = size; }

 private:
  QSize size_;
};

// Closes a window as the window manager does (its close button, Alt+F4):
// a close event that comes from outside the program.
void CloseFromOutside(QWidget* window);

}  // namespace testing
