#include "platform/regularfile.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace platform {

FileRead ReadRegularFile(const QString& path, qint64 maxBytes, QByteArray* bytes) {
  bytes->clear();
  const QFileInfo info(path);
  if (!info.exists()) return info.isSymLink() ? FileRead::NotRegular : FileRead::Missing;
  // Looked at before opening: opening a FIFO for reading waits for a writer.
  if (!info.isFile()) return FileRead::NotRegular;
  if (info.size() > maxBytes) return FileRead::TooBig;

  qint64 size = info.size();
  QFile file;
#ifdef Q_OS_UNIX
  // Non-blocking, and checked again on what was opened: the name may have
  // been given to a FIFO in between.
  const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return FileRead::Failed;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return FileRead::NotRegular;
  }
  if (st.st_size > maxBytes) {
    ::close(fd);
    return FileRead::TooBig;
  }
  size = st.st_size;
  if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
    ::close(fd);
    return FileRead::Failed;
  }
#else
  file.setFileName(path);
  if (!file.open(QIODevice::ReadOnly)) return FileRead::Failed;
#endif
  // One byte more than it said tells a file that grew meanwhile.
  *bytes = file.read(size + 1);
  if (bytes->size() > maxBytes) {
    bytes->clear();
    return FileRead::TooBig;
  }
  if (file.error() != QFileDevice::NoError) {
    bytes->clear();
    return FileRead::Failed;
  }
  return FileRead::Ok;
}

}  // namespace platform
