#pragma once

#include <QColor>
#include <QSize>
#include <QString>

namespace testing {

// Writes the named pictures a widget loads into Data/Pict of the working
// folder, in solid colours a test can tell apart.
namespace pictures {

// An image button: normal green, hover red, pressed blue; the mask is white
// inside a 4-pixel transparent (black) border, the states white there.
void WriteButton(const QString& base, QSize size = QSize(70, 60));
// A check button: on yellow, off grey.
void WriteCheck(const QString& base, QSize off = QSize(120, 44), QSize on = QSize(120, 44));
void WriteSolid(const QString& name, QSize size, QColor colour);

inline const QColor kNormal{0, 200, 0};
inline const QColor kHover{200, 0, 0};
inline const QColor kPressed{0, 0, 200};
inline const QColor kOn{250, 220, 0};
inline const QColor kOff{128, 128, 128};

}  // namespace pictures
}  // namespace testing
