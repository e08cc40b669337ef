#include "platform/services.h"

#include "platform/wait.h"

namespace platform {

Services SystemServices() {
  Services s;
  s.clock = &SystemClock();
  s.sound = &SystemSoundOutput();
  s.microphone = &SystemSoundInput();
  s.sleep = [](int ms) { WaitPainting(ms); };
  s.screenSize = [] { return PrimaryScreenSize(); };
  s.messageBox = [](QWidget* owner, const QString& text, const QString& caption, MessageIcon icon) {
    ShowMessageBox(owner, text, caption, icon);
  };
  s.openUrl = [](const QString& url, std::function<void()> failed) { return OpenUrl(url, std::move(failed)); };
  s.programDir = ProgramDir();
  return s;
}

}  // namespace platform
