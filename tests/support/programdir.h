#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace testing {

// A throw-away program folder: the program's folder and the working folder
// point at it while the object lives.
class ProgramDir {
 public:
  ProgramDir();
  ~ProgramDir();

  QString Path() const { return dir_.path(); }
  QString File(const QString& relative) const { return dir_.filePath(relative); }
  void Write(const QString& relative, const QByteArray& content) const;
  QByteArray Read(const QString& relative) const;
  // Links the content folders the build generated (Data/Intf, Data/Pict,
  // Data/Bio, Data/Sio, Data/Smd) into this folder; Data/data.ini stays this
  // folder's own. False when the build's content folder is not known.
  bool UseBuiltContent() const;
  // A small real JPEG of the given size at the relative path.
  void WriteJpeg(const QString& relative, int width, int height) const;

 private:
  QTemporaryDir dir_;
  QString previousDir_;
};

}  // namespace testing
