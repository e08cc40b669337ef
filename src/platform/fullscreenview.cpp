#include "platform/fullscreenview.h"

#include <QApplication>

#include "platform/form.h"

namespace platform {

void FullScreenView::Offer(const QColor& fill, std::function<void(bool on)> switched) {
  offered_ = true;
  fill_ = fill;
  switched_ = std::move(switched);
}

void FullScreenView::Set(bool on) {
  on_ = on;
  const auto windows = QApplication::topLevelWidgets();
  for (QWidget* window : windows) {
    auto* form = qobject_cast<Form*>(window);
    if (form && form->isVisible() && form->ViewChoice() == this) form->ApplyView();
  }
}

void FullScreenView::Toggle() {
  if (!offered_) return;
  Set(!on_);
  if (switched_) switched_(on_);
}

}  // namespace platform
