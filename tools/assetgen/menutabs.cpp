#include "menutabs.h"

#include <QPainter>
#include <QPainterPath>

#include "style.h"

using namespace palette;

namespace {

TextStyle InkStyle(qreal pixelSize, const QColor& color) {
  TextStyle s;
  s.pixelSize = pixelSize;
  s.color = color;
  return s;
}

// Selected: raised, yellow with a coral rim; otherwise lower and pale blue.
void DrawTabFace(QPainter& p, const QRectF& r, bool selected) {
  const qreal radius = r.height() * 0.32;
  DrawPanel(p, r.translated(0, selected ? 4 : 2), radius, QColor(0, 0, 0, selected ? 50 : 30));
  if (selected) {
    DrawPanel(p, r, radius, kYellow, kCoralDark, 3.5);
  } else {
    DrawPanel(p, r, radius, Mix(kPanel, kSky, 0.45), Mix(kBlue, kWhite, 0.35), 2.5);
  }
}

QColor IconInk(bool selected) { return selected ? kInk : Mix(kInk, kWhite, 0.4); }
QColor NameInk(bool selected) { return selected ? kInk : Mix(kInk, kWhite, 0.3); }

// A letter tile "sz" tipping into the empty slot beside it: the sound goes
// into the gap.
void DrawFillIcon(QPainter& p, const QRectF& box, bool selected) {
  const qreal s = box.height();
  const QColor ink = IconInk(selected);
  const qreal pen = qMax<qreal>(1.5, s * 0.07);
  QPen dashed(selected ? kCoralDark : ink, pen, Qt::DashLine, Qt::RoundCap);
  dashed.setDashPattern({1.6, 1.6});
  p.setPen(dashed);
  p.setBrush(selected ? Mix(kYellow, kWhite, 0.6) : Mix(kPanel, kSky, 0.2));
  const QRectF slot(box.center().x() + s * 0.08, box.top() + s * 0.04, s * 0.92, s * 0.92);
  p.drawRoundedRect(slot, s * 0.2, s * 0.2);
  p.save();
  p.translate(box.center().x() - s * 0.55, box.center().y() - s * 0.04);
  p.rotate(10);
  const QRectF tile(-s * 0.48, -s * 0.48, s * 0.96, s * 0.96);
  p.setPen(QPen(ink, pen));
  p.setBrush(kWhite);
  p.drawRoundedRect(tile, s * 0.2, s * 0.2);
  DrawLine(p, tile.adjusted(s * 0.12, s * 0.12, -s * 0.12, -s * 0.12), QStringLiteral("sz"),
           InkStyle(s * 0.8, selected ? kLetterRed : ink));
  p.restore();
}

// A picture card tilted as it drops, with motion lines above it.
void DrawFallIcon(QPainter& p, const QRectF& box, bool selected) {
  const qreal s = box.height();
  const QColor ink = IconInk(selected);
  const QPointF centre(box.center().x() + s * 0.12, box.bottom() - s * 0.38);
  p.setPen(QPen(selected ? kBlue : Mix(kBlue, kWhite, 0.4), qMax<qreal>(1.5, s * 0.08), Qt::SolidLine, Qt::RoundCap));
  for (int i = -1; i <= 1; ++i) {
    const qreal x = centre.x() + i * s * 0.24 - s * 0.04;
    const qreal top = box.top() + s * (i == 0 ? -0.04 : 0.06);
    p.drawLine(QPointF(x, top), QPointF(x, top + s * 0.18));
  }
  p.save();
  p.translate(centre);
  p.rotate(-14);
  const QRectF card(-s * 0.3, -s * 0.38, s * 0.6, s * 0.76);
  p.setPen(QPen(ink, qMax<qreal>(1.5, s * 0.07)));
  p.setBrush(kWhite);
  p.drawRoundedRect(card, s * 0.1, s * 0.1);
  p.setPen(Qt::NoPen);
  p.setBrush(selected ? kCoral : Mix(kCoral, kWhite, 0.45));
  p.drawEllipse(QPointF(0, -s * 0.1), s * 0.13, s * 0.13);
  p.setBrush(selected ? kGreen : Mix(kGreen, kWhite, 0.45));
  p.drawRoundedRect(QRectF(-s * 0.2, s * 0.1, s * 0.4, s * 0.14), s * 0.05, s * 0.05);
  p.restore();
}

}  // namespace

QImage TabStrip(const QImage& menuBackground, const QRect& strip, int selectedTab) {
  // The strip starts as the menu background under it, so it sits seamlessly.
  QImage img = menuBackground.copy(strip).convertToFormat(QImage::Format_RGB32);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const qreal w = img.width(), h = img.height();
  const qreal half = w / 2;
  const QString names[2] = {QStringLiteral("Podpisywanie"), QStringLiteral("Memory")};
  for (int tab = 0; tab < 2; ++tab) {
    const bool selected = (tab + 1 == selectedTab);
    QRectF r(tab * half + 6, 3, half - 12, h - 8);
    if (!selected) r.adjust(8, h * 0.14, -8, -2);
    DrawTabFace(p, r, selected);
    // A small picture of the game before its name: a letter tile or two cards.
    const qreal icon = r.height() * 0.56;
    const QRectF iconBox(r.left() + r.height() * 0.32, r.center().y() - icon / 2, icon, icon);
    const QColor iconInk = IconInk(selected);
    p.setPen(QPen(iconInk, qMax<qreal>(1.5, icon * 0.07)));
    if (tab == 0) {
      p.setBrush(kWhite);
      p.drawRoundedRect(iconBox, icon * 0.2, icon * 0.2);
      TextStyle letter = InkStyle(icon * 0.8, selected ? kLetterRed : iconInk);
      DrawLine(p, iconBox.adjusted(2, 2, -2, -2), QStringLiteral("a"), letter);
    } else {
      const QRectF back(iconBox.left(), iconBox.top(), icon * 0.62, icon * 0.82);
      p.setBrush(selected ? kBlue : Mix(kBlue, kWhite, 0.4));
      p.drawRoundedRect(back, icon * 0.1, icon * 0.1);
      p.setBrush(kWhite);
      p.drawRoundedRect(back.translated(icon * 0.38, icon * 0.18), icon * 0.1, icon * 0.1);
    }
    const QRectF textBox(iconBox.right() + r.height() * 0.18, r.top() + 3, r.right() - iconBox.right() - r.height() * 0.4,
                         r.height() - 6);
    DrawLine(p, textBox, names[tab], InkStyle(selected ? h * 0.42 : h * 0.36, NameInk(selected)));
  }
  return img;
}

QImage SideTabPicture(const QImage& menuBackground, const QRect& place, SideTab tab, bool selected) {
  QImage img = menuBackground.copy(place).convertToFormat(QImage::Format_RGB32);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const qreal w = img.width(), h = img.height();
  // The same face as the strip's tabs and level with them; the name is too
  // long to share a line with the picture, so the picture stands above it.
  QRectF r(6, 3, w - 12, h - 8);
  if (!selected) r.adjust(3, h * 0.14, -3, -2);
  DrawTabFace(p, r, selected);
  const qreal icon = r.height() * 0.38;
  const QRectF iconBox(r.center().x() - icon, r.top() + r.height() * 0.12, 2 * icon, icon);
  if (tab == SideTab::Fill) {
    DrawFillIcon(p, iconBox, selected);
  } else {
    DrawFallIcon(p, iconBox, selected);
  }
  const QRectF textBox(r.left() + r.height() * 0.12, iconBox.bottom() + r.height() * 0.04,
                       r.width() - r.height() * 0.24, r.bottom() - iconBox.bottom() - r.height() * 0.1);
  const QString name = tab == SideTab::Fill ? QStringLiteral("Uzupełnianie") : QStringLiteral("Spadające");
  DrawLine(p, textBox, name, InkStyle(selected ? h * 0.34 : h * 0.3, NameInk(selected)));
  return img;
}

void RenderMenuTabs(const QImage& menuBackground, const MenuTabPlaces& places, const PictureSink& sink) {
  const QString stem = QStringLiteral("Intf/Spec/mT_");
  const QString s = QLatin1String(places.suffix);
  const QString xbi = QStringLiteral(".xbi");
  sink(stem + QStringLiteral("m1") + s + xbi, TabStrip(menuBackground, places.strip, 1));
  sink(stem + QStringLiteral("m2") + s + xbi, TabStrip(menuBackground, places.strip, 2));
  sink(stem + QStringLiteral("m0strip") + s + xbi, TabStrip(menuBackground, places.strip, 0));
  for (const bool on : {true, false}) {
    const QString state = on ? QStringLiteral("on") : QStringLiteral("off");
    sink(stem + QStringLiteral("z3") + state + s + xbi, SideTabPicture(menuBackground, places.fillTab, SideTab::Fill, on));
    sink(stem + QStringLiteral("z4") + state + s + xbi, SideTabPicture(menuBackground, places.fallTab, SideTab::Fall, on));
  }
}
