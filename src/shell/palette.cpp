#include "shell/palette.h"

namespace palette {

namespace {

QFont FontOf(const QStringList& faces, bool bold) {
  QFont font(faces.first());
  font.setFamilies(faces);
  font.setBold(bold);
  return font;
}

}  // namespace

QFont PixelFont(const QStringList& faces, int pixels, bool bold) {
  QFont font = FontOf(faces, bold);
  font.setPixelSize(pixels);
  return font;
}

QFont PointFont(const QStringList& faces, qreal points, bool bold) {
  QFont font = FontOf(faces, bold);
  font.setPointSizeF(points);
  return font;
}

}  // namespace palette
