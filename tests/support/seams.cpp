#include "support/seams.h"

namespace testing {

FakeMessageBox::FakeMessageBox() {
  platform::SetMessageBoxFunction(
      [this](QWidget*, const QString& text, const QString& caption, platform::MessageIcon icon) {
        shown.push_back({text, caption, icon});
      });
}
FakeMessageBox::~FakeMessageBox() { platform::SetMessageBoxFunction({}); }

FakeSleep::FakeSleep() {
  platform::SetSleepFunction([this](int ms) { sleeps.push_back(ms); });
}
FakeSleep::~FakeSleep() { platform::SetSleepFunction({}); }

FakeScreen::FakeScreen(QSize size) : size_(size) {
  platform::SetScreenSizeProvider([this] { return size_; });
}
FakeScreen::~FakeScreen() { platform::SetScreenSizeProvider({}); }

}  // namespace testing
