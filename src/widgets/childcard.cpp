#include "widgets/childcard.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include "platform/jpeg.h"
#include "session/contentroot.h"
#include "widgets/chooserlayout.h"
#include "shell/palette.h"

namespace childcard {

QFont NameFont(int pixels) { return palette::PixelFont(palette::kReadingFaces, pixels, true); }

int NameAdvance(const QString& text, int pixels) { return QFontMetrics(NameFont(pixels)).horizontalAdvance(text); }

QImage WordPicture(const session::ContentRoot& content, const QString& key) {
  if (key.isEmpty() || key.contains(QLatin1Char('/')) || key.contains(QLatin1Char('\\'))) return {};
  const QString path = content.Path(QStringLiteral("Sio/s") + key + QStringLiteral(".xji"));
  if (!QFileInfo(path).isFile()) return {};
  try {
    return platform::LoadJpegFile(path);
  } catch (const platform::ImageError&) {
    return {};
  }
}

QRect Draw(QImage& image, QPoint at, int height, int maxWidth, const QString& name, const QImage& picture) {
  if (name.isEmpty() || height <= 0) return {};
  const int pad = height / 8;
  const int side = picture.isNull() ? 0 : height - 2 * pad;
  const int textLeft = pad * 2 + (side > 0 ? side + pad : 0);
  const int largest = height * 36 / 100;
  const int room = maxWidth - textLeft - pad * 2;
  const chooser::NameLines fitted = chooser::FitName(name, room, height - 2 * pad, largest, qMin(largest, 13), NameAdvance);
  int textWidth = 0;
  for (const QString& line : fitted.lines) textWidth = qMax(textWidth, qMin(room, NameAdvance(line, fitted.pixels) + 2));  // elidedText counts fractions
  const QRect card(at, QSize(textLeft + textWidth + pad * 2, height));

  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  const qreal radius = height / 4.0;
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 40));
  p.drawRoundedRect(QRectF(card).translated(0, 3), radius, radius);
  p.setBrush(palette::kCream);
  p.setPen(QPen(palette::kYellowDeep, qMax(2, height / 24)));
  p.drawRoundedRect(QRectF(card).adjusted(1, 1, -1, -1), radius, radius);
  if (side > 0) {
    const QSize size = picture.size().scaled(side, side, Qt::KeepAspectRatio);
    const QRect place(card.left() + pad * 2 + (side - size.width()) / 2, card.top() + pad + (side - size.height()) / 2,
                      size.width(), size.height());
    // The word pictures have a rounded frame on the Memory table's cream.
    QPainterPath rounded;
    rounded.addRoundedRect(QRectF(place).adjusted(1, 1, -1, -1), place.width() * 0.14, place.width() * 0.14);
    p.setClipPath(rounded);
    p.drawImage(place, picture);
    p.setClipping(false);
  }
  const QFont font = NameFont(fitted.pixels);
  p.setFont(font);
  p.setPen(palette::kInk);
  const int line = chooser::LineHeight(fitted.pixels);
  int top = card.top() + (height - line * int(fitted.lines.size())) / 2;
  for (const QString& text : fitted.lines) {
    p.drawText(QRect(card.left() + textLeft, top, textWidth, line), Qt::AlignLeft | Qt::AlignVCenter,
               QFontMetrics(font).elidedText(text, Qt::ElideRight, textWidth));
    top += line;
  }
  return card;
}

}  // namespace childcard
