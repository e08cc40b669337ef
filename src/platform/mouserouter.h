#pragma once

#include <QPoint>
#include <QPointer>

class QMouseEvent;
class QObject;
class QWidget;

namespace platform {

class ImageControl;

// Passes a window's mouse to the input areas on it while the window shows
// its surface at another size: the input areas keep their places on the
// surface and leave the mouse to the window, which hands each event on at
// the surface point under it. Capture is as for a window at its own size: a
// gesture runs from the first press to the release of the last button, and
// the input area that took its press gets all of it.
class MouseRouter {
 public:
  explicit MouseRouter(QWidget& window) : window_(window) {}

  // Starts or stops routing. A drag cannot go on in the other geometry: it
  // ends as a press whose release was lost.
  void SetActive(bool active);
  bool Active() const { return active_; }

  // One mouse event of the window, at surface point `p`. True for a press
  // that no input area takes: the window's own.
  bool Route(const QMouseEvent& event, const QPoint& p);
  // The pointer left the window.
  void Left();
  // A child first shown: an input area made while routing (a new game's
  // tiles and cards) leaves the mouse to the window as the others do.
  void ChildPolished(QObject* child);

 private:
  ImageControl* ControlAt(const QPoint& p) const;
  void SetHover(ImageControl* control, const QPoint& p);

  QWidget& window_;
  bool active_ = false;
  bool gesture_ = false;
  // The input area that took the gesture's press (none: the window).
  QPointer<ImageControl> captured_;
  QPointer<ImageControl> hovered_;
};

}  // namespace platform
