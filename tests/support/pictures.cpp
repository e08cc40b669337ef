#include "support/pictures.h"

#include <QDir>
#include <QImage>
#include <QPainter>

namespace testing::pictures {

namespace {
void Save(const QImage& image, const QString& name) {
  QDir().mkpath("Data/Pict");
  image.save(QStringLiteral("Data/Pict/%1.png").arg(name));
}

QImage Framed(QSize size, QColor inner, QColor border) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(border);
  QPainter p(&image);
  p.fillRect(QRect(QPoint(4, 4), size - QSize(8, 8)), inner);
  return image;
}
}  // namespace

void WriteSolid(const QString& name, QSize size, QColor colour) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(colour);
  Save(image, name);
}

void WriteButton(const QString& base, QSize size) {
  Save(Framed(size, Qt::white, Qt::black), base + "_M");
  Save(Framed(size, kNormal, Qt::white), base + "_D");
  Save(Framed(size, kHover, Qt::white), base + "_A");
  Save(Framed(size, kPressed, Qt::white), base + "_");
}

void WriteCheck(const QString& base, QSize off, QSize on) {
  WriteSolid(base + "_A", on, kOn);
  WriteSolid(base + "_D", off, kOff);
}

}  // namespace testing::pictures
