#pragma once

#include <QString>
#include <memory>

class QLockFile;

namespace platform {

// Keeps a second copy of the program from running for the same user. The
// lock is a file in the user's runtime folder; a lock left by a process that
// died does not block a start.
class SingleInstanceLock {
 public:
  explicit SingleInstanceLock(const QString& name);
  ~SingleInstanceLock();
  SingleInstanceLock(const SingleInstanceLock&) = delete;
  SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

  // True when this process holds the lock.
  bool Acquired() const { return acquired_; }
  // True only when a live copy holds the lock. A lock that could not be made
  // at all (no runtime folder, no permission) is neither: the program may
  // run, unguarded.
  bool HeldByAnother() const { return heldByAnother_; }
  // Where the lock is, or would have been.
  QString Path() const { return path_; }

 private:
  std::unique_ptr<QLockFile> lock_;
  QString path_;
  bool acquired_ = false;
  bool heldByAnother_ = false;
};

}  // namespace platform
