#include "platform/form.h"

#include "platform/fullscreenview.h"

#include <QApplication>
#include <QBitmap>
#include <QChildEvent>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QPointer>
#include <QWindow>

#include "platform/wait.h"

namespace platform {

namespace {

MouseButton ButtonOf(const QMouseEvent& event) {
  if (event.button() == Qt::RightButton) return MouseButton::Right;
  if (event.button() == Qt::MiddleButton) return MouseButton::Middle;
  return MouseButton::Left;
}

}  // namespace

Form::Form(QWidget* parent) : QDialog(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
  setModal(false);
  SetBorderless();
  surface_.OnChanged = [this](const QRect& r) {
    if (!inFormPaint_) update(scaled_ ? View().ToTargetCovering(r).adjusted(-1, -1, 1, 1) : r);
  };
}

Form::~Form() = default;

void Form::SetClientSize(int width, int height) {
  if (surface_.Size() != QSize(width, height)) surface_.Resize(QSize(width, height));
  if (!scaled_) setFixedSize(width, height);
  formPaintPending_ = true;
}

void Form::SetBorderless() {
  setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
}

void Form::SetBordered(const QString& caption, bool systemMenu) {
  Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
  if (systemMenu) flags |= Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
  setWindowFlags(flags);
  setWindowTitle(caption);
}

void Form::PlaceAt(int x, int y) { move(x, y); }

void Form::CenterOnScreen() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->geometry();
  move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
}

void Form::CenterOver(const QWidget* other) {
  if (!other) {
    CenterOnScreen();
    return;
  }
  // Client area over client area: a same-sized bordered window covers the
  // other exactly, whether or not its own frame is known yet.
  const QRect over = other->geometry();
  setGeometry(QRect(QPoint(over.x() + (over.width() - width()) / 2, over.y() + (over.height() - height()) / 2), size()));
}

void Form::SetRoundedShape(const QRect& area, int ellipseWidth, int ellipseHeight) {
  QBitmap shape(size());
  shape.fill(Qt::color0);
  QPainter painter(&shape);
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::color1);
  painter.drawRoundedRect(area, ellipseWidth / 2.0, ellipseHeight / 2.0);
  painter.end();
  setMask(shape);
}

int Form::ShowModal() {
  setResult(0);
  formPaintPending_ = true;
  QWidget* owner = QApplication::activeModalWidget();
  if (!owner) owner = QApplication::activeWindow();
  ApplyView();
  QPointer<QWindow> own;
  if (owner && owner->window() != this && !parentWidget()) {
    create();
    own = windowHandle();
    QWindow* ownerWindow = owner->window()->windowHandle();
    // Never a circle of owners: a window owned, through others, by this one.
    for (QWindow* w = ownerWindow; w && own; w = w->transientParent()) {
      if (w == own) own = nullptr;
    }
    if (own) own->setTransientParent(ownerWindow);
    if (centredOnOwner_ && !scaled_) CenterOver(owner->window());
  }
  const int result = exec();
  // Owned only while shown: the next showing may come from another window.
  if (own) own->setTransientParent(nullptr);
  return result;
}

void Form::SetModalResult(int result) { done(result); }

void Form::Close() { close(); }

void Form::Repaint() {
  formPaintPending_ = true;
  repaint();
  // A hidden window gets no paint event; its canvas still has to be right.
  if (formPaintPending_) RunFormPaint();
}

void Form::Invalidate() {
  formPaintPending_ = true;
  update();
}

bool Form::IsActiveForm() const {
  const QWidget* modal = QApplication::activeModalWidget();
  if (modal && modal != this) return false;
  const QWidget* active = QApplication::activeWindow();
  return active == nullptr || active == this;
}

void Form::BeginWindowDrag(const QPoint& globalPos) {
  if (QWindow* w = windowHandle(); w && w->startSystemMove()) return;
  // No window manager to ask: follow the mouse ourselves.
  manualDrag_ = true;
  dragOffset_ = globalPos - pos();
}

void Form::RepaintArea(const QRect& area) {
  if (area.isEmpty()) return;
  repaint(scaled_ ? View().ToTargetCovering(area).adjusted(-1, -1, 1, 1) : area);
}

void Form::SetViewChoice(FullScreenView* view) {
  view_ = view;
  if (isVisible()) ApplyView();
}

void Form::SetFollowsView(bool follows) {
  followsView_ = follows;
  if (isVisible()) ApplyView();
}

ScaledView Form::View() const {
  return scaled_ ? ScaledView(surface_.Size(), size()) : ScaledView(surface_.Size(), surface_.Size());
}

void Form::ApplyView() {
  const bool wanted = followsView_ && view_ && view_->Offered() && view_->On();
  if (wanted == scaled_) return;
  scaled_ = wanted;
  // The input areas keep their places on the surface; while scaled the form
  // takes the mouse and passes it on.
  router_.SetActive(wanted);
  if (wanted) {
    normalGeometry_ = isVisible() ? geometry() : QRect();
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    // Asked of the window manager, and done directly where there is none.
    if (const QScreen* s = screen()) setGeometry(s->geometry());
    setWindowState(windowState() | Qt::WindowFullScreen);
  } else {
    setWindowState(windowState() & ~Qt::WindowFullScreen);
    setFixedSize(surface_.Size());
    if (normalGeometry_.isValid()) {
      setGeometry(normalGeometry_);
    } else {
      CenterOnScreen();
    }
  }
  update();
}

void Form::RunFormPaint() {
  formPaintPending_ = false;
  inFormPaint_ = true;
  FormPaint();
  // The child controls repaint after their window, as the system does.
  const auto controls = findChildren<ImageControl*>(Qt::FindDirectChildrenOnly);
  for (ImageControl* control : controls) control->Dispatch({MessageKind::Paint, {}, MouseButton::Left, 0});
  inFormPaint_ = false;
}

void Form::paintEvent(QPaintEvent* event) {
  QRect area = event->rect();
  if (formPaintPending_) {
    RunFormPaint();
    area = rect();
  }
  QPainter painter(this);
  if (scaled_) {
    View().Paint(painter, area, surface_.Image(), view_ ? view_->Fill() : QColor(Qt::black));
  } else {
    painter.drawImage(area, surface_.Image(), area);
  }
  if (area != event->rect()) update();
}

void Form::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  ApplyView();
  formPaintPending_ = true;
  FormShow();
}

void Form::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F11 && view_ && view_->Offered()) {
    if (event->isAutoRepeat()) return;
    view_->Toggle();
    // Every shown form of the choice goes along; hidden ones when shown.
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
      auto* form = qobject_cast<Form*>(window);
      if (form && form->isVisible() && form->view_ == view_) form->ApplyView();
    }
    return;
  }
  // Character keys only, as a key-press handler sees them; Escape is 27.
  int key = 0;
  if (event->key() == Qt::Key_Escape) {
    key = 27;
  } else if (!event->text().isEmpty()) {
    key = event->text().at(0).unicode();
  }
  if (key != 0) FormKeyPress(key);
}

void Form::TakePress(const QMouseEvent& event, const QPoint& p) {
  int shift = ShiftFromQt(event.buttons(), event.modifiers());
  if (event.type() == QEvent::MouseButtonDblClick) {
    if (event.button() == Qt::LeftButton) FormDblClick(p.x(), p.y());
    shift |= kDouble;
  }
  FormMouseDown(ButtonOf(event), shift, p.x(), p.y());
}

void Form::mousePressEvent(QMouseEvent* event) {
  if (scaled_) {
    RouteMouse(*event);
    return;
  }
  TakePress(*event, event->position().toPoint());
}

void Form::mouseMoveEvent(QMouseEvent* event) {
  if (scaled_) {
    RouteMouse(*event);
    return;
  }
  if (manualDrag_ && (event->buttons() & Qt::LeftButton)) {
    move(event->globalPosition().toPoint() - dragOffset_);
  }
}

void Form::mouseReleaseEvent(QMouseEvent* event) {
  if (scaled_) {
    RouteMouse(*event);
    return;
  }
  if (event->button() == Qt::LeftButton) manualDrag_ = false;
}

void Form::mouseDoubleClickEvent(QMouseEvent* event) {
  if (scaled_) {
    RouteMouse(*event);
    return;
  }
  TakePress(*event, event->position().toPoint());
}

void Form::RouteMouse(const QMouseEvent& event) {
  const QPoint p = View().ToGame(event.position());
  // The fill around the game is nobody's.
  if (router_.Route(event, p) && QRect(QPoint(0, 0), surface_.Size()).contains(p)) TakePress(event, p);
}

void Form::leaveEvent(QEvent* event) {
  QDialog::leaveEvent(event);
  router_.Left();
}

void Form::childEvent(QChildEvent* event) {
  // Polished: first shown, and by then made in full.
  if (event->polished()) router_.ChildPolished(event->child());
  QDialog::childEvent(event);
}

void Form::wheelEvent(QWheelEvent*) { FormMouseWheel(); }

void Form::closeEvent(QCloseEvent* event) {
  if (event->spontaneous()) {
    // Closed from outside: the window goes the way it goes by itself, never
    // by vanishing with its game. Acted on from the event loop, so never in
    // the middle of a sound or of another handler.
    event->ignore();
    Defer(this, [this] {
      if (isVisible()) FormCloseRequest();
    });
    return;
  }
  QDialog::closeEvent(event);
  if (event->isAccepted()) emit Closed();
}

void SetTextColour(QWidget* text, const QColor& colour) {
  QPalette palette = text->palette();
  palette.setColor(QPalette::WindowText, colour);
  palette.setColor(QPalette::Text, colour);
  text->setPalette(palette);
}

}  // namespace platform
