#include "support/programdir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>

#include "support/services.h"

namespace testing {

ProgramDir::ProgramDir() : previousDir_(QDir::currentPath()) {
  Plugs().programDir = dir_.path();
  QDir::setCurrent(dir_.path());
}

ProgramDir::~ProgramDir() {
  QDir::setCurrent(previousDir_);
  Plugs().programDir.clear();
}

void ProgramDir::Write(const QString& relative, const QByteArray& content) const {
  const QString path = File(relative);
  QDir().mkpath(QFileInfo(path).path());
  QFile f(path);
  if (f.open(QIODevice::WriteOnly)) f.write(content);
}

QByteArray ProgramDir::Read(const QString& relative) const {
  QFile f(File(relative));
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool ProgramDir::UseBuiltContent() const {
  // The test runner names the build's content folder; the program itself
  // never reads the environment.
  const QString built = qEnvironmentVariable("FONIKRA_DATA_DIR");
  if (built.isEmpty() || !QFileInfo(built).isDir()) return false;
  QDir().mkpath(File("Data"));
  for (const char* sub : {"Intf", "Pict", "Bio", "Sio", "Smd"}) {
    const QString target = QDir(built).filePath(QString::fromLatin1(sub));
    const QString link = File(QStringLiteral("Data/") + QString::fromLatin1(sub));
    if (QFileInfo(target).isDir() && !QFile::link(target, link)) return false;
  }
  return true;
}

void ProgramDir::WriteJpeg(const QString& relative, int width, int height) const {
  const QString path = File(relative);
  QDir().mkpath(QFileInfo(path).path());
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(QColor(90, 160, 220));
  image.save(path, "JPG");
}

}  // namespace testing
