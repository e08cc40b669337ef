#include "encoders.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>

extern "C" {
#include <jpeglib.h>
}

#include "asseterror.h"
#include "platform/jpegerror.h"

namespace {

// Plain data only: the encoding step may be left by longjmp.
struct Encoder {
  jpeg_compress_struct cinfo;
  platform::jpegerror::ErrorManager err;
  unsigned char* out;
  unsigned long outSize;
};

bool Compress(Encoder* e, const QImage* image, int quality) {
  if (setjmp(e->err.jump)) return false;
  jpeg_mem_dest(&e->cinfo, &e->out, &e->outSize);
  e->cinfo.image_width = JDIMENSION(image->width());
  e->cinfo.image_height = JDIMENSION(image->height());
  // libjpeg-turbo reads Format_RGB32 rows as they are.
  e->cinfo.input_components = 4;
  e->cinfo.in_color_space = JCS_EXT_BGRX;
  jpeg_set_defaults(&e->cinfo);
  jpeg_set_quality(&e->cinfo, quality, TRUE);
  e->cinfo.optimize_coding = TRUE;
  for (int c = 0; c < e->cinfo.num_components; ++c) {
    e->cinfo.comp_info[c].h_samp_factor = 1;
    e->cinfo.comp_info[c].v_samp_factor = 1;
  }
  jpeg_start_compress(&e->cinfo, TRUE);
  while (e->cinfo.next_scanline < e->cinfo.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(image->constScanLine(int(e->cinfo.next_scanline)));
    jpeg_write_scanlines(&e->cinfo, &row, 1);
  }
  jpeg_finish_compress(&e->cinfo);
  return true;
}

}  // namespace

QByteArray EncodeJpeg(const QImage& image, int quality) {
  if (image.isNull()) throw AssetError(QStringLiteral("cannot encode an empty picture"));
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);

  Encoder e{};
  e.cinfo.err = platform::jpegerror::Install(e.err);
  jpeg_create_compress(&e.cinfo);
  const bool ok = Compress(&e, &rgb, quality);
  QByteArray result;
  if (ok) result = QByteArray(reinterpret_cast<const char*>(e.out), qsizetype(e.outSize));
  jpeg_destroy_compress(&e.cinfo);
  std::free(e.out);
  if (!ok) throw AssetError(QStringLiteral("JPEG encoding failed: %1").arg(QString::fromLocal8Bit(e.err.message)));
  return result;
}

void WriteDataFile(const QString& path, const QByteArray& bytes) {
  if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
    throw AssetError(QStringLiteral("cannot create the folder of %1").arg(path));
  }
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    throw AssetError(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
  }
}

PictureWriter::PictureWriter(QString dataDir) : dataDir_(std::move(dataDir)) {}

void PictureWriter::Write(const QString& relativePath, const QImage& image) {
  QByteArray bytes;
  if (relativePath.endsWith(QLatin1String(".xji"))) {
    bytes = EncodeJpeg(image);
  } else {
    const char* format = nullptr;
    if (relativePath.endsWith(QLatin1String(".xbi"))) format = "BMP";
    if (relativePath.endsWith(QLatin1String(".png"))) format = "PNG";
    if (!format) throw AssetError(QStringLiteral("no picture kind for %1").arg(relativePath));
    // RGB888 keeps both writers at 24 bits per pixel with no alpha channel.
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.convertToFormat(QImage::Format_RGB888).save(&buffer, format)) {
      throw AssetError(QStringLiteral("cannot encode %1").arg(relativePath));
    }
  }
  WriteDataFile(dataDir_ + QLatin1Char('/') + relativePath, bytes);
  ++count_;
}
