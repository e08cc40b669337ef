#pragma once

#include <QString>
#include <memory>

class QLockFile;

namespace platform {

// Keeps a second copy of the program from running. The lock is a file in the
// temporary folder; a lock left by a process that died does not block a start.
class SingleInstanceLock {
 public:
  explicit SingleInstanceLock(const QString& name);
  ~SingleInstanceLock();
  SingleInstanceLock(const SingleInstanceLock&) = delete;
  SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

  // True when this process holds the lock, false when another copy does.
  bool Acquired() const { return acquired_; }

 private:
  std::unique_ptr<QLockFile> lock_;
  bool acquired_ = false;
};

}  // namespace platform
