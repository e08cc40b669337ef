#pragma once

#include <QWidget>
#include <functional>

class QMouseEvent;

namespace platform {

enum class MouseButton { Left, Right, Middle };

// Keys and buttons held during a mouse message; Double marks the press that
// arrives as the second half of a double click.
enum ShiftFlag : int {
  kShift = 0x01,
  kAlt = 0x02,
  kCtrl = 0x04,
  kLeft = 0x08,
  kRight = 0x10,
  kMiddle = 0x20,
  kDouble = 0x40,
};

// The messages an input area sees, in the terms of the classic window
// procedure, so that a widget can drop, act on or pass each one on.
enum class MessageKind {
  Paint,           // the owning window was repainted
  MouseEnter,
  MouseLeave,
  LButtonDown,
  LButtonUp,
  LButtonDblClk,   // replaces the second press of a double click
  OtherButtonDown, // right or middle
  OtherButtonUp,
  MouseMove,
  VisibleChanged,
};

struct Message {
  MessageKind kind = MessageKind::Paint;
  QPoint pos;                           // in the control's own coordinates
  MouseButton button = MouseButton::Left;
  int shift = 0;                        // ShiftFlag bits
};

int ShiftFromQt(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);

// A picture-less image control: an invisible rectangle lying over what its
// window has drawn, used only to take the mouse. The widget that took a press
// keeps the moves and the release wherever the pointer goes.
//
// Click semantics are those of the classic form library: a click is a left
// press and release inside the control; a double click arrives as press,
// release (the click), double-click message, release (no second click).
//
// A left press whose release never comes (the window minimised or losing
// focus mid-drag, the grab taken away, the control hidden) ends, from the
// event loop, with a release at the last place the pointer was seen; that
// release is no click. A control that sets OnPressLost is told that instead
// and sees no release: a drag to be undone rather than finished.
class ImageControl : public QWidget {
  Q_OBJECT
 public:
  explicit ImageControl(QWidget* parent);

  // Sees every message first. Returning false drops the message: the default
  // handling below (and with it the handlers) never sees it.
  std::function<bool(const Message&)> Hook;

  std::function<void(QObject* sender)> OnClick;
  std::function<void(QObject* sender)> OnDblClick;
  std::function<void(MouseButton button, int shift, int x, int y)> OnMouseDown;
  std::function<void(int shift, int x, int y)> OnMouseMove;
  std::function<void(MouseButton button, int shift, int x, int y)> OnMouseUp;
  std::function<void()> OnPressLost;

  // Runs one message through the hook and, unless dropped, the default
  // handling. The owning form sends Paint this way after its own painting.
  void Dispatch(const Message& message);

  // The control's own visibility flag (not whether its window is shown).
  bool Visible() const { return !isHidden(); }
  void setVisible(bool visible) override;

  int Left() const { return x(); }
  int Top() const { return y(); }

  // Mouse input its window took and passes on (the window's scaled view),
  // at `pos` in this control's own coordinates: handled exactly as the
  // control's own events.
  void TakeMouse(const QMouseEvent& event, const QPoint& pos);
  void TakeEnter(const QPoint& pos);
  void TakeLeave();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void paintEvent(QPaintEvent*) override {}
  bool event(QEvent* event) override;

 private:
  void DefaultHandler(const Message& message);
  void EndLostPress();

  bool clickArmed_ = false;
  bool leftHeld_ = false;
  QPoint lastPos_;
};

}  // namespace platform
