#include "platform/instance.h"

#include <QDir>
#include <QLockFile>

namespace platform {

SingleInstanceLock::SingleInstanceLock(const QString& name)
    : lock_(std::make_unique<QLockFile>(QDir(QDir::tempPath()).filePath(name + QStringLiteral(".lock")))) {
  // Only a dead owner makes a lock stale, never its age: a copy that has run
  // for days still holds its lock.
  lock_->setStaleLockTime(0);
  acquired_ = lock_->tryLock(0);
}

SingleInstanceLock::~SingleInstanceLock() = default;

}  // namespace platform
