#include "support/seams.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QWidget>
#include <QtTest/qtestspontaneevent.h>

namespace testing {

FakeMessageBox::FakeMessageBox() {
  Plugs().messageBox = [this](QWidget*, const QString& text, const QString& caption, platform::MessageIcon icon) {
    shown.push_back({text, caption, icon});
  };
}
FakeMessageBox::~FakeMessageBox() { Plugs().messageBox = {}; }

FakeSleep::FakeSleep() {
  Plugs().sleep = [this](int ms) { sleeps.push_back(ms); };
}
FakeSleep::~FakeSleep() { Plugs().sleep = {}; }

FakeScreen::FakeScreen(QSize size) : size_(size) {
  Plugs().screenSize = [this] { return size_; };
}
FakeScreen::~FakeScreen() { Plugs().screenSize = {}; }

void CloseFromOutside(QWidget* window) {
  QCloseEvent close;
  QSpontaneKeyEvent::setSpontaneous(&close);
  // Straight to notify, as the window system does: sendEvent would clear
  // the event's mark of coming from outside.
  QCoreApplication::instance()->notify(window, &close);
}

}  // namespace testing
