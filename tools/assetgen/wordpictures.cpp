#include "wordpictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QtMath>

#include "style.h"

using namespace palette;

namespace {

// A stable choice from the key: the same word always gets the same look.
int KeyCode(const QString& key) {
  // Unsigned, so that a long key wraps instead of overflowing.
  quint32 code = 0;
  for (QChar c : key) code = code * 31u + c.unicode();
  return int(code & 0x7fffffffu);
}

QPainterPath ShapePath(int kind, const QRectF& r) {
  const QPointF c = r.center();
  const qreal s = qMin(r.width(), r.height()) / 2;
  QPainterPath path;
  switch (kind) {
    case 0:
      path.addEllipse(c, s, s);
      break;
    case 1:
      path = StarPath(c, s * 1.05);
      break;
    case 2: {  // heart
      path.moveTo(c.x(), c.y() + s * 0.95);
      path.cubicTo(c.x() - s * 1.35, c.y() + s * 0.05, c.x() - s * 0.85, c.y() - s * 1.05, c.x(), c.y() - s * 0.42);
      path.cubicTo(c.x() + s * 0.85, c.y() - s * 1.05, c.x() + s * 1.35, c.y() + s * 0.05, c.x(), c.y() + s * 0.95);
      break;
    }
    case 3: {  // flower
      for (int i = 0; i < 6; ++i) {
        const qreal a = i * M_PI / 3;
        path.addEllipse(QPointF(c.x() + s * 0.5 * std::cos(a), c.y() + s * 0.5 * std::sin(a)), s * 0.42, s * 0.42);
      }
      path.addEllipse(c, s * 0.45, s * 0.45);
      path.setFillRule(Qt::WindingFill);
      path = path.simplified();
      break;
    }
    default:
      path.addRoundedRect(QRectF(c.x() - s * 0.85, c.y() - s * 0.85, s * 1.7, s * 1.7), s * 0.35, s * 0.35);
      break;
  }
  return path;
}

void PaintFrame(QPainter& p, const QRectF& outer, qreal radius, qreal frame, const QColor& colour) {
  // The frame stays two pixels inside the matte's edge: that thin white rim
  // is shown, and JPEG's ringing around the frame's outline falls inside the
  // matte instead of staining the screen outside it.
  const QRectF r = outer.adjusted(2, 2, -2, -2);
  const qreal rr = radius - 2;
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(Mix(colour, Qt::black, 0.18));
  p.drawRoundedRect(r, rr, rr);
  p.setBrush(colour);
  p.drawRoundedRect(r.adjusted(2, 2, -2, -2), rr - 2, rr - 2);
  p.setBrush(Qt::white);
  p.drawRoundedRect(r.adjusted(frame, frame, -frame, -frame), rr - frame * 0.6, rr - frame * 0.6);
  p.restore();
}

QRectF FrameRect(QSize size) { return QRectF(1, 1, size.width() - 2, size.height() - 2); }
qreal FrameRadius(QSize size) { return size.width() * 0.11; }
qreal FrameWidth(QSize size) { return qRound(size.width() * 0.045); }

}  // namespace

void PaintPlaceholderPicture(QPainter& p, const QRectF& box, const WordEntry& word) {
  static const QColor kColours[] = {kCoral, kGreen, kBlue, kYellowDeep};
  const int code = KeyCode(word.key);
  const QColor colour = kColours[code % 4];
  const int kind = (code / 4) % 5;
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const qreal side = qMin(box.width() * 0.8, box.height() * 0.58);
  const QRectF shapeBox(box.center().x() - side / 2, box.top() + box.height() * 0.05, side, side);
  const QPainterPath shape = ShapePath(kind, shapeBox);
  QLinearGradient g(shapeBox.topLeft(), shapeBox.bottomLeft());
  g.setColorAt(0, Mix(colour, Qt::white, 0.35));
  g.setColorAt(1, colour);
  p.fillPath(shape, g);
  p.strokePath(shape, QPen(Mix(colour, Qt::black, 0.3), qMax<qreal>(1.5, side * 0.03), Qt::SolidLine, Qt::RoundCap,
                           Qt::RoundJoin));
  TextStyle t;
  t.pixelSize = box.height() * 0.2;
  t.color = kInk;
  DrawLine(p, QRectF(box.left(), shapeBox.bottom() + box.height() * 0.04, box.width(),
                     box.bottom() - shapeBox.bottom() - box.height() * 0.06),
           word.word, t);
  p.restore();
}

QImage CardFace(const WordEntry& word, const WordPainter& painter) {
  QImage img = NewPicture(80, 100, kPanel);
  QPainter p(&img);
  DrawPanel(p, QRectF(1, 1, 78, 98), 10, Qt::white, kBlue, 3);
  painter(p, QRectF(7, 8, 66, 84), word);
  return img;
}

QImage CardBack() {
  QImage img = NewPicture(80, 100, kPanel);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath card;
  card.addRoundedRect(QRectF(1, 1, 78, 98), 10, 10);
  QLinearGradient g(0, 0, 0, 100);
  g.setColorAt(0, Mix(kBlue, Qt::white, 0.15));
  g.setColorAt(1, kBlue);
  p.fillPath(card, g);
  p.setClipPath(card);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 50));
  for (int row = 0; row < 8; ++row) {
    for (int col = 0; col < 6; ++col) {
      p.drawEllipse(QPointF(col * 16 + (row % 2) * 8, row * 14 + 2), 4, 4);
    }
  }
  p.setClipping(false);
  p.strokePath(card, QPen(Qt::white, 3));
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(40, 50), 21, 21);
  DrawStar(p, QPointF(40, 51), 16, kYellow, kYellowDeep, 1.2);
  return img;
}

QImage FramedPicture(QSize size, const WordEntry& word, const WordPainter& painter) {
  QImage img = NewPicture(size.width(), size.height(), Qt::white);
  QPainter p(&img);
  const qreal frame = FrameWidth(size);
  PaintFrame(p, FrameRect(size), FrameRadius(size), frame, kYellow);
  const qreal pad = frame + size.width() * 0.05;
  painter(p, FrameRect(size).adjusted(pad, pad, -pad, -pad), word);
  return img;
}

QImage FrameMatte(QSize size) {
  QImage img = NewPicture(size.width(), size.height(), Qt::black);
  QPainter p(&img);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawRoundedRect(FrameRect(size), FrameRadius(size), FrameRadius(size));
  return img;
}

void RenderWordPictures(const QList<WordEntry>& words, const WordPainter& painter, const PictureSink& sink) {
  struct Framed {
    const char* suffix;
    QSize size;
  };
  const Framed kinds[] = {
      {"_ups", QSize(252, 290)}, {"_upb", QSize(328, 380)}, {"_ms", QSize(180, 220)}, {"_mb", QSize(240, 290)}};
  for (const Framed& k : kinds) {
    sink(QStringLiteral("Bio/_matr") + QLatin1String(k.suffix) + QStringLiteral(".xji"), FrameMatte(k.size));
  }
  sink(QStringLiteral("Sio/blkcard0.xji"), CardBack());
  for (const WordEntry& w : words) {
    sink(QStringLiteral("Sio/s") + w.key + QStringLiteral(".xji"), CardFace(w, painter));
    for (const Framed& k : kinds) {
      sink(QStringLiteral("Bio/") + w.key + QLatin1String(k.suffix) + QStringLiteral(".xji"), FramedPicture(k.size, w, painter));
    }
  }
}
