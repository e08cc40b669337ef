#include "recorderart.h"

#include <QPainter>
#include <QRadialGradient>

#include "buttons.h"
#include "style.h"

using namespace palette;

namespace {

QImage LightFrame(int size, const QImage& mask, bool bright) {
  QImage img = NewPicture(size, size, Qt::white);
  {
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(size / 2.0, size / 2.0);
    const qreal r = size / 2.0 - 1;
    p.setPen(Qt::NoPen);
    p.setBrush(bright ? Mix(kLetterRed, Qt::black, 0.35) : QColor(0x9a, 0x9a, 0xa6));
    p.drawEllipse(c, r, r);
    p.setBrush(kWhite);
    p.drawEllipse(c, r - 2, r - 2);
    // Lit, the dot glows from a light centre; unlit, it is a dull red.
    QRadialGradient g(c - QPointF(r * 0.25, r * 0.25), r * 0.9);
    g.setColorAt(0, bright ? QColor(0xff, 0x9a, 0x8a) : Mix(kLetterRed, Qt::black, 0.45));
    g.setColorAt(1, bright ? kLetterRed : Mix(kLetterRed, Qt::black, 0.6));
    p.setBrush(g);
    p.drawEllipse(c, r - 5, r - 5);
  }
  for (int y = 0; y < size; ++y) {
    auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
    const auto* m = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
    for (int x = 0; x < size; ++x) {
      if (m[x] == 0xff000000) line[x] = 0xffffffff;
    }
  }
  return img;
}

}  // namespace

RecordingLight MakeRecordingLight(int size) {
  RecordingLight light;
  light.mask = NewPicture(size, size, Qt::black);
  {
    QPainter p(&light.mask);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(size / 2.0, size / 2.0), size / 2.0 - 1, size / 2.0 - 1);
  }
  // Pure black and white: the mask is combined bit by bit.
  for (int y = 0; y < size; ++y) {
    auto* line = reinterpret_cast<QRgb*>(light.mask.scanLine(y));
    for (int x = 0; x < size; ++x) line[x] = qGreen(line[x]) >= 128 ? 0xffffffff : 0xff000000;
  }
  light.bright = LightFrame(size, light.mask, true);
  light.dim = LightFrame(size, light.mask, false);
  return light;
}

void RenderRecorderArt(const PictureSink& sink) {
  const QString dir = QStringLiteral("Pict/");
  const ButtonPictures b = MicrophoneButton();
  sink(dir + QStringLiteral("mikr_D.png"), b.normal);
  sink(dir + QStringLiteral("mikr_A.png"), b.hover);
  sink(dir + QStringLiteral("mikr_.png"), b.pressed);
  sink(dir + QStringLiteral("mikr_M.png"), b.mask);
  for (const auto& [suffix, size] : {std::pair{"_s", 36}, std::pair{"_b", 44}}) {
    const RecordingLight light = MakeRecordingLight(size);
    sink(dir + QStringLiteral("nagr1") + QLatin1String(suffix) + QStringLiteral(".png"), light.bright);
    sink(dir + QStringLiteral("nagr2") + QLatin1String(suffix) + QStringLiteral(".png"), light.dim);
    sink(dir + QStringLiteral("nagr") + QLatin1String(suffix) + QStringLiteral("_M.png"), light.mask);
  }
}
