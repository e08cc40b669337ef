#include "shell/_dllengine.h"

#include "pictres/pictres.h"

QImage LoadNamedPicture(const QString& name) {
  QImage picture;
  OpenBmpFile(name, picture);
  return picture;
}
