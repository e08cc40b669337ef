#pragma once

#include <QSize>
#include <QString>
#include <functional>

#include "platform/capture.h"
#include "platform/sound.h"
#include "platform/system.h"

class QWidget;

namespace platform {

// What the program asks of the system, in one value the program is made
// with: this machine's own at start-up, fakes in the tests. Whatever uses
// one of them receives it from the program through its constructor.
struct Services {
  Clock* clock = nullptr;
  SoundOutput* sound = nullptr;
  SoundInput* microphone = nullptr;
  // The blocking pause: the windows keep painting, input and timers wait.
  std::function<void(int ms)> sleep;
  // The primary display in physical pixels.
  std::function<QSize()> screenSize;
  // A modal message box with one OK button.
  std::function<void(QWidget* owner, const QString& text, const QString& caption, MessageIcon icon)> messageBox;
  // Asks the desktop to open an address (see OpenUrl).
  std::function<bool(const QString& url, std::function<void()> failed)> openUrl;
  // The folder of the program file.
  QString programDir;
};

// This machine's own.
Services SystemServices();

}  // namespace platform
