#include "pictres/pictres.h"

#include <QImageReader>

QString PictPath(const QString& folder, const QString& name) { return folder + QLatin1Char('/') + name + QStringLiteral(".png"); }

void OpenBmpFile(const QString& folder, const QString& name, QImage& bitmap) {
  // A name is a bare stem; anything that could leave the folder is refused.
  if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) || name.startsWith(QLatin1Char('.'))) {
    throw platform::ImageError(QStringLiteral("invalid picture name \"%1\"").arg(name));
  }
  QImageReader reader(PictPath(folder, name), "PNG");
  reader.setDecideFormatFromContent(false);
  const QImage image = reader.read();
  if (image.isNull()) {
    throw platform::ImageError(QStringLiteral("picture \"%1\": %2").arg(name, reader.errorString()));
  }
  bitmap = image.convertToFormat(QImage::Format_RGB32);
}
