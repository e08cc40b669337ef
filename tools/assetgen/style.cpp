#include "style.h"

#include <QFontDatabase>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

#include <cstdio>

#include "asseterror.h"

namespace {

QString g_family;

}  // namespace

void InitFonts() {
  const QStringList families = QFontDatabase::families();
  if (families.contains(QStringLiteral("Andika"))) {
    g_family = QStringLiteral("Andika");
  } else if (families.contains(QStringLiteral("DejaVu Sans"))) {
    g_family = QStringLiteral("DejaVu Sans");
    std::fprintf(stderr, "assetgen: warning: the Andika font (fonts-sil-andika) is missing; using DejaVu Sans\n");
  } else {
    throw AssetError(QStringLiteral("neither Andika (fonts-sil-andika) nor DejaVu Sans (fonts-dejavu-core) is installed"));
  }
}

QFont TextFont(qreal pixelSize, bool bold) {
  QFont font(g_family);
  font.setPixelSize(qMax(1, qRound(pixelSize)));
  font.setBold(bold);
  // Same output on every machine: no hinting differences between setups.
  font.setHintingPreference(QFont::PreferNoHinting);
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

QColor Mix(const QColor& a, const QColor& b, qreal t) {
  return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
                          a.blueF() + (b.blueF() - a.blueF()) * t);
}

QImage NewPicture(int width, int height, const QColor& fill) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(fill);
  return image;
}

QPainterPath TextPath(const QRectF& box, const QString& text, const TextStyle& style) {
  const qreal margin = style.outline.isValid() ? style.outlineWidth : 0;
  qreal size = style.pixelSize;
  QFont font = TextFont(size, style.bold);
  QRectF ink;
  for (;;) {
    font = TextFont(size, style.bold);
    QPainterPath probe;
    probe.addText(0, 0, font, text);
    ink = probe.boundingRect();
    if ((ink.width() + 2 * margin <= box.width() && ink.height() + 2 * margin <= box.height()) || size <= 6) break;
    size *= 0.94;
  }
  QPainterPath path;
  path.addText(0, 0, font, text);
  // Glyph outlines overlap inside some letters; only the non-zero rule fills
  // them without holes.
  path.setFillRule(Qt::WindingFill);
  qreal x = box.center().x() - ink.center().x();
  if (style.align & Qt::AlignLeft) x = box.left() + margin - ink.left();
  if (style.align & Qt::AlignRight) x = box.right() - margin - ink.right();
  return path.translated(x, box.center().y() - ink.center().y());
}

void DrawLine(QPainter& p, const QRectF& box, const QString& text, const TextStyle& style) {
  const QPainterPath path = TextPath(box, text, style);
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  if (style.shadow) {
    const qreal w = style.outline.isValid() ? style.outlineWidth * 2 : 0;
    const QPainterPath shadow = path.translated(0, qMax<qreal>(2, style.pixelSize / 24));
    if (w > 0) p.strokePath(shadow, QPen(QColor(0, 0, 0, 60), w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(shadow, QColor(0, 0, 0, 60));
  }
  if (style.outline.isValid() && style.outlineWidth > 0) {
    p.strokePath(path, QPen(style.outline, style.outlineWidth * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  }
  p.fillPath(path, style.color);
  p.restore();
}

void DrawPanel(QPainter& p, const QRectF& rect, qreal radius, const QColor& fill, const QColor& border, qreal borderWidth) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  if (border.isValid() && borderWidth > 0) {
    p.setPen(QPen(border, borderWidth));
    const qreal h = borderWidth / 2;
    p.setBrush(fill);
    p.drawRoundedRect(rect.adjusted(h, h, -h, -h), radius - h, radius - h);
  } else {
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(rect, radius, radius);
  }
  p.restore();
}

QPainterPath StarPath(const QPointF& centre, qreal radius, qreal innerRatio) {
  QPainterPath path;
  for (int i = 0; i < 10; ++i) {
    const qreal r = (i % 2 == 0) ? radius : radius * innerRatio;
    const qreal a = -M_PI / 2 + i * M_PI / 5;
    const QPointF pt(centre.x() + r * std::cos(a), centre.y() + r * std::sin(a));
    if (i == 0) path.moveTo(pt); else path.lineTo(pt);
  }
  path.closeSubpath();
  return path;
}

void DrawStar(QPainter& p, const QPointF& centre, qreal radius, const QColor& fill, const QColor& outline, qreal outlineWidth) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const QPainterPath path = StarPath(centre, radius);
  if (outline.isValid() && outlineWidth > 0) {
    p.strokePath(path, QPen(outline, outlineWidth * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  }
  p.fillPath(path, fill);
  p.restore();
}

namespace {

void DrawCloud(QPainter& p, const QPointF& c, qreal w) {
  QPainterPath cloud;
  cloud.addEllipse(QPointF(c.x() - w * 0.28, c.y() + w * 0.04), w * 0.24, w * 0.17);
  cloud.addEllipse(QPointF(c.x(), c.y() - w * 0.06), w * 0.26, w * 0.22);
  cloud.addEllipse(QPointF(c.x() + w * 0.28, c.y() + w * 0.05), w * 0.22, w * 0.15);
  cloud.addRoundedRect(QRectF(c.x() - w * 0.46, c.y(), w * 0.92, w * 0.18), w * 0.09, w * 0.09);
  cloud.setFillRule(Qt::WindingFill);
  p.fillPath(cloud.simplified(), QColor(255, 255, 255, 215));
}

}  // namespace

void DrawSky(QPainter& p, const QRectF& area, int variant) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(area.topLeft(), area.bottomLeft());
  sky.setColorAt(0, palette::kSkyTop);
  sky.setColorAt(0.75, palette::kSkyBottom);
  sky.setColorAt(1, palette::kSkyBottom);
  p.fillRect(area, sky);

  const qreal u = qMin(area.width(), area.height() * 4.0 / 3.0);  // one scale for every picture size
  // The sun sits in a top corner, alternating between layouts.
  const QPointF sun(variant % 2 == 0 ? area.right() - u * 0.09 : area.left() + u * 0.09, area.top() + u * 0.09);
  QRadialGradient glow(sun, u * 0.14);
  glow.setColorAt(0, QColor(255, 240, 170, 200));
  glow.setColorAt(1, QColor(255, 240, 170, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(glow);
  p.drawEllipse(sun, u * 0.14, u * 0.14);
  p.setBrush(palette::kYellow);
  p.drawEllipse(sun, u * 0.055, u * 0.055);

  struct Cloud { qreal x, y, w; };
  static const Cloud kLayouts[3][3] = {
      {{0.14, 0.12, 0.20}, {0.52, 0.07, 0.15}, {0.70, 0.20, 0.17}},
      {{0.30, 0.08, 0.18}, {0.62, 0.15, 0.22}, {0.88, 0.30, 0.14}},
      {{0.10, 0.30, 0.16}, {0.40, 0.10, 0.20}, {0.78, 0.24, 0.18}},
  };
  for (const Cloud& c : kLayouts[variant % 3]) {
    DrawCloud(p, QPointF(area.left() + area.width() * c.x, area.top() + area.height() * c.y), u * c.w);
  }
  p.restore();
}

void DrawHills(QPainter& p, const QRectF& area, qreal horizon, int variant) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const qreal w = area.width();
  const qreal depth = area.bottom() - horizon;
  auto hill = [&](qreal base, qreal amplitude, qreal waves, qreal phase, const QColor& top, const QColor& bottom) {
    QPainterPath path;
    path.moveTo(area.left(), area.bottom());
    const int steps = 96;
    for (int i = 0; i <= steps; ++i) {
      const qreal x = area.left() + w * i / steps;
      const qreal t = qreal(i) / steps;
      const qreal y = base - amplitude * (0.6 * std::sin(2 * M_PI * (t * waves + phase)) +
                                          0.4 * std::sin(2 * M_PI * (t * waves * 2.3 + phase * 1.7)));
      path.lineTo(x, y);
    }
    path.lineTo(area.right(), area.bottom());
    path.closeSubpath();
    QLinearGradient g(0, base - amplitude, 0, area.bottom());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillPath(path, g);
  };
  const qreal phase = 0.13 * variant;
  hill(horizon + depth * 0.10, depth * 0.16, 1.2, 0.05 + phase, palette::kGreenLight, palette::kGreen);
  hill(horizon + depth * 0.45, depth * 0.14, 0.9, 0.55 + phase, palette::kGreen, Mix(palette::kGreen, palette::kGreenDark, 0.5));
  p.restore();
}
