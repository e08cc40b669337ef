#include "platform/fullscreenview.h"

namespace platform {

void FullScreenView::Offer(const QColor& fill, std::function<void(bool on)> switched) {
  offered_ = true;
  fill_ = fill;
  switched_ = std::move(switched);
}

void FullScreenView::Toggle() {
  if (!offered_) return;
  on_ = !on_;
  if (switched_) switched_(on_);
}

}  // namespace platform
