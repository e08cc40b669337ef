// Arbitrary bytes as an adult's model of a word: the reader refuses them or
// vouches for a voice within its limits, and what it vouches for SDL, which
// plays it, loads as the same voice, never longer.
#include <SDL.h>

#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "recorder/wavfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
  const recorder::WavInfo info = recorder::InspectWav(bytes);
  if (!info.Ok()) return 0;
  if (info.channels < 1 || info.channels > 2 || info.sampleRate < recorder::kMinVoiceRate ||
      info.sampleRate > recorder::kMaxVoiceRate || info.frames < 1 || info.durationMs > recorder::kMaxVoiceMs ||
      info.dataBytes > qint64(size)) {
    std::abort();
  }
  SDL_AudioSpec loaded{};
  Uint8* buffer = nullptr;
  Uint32 length = 0;
  SDL_RWops* rw = SDL_RWFromConstMem(data, int(size));
  if (!rw || !SDL_LoadWAV_RW(rw, 1, &loaded, &buffer, &length)) std::abort();
  const Uint32 frameBytes = SDL_AUDIO_BITSIZE(loaded.format) / 8 * loaded.channels;
  if (loaded.channels != info.channels || loaded.freq != info.sampleRate || frameBytes == 0 ||
      qint64(length / frameBytes) > info.frames) {
    std::abort();
  }
  SDL_FreeWAV(buffer);
  return 0;
}
