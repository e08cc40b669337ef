#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QColor;
class QImage;
class QPainter;

namespace platform {

// A game drawn at a fixed size shown on a larger (or smaller) target: scaled
// as large as fits with its aspect kept and centred; the rest of the target
// is not the game's. Without a usable size on either side the view is 1:1.
class ScaledView {
 public:
  ScaledView() = default;
  ScaledView(QSize game, QSize target);

  QSize Game() const { return game_; }
  // Where the whole game lies on the target, in whole pixels.
  QRect Shown() const { return shown_; }
  bool IsIdentity() const { return shown_ == QRect(QPoint(0, 0), game_); }

  // The game pixel under the middle of a target pixel (a pointer position);
  // outside the game's rectangle when it lies in the rest of the target.
  QPoint ToGame(QPointF target) const;
  // The exact place of a game rectangle on the target.
  QRectF ToTarget(const QRectF& game) const;
  // The target pixels a game rectangle touches (rounded outwards).
  QRect ToTargetCovering(const QRect& game) const;
  // The game pixels a target rectangle touches (rounded outwards, within
  // the game).
  QRect ToGameCovering(const QRect& target) const;

  // Draws the part `area` of the target: the game picture scaled, the rest
  // of the target in `fill`.
  void Paint(QPainter& painter, const QRect& area, const QImage& game, const QColor& fill) const;

 private:
  QSize game_;
  QRect shown_;
  double scaleX_ = 1.0;
  double scaleY_ = 1.0;
};

}  // namespace platform
