#include "platform/jpeg.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

#include <csetjmp>
#include <cstdio>

extern "C" {
#include <jpeglib.h>
}

#include "platform/jpegerror.h"

namespace platform {

namespace {

// Pictures larger than this are refused before any pixel memory is taken:
// no artwork of the program comes near it, and a forged header must not make
// the decoder allocate gigabytes.
constexpr qint64 kMaxPixels = 64LL * 1024 * 1024;

// Plain data only: the two steps below may be left by longjmp, so nothing in
// their frames may need a destructor.
struct Decoder {
  jpeg_decompress_struct cinfo;
  jpegerror::ErrorManager err;
  unsigned char* bits;
  qsizetype bytesPerLine;
};

bool StartDecoding(Decoder* d, const unsigned char* data, unsigned long size) {
  if (setjmp(d->err.jump)) return false;
  jpeg_mem_src(&d->cinfo, data, size);
  jpeg_read_header(&d->cinfo, TRUE);
  if (qint64(d->cinfo.image_width) * qint64(d->cinfo.image_height) > kMaxPixels) {
    std::snprintf(d->err.message, sizeof d->err.message, "picture too large");
    return false;
  }
  // libjpeg-turbo writes straight into the layout of Format_RGB32.
  d->cinfo.out_color_space = JCS_EXT_BGRX;
  jpeg_start_decompress(&d->cinfo);
  return true;
}

bool ReadPixels(Decoder* d) {
  if (setjmp(d->err.jump)) return false;
  while (d->cinfo.output_scanline < d->cinfo.output_height) {
    JSAMPROW row = d->bits + qsizetype(d->cinfo.output_scanline) * d->bytesPerLine;
    jpeg_read_scanlines(&d->cinfo, &row, 1);
  }
  jpeg_finish_decompress(&d->cinfo);
  return true;
}

}  // namespace

QImage DecodeJpeg(const QByteArray& data) {
  if (data.isEmpty()) throw ImageError(QStringLiteral("empty JPEG data"));

  Decoder d{};
  d.cinfo.err = jpegerror::Install(d.err);
  jpeg_create_decompress(&d.cinfo);
  auto fail = [&d]() {
    const QString reason = QString::fromLocal8Bit(d.err.message);
    jpeg_destroy_decompress(&d.cinfo);
    return ImageError(QStringLiteral("JPEG decoding failed: %1").arg(reason));
  };

  if (!StartDecoding(&d, reinterpret_cast<const unsigned char*>(data.constData()),
                     static_cast<unsigned long>(data.size()))) {
    throw fail();
  }
  QImage image(int(d.cinfo.output_width), int(d.cinfo.output_height), QImage::Format_RGB32);
  if (image.isNull()) {
    std::snprintf(d.err.message, sizeof d.err.message, "out of memory");
    throw fail();
  }
  d.bits = image.bits();
  d.bytesPerLine = image.bytesPerLine();
  if (!ReadPixels(&d)) throw fail();
  jpeg_destroy_decompress(&d.cinfo);
  return image;
}

QImage LoadJpegFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) throw ImageError(QStringLiteral("cannot open %1").arg(path));
  const QByteArray data = file.readAll();
  try {
    return DecodeJpeg(data);
  } catch (const ImageError& e) {
    throw ImageError(QStringLiteral("%1: %2").arg(path, e.Message()));
  }
}

namespace {

QImage ReadBmp(QImageReader& reader, const QString& what) {
  reader.setDecideFormatFromContent(false);
  const QImage image = reader.read();
  if (image.isNull()) {
    throw ImageError(QStringLiteral("cannot read bitmap %1: %2").arg(what, reader.errorString()));
  }
  return image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace

QImage LoadBmpFile(const QString& path) {
  QImageReader reader(path, "BMP");
  return ReadBmp(reader, path);
}

QImage LoadBmpData(const QByteArray& data) {
  QBuffer buffer;
  buffer.setData(data);
  if (!buffer.open(QIODevice::ReadOnly)) throw ImageError(QStringLiteral("cannot read bitmap data"));
  QImageReader reader(&buffer, "BMP");
  return ReadBmp(reader, QStringLiteral("data"));
}

}  // namespace platform
