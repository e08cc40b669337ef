#pragma once

#include <QSize>
#include <QString>
#include <QtGlobal>

namespace session {

// The working screen: the display size in modes 1 (800 x 600) and 2
// (1024 x 768); a 1024 x 768 area in mode 3 (larger displays). Mode 0 is a
// display below 800 x 600 and -1 one between the two sizes; neither is usable.
struct ScreenGeometry {
  qint16 screenMode = 0;
  qint32 screenWidth = 0;
  qint32 screenHeight = 0;

  // The mode and working size for a display of w x h pixels, decided by the
  // pixel count alone.
  static ScreenGeometry For(qint32 w, qint32 h);
  static ScreenGeometry For(QSize display) { return For(display.width(), display.height()); }

  bool Usable() const { return screenMode >= 1 && screenMode <= 3; }
  QSize Size() const { return QSize(screenWidth, screenHeight); }
  // "_s" for the small artwork of mode 1, "_b" for the big artwork otherwise.
  QString ArtSuffix() const;
};

}  // namespace session
