#include "games/labelling/layout.h"

#include <algorithm>
#include <limits>

namespace labelling {

namespace {

constexpr int kMargin = 10;

// How many values r mod d can take; a screen too small for the area leaves
// only the margin itself.
int Span(int divisor) { return divisor > 0 ? divisor : 1; }

int YSpan(int H) { return Span(H - 75); }
int XSpan(int y, int W, int H) { return y < H - H / 5 ? Span(W / 5) : Span(W - 75); }

}  // namespace

QPoint SlotRowOrigin(int n, int W, int H) {
  return QPoint(W / 2 - 60 * (n / 2) - 30 * (n % 2), H - H / 4);
}

QPoint SlotPosition(int i, int n, int W, int H) {
  return SlotRowOrigin(n, W, H) + QPoint(kSlotStep * i, 0);
}

bool InSnapReach(QPoint slot, QPoint tile) {
  return slot.x() - kSnapReach <= tile.x() && tile.x() <= slot.x() + kSnapReach &&
         slot.y() - kSnapReach <= tile.y() && tile.y() <= slot.y() + kSnapReach;
}

bool Near(QPoint tile, QPoint p) {
  return tile.x() - kNearDistance < p.x() && p.x() < tile.x() + kNearDistance &&
         tile.y() - kNearDistance < p.y() && p.y() < tile.y() + kNearDistance;
}

bool IsFree(const std::vector<QPoint>& tiles, QPoint p) {
  for (const QPoint& tile : tiles) {
    if (Near(tile, p)) return false;
  }
  return true;
}

QPoint ScatterCandidate(int W, int H, const RandomSource& next) {
  const int y = kMargin + next() % YSpan(H);
  const int x = kMargin + next() % XSpan(y, W, H);
  return QPoint(x, y);
}

std::optional<QPoint> FirstFreePlace(const std::vector<QPoint>& tiles, int W, int H) {
  const int yEnd = kMargin + YSpan(H);
  for (int y = kMargin; y < yEnd; ++y) {
    const int xEnd = kMargin + XSpan(y, W, H);
    int x = kMargin;
    while (x < xEnd) {
      const QPoint p(x, y);
      const QPoint* blocker = nullptr;
      for (const QPoint& tile : tiles) {
        if (Near(tile, p)) {
          blocker = &tile;
          break;
        }
      }
      if (!blocker) return p;
      // Every x up to the blocker's far edge is blocked by it as well.
      x = blocker->x() + kNearDistance;
    }
  }
  return std::nullopt;
}

void Scatter(std::vector<QPoint>& tiles, int W, int H, const RandomSource& next, int maxCandidates) {
  for (QPoint& tile : tiles) {
    bool placed = false;
    for (int tries = 0; tries < maxCandidates && !placed; ++tries) {
      const QPoint candidate = ScatterCandidate(W, H, next);
      if (IsFree(tiles, candidate)) {
        tile = candidate;
        placed = true;
      }
    }
    if (!placed) {
      if (const std::optional<QPoint> free = FirstFreePlace(tiles, W, H)) tile = *free;
    }
  }
}

QPoint KeepInside(QPoint tile, QSize size, QSize client) {
  // A tile larger than the area keeps its top-left corner inside.
  const int maxX = std::max(0, client.width() - size.width());
  const int maxY = std::max(0, client.height() - size.height());
  return QPoint(std::clamp(tile.x(), 0, maxX), std::clamp(tile.y(), 0, maxY));
}

std::vector<QPoint> Uncover(const QRect& placed, const std::vector<QRect>& frames, const std::vector<QRect>& loose,
                            QSize client) {
  std::vector<QRect> now = loose;
  const auto fits = [&](const QRect& r, size_t self) {
    if (!QRect(QPoint(0, 0), client).contains(r)) return false;
    for (const QRect& slot : frames) {
      if (slot.intersects(r)) return false;
    }
    for (size_t j = 0; j < now.size(); ++j) {
      if (j != self && now[j].intersects(r)) return false;
    }
    return true;
  };
  // A coarse grid: a few pixels either way make no difference to a child.
  constexpr int kStep = 5;
  const auto nearest = [&](size_t i, int top) -> std::optional<QPoint> {
    const QRect& tile = now[i];
    std::optional<QPoint> best;
    qint64 bestDistance = std::numeric_limits<qint64>::max();
    for (int y = top; y + tile.height() <= client.height(); y += kStep) {
      for (int x = 0; x + tile.width() <= client.width(); x += kStep) {
        const QRect r(QPoint(x, y), tile.size());
        const qint64 dx = x - tile.x();
        const qint64 dy = y - tile.y();
        const qint64 distance = dx * dx + dy * dy;
        if (distance < bestDistance && fits(r, i)) {
          best = QPoint(x, y);
          bestDistance = distance;
        }
      }
    }
    return best;
  };
  const int band = client.height() - client.height() / 5;
  for (size_t i = 0; i < now.size(); ++i) {
    if (!now[i].intersects(placed)) continue;
    std::optional<QPoint> place = nearest(i, band);
    if (!place) place = nearest(i, 0);
    if (place) now[i].moveTopLeft(*place);
  }
  std::vector<QPoint> places;
  places.reserve(now.size());
  for (const QRect& r : now) places.push_back(r.topLeft());
  return places;
}

}  // namespace labelling
