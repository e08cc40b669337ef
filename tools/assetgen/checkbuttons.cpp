#include "checkbuttons.h"

#include <QPainter>
#include <QPainterPath>

#include "asseterror.h"
#include "style.h"

using namespace palette;

namespace {

enum class Marker { None, Initial, Medial, Final };

struct CheckButtonDef {
  const char* base;
  const char16_t* text;
  int width;
  Marker marker;
  // A pair of sounds, "SZ – S": a smaller tick box and thin spaces around the
  // dash let the longest pair fit at a size a child still reads.
  bool pair = false;
};

const QList<CheckButtonDef>& CheckButtonDefs() {
  static const QList<CheckButtonDef> defs = {
      {"malo", u"mało", 120, Marker::None},        {"srednio", u"średnio", 120, Marker::None},
      {"duzo", u"dużo", 120, Marker::None},        {"SZ", u"SZ", 90, Marker::None},
      {"ZRZ", u"Ż/RZ", 90, Marker::None},          {"CZ", u"CZ", 90, Marker::None},
      {"DZZ", u"DŻ", 90, Marker::None},            {"naglos", u"nagłos", 120, Marker::Initial},
      {"srodglos", u"śródgłos", 120, Marker::Medial}, {"wyglos", u"wygłos", 120, Marker::Final},
      {"SZ_S", u"SZ\u2009–\u2009S", 96, Marker::None, true},
      {"ZRZ_Z", u"Ż/RZ\u2009–\u2009Z", 96, Marker::None, true},
      {"CZ_C", u"CZ\u2009–\u2009C", 96, Marker::None, true},
      {"DZZ_DZ", u"DŻ\u2009–\u2009DZ", 96, Marker::None, true},
  };
  return defs;
}

void DrawMarker(QPainter& p, Marker marker, const QPointF& centre, bool on) {
  if (marker == Marker::None) return;
  const int active = marker == Marker::Initial ? 0 : marker == Marker::Medial ? 1 : 2;
  // Three letter cells of a word, the sound's own one filled: big enough for
  // a child to see where the sound stands before reading the word.
  const qreal w = 16, h = 9, gap = 3;
  const qreal left = centre.x() - (3 * w + 2 * gap) / 2;
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  for (int i = 0; i < 3; ++i) {
    const QRectF cell(left + i * (w + gap), centre.y() - h / 2, w, h);
    p.setPen(QPen(on ? QColor(Qt::white) : Mix(kInk, Qt::white, 0.45), 1.3));
    p.setBrush(i == active ? (on ? kYellow : kCoral) : Qt::transparent);
    p.drawRoundedRect(cell.adjusted(0.65, 0.65, -0.65, -0.65), 2, 2);
  }
  p.restore();
}

// The pairs stand in one row: all take the size the longest of them fits at,
// so that no pair looks more important than another.
qreal PairTextSize(qreal width) {
  qreal size = 22;
  for (bool fits = false; !fits && size > 6;) {
    fits = true;
    for (const CheckButtonDef& def : CheckButtonDefs()) {
      if (!def.pair) continue;
      QPainterPath probe;
      probe.addText(0, 0, TextFont(size), QString::fromUtf16(def.text));
      if (probe.boundingRect().width() > width) fits = false;
    }
    if (!fits) size *= 0.94;
  }
  return size;
}

}  // namespace

QStringList CheckButtonNames() {
  QStringList names;
  for (const auto& d : CheckButtonDefs()) names << QLatin1String(d.base);
  return names;
}

QImage CheckButton(const QString& base, bool on) {
  for (const CheckButtonDef& def : CheckButtonDefs()) {
    if (base != QLatin1String(def.base)) continue;
    QImage img = NewPicture(def.width, 44, kPanel);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(1, 1, def.width - 2, 42);
    const QColor fill = on ? kGreenDark : kWhite;
    const QColor border = on ? Mix(kGreenDark, Qt::black, 0.3) : Mix(kBlue, Qt::white, 0.45);
    DrawPanel(p, r, 14, fill, border, on ? 2.5 : 2);
    // The tick box: empty when off, a white disc with a tick when on.
    const qreal k = def.pair ? 0.8 : 1.0;
    const QPointF box(def.pair ? 13.5 : 17, 22);
    p.setPen(QPen(on ? QColor(Qt::white) : Mix(kBlue, Qt::white, 0.2), 2));
    p.setBrush(Qt::white);
    p.drawEllipse(box, 9 * k, 9 * k);
    if (on) {
      QPainterPath tick;
      tick.moveTo(box + QPointF(-4.5, 0.3) * k);
      tick.lineTo(box + QPointF(-1.2, 3.8) * k);
      tick.lineTo(box + QPointF(5, -4.2) * k);
      p.strokePath(tick, QPen(kGreenDark, 3 * k, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    }
    TextStyle t;
    t.pixelSize = def.marker == Marker::None ? 22 : 19;
    if (def.pair) t.pixelSize = PairTextSize(def.width - 31);
    t.color = on ? QColor(Qt::white) : kInk;
    const bool marked = def.marker != Marker::None;
    const QRectF textBox = def.pair ? QRectF(24, 5, def.width - 31, 34)
                                    : QRectF(31, marked ? 3 : 5, def.width - 38, marked ? 26 : 34);
    DrawLine(p, textBox, QString::fromUtf16(def.text), t);
    DrawMarker(p, def.marker, QPointF(textBox.center().x(), 35.5), on);
    return img;
  }
  throw AssetError(QStringLiteral("no check button named \"%1\"").arg(base));
}
