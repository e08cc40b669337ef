#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QRectF>
#include <QString>

class QPainter;

// The one small palette of all artwork: sky blue, soft green, warm yellow and
// coral, with a dark ink for text and a cream for the calm panels.
namespace palette {
inline const QColor kSkyTop{0x4f, 0xae, 0xe6};
inline const QColor kSkyBottom{0xd4, 0xf0, 0xff};
inline const QColor kSky{0x7c, 0xc8, 0xf0};
inline const QColor kBlue{0x2f, 0x86, 0xc8};
inline const QColor kBlueDeep{0x2a, 0x56, 0x8c};
inline const QColor kGreenLight{0xb4, 0xe0, 0x96};
inline const QColor kGreen{0x84, 0xc8, 0x68};
inline const QColor kGreenDark{0x3e, 0x9a, 0x3a};
inline const QColor kYellow{0xff, 0xd3, 0x5a};
inline const QColor kYellowDeep{0xf2, 0xb1, 0x2a};
inline const QColor kCoral{0xff, 0x7b, 0x6b};
inline const QColor kCoralDark{0xe0, 0x50, 0x44};
inline const QColor kInk{0x2d, 0x3a, 0x5a};
inline const QColor kLetterRed{0xd8, 0x22, 0x1c};
// The menu panel, the labelling tray and the Memory table: opaque pictures
// drawn over them (check buttons, captions, tiles, cards) paint their
// corners in this colour so that they look rounded.
inline const QColor kPanel{0xff, 0xf8, 0xe8};
inline const QColor kWhite{0xff, 0xff, 0xff};
// The calm middle of the about box, under white text and the logo.
inline const QColor kNightPanel{0x22, 0x47, 0x75};
}  // namespace palette

// Finds the text face: Andika, drawn for beginning readers; DejaVu Sans with a
// warning when Andika is not installed. Throws AssetError when neither is.
void InitFonts();
QFont TextFont(qreal pixelSize, bool bold = true);

QColor Mix(const QColor& a, const QColor& b, qreal t);
// A Format_RGB32 picture filled with one colour.
QImage NewPicture(int width, int height, const QColor& fill);

struct TextStyle {
  qreal pixelSize = 24;
  bool bold = true;
  QColor color = palette::kInk;
  QColor outline;         // none when invalid
  qreal outlineWidth = 0;  // stroke width outside the letters
  bool shadow = false;
  Qt::Alignment align = Qt::AlignCenter;
};

// The letters of one line as a path whose ink is centred in `box` (left or
// right aligned when asked); the size shrinks until the line fits.
QPainterPath TextPath(const QRectF& box, const QString& text, const TextStyle& style);
void DrawLine(QPainter& p, const QRectF& box, const QString& text, const TextStyle& style);

void DrawPanel(QPainter& p, const QRectF& rect, qreal radius, const QColor& fill, const QColor& border = QColor(),
               qreal borderWidth = 0);
void DrawStar(QPainter& p, const QPointF& centre, qreal radius, const QColor& fill, const QColor& outline = QColor(),
              qreal outlineWidth = 0);
QPainterPath StarPath(const QPointF& centre, qreal radius, qreal innerRatio = 0.48);

// The shared scenery: a sky with clouds and a sun over the whole rectangle,
// and rolling hills from `horizon` (a y coordinate) down.
void DrawSky(QPainter& p, const QRectF& area, int variant = 0);
void DrawHills(QPainter& p, const QRectF& area, qreal horizon, int variant = 0);
