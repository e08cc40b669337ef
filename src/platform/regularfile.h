#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace platform {

enum class FileRead {
  Ok,
  Missing,
  NotRegular,  // a folder, a FIFO, a device, or a link to one
  TooBig,
  Failed,
};

// Reads a whole regular file of at most `maxBytes` bytes into `bytes`. A
// file that is no regular file is never read, and a FIFO is not even waited
// for; a file that says it is larger than the limit (a sparse file may claim
// gigabytes) is refused before any of it is read.
FileRead ReadRegularFile(const QString& path, qint64 maxBytes, QByteArray* bytes);

}  // namespace platform
