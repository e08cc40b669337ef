#include "games/memory/layout.h"

namespace memory {

std::optional<Grid> GridFor(int slotCount, int screenMode) {
  const bool smallArt = screenMode == 1;
  switch (slotCount) {
    case 6: return Grid{3, 2, 100, 120, smallArt ? QPoint(170, 175) : QPoint(260, 260)};
    case 12: return Grid{4, 3, 90, 110, smallArt ? QPoint(130, 135) : QPoint(230, 220)};
    case 20: return Grid{5, 4, 85, 105, smallArt ? QPoint(100, 95) : QPoint(190, 190)};
    default: return std::nullopt;
  }
}

QPoint SlotPosition(const Grid& grid, int slot) {
  const int row = slot / grid.columns;
  const int column = slot % grid.columns;
  return grid.origin + QPoint(column * grid.columnStep, row * grid.rowStep);
}

QPoint LargePictureOrigin(int screenMode) { return screenMode == 1 ? QPoint(583, 188) : QPoint(743, 235); }

}  // namespace memory
