#pragma once

#include <QColor>
#include <QDialog>
#include <functional>

#include "platform/canvas.h"
#include "platform/imagecontrol.h"
#include "platform/mouserouter.h"
#include "platform/scaledview.h"

namespace platform {

class FullScreenView;

// Base of every screen. A form owns a surface image that stands for the
// window's own canvas: code may draw on it at any moment and the change is
// shown at once. The screen's FormPaint runs when the window is first shown,
// resized or explicitly invalidated (never for the form's own drawing), and is
// followed by a Paint message to each image control on it. The system never
// erases the background: the window is painted only from the surface.
class Form : public QDialog {
  Q_OBJECT
 public:
  explicit Form(QWidget* parent = nullptr);
  ~Form() override;

  // The window's own canvas, of the client size.
  Canvas& WindowCanvas() { return surface_; }

  void SetClientSize(int width, int height);
  int ClientWidth() const { return surface_.Width(); }
  int ClientHeight() const { return surface_.Height(); }

  // Borderless window (screen modes 1 and 2, dialogs) or an ordinary window
  // with a single border and a caption (screen mode 3).
  void SetBorderless();
  void SetBordered(const QString& caption, bool systemMenu);
  void PlaceAt(int x, int y);
  void CenterOnScreen();
  void CenterOver(const QWidget* other);

  // Cuts the window to a rounded rectangle (corners of an ellipse of the
  // given size); the pixels outside are not part of the window.
  void SetRoundedShape(const QRect& area, int ellipseWidth, int ellipseHeight);

  // Shows the form modally and returns its modal result. The window it was
  // opened from becomes its owner: the window manager keeps the two
  // together (stacked, minimised and restored as one).
  int ShowModal();
  // Centred over the owner at every modal showing (a same-sized screen
  // then covers it exactly).
  void SetCentredOnOwner(bool centred) { centredOnOwner_ = centred; }
  void SetModalResult(int result);
  void Close();

  // FormPaint now, then show the whole surface.
  void Repaint();
  // FormPaint at the next paint of the window.
  void Invalidate();

  // True when this form is the window that has the user's attention (no
  // modal window stands in front of it).
  bool IsActiveForm() const;

  // Lets the user drag a captionless window by its body: call from a left
  // button press on the body.
  void BeginWindowDrag(const QPoint& globalPos);

  // Shows a rectangle of the surface at once (in surface coordinates).
  void RepaintArea(const QRect& area);

  // The program's choice of view (fullscreenview.h), which F11 on this form
  // switches; none: F11 does nothing here. A form that follows it fills its
  // screen, its surface scaled up as large as fits and the rest of the
  // screen in one colour; the input areas on it get the mouse through a
  // MouseRouter. Forms that do not follow keep their window whatever the
  // choice.
  void SetViewChoice(FullScreenView* view);
  FullScreenView* ViewChoice() const { return view_; }
  void SetFollowsView(bool follows);
  bool InScaledView() const { return scaled_; }
  // Where the surface lies in the window now.
  ScaledView View() const;

 signals:
  void Closed();

 protected:
  virtual void FormPaint() {}
  virtual void FormShow() {}
  virtual void FormKeyPress(int key) { (void)key; }
  virtual void FormMouseDown(MouseButton button, int shift, int x, int y) {
    (void)button, (void)shift, (void)x, (void)y;
  }
  // A left double click on the window itself, where it happened.
  virtual void FormDblClick(int x, int y) { (void)x, (void)y; }
  virtual void FormMouseWheel() {}
  // The window manager asks to close the window (its close button, Alt+F4).
  // The window's own way out decides: by default what Escape does.
  virtual void FormCloseRequest() { FormKeyPress(27); }

  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void childEvent(QChildEvent* event) override;

 private:
  void RunFormPaint();
  // Puts the window into, or out of, the full-screen view as the choice
  // says.
  void ApplyView();
  // The form's own mouse-down handlers, at a point in surface coordinates.
  void TakePress(const QMouseEvent& event, const QPoint& p);
  void RouteMouse(const QMouseEvent& event);

  Canvas surface_;
  bool formPaintPending_ = true;
  bool inFormPaint_ = false;
  bool manualDrag_ = false;
  bool centredOnOwner_ = false;
  QPoint dragOffset_;

  FullScreenView* view_ = nullptr;
  bool followsView_ = false;
  bool scaled_ = false;
  // The window's place before it went full-screen.
  QRect normalGeometry_;
  MouseRouter router_{*this};
};

// Text drawn over the program's own artwork keeps the colour chosen for
// that artwork, whatever the desktop's theme.
void SetTextColour(QWidget* text, const QColor& colour);

}  // namespace platform
