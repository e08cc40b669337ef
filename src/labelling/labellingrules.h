#pragma once

#include <QPoint>
#include <QString>
#include <QtGlobal>
#include <functional>
#include <optional>
#include <vector>

// The rules of the labelling game that need no screen: reading a word's
// segmentation, the slot row, the snap of a dropped tile and the scatter.
// All coordinates are a tile's or a slot's top-left corner in client pixels.
namespace labelling {

// One phoneme of a word.
struct Token {
  QString phoneme;      // as written, without the marker
  bool marked = false;  // the practised sound: its tile has its own artwork
};

// Cuts a segmentation such as "_sz,k,o,ł,a," into its phonemes. A token ends
// at a comma or at the end of the text, so a missing final comma changes
// nothing; empty tokens (two commas in a row, a lone "_") give no phoneme.
std::vector<Token> ScanSegmentation(const QString& podzial);

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

}  // namespace labelling
