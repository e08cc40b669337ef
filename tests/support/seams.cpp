#include "support/seams.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QWidget>
#include <QtTest/qtestspontaneevent.h>

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

void CloseFromOutside(QWidget* window) {
  QCloseEvent close;
  QSpontaneKeyEvent::setSpontaneous(&close);
  // Straight to notify, as the window system does: sendEvent would clear
  // the event's mark of coming from outside.
  QCoreApplication::instance()->notify(window, &close);
}

}  // namespace testing
