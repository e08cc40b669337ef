#include "appicon.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>

#include "asseterror.h"
#include "encoders.h"
#include "style.h"

using namespace palette;

void DrawAppIcon(QPainter& p) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  // The proportions of the logo's panel, rim and stars, on a square.
  DrawPanel(p, QRectF(8, 8, 240, 240), 54, kNightPanel);
  DrawPanel(p, QRectF(22, 22, 212, 212), 44, kYellow, kWhite, 9);
  TextStyle name;
  name.color = kInk;
  name.pixelSize = 60;
  DrawLine(p, QRectF(44, 40, 168, 56), QStringLiteral("Mini"), name);
  name.pixelSize = 66;
  DrawLine(p, QRectF(36, 100, 184, 64), QStringLiteral("Fonikra"), name);
  TextStyle part;
  part.pixelSize = 40;
  part.color = kCoralDark;
  DrawLine(p, QRectF(84, 172, 88, 40), QStringLiteral("Cz.I"), part);
  DrawStar(p, QPointF(62, 192), 22, kCoral);
  DrawStar(p, QPointF(194, 192), 22, kGreen);
  p.restore();
}

QImage AppIconPicture(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.scale(qreal(size) / kAppIconUnits, qreal(size) / kAppIconUnits);
  DrawAppIcon(p);
  return image;
}

QByteArray AppIconSvg() {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setSize(QSize(kAppIconUnits, kAppIconUnits));
  svg.setViewBox(QRect(0, 0, kAppIconUnits, kAppIconUnits));
  svg.setTitle(QStringLiteral("Mini Fonikra Cz.I"));
  QPainter p;
  if (!p.begin(&svg)) throw AssetError(QStringLiteral("cannot draw the program icon as SVG"));
  DrawAppIcon(p);
  p.end();
  return bytes;
}

QList<int> AppIconSizes() { return {48, 64, 128, 256}; }

void RenderAppIcons(const QString& theme, const QString& name) {
  WriteDataFile(theme + QStringLiteral("/scalable/apps/") + name + QStringLiteral(".svg"), AppIconSvg());
  for (int size : AppIconSizes()) {
    const QString path = theme + QStringLiteral("/%1x%1/apps/").arg(size) + name + QStringLiteral(".png");
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    // Unlike the screens' pictures the icon keeps its alpha channel: it is
    // shown on whatever the desktop has behind it.
    if (!AppIconPicture(size).save(&buffer, "PNG")) throw AssetError(QStringLiteral("cannot encode %1").arg(path));
    WriteDataFile(path, bytes);
  }
}
