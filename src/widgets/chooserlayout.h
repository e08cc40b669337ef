#pragma once

#include <QRect>
#include <QStringList>
#include <functional>
#include <vector>

// Where the buttons of the child chooser go and where the arrow keys lead,
// without any widget: the screen lays itself out with these.
namespace chooser {

// Children's buttons on one page; more children turn the page.
inline constexpr int kPerPage = 12;

// A child's button is this much taller than wide: the word's portrait
// picture over the name.
inline constexpr int kButtonHeightPer100Width = 120;

struct Grid {
  int columns = 0;
  int rows = 0;
  std::vector<QRect> cells;  // in reading order, all of one size
};

// `count` equal buttons (1 to kPerPage) in `area`, `gap` apart and at most
// `maxWidth` wide: the number of columns that gives the largest buttons,
// and of equally large ones the fewest rows, then the fewest columns (the
// most even rows). The block is centred in the
// area and a shorter last row is centred under the others. Nothing for a
// count out of range or an area too small for any button.
Grid LayoutGrid(int count, const QRect& area, int maxWidth, int gap);

// The pages `children` need (at least one, for the default button).
int PageCount(int children);
// The children on page `page` (0-based).
int CountOnPage(int children, int page);

// A name on a button: one line or two, at a pixel size.
struct NameLines {
  QStringList lines;
  int pixels = 0;
  bool fits = false;  // false: even the smallest size is too wide, to be cut
};

// A line of text at a pixel size takes this much height.
inline int LineHeight(int pixels) { return pixels * 5 / 4; }

// The width of `text` drawn at `pixels`.
using MeasureText = std::function<int(const QString& text, int pixels)>;

// `name` in a box of `width` × `height` at the largest size from `largest`
// down to `smallest`: on one line if it fits, else on two broken between
// words, the lines as even as they come; a name that fits no size so is
// broken inside a word. The smallest size is kept readable rather than
// everything shown.
NameLines FitName(const QString& name, int width, int height, int largest, int smallest, const MeasureText& measure);

enum class Direction { Left, Right, Up, Down };

// The button an arrow key moves to from button `from`, judged by where the
// buttons lie: left and right stay in the same row; up and down take a
// button overlapping in columns if there is one, else the nearest that way.
// -1 when no button lies that way.
int Neighbour(const std::vector<QRect>& buttons, int from, Direction direction);

}  // namespace chooser
