#pragma once

#include <QPoint>
#include <optional>

// Where the Memory board puts its cards and a found pair's large picture in
// each screen mode.
namespace memory {

// Where the cards of a board of `slotCount` slots lie in a screen mode.
struct Grid {
  int columns = 0;
  int rows = 0;
  int columnStep = 0;
  int rowStep = 0;
  QPoint origin;
};
// The grid of 6, 12 or 20 slots; none for any other number.
std::optional<Grid> GridFor(int slotCount, int screenMode);
// Top-left corner of a slot: row by row, left to right.
QPoint SlotPosition(const Grid& grid, int slot);

// Top-left corner of a found pair's large picture.
QPoint LargePictureOrigin(int screenMode);

}  // namespace memory
