#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QtGlobal>
#include <functional>
#include <optional>
#include <vector>

// Where the labelling game's pieces go, without a screen: the slot row, the
// snap of a dropped tile, the scatter and the tiles a placed tile would hide.
// All coordinates are a tile's or a slot's top-left corner in client pixels.
namespace labelling {

// The slot row: n slots 70 px apart, the first at the returned point, on a
// screen of width W and height H.
constexpr int kSlotStep = 70;
QPoint SlotRowOrigin(int n, int W, int H);
QPoint SlotPosition(int i, int n, int W, int H);

// A tile dropped at `tile` lands in the slot at `slot` when it is at most
// 25 px off on both axes.
constexpr int kSnapReach = 25;
bool InSnapReach(QPoint slot, QPoint tile);

// True when `p` is closer than 65 px to `tile` on both axes (all bounds
// strict): the scatter puts no second tile there.
constexpr int kNearDistance = 65;
bool Near(QPoint tile, QPoint p);
// True when `p` is near none of the tiles.
bool IsFree(const std::vector<QPoint>& tiles, QPoint p);

// Next value of a pseudo-random generator: non-negative, 31 bits.
using RandomSource = std::function<qint32()>;

// One scatter candidate: y first, then x from a fresh value; x lies in a
// strip along the left edge above the bottom fifth of the screen and
// anywhere across in the bottom band.
QPoint ScatterCandidate(int W, int H, const RandomSource& next);

// The first place of the scatter's area, row by row from the top-left, that
// is near none of the tiles; none when the area is full.
std::optional<QPoint> FirstFreePlace(const std::vector<QPoint>& tiles, int W, int H);

// Places every tile in turn on the first candidate near no tile, each tile
// standing where it is until its turn (its own old place counts too). After
// `maxCandidates` rejected candidates a tile takes the first free place, or
// stays where it is when there is none, so that no word can hang the game.
constexpr int kMaxCandidates = 2000;
void Scatter(std::vector<QPoint>& tiles, int W, int H, const RandomSource& next,
             int maxCandidates = kMaxCandidates);

// The nearest place to `tile` at which a tile of `size` lies wholly inside
// a client area of `client`: a tile released past the window's edge stays
// where the child can grab it again.
QPoint KeepInside(QPoint tile, QSize size, QSize client);

// A tile dropped into the slot `placed` hides any loose tile it lies over.
// Returns the loose tiles' new top-left corners, in order: one that
// `placed` overlaps moves to the nearest place of the scatter's bottom band
// (anywhere in the client area when the band is full) overlapping none of
// the slots' `frames`, no other loose tile and nothing outside the client
// area; the others stay. A tile with no such place anywhere stays too.
std::vector<QPoint> Uncover(const QRect& placed, const std::vector<QRect>& frames, const std::vector<QRect>& loose,
                            QSize client);

}  // namespace labelling
