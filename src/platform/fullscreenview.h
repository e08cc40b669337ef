#pragma once

#include <QColor>
#include <functional>

namespace platform {

// The program's one choice of view. Until it is offered there is none; from
// then on F11 in any form that knows the choice switches it and tells
// `switched`. The forms that follow it (Form::SetFollowsView) fill their
// screen with their surface scaled up, the rest in one colour.
class FullScreenView {
 public:
  void Offer(const QColor& fill, std::function<void(bool on)> switched);
  bool Offered() const { return offered_; }
  bool On() const { return on_; }
  const QColor& Fill() const { return fill_; }
  // Switches without telling anyone (the choice read at start); the forms
  // take it when they are next shown.
  void Set(bool on) { on_ = on; }
  // F11: switches and tells; the form that took the key brings the shown
  // forms of this choice along.
  void Toggle();

 private:
  bool offered_ = false;
  bool on_ = false;
  QColor fill_ = Qt::black;
  std::function<void(bool)> switched_;
};

}  // namespace platform
