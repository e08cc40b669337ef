#pragma once

#include <QSize>
#include <QString>
#include <functional>

#include "platform/services.h"

// The services the tests hand to the program, each forwarding to the fake a
// test has made (support/seams.h, fakeclock.h, microphone.h) or, with none,
// to the system's own. A fake is made before or after the objects it serves,
// as a test needs: the program holds the forwarders, not the fakes.
namespace testing {

platform::Services Services();
platform::Clock& Clock();

// What the fakes plug in while they live; nullptr or an empty function
// unplugs.
struct Plugged {
  platform::Clock* clock = nullptr;
  platform::SoundOutput* sound = nullptr;
  platform::SoundInput* microphone = nullptr;
  std::function<void(int)> sleep;
  std::function<QSize()> screenSize;
  std::function<void(QWidget*, const QString&, const QString&, platform::MessageIcon)> messageBox;
  std::function<bool(const QString&)> openUrl;
  QString programDir;
};
Plugged& Plugs();

}  // namespace testing
