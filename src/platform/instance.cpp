#include "platform/instance.h"

#include <QDir>
#include <QCoreApplication>
#include <QLockFile>
#include <QSysInfo>
#include <QStandardPaths>

namespace platform {

SingleInstanceLock::SingleInstanceLock(const QString& name) {
  // The runtime folder is the user's own, so another user of the computer
  // runs a copy of their own.
#ifdef Q_OS_WIN
  // Windows has no runtime folder; the temporary one is the user's own too.
  const QString dir = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
#else
  const QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
#endif
  if (dir.isEmpty()) return;
  path_ = QDir(dir).filePath(name + QStringLiteral(".lock"));
  lock_ = std::make_unique<QLockFile>(path_);
  // Only a dead owner makes a lock stale, never its age: a copy that has run
  // for days still holds its lock.
  lock_->setStaleLockTime(0);
  acquired_ = lock_->tryLock(0);
  // Only a lock that names its owner is another copy's; something else in
  // its place (a folder, an unreadable file) is a lock that cannot be made.
  qint64 pid = 0;
  QString host;
  QString application;
  heldByAnother_ = !acquired_ && lock_->error() == QLockFile::LockFailedError &&
                   lock_->getLockInfo(&pid, &host, &application) && pid > 0;
  // A lock naming this very process was left by an earlier run that died
  // and whose process number came round again (Wine hands out the same
  // numbers at every start): it is stale, though its owner looks alive.
  if (heldByAnother_ && pid == QCoreApplication::applicationPid() && host == QSysInfo::machineHostName() &&
      lock_->removeStaleLockFile()) {
    acquired_ = lock_->tryLock(0);
    heldByAnother_ = false;
  }
}

SingleInstanceLock::~SingleInstanceLock() = default;

}  // namespace platform
