#include "platform/sound.h"

#include <SDL.h>

#include <vector>

#include "platform/regularfile.h"
#include "platform/wait.h"

namespace platform {

namespace {

// No sound the program plays comes near these; a file beyond them is not
// read, or not converted, whatever its header claims.
constexpr qint64 kMaxFileBytes = 16 * 1024 * 1024;
constexpr qint64 kMaxPlayedSeconds = 30;

// Sound through SDL2's audio subsystem. The device is opened on first use;
// when there is no audio device at all the program stays silent and never
// waits for a sound.
class SdlSoundOutput : public SoundOutput {
 public:
  ~SdlSoundOutput() override {
    if (device_ != 0) SDL_CloseAudioDevice(device_);
    if (initialised_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }

  void PlaySync(const QString& path) override {
    if (!Queue(path)) return;
    // Wait for the queue to drain, then for the device's own buffer; the
    // windows stay painted meanwhile.
    while (SDL_GetQueuedAudioSize(device_) > 0) WaitPainting(5);
    WaitPainting(1000 * spec_.samples / spec_.freq);
  }

  void PlayAsync(const QString& path) override { Queue(path); }

 private:
  bool Open() {
    if (triedOpen_) return device_ != 0;
    triedOpen_ = true;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    initialised_ = true;
    SDL_AudioSpec want{};
    want.freq = 22050;
    want.format = AUDIO_S16SYS;
    want.channels = 1;
    want.samples = 1024;
    device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &spec_, SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_CHANNELS_CHANGE);
    return device_ != 0;
  }

  // Loads the file, converts it to the device's format and queues it in place
  // of whatever was playing. False when nothing was queued.
  bool Queue(const QString& path) {
    QByteArray bytes;
    if (ReadRegularFile(path, kMaxFileBytes, &bytes) != FileRead::Ok) return false;
    if (!Open()) return false;

    SDL_AudioSpec wav{};
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    SDL_RWops* rw = SDL_RWFromConstMem(bytes.constData(), int(bytes.size()));
    if (!rw || !SDL_LoadWAV_RW(rw, 1, &wav, &buffer, &length)) return false;
    if (!Playable(wav, length)) {
      SDL_FreeWAV(buffer);
      return false;
    }

    std::vector<Uint8> converted;
    SDL_AudioStream* stream =
        SDL_NewAudioStream(wav.format, wav.channels, wav.freq, spec_.format, spec_.channels, spec_.freq);
    bool ok = stream && SDL_AudioStreamPut(stream, buffer, int(length)) == 0 && SDL_AudioStreamFlush(stream) == 0;
    if (ok) {
      converted.resize(size_t(SDL_AudioStreamAvailable(stream)));
      ok = SDL_AudioStreamGet(stream, converted.data(), int(converted.size())) >= 0;
    }
    if (stream) SDL_FreeAudioStream(stream);
    SDL_FreeWAV(buffer);
    if (!ok || converted.empty()) return false;

    SDL_ClearQueuedAudio(device_);
    if (SDL_QueueAudio(device_, converted.data(), Uint32(converted.size())) != 0) return false;
    SDL_PauseAudioDevice(device_, 0);
    return true;
  }

  // What the conversion would make stays within kMaxPlayedSeconds: a 1 Hz
  // header would otherwise ask for gigabytes.
  bool Playable(const SDL_AudioSpec& wav, Uint32 length) const {
    const qint64 frameBytes = qint64(SDL_AUDIO_BITSIZE(wav.format) / 8) * wav.channels;
    if (wav.freq <= 0 || frameBytes <= 0) return false;
    const qint64 frames = length / frameBytes;
    return frames <= qint64(wav.freq) * kMaxPlayedSeconds;
  }

  bool triedOpen_ = false;
  bool initialised_ = false;
  SDL_AudioDeviceID device_ = 0;
  SDL_AudioSpec spec_{};
};

}  // namespace

SoundOutput& SystemSoundOutput() {
  static SdlSoundOutput output;
  return output;
}

}  // namespace platform
