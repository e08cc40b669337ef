#include "shell/_dllengine.h"

#include "pictres/pictres.h"
#include "session/contentroot.h"

QImage LoadNamedPicture(const session::ContentRoot& content, const QString& name) {
  QImage picture;
  OpenBmpFile(content.Path(QStringLiteral("Pict")), name, picture);
  return picture;
}
