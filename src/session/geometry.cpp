#include "session/geometry.h"

namespace session {

ScreenGeometry ScreenGeometry::For(qint32 w, qint32 h) {
  // A signed 32-bit product, compared in this order.
  const qint32 pixels = static_cast<qint32>(static_cast<quint32>(w) * static_cast<quint32>(h));
  if (pixels < 480000) return {0, w, h};
  if (pixels == 480000) return {1, w, h};
  if (pixels == 786432) return {2, w, h};
  if (pixels > 786432) return {3, 1024, 768};
  return {-1, w, h};
}

QString ScreenGeometry::ArtSuffix() const { return screenMode == 1 ? QStringLiteral("_s") : QStringLiteral("_b"); }

}  // namespace session
