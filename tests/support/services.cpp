#include "support/services.h"

#include "platform/wait.h"

namespace testing {

namespace {

class ForwardingClock : public platform::Clock {
 public:
  platform::SystemTime UtcNow() override { return Current().UtcNow(); }
  qint64 LocalSeconds() override { return Current().LocalSeconds(); }
  qint64 MonotonicMs() override { return Current().MonotonicMs(); }

 private:
  static platform::Clock& Current() { return Plugs().clock ? *Plugs().clock : platform::SystemClock(); }
};

class ForwardingSound : public platform::SoundOutput {
 public:
  void PlaySync(const QString& path) override { Current().PlaySync(path); }
  void PlayAsync(const QString& path) override { Current().PlayAsync(path); }

 private:
  static platform::SoundOutput& Current() { return Plugs().sound ? *Plugs().sound : platform::SystemSoundOutput(); }
};

class ForwardingMicrophone : public platform::SoundInput {
 public:
  bool Available() override { return Current().Available(); }
  bool Start(int sampleRate) override { return Current().Start(sampleRate); }
  bool Read(std::vector<qint16>& samples) override { return Current().Read(samples); }
  void Stop() override { Current().Stop(); }

 private:
  static platform::SoundInput& Current() {
    return Plugs().microphone ? *Plugs().microphone : platform::SystemSoundInput();
  }
};

}  // namespace

Plugged& Plugs() {
  static Plugged plugged;
  return plugged;
}

platform::Clock& Clock() {
  static ForwardingClock clock;
  return clock;
}

platform::Services Services() {
  static ForwardingSound sound;
  static ForwardingMicrophone microphone;
  platform::Services s;
  s.clock = &Clock();
  s.sound = &sound;
  s.microphone = &microphone;
  s.sleep = [](int ms) {
    if (Plugs().sleep) {
      Plugs().sleep(ms);
    } else {
      platform::WaitPainting(ms);
    }
  };
  s.screenSize = [] { return Plugs().screenSize ? Plugs().screenSize() : platform::PrimaryScreenSize(); };
  s.messageBox = [](QWidget* owner, const QString& text, const QString& caption, platform::MessageIcon icon) {
    if (Plugs().messageBox) {
      Plugs().messageBox(owner, text, caption, icon);
    } else {
      platform::ShowMessageBox(owner, text, caption, icon);
    }
  };
  s.openUrl = [](const QString& url, std::function<void()> failed) {
    if (!Plugs().openUrl) return platform::OpenUrl(url, std::move(failed));
    const bool started = Plugs().openUrl(url);
    if (!started && failed) failed();
    return started;
  };
  s.programDir = Plugs().programDir.isEmpty() ? platform::ProgramDir() : Plugs().programDir;
  return s;
}

}  // namespace testing
