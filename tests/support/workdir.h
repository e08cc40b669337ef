#pragma once

#include <QString>
#include <QTemporaryDir>

namespace testing {

// A fresh temporary folder made the working folder for the life of the
// object; the previous working folder comes back afterwards.
class TemporaryWorkingDir {
 public:
  TemporaryWorkingDir();
  ~TemporaryWorkingDir();
  TemporaryWorkingDir(const TemporaryWorkingDir&) = delete;
  TemporaryWorkingDir& operator=(const TemporaryWorkingDir&) = delete;

  bool IsValid() const { return ok_; }
  QString Path() const { return dir_.path(); }
  // Absolute path of a name inside the folder.
  QString FilePath(const QString& name) const { return dir_.filePath(name); }

 private:
  QTemporaryDir dir_;
  QString previous_;
  bool ok_ = false;
};

}  // namespace testing
