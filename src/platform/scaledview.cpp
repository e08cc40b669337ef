#include "platform/scaledview.h"

#include <QPainter>
#include <QRegion>
#include <algorithm>
#include <cmath>

namespace platform {

ScaledView::ScaledView(QSize game, QSize target) : game_(game), shown_(QPoint(0, 0), game) {
  if (game.isEmpty() || target.isEmpty()) return;
  const double scale = std::min(double(target.width()) / game.width(), double(target.height()) / game.height());
  // Whole pixels, so that the fill around the game meets it without a seam;
  // each axis then keeps its own (nearly equal) factor.
  const int w = std::clamp(int(std::lround(game.width() * scale)), 1, target.width());
  const int h = std::clamp(int(std::lround(game.height() * scale)), 1, target.height());
  shown_ = QRect((target.width() - w) / 2, (target.height() - h) / 2, w, h);
  scaleX_ = double(w) / game.width();
  scaleY_ = double(h) / game.height();
}

QPoint ScaledView::ToGame(QPointF target) const {
  // A pointer position names a target pixel; its middle decides.
  return QPoint(int(std::floor((target.x() + 0.5 - shown_.x()) / scaleX_)),
                int(std::floor((target.y() + 0.5 - shown_.y()) / scaleY_)));
}

QRectF ScaledView::ToTarget(const QRectF& game) const {
  return QRectF(shown_.x() + game.x() * scaleX_, shown_.y() + game.y() * scaleY_, game.width() * scaleX_,
                game.height() * scaleY_);
}

QRect ScaledView::ToTargetCovering(const QRect& game) const {
  if (game.isEmpty()) return {};
  const QRectF r = ToTarget(QRectF(game));
  const int left = int(std::floor(r.left()));
  const int top = int(std::floor(r.top()));
  return QRect(QPoint(left, top), QPoint(int(std::ceil(r.right())) - 1, int(std::ceil(r.bottom())) - 1));
}

QRect ScaledView::ToGameCovering(const QRect& target) const {
  if (target.isEmpty()) return {};
  const int left = int(std::floor((target.left() - shown_.x()) / scaleX_));
  const int top = int(std::floor((target.top() - shown_.y()) / scaleY_));
  const int right = int(std::ceil((target.right() + 1 - shown_.x()) / scaleX_)) - 1;
  const int bottom = int(std::ceil((target.bottom() + 1 - shown_.y()) / scaleY_)) - 1;
  return QRect(QPoint(left, top), QPoint(right, bottom)).intersected(QRect(QPoint(0, 0), game_));
}

void ScaledView::Paint(QPainter& painter, const QRect& area, const QImage& game, const QColor& fill) const {
  painter.setClipRect(area);
  for (const QRect& r : QRegion(area).subtracted(shown_)) painter.fillRect(r, fill);
  // A pixel more on each side: smooth scaling reads the neighbours, and a
  // part drawn alone must match the whole drawn at once.
  const QRect source =
      ToGameCovering(area.intersected(shown_)).adjusted(-1, -1, 1, 1).intersected(QRect(QPoint(0, 0), game_));
  if (source.isEmpty()) return;
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(ToTarget(QRectF(source)), game, QRectF(source));
}

}  // namespace platform
