#include "platform/imagecontrol.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QPointer>

#include "platform/wait.h"

namespace platform {

namespace {

MouseButton ButtonFromQt(Qt::MouseButton b) {
  switch (b) {
    case Qt::RightButton: return MouseButton::Right;
    case Qt::MiddleButton: return MouseButton::Middle;
    default: return MouseButton::Left;
  }
}

}  // namespace

int ShiftFromQt(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
  int shift = 0;
  if (modifiers & Qt::ShiftModifier) shift |= kShift;
  if (modifiers & Qt::AltModifier) shift |= kAlt;
  if (modifiers & Qt::ControlModifier) shift |= kCtrl;
  if (buttons & Qt::LeftButton) shift |= kLeft;
  if (buttons & Qt::RightButton) shift |= kRight;
  if (buttons & Qt::MiddleButton) shift |= kMiddle;
  return shift;
}

ImageControl::ImageControl(QWidget* parent) : QWidget(parent) {
  // Draws nothing: whatever the window painted shows through.
  setAttribute(Qt::WA_NoSystemBackground);
  setAutoFillBackground(false);
  setFocusPolicy(Qt::NoFocus);
}

void ImageControl::Dispatch(const Message& message) {
  if (Hook && !Hook(message)) return;
  DefaultHandler(message);
}

void ImageControl::DefaultHandler(const Message& m) {
  switch (m.kind) {
    case MessageKind::LButtonDown:
      clickArmed_ = true;
      if (OnMouseDown) OnMouseDown(MouseButton::Left, m.shift, m.pos.x(), m.pos.y());
      break;
    case MessageKind::LButtonDblClk:
      if (OnDblClick) OnDblClick(this);
      if (OnMouseDown) OnMouseDown(MouseButton::Left, m.shift | kDouble, m.pos.x(), m.pos.y());
      break;
    case MessageKind::LButtonUp: {
      const bool click = clickArmed_ && rect().contains(m.pos);
      clickArmed_ = false;
      // The click handler may destroy this control (a click that ends a
      // game); then nothing more of it is touched.
      QPointer<ImageControl> self(this);
      if (click && OnClick) OnClick(this);
      if (self && OnMouseUp) OnMouseUp(MouseButton::Left, m.shift, m.pos.x(), m.pos.y());
      break;
    }
    case MessageKind::OtherButtonDown:
      if (OnMouseDown) OnMouseDown(m.button, m.shift, m.pos.x(), m.pos.y());
      break;
    case MessageKind::OtherButtonUp:
      if (OnMouseUp) OnMouseUp(m.button, m.shift, m.pos.x(), m.pos.y());
      break;
    case MessageKind::MouseMove:
      if (OnMouseMove) OnMouseMove(m.shift, m.pos.x(), m.pos.y());
      break;
    case MessageKind::Paint:
    case MessageKind::MouseEnter:
    case MessageKind::MouseLeave:
    case MessageKind::VisibleChanged:
      break;
  }
}

void ImageControl::setVisible(bool visible) {
  const bool was = Visible();
  QWidget::setVisible(visible);
  if (was != Visible()) Dispatch({MessageKind::VisibleChanged, {}, MouseButton::Left, 0});
}

void ImageControl::TakeMouse(const QMouseEvent& e, const QPoint& pos) {
  Message m;
  m.pos = pos;
  m.shift = ShiftFromQt(e.buttons(), e.modifiers());
  switch (e.type()) {
    case QEvent::MouseButtonPress:
      if (e.button() == Qt::LeftButton) {
        m.kind = MessageKind::LButtonDown;
        leftHeld_ = true;
        lastPos_ = pos;
      } else {
        m.kind = MessageKind::OtherButtonDown;
        m.button = ButtonFromQt(e.button());
      }
      break;
    case QEvent::MouseButtonDblClick:
      if (e.button() == Qt::LeftButton) {
        m.kind = MessageKind::LButtonDblClk;
      } else {
        m.kind = MessageKind::OtherButtonDown;
        m.button = ButtonFromQt(e.button());
        m.shift |= kDouble;
      }
      break;
    case QEvent::MouseButtonRelease:
      if (e.button() == Qt::LeftButton) {
        m.kind = MessageKind::LButtonUp;
        leftHeld_ = false;
      } else {
        m.kind = MessageKind::OtherButtonUp;
        m.button = ButtonFromQt(e.button());
      }
      break;
    case QEvent::MouseMove:
      if (leftHeld_) lastPos_ = pos;
      m.kind = MessageKind::MouseMove;
      break;
    default:
      return;
  }
  Dispatch(m);
}

void ImageControl::TakeEnter(const QPoint& pos) { Dispatch({MessageKind::MouseEnter, pos, MouseButton::Left, 0}); }

void ImageControl::TakeLeave() { Dispatch({MessageKind::MouseLeave, {}, MouseButton::Left, 0}); }

void ImageControl::mousePressEvent(QMouseEvent* e) { TakeMouse(*e, e->position().toPoint()); }

void ImageControl::mouseDoubleClickEvent(QMouseEvent* e) { TakeMouse(*e, e->position().toPoint()); }

void ImageControl::mouseReleaseEvent(QMouseEvent* e) { TakeMouse(*e, e->position().toPoint()); }

void ImageControl::mouseMoveEvent(QMouseEvent* e) { TakeMouse(*e, e->position().toPoint()); }

bool ImageControl::event(QEvent* e) {
  switch (e->type()) {
    case QEvent::WindowDeactivate:
    case QEvent::Hide:
    case QEvent::UngrabMouse:
      // From the event loop, not from inside this event: the release may end
      // a game and destroy this control.
      if (leftHeld_) {
        Defer(this, [this] {
          if (leftHeld_) EndLostPress();
        });
      }
      break;
    default:
      break;
  }
  return QWidget::event(e);
}

void ImageControl::EndLostPress() {
  leftHeld_ = false;
  clickArmed_ = false;
  if (OnPressLost) {
    OnPressLost();
    return;
  }
  Dispatch({MessageKind::LButtonUp, lastPos_, MouseButton::Left, 0});
}

void ImageControl::enterEvent(QEnterEvent* e) { TakeEnter(e->position().toPoint()); }

void ImageControl::leaveEvent(QEvent*) { TakeLeave(); }

}  // namespace platform
