#include "platform/savefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>
#include <cerrno>

namespace platform {

namespace {

constexpr QFileDevice::Permissions kOwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
constexpr QFileDevice::Permissions kOwnerFolder =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;

// The reason of the last failed call, or a plain one when the system left none.
QString LastError(const QString& fallback) {
  const int code = errno;
  return code != 0 ? SystemErrorText(code) : fallback;
}

bool WriteAll(QFileDevice& file, const QByteArray& bytes) {
  qint64 done = 0;
  while (done < bytes.size()) {
    const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
    if (n <= 0) return false;
    done += n;
  }
  return true;
}

// A folder that takes no new file (a copy on a read-only share whose files
// were made writable): the file is rewritten where it is. The room for the
// longer of the two contents is taken first, so that a full disk fails
// before a byte of the old contents is touched, and the old contents go back
// on any later failure: they fit in the room they had.
QString RewriteInPlace(const QString& path, const QByteArray& bytes, Privacy privacy) {
  QFile file(path);
  errno = 0;
  if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered)) return LastError(QStringLiteral("brak prawa do zapisu"));
  const QByteArray old = file.readAll();
  if (file.error() != QFileDevice::NoError) return LastError(QStringLiteral("błąd odczytu"));
  errno = 0;
  if (bytes.size() > old.size() &&
      (!file.seek(old.size()) || !WriteAll(file, QByteArray(bytes.size() - old.size(), '\0')))) {
    const QString why = LastError(QStringLiteral("błąd zapisu"));
    file.resize(old.size());
    return why;
  }
  errno = 0;
  if (!file.seek(0) || !WriteAll(file, bytes) || !file.resize(bytes.size())) {
    const QString why = LastError(QStringLiteral("błąd zapisu"));
    file.seek(0);
    WriteAll(file, old);
    file.resize(old.size());
    return why;
  }
  if (privacy == Privacy::Private) file.setPermissions(kOwnerOnly);
  return {};
}

}  // namespace

QString SystemErrorText(int code) {
  switch (code) {
    case ENOSPC: return QStringLiteral("brak miejsca na dysku");
#ifdef EDQUOT
    case EDQUOT: return QStringLiteral("wyczerpany przydział miejsca na dysku");
#endif
    case EACCES:
    case EPERM: return QStringLiteral("brak uprawnień");
    case EROFS: return QStringLiteral("dysk jest tylko do odczytu");
    case ENOENT: return QStringLiteral("nie ma takiego pliku lub folderu");
    case ENOTDIR: return QStringLiteral("część ścieżki nie jest folderem");
    case EISDIR: return QStringLiteral("to jest folder");
    case EIO: return QStringLiteral("błąd wejścia/wyjścia dysku");
    case EFBIG: return QStringLiteral("plik jest za duży");
    case ENAMETOOLONG: return QStringLiteral("za długa nazwa pliku");
    case EBUSY:
    case ETXTBSY: return QStringLiteral("plik jest zajęty");
    default: return QStringLiteral("błąd systemu nr %1").arg(code);
  }
}

QString WriteRefusal(const QString& path) {
  const QFileInfo info(path);
  if (info.isSymLink()) return QStringLiteral("to jest dowiązanie, a program nie zapisuje przez dowiązania");
  if (!info.exists()) return {};
  if (info.isDir()) return QStringLiteral("to jest folder");
  if (!info.isFile()) return QStringLiteral("to nie jest zwykły plik");
  return {};
}

QString WriteWholeFile(const QString& path, const QByteArray& bytes, Privacy privacy) {
  const QString refusal = WriteRefusal(path);
  if (!refusal.isEmpty()) return refusal;
  const QFileInfo info(path);
  if (info.exists() && !info.isWritable()) return QStringLiteral("plik jest tylko do odczytu");
  if (info.exists() && !QFileInfo(info.absolutePath()).isWritable()) return RewriteInPlace(path, bytes, privacy);

  QSaveFile file(path);
  errno = 0;
  // Unbuffered: a failed write is seen at the write, not lost in a flush
  // that the commit does not check.
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return LastError(QStringLiteral("nie można utworzyć pliku"));
  if (privacy == Privacy::Private) file.setPermissions(kOwnerOnly);
  errno = 0;
  if (!WriteAll(file, bytes)) {
    const QString why = LastError(QStringLiteral("błąd zapisu"));
    file.cancelWriting();
    return why;
  }
  errno = 0;
  if (!file.commit()) return LastError(QStringLiteral("błąd zapisu"));
  return {};
}

bool MakePrivateFolder(const QString& folder) {
  const QString clean = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
  // The folders missing now, innermost first.
  QStringList missing;
  for (QFileInfo at(clean); !at.exists() && !at.isSymLink(); at = QFileInfo(at.absolutePath())) {
    missing << at.absoluteFilePath();
    if (at.absoluteFilePath() == at.absolutePath()) break;
  }
  if (!QDir().mkpath(clean) || !QFileInfo(clean).isDir()) return false;
  for (const QString& made : missing) QFile::setPermissions(made, kOwnerFolder);
  // A folder of the program's that an older copy made open is closed too;
  // one reached through a link is not the program's to change.
  if (!QFileInfo(clean).isSymLink()) QFile::setPermissions(clean, kOwnerFolder);
  return true;
}

}  // namespace platform
