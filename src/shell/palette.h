#pragma once

#include <QColor>
#include <QFont>
#include <QStringList>

// The colours and faces of the program's artwork, for what the screens and
// the results window draw at run time (the asset build paints the pictures
// with the same colours).
namespace palette {

inline const QColor kInk{0x2d, 0x3a, 0x5a};        // text
inline const QColor kCream{0xff, 0xf8, 0xe8};      // the panels
inline const QColor kYellowDeep{0xf2, 0xb1, 0x2a};  // the panels' rim
inline const QColor kYellow{0xff, 0xd3, 0x5a};     // a highlight
inline const QColor kYellowPale{0xff, 0xf0, 0xc4};
inline const QColor kCoral{0xe0, 0x50, 0x44};
inline const QColor kCoralLight{0xff, 0x7b, 0x6b};
inline const QColor kCoralDeep{0xa8, 0x36, 0x2e};
inline const QColor kCoralPale{0xff, 0xdd, 0xd8};
inline const QColor kRed{0xc0, 0x39, 0x2b};        // what is wrong
inline const QColor kGreen{0x3e, 0x9a, 0x3a};
inline const QColor kGreenPale{0xd9, 0xf0, 0xcc};
inline const QColor kBlue{0x2f, 0x86, 0xc8};
inline const QColor kBlueLight{0x4f, 0x9e, 0xd8};
inline const QColor kBlueDeep{0x2a, 0x56, 0x8c};   // the titles' outline
inline const QColor kSky{0x7c, 0xc8, 0xf0};
inline const QColor kSkyRim{0xb8, 0xdf, 0xf5};     // fields and lists
inline const QColor kSkyPale{0xd4, 0xf0, 0xff};
inline const QColor kSkyWash{0xe4, 0xf4, 0xff};
// Lines between cells and what cannot be used now, plain and on coral.
inline const QColor kGreyPale{0xe4, 0xec, 0xf4};
inline const QColor kGreyLight{0xdd, 0xe4, 0xea};
inline const QColor kGrey{0xb8, 0xc4, 0xd0};
inline const QColor kGreyDeep{0x9a, 0xa8, 0xb6};
inline const QColor kCoralGrey{0xd8, 0xb8, 0xb4};
inline const QColor kCoralGreyDeep{0xb8, 0x9a, 0x96};

// The faces, each followed by those that stand in where it is missing.
// Andika, drawn for beginning readers: children's names, the results window.
inline const QStringList kReadingFaces{QStringLiteral("Andika"), QStringLiteral("DejaVu Sans")};
// The summary's and the message dialog's heavy text.
inline const QStringList kHeavyFaces{QStringLiteral("Arial Black"), QStringLiteral("Andika"), QStringLiteral("DejaVu Sans")};
// The about box's text and its link.
inline const QStringList kAboutFaces{QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans")};
inline const QStringList kLinkFaces{QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans")};

// The first of `faces` that is installed, at a size in pixels (the screens
// are drawn to their pixels) or in points (the results window follows the
// desktop's scale).
QFont PixelFont(const QStringList& faces, int pixels, bool bold = false);
QFont PointFont(const QStringList& faces, qreal points, bool bold = false);

}  // namespace palette
