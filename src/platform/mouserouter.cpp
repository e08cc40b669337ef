#include "platform/mouserouter.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>

#include "platform/imagecontrol.h"

namespace platform {

void MouseRouter::SetActive(bool active) {
  active_ = active;
  for (ImageControl* control : window_.findChildren<ImageControl*>(Qt::FindDirectChildrenOnly)) {
    control->setAttribute(Qt::WA_TransparentForMouseEvents, active);
    QEvent ungrab(QEvent::UngrabMouse);
    QCoreApplication::sendEvent(control, &ungrab);
  }
  window_.setMouseTracking(active);
  gesture_ = false;
  captured_ = nullptr;
  SetHover(nullptr, {});
}

bool MouseRouter::Route(const QMouseEvent& event, const QPoint& p) {
  const QEvent::Type type = event.type();
  const bool press = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick;
  // A press with no other button held starts a gesture, even if the end of
  // the last one was lost on the way.
  if (press && (!gesture_ || event.buttons() == event.button())) {
    gesture_ = true;
    captured_ = ControlAt(p);
  }
  if (!gesture_) {
    if (type == QEvent::MouseMove) SetHover(ControlAt(p), p);
    return false;
  }
  if (captured_) {
    captured_->TakeMouse(event, p - captured_->pos());
  } else if (press) {
    return true;
  }
  if (type == QEvent::MouseButtonRelease && event.buttons() == Qt::NoButton) {
    gesture_ = false;
    captured_ = nullptr;
    SetHover(ControlAt(p), p);
  }
  return false;
}

void MouseRouter::Left() {
  if (active_ && !gesture_) SetHover(nullptr, {});
}

void MouseRouter::ChildPolished(QObject* child) {
  if (!active_) return;
  if (auto* control = qobject_cast<ImageControl*>(child)) control->setAttribute(Qt::WA_TransparentForMouseEvents);
}

ImageControl* MouseRouter::ControlAt(const QPoint& p) const {
  // Topmost first: the last child is drawn, and hit, over the others.
  const QObjectList& list = window_.children();
  for (auto it = list.rbegin(); it != list.rend(); ++it) {
    auto* control = qobject_cast<ImageControl*>(*it);
    if (control && control->Visible() && control->geometry().contains(p)) return control;
  }
  return nullptr;
}

void MouseRouter::SetHover(ImageControl* control, const QPoint& p) {
  if (control == hovered_) return;
  if (hovered_) hovered_->TakeLeave();
  hovered_ = control;
  if (control) control->TakeEnter(p - control->pos());
  if (control && control->testAttribute(Qt::WA_SetCursor)) {
    window_.setCursor(control->cursor());
  } else {
    window_.unsetCursor();
  }
}

}  // namespace platform
