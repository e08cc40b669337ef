#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include "platform/exception.h"

namespace platform {

// Raised for a picture file that cannot be read or decoded.
class ImageError : public Exception {
 public:
  using Exception::Exception;
};

// Decodes a JPEG held in memory into a Format_RGB32 image. Any fault of the
// data raises ImageError; the decoder never ends the process.
QImage DecodeJpeg(const QByteArray& data);
// Reads and decodes a JPEG file (".xji" artwork and word pictures).
QImage LoadJpegFile(const QString& path);
// Reads a Windows bitmap file whatever its extension (".xbi" artwork).
QImage LoadBmpFile(const QString& path);
// The same for a bitmap held in memory.
QImage LoadBmpData(const QByteArray& data);

}  // namespace platform
