#include "platform/capture.h"

#include <SDL.h>

#include <cstring>

namespace platform {

namespace {

// Capture through SDL2's audio subsystem, the same one that plays the
// sounds. The device is opened for one recording, at the press, and closed
// after it: many computers light a lamp whenever a microphone is open.
class SdlSoundInput : public SoundInput {
 public:
  ~SdlSoundInput() override {
    Stop();
    if (initialised_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }

  // The device list only, read afresh each time: a microphone plugged in
  // later is found, one unplugged is no longer offered.
  bool Available() override {
    if (!Init()) return false;
    // The dummy driver offers a capture device that gives endless silence:
    // a child would speak into nothing.
    const char* driver = SDL_GetCurrentAudioDriver();
    if (!driver || std::strcmp(driver, "dummy") == 0) return false;
    return SDL_GetNumAudioDevices(1) > 0;
  }

  // A device that will not open now may open at the next press.
  bool Start(int sampleRate) override {
    Stop();
    if (!Available()) return false;
    device_ = Open(sampleRate);
    if (device_ == 0) return false;
    SDL_PauseAudioDevice(device_, 0);
    return true;
  }

  bool Read(std::vector<qint16>& samples) override {
    if (device_ == 0 || SDL_GetAudioDeviceStatus(device_) == SDL_AUDIO_STOPPED) return false;
    const Uint32 bytes = SDL_GetQueuedAudioSize(device_) & ~Uint32(1);
    if (bytes == 0) return true;
    const size_t old = samples.size();
    samples.resize(old + bytes / 2);
    const Uint32 got = SDL_DequeueAudio(device_, samples.data() + old, bytes);
    samples.resize(old + got / 2);
    return true;
  }

  void Stop() override {
    if (device_ != 0) SDL_CloseAudioDevice(device_);
    device_ = 0;
  }

 private:
  static SDL_AudioDeviceID Open(int sampleRate) {
    SDL_AudioSpec want{};
    want.freq = sampleRate;
    want.format = AUDIO_S16SYS;
    want.channels = 1;
    want.samples = 512;
    SDL_AudioSpec have{};
    // No format change allowed: SDL converts whatever the device gives to
    // exactly what was asked for.
    return SDL_OpenAudioDevice(nullptr, 1, &want, &have, 0);
  }

  bool Init() {
    if (!triedInit_) {
      triedInit_ = true;
      initialised_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    }
    return initialised_;
  }

  bool triedInit_ = false;
  bool initialised_ = false;
  SDL_AudioDeviceID device_ = 0;
};

}  // namespace

SoundInput& SystemSoundInput() {
  static SdlSoundInput input;
  return input;
}

}  // namespace platform
