// Arbitrary bytes as ".xbi" artwork, read as a Windows bitmap whatever they
// hold: an image in Format_RGB32 or ImageError.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "platform/jpeg.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
  try {
    const QImage image = platform::LoadBmpData(bytes);
    if (image.isNull() || image.format() != QImage::Format_RGB32) std::abort();
  } catch (const platform::ImageError&) {
  }
  return 0;
}
