#include "buttons.h"

#include <QLinearGradient>
#include <QPainter>

#include "asseterror.h"
#include "checkbuttons.h"
#include "style.h"

using namespace palette;

namespace {

enum class Icon { Play, Door, Info, Stop, Help, Next, Back, Chart, Mic };

struct ImageButtonDef {
  const char* base;
  const char16_t* word;
  QColor colour;
  Icon icon;
  bool darkInk;  // ink instead of white on light colours
};

const QList<ImageButtonDef>& ImageButtonDefs() {
  static const QList<ImageButtonDef> defs = {
      {"start", u"Start", kGreenDark, Icon::Play, false},
      {"wyjdz", u"Wyjdź", kCoralDark, Icon::Door, false},
      {"oprogramie", u"O programie", kBlue, Icon::Info, false},
      {"stop", u"Stop", kCoralDark, Icon::Stop, false},
      {"pomoc", u"Pomoc", kYellow, Icon::Help, true},
      {"nast", u"Dalej", kGreenDark, Icon::Next, false},
      {"pop", u"Wstecz", kGreenDark, Icon::Back, false},
      // The menu's way to the results window, for the adult beside the child:
      // a sober colour of its own, so it does not pass for Start.
      {"wyniki", u"Wyniki", kBlueDeep, Icon::Chart, false},
  };
  return defs;
}

void DrawIcon(QPainter& p, Icon icon, const QRectF& box, const QColor& ink, const QColor& ground) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const QPointF c = box.center();
  const qreal s = box.width();
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  auto arrow = [&](bool right) {
    const qreal d = right ? 1 : -1;
    QPolygonF a;
    a << QPointF(c.x() - d * s * 0.42, c.y() - s * 0.13) << QPointF(c.x() + d * s * 0.02, c.y() - s * 0.13)
      << QPointF(c.x() + d * s * 0.02, c.y() - s * 0.36) << QPointF(c.x() + d * s * 0.45, c.y())
      << QPointF(c.x() + d * s * 0.02, c.y() + s * 0.36) << QPointF(c.x() + d * s * 0.02, c.y() + s * 0.13)
      << QPointF(c.x() - d * s * 0.42, c.y() + s * 0.13);
    p.drawPolygon(a);
  };
  switch (icon) {
    case Icon::Play: {
      QPolygonF t;
      t << QPointF(c.x() - s * 0.28, c.y() - s * 0.40) << QPointF(c.x() + s * 0.40, c.y())
        << QPointF(c.x() - s * 0.28, c.y() + s * 0.40);
      p.setPen(QPen(ink, s * 0.08, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      p.drawPolygon(t);
      break;
    }
    case Icon::Door: {
      const QRectF door(c.x() - s * 0.42, c.y() - s * 0.46, s * 0.46, s * 0.92);
      p.drawRoundedRect(door, s * 0.06, s * 0.06);
      p.setBrush(ground);
      p.drawEllipse(QPointF(door.right() - s * 0.1, c.y() + s * 0.04), s * 0.05, s * 0.05);
      p.setBrush(ink);
      QPolygonF a;
      a << QPointF(c.x() + s * 0.08, c.y() - s * 0.08) << QPointF(c.x() + s * 0.26, c.y() - s * 0.08)
        << QPointF(c.x() + s * 0.26, c.y() - s * 0.24) << QPointF(c.x() + s * 0.50, c.y())
        << QPointF(c.x() + s * 0.26, c.y() + s * 0.24) << QPointF(c.x() + s * 0.26, c.y() + s * 0.08)
        << QPointF(c.x() + s * 0.08, c.y() + s * 0.08);
      p.drawPolygon(a);
      break;
    }
    case Icon::Info:
    case Icon::Help: {
      p.drawEllipse(c, s * 0.47, s * 0.47);
      TextStyle t;
      t.pixelSize = s * 0.8;
      t.color = ground;
      DrawLine(p, QRectF(c.x() - s * 0.3, c.y() - s * 0.33, s * 0.6, s * 0.66),
               icon == Icon::Info ? QStringLiteral("i") : QStringLiteral("?"), t);
      break;
    }
    case Icon::Stop:
      p.drawRoundedRect(QRectF(c.x() - s * 0.36, c.y() - s * 0.36, s * 0.72, s * 0.72), s * 0.12, s * 0.12);
      break;
    case Icon::Next:
      arrow(true);
      break;
    case Icon::Back:
      arrow(false);
      break;
    case Icon::Chart: {
      // Three rising bars on a base line, and the rising line of progress.
      const qreal base = c.y() + s * 0.44;
      const qreal w = s * 0.22;
      const qreal heights[3] = {0.36, 0.56, 0.80};
      for (int i = 0; i < 3; ++i) {
        const qreal left = c.x() - s * 0.42 + i * s * 0.30;
        p.drawRoundedRect(QRectF(left, base - s * heights[i], w, s * heights[i]), s * 0.04, s * 0.04);
      }
      p.setPen(QPen(kYellow, s * 0.09, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      p.setBrush(Qt::NoBrush);
      QPolygonF line;
      line << QPointF(c.x() - s * 0.46, c.y() + s * 0.06) << QPointF(c.x() - s * 0.10, c.y() - s * 0.10)
           << QPointF(c.x() + s * 0.12, c.y() - s * 0.02) << QPointF(c.x() + s * 0.46, c.y() - s * 0.44);
      p.drawPolyline(line);
      break;
    }
    case Icon::Mic: {
      // A capsule on a U-shaped holder with a stem and a foot.
      p.drawRoundedRect(QRectF(c.x() - s * 0.17, c.y() - s * 0.50, s * 0.34, s * 0.62), s * 0.17, s * 0.17);
      QPainterPath holder;
      holder.moveTo(c.x() - s * 0.32, c.y() - s * 0.10);
      holder.cubicTo(c.x() - s * 0.32, c.y() + s * 0.34, c.x() + s * 0.32, c.y() + s * 0.34, c.x() + s * 0.32,
                     c.y() - s * 0.10);
      holder.moveTo(c.x(), c.y() + s * 0.24);
      holder.lineTo(c.x(), c.y() + s * 0.42);
      holder.moveTo(c.x() - s * 0.18, c.y() + s * 0.44);
      holder.lineTo(c.x() + s * 0.18, c.y() + s * 0.44);
      p.strokePath(holder, QPen(ink, s * 0.09, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      break;
    }
  }
  p.restore();
}

enum class State { Normal, Hover, Pressed };

QPainterPath ButtonShape() {
  QPainterPath shape;
  shape.addRoundedRect(QRectF(1, 1, 68, 58), 18, 18);
  return shape;
}

QImage ButtonMask() {
  QImage mask = NewPicture(70, 60, Qt::black);
  {
    QPainter p(&mask);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillPath(ButtonShape(), Qt::white);
  }
  // Pure black and white: the mask is combined bit by bit.
  for (int y = 0; y < mask.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(mask.scanLine(y));
    for (int x = 0; x < mask.width(); ++x) line[x] = qGreen(line[x]) >= 128 ? 0xffffffff : 0xff000000;
  }
  return mask;
}

QImage ButtonState(const ImageButtonDef& def, State state, const QImage& mask) {
  QImage img = NewPicture(70, 60, Qt::white);
  {
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QPainterPath shape = ButtonShape();
    QColor top = Mix(def.colour, Qt::white, 0.25), bottom = def.colour, ring = Qt::white;
    if (state == State::Hover) {
      top = Mix(def.colour, Qt::white, 0.40);
      bottom = Mix(def.colour, Qt::white, 0.16);
      ring = kYellow;
    } else if (state == State::Pressed) {
      top = Mix(def.colour, Qt::black, 0.30);
      bottom = Mix(def.colour, Qt::black, 0.18);
      ring = QColor(0xdd, 0xdd, 0xdd);
    }
    p.fillPath(shape, Mix(def.colour, Qt::black, 0.45));
    QPainterPath ringPath;
    ringPath.addRoundedRect(QRectF(2.2, 2.2, 65.6, 55.6), 16.8, 16.8);
    p.fillPath(ringPath, ring);
    QPainterPath face;
    face.addRoundedRect(QRectF(5, 5, 60, 50), 14, 14);
    QLinearGradient g(0, 5, 0, 55);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillPath(face, g);
    // A pressed button looks pushed in: its content moves down and right.
    const QPointF shift = state == State::Pressed ? QPointF(1, 2) : QPointF(0, 0);
    const QColor ink = def.darkInk ? kInk : QColor(Qt::white);
    DrawIcon(p, def.icon, QRectF(QPointF(24, 8) + shift, QSizeF(22, 22)), ink, bottom);
    TextStyle t;
    t.pixelSize = 15;
    t.color = ink;
    DrawLine(p, QRectF(QPointF(7, 33) + shift, QSizeF(56, 18)), QString::fromUtf16(def.word), t);
  }
  for (int y = 0; y < img.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
    const auto* m = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
    for (int x = 0; x < img.width(); ++x) {
      if (m[x] == 0xff000000) line[x] = 0xffffffff;
    }
  }
  return img;
}

}  // namespace

QStringList ImageButtonNames() {
  QStringList names;
  for (const auto& d : ImageButtonDefs()) names << QLatin1String(d.base);
  return names;
}

ButtonPictures MicrophoneButton() {
  const ImageButtonDef def{"mikr", u"Nagraj", kBlue, Icon::Mic, false};
  ButtonPictures b;
  b.mask = ButtonMask();
  b.normal = ButtonState(def, State::Normal, b.mask);
  b.hover = ButtonState(def, State::Hover, b.mask);
  b.pressed = ButtonState(def, State::Pressed, b.mask);
  return b;
}

ButtonPictures ImageButton(const QString& base) {
  for (const ImageButtonDef& def : ImageButtonDefs()) {
    if (base != QLatin1String(def.base)) continue;
    ButtonPictures b;
    b.mask = ButtonMask();
    b.normal = ButtonState(def, State::Normal, b.mask);
    b.hover = ButtonState(def, State::Hover, b.mask);
    b.pressed = ButtonState(def, State::Pressed, b.mask);
    return b;
  }
  throw AssetError(QStringLiteral("no image button named \"%1\"").arg(base));
}

QImage Caption(const QString& base) {
  QString text;
  if (base == QLatin1String("nap_ilzadan")) text = QStringLiteral("Liczba zadań");
  if (base == QLatin1String("nap_gloski")) text = QStringLiteral("Głoski");
  if (base == QLatin1String("nap_pozycja")) text = QStringLiteral("Pozycja głoski");
  if (text.isEmpty()) throw AssetError(QStringLiteral("no caption named \"%1\"").arg(base));
  QImage img = NewPicture(320, 40, kPanel);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  TextStyle t;
  t.pixelSize = 30;
  t.color = kBlueDeep;
  const QPainterPath path = TextPath(QRectF(30, 2, 260, 36), text, t);
  p.fillPath(path, t.color);
  const QRectF ink = path.boundingRect();
  DrawStar(p, QPointF(ink.left() - 18, 20), 9, kCoral);
  DrawStar(p, QPointF(ink.right() + 18, 20), 9, kCoral);
  return img;
}

QImage Logo() {
  // Low enough to end above the first text line of the about box.
  QImage img = NewPicture(184, 62, kNightPanel);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  DrawPanel(p, QRectF(1, 1, 182, 60), 18, kYellow, kWhite, 3);
  TextStyle name;
  name.pixelSize = 30;
  name.color = kInk;
  DrawLine(p, QRectF(12, 5, 160, 32), QStringLiteral("Mini Fonikra"), name);
  TextStyle part;
  part.pixelSize = 17;
  part.color = kCoralDark;
  DrawLine(p, QRectF(40, 38, 104, 18), QStringLiteral("Cz.I"), part);
  DrawStar(p, QPointF(22, 46), 8, kCoral);
  DrawStar(p, QPointF(162, 46), 8, kGreen);
  return img;
}

void RenderButtons(const PictureSink& sink) {
  const QString dir = QStringLiteral("Pict/");
  for (const QString& name : ImageButtonNames()) {
    const ButtonPictures b = ImageButton(name);
    sink(dir + name + QStringLiteral("_D.png"), b.normal);
    sink(dir + name + QStringLiteral("_A.png"), b.hover);
    sink(dir + name + QStringLiteral("_.png"), b.pressed);
    sink(dir + name + QStringLiteral("_M.png"), b.mask);
  }
  for (const QString& name : CheckButtonNames()) {
    sink(dir + name + QStringLiteral("_A.png"), CheckButton(name, true));
    sink(dir + name + QStringLiteral("_D.png"), CheckButton(name, false));
  }
  for (const char* name : {"nap_ilzadan", "nap_gloski", "nap_pozycja"}) {
    sink(dir + QLatin1String(name) + QStringLiteral(".png"), Caption(QLatin1String(name)));
  }
  sink(dir + QStringLiteral("logo.png"), Logo());
}
