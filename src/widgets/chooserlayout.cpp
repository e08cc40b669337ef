#include "widgets/chooserlayout.h"

#include <QtGlobal>
#include <climits>
#include <cstdlib>

namespace chooser {

Grid LayoutGrid(int count, const QRect& area, int maxWidth, int gap) {
  Grid best;
  if (count < 1 || count > kPerPage) return best;
  int bestWidth = 0;
  for (int columns = 1; columns <= count; ++columns) {
    const int rows = (count + columns - 1) / columns;
    const int byWidth = (area.width() - (columns - 1) * gap) / columns;
    const int byHeight = (area.height() - (rows - 1) * gap) * 100 / rows / kButtonHeightPer100Width;
    const int width = qMin(qMin(byWidth, byHeight), maxWidth);
    // Of equally large buttons the fewest rows, then the fewest columns:
    // three over two rather than four over one.
    if (width > 0 && (width > bestWidth || (width == bestWidth && rows < best.rows))) {
      bestWidth = width;
      best.columns = columns;
      best.rows = rows;
    }
  }
  if (bestWidth == 0) return Grid{};
  const int width = bestWidth;
  const int height = width * kButtonHeightPer100Width / 100;
  const int blockHeight = best.rows * height + (best.rows - 1) * gap;
  const int top = area.top() + (area.height() - blockHeight) / 2;
  for (int i = 0; i < count; ++i) {
    const int row = i / best.columns;
    const int inRow = qMin(best.columns, count - row * best.columns);
    const int rowWidth = inRow * width + (inRow - 1) * gap;
    const int left = area.left() + (area.width() - rowWidth) / 2;
    best.cells.emplace_back(left + (i % best.columns) * (width + gap), top + row * (height + gap), width, height);
  }
  return best;
}

namespace {

// The break of `name` into two lines, among `breaks` (positions of a space
// or inside a word), whose wider line is narrowest at `pixels`.
bool BestBreak(const QString& name, const std::vector<int>& breaks, int pixels, const MeasureText& measure,
               QStringList* lines, int* wider) {
  bool any = false;
  for (int at : breaks) {
    const QString first = name.left(at).trimmed();
    const QString second = name.mid(at).trimmed();
    if (first.isEmpty() || second.isEmpty()) continue;
    const int w = qMax(measure(first, pixels), measure(second, pixels));
    if (!any || w < *wider) {
      any = true;
      *wider = w;
      *lines = QStringList{first, second};
    }
  }
  return any;
}

}  // namespace

NameLines FitName(const QString& name, int width, int height, int largest, int smallest, const MeasureText& measure) {
  std::vector<int> spaces, everywhere;
  for (int i = 1; i < name.size(); ++i) {
    if (name.at(i) == QLatin1Char(' ')) spaces.push_back(i);
    // Never between the two halves of a character outside the BMP.
    if (!name.at(i).isLowSurrogate()) everywhere.push_back(i);
  }
  smallest = qMin(smallest, largest);
  // Between words at any size before inside a word.
  for (const std::vector<int>* breaks : {&spaces, &everywhere}) {
    for (int pixels = largest; pixels >= smallest; --pixels) {
      if (breaks == &spaces && LineHeight(pixels) <= height && measure(name, pixels) <= width)
        return NameLines{{name}, pixels, true};
      QStringList lines;
      int wider = 0;
      if (2 * LineHeight(pixels) <= height && BestBreak(name, *breaks, pixels, measure, &lines, &wider) && wider <= width)
        return NameLines{lines, pixels, true};
    }
  }
  NameLines cut{{name}, smallest, false};
  int wider = 0;
  if (2 * LineHeight(smallest) <= height) BestBreak(name, everywhere, smallest, measure, &cut.lines, &wider);
  return cut;
}

int PageCount(int children) { return qMax(1, (children + kPerPage - 1) / kPerPage); }

int CountOnPage(int children, int page) {
  if (page < 0 || page >= PageCount(children)) return 0;
  return qMin(kPerPage, children - page * kPerPage);
}

namespace {

// Both measured along the line of the move (primary) and across it.
struct Offset {
  int along;   // > 0 when the other button lies that way
  int across;  // distance of the centres across the move
  bool overlaps;
};

Offset Measure(const QRect& from, const QRect& to, Direction d) {
  const QPoint a = from.center();
  const QPoint b = to.center();
  Offset o{};
  switch (d) {
    case Direction::Left: o.along = a.x() - b.x(); break;
    case Direction::Right: o.along = b.x() - a.x(); break;
    case Direction::Up: o.along = a.y() - b.y(); break;
    case Direction::Down: o.along = b.y() - a.y(); break;
  }
  const bool horizontal = d == Direction::Left || d == Direction::Right;
  o.across = horizontal ? std::abs(a.y() - b.y()) : std::abs(a.x() - b.x());
  o.overlaps = horizontal ? (from.top() <= to.bottom() && to.top() <= from.bottom())
                          : (from.left() <= to.right() && to.left() <= from.right());
  return o;
}

}  // namespace

int Neighbour(const std::vector<QRect>& buttons, int from, Direction direction) {
  if (from < 0 || from >= int(buttons.size())) return -1;
  const bool horizontal = direction == Direction::Left || direction == Direction::Right;
  int best = -1;
  bool bestOverlaps = false;
  long long bestScore = LLONG_MAX;
  for (int i = 0; i < int(buttons.size()); ++i) {
    if (i == from) continue;
    const Offset o = Measure(buttons[size_t(from)], buttons[size_t(i)], direction);
    if (o.along <= 0) continue;
    if (horizontal && !o.overlaps) continue;
    // An overlapping button beats any other; then the nearest along the
    // move, then the nearest across it.
    const long long score = (long long)o.along * 100000 + o.across;
    if (best < 0 || (o.overlaps && !bestOverlaps) || (o.overlaps == bestOverlaps && score < bestScore)) {
      best = i;
      bestOverlaps = o.overlaps;
      bestScore = score;
    }
  }
  return best;
}

}  // namespace chooser
