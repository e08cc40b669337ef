// Arbitrary bytes as ".xji" artwork: the decoder must either give an image of
// the size the header promised or raise ImageError, never crash or exit.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "platform/jpeg.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
  try {
    const QImage image = platform::DecodeJpeg(bytes);
    if (image.isNull() || image.format() != QImage::Format_RGB32) std::abort();
    // Touch every row so that a short buffer shows up under the sanitizer.
    volatile unsigned sum = 0;
    for (int y = 0; y < image.height(); ++y) sum = sum + image.constScanLine(y)[image.bytesPerLine() - 1];
  } catch (const platform::ImageError&) {
  }
  return 0;
}
