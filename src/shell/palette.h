#pragma once

#include <QColor>

// The colours of the program's artwork, for what the screens draw at run
// time over it (the asset build paints the pictures with the same ones).
namespace palette {

inline const QColor kInk{0x2d, 0x3a, 0x5a};        // text
inline const QColor kCream{0xff, 0xf8, 0xe8};      // the panels
inline const QColor kYellowDeep{0xf2, 0xb1, 0x2a};  // the panels' rim
inline const QColor kYellow{0xff, 0xd3, 0x5a};     // a highlight
inline const QColor kCoral{0xe0, 0x50, 0x44};
inline const QColor kGreen{0x3e, 0x9a, 0x3a};
inline const QColor kBlue{0x2f, 0x86, 0xc8};
inline const QColor kBlueDeep{0x2a, 0x56, 0x8c};   // the titles' outline
inline const QColor kSkyPale{0xd4, 0xf0, 0xff};

}  // namespace palette
