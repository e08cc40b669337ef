#include "platform/wait.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <utility>

namespace platform {

namespace {

int depth = 0;
// Short enough that an exposure is answered at once, long enough not to spin.
constexpr qint64 kSliceMs = 5;

}  // namespace

void WaitPainting(int ms) {
  if (ms <= 0) return;
  QElapsedTimer elapsed;
  elapsed.start();
  ++depth;
  for (;;) {
    // Paints, exposures and window-system housekeeping only; X11ExcludeTimers
    // is honoured by every event dispatcher of this platform.
    if (QCoreApplication::instance()) {
      QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::X11ExcludeTimers);
    }
    const qint64 left = ms - elapsed.elapsed();
    if (left <= 0) break;
    QThread::msleep(static_cast<unsigned long>(std::min(left, kSliceMs)));
  }
  --depth;
}

namespace {

bool IsInput(const QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
      return true;
    default:
      return false;
  }
}

// Takes every input event of the application while it lives.
class InputTrap : public QObject {
 public:
  explicit InputTrap(std::function<void(QObject*, QEvent*)> offer) : offer_(std::move(offer)) {
    QCoreApplication::instance()->installEventFilter(this);
  }
  ~InputTrap() override { QCoreApplication::instance()->removeEventFilter(this); }

  bool eventFilter(QObject* target, QEvent* event) override {
    // A window hands its input on to the widget it is for, which is where
    // it is seen (and dropped).
    if (!target->isWidgetType() || !IsInput(event)) return false;
    if (offer_) offer_(target, event);
    return true;
  }

 private:
  std::function<void(QObject*, QEvent*)> offer_;
};

}  // namespace

void WaitPaintingUntil(const std::function<bool()>& step, const std::function<void(QObject*, QEvent*)>& input) {
  if (!QCoreApplication::instance()) {
    while (!step()) QThread::msleep(static_cast<unsigned long>(kSliceMs));
    return;
  }
  ++depth;
  {
    InputTrap trap(input);
    for (;;) {
      QCoreApplication::processEvents(QEventLoop::X11ExcludeTimers);
      if (step()) break;
      QThread::msleep(static_cast<unsigned long>(kSliceMs));
    }
  }
  --depth;
}

void DropHeldInput() {
  if (!QCoreApplication::instance()) return;
  InputTrap trap(nullptr);
  QCoreApplication::processEvents(QEventLoop::X11ExcludeTimers);
}

bool InWait() { return depth > 0; }

void WaitUntilExposed(QWidget* window, int maxMs) {
  QElapsedTimer elapsed;
  elapsed.start();
  while (window && elapsed.elapsed() < maxMs) {
    const QWindow* handle = window->windowHandle();
    if (handle && handle->isExposed()) break;
    WaitPainting(static_cast<int>(kSliceMs));
  }
  // The paint that follows the exposure.
  WaitPainting(static_cast<int>(kSliceMs));
}

void Defer(QObject* context, std::function<void()> action) {
  // A real timer, which the wait holds back, owned by the context.
  auto* timer = new QTimer(context);
  timer->setSingleShot(true);
  timer->setInterval(0);
  QObject::connect(timer, &QTimer::timeout, context, [timer, action = std::move(action)] {
    // The action may destroy the context and the timer with it: it runs
    // from a copy, and the timer goes first.
    const std::function<void()> run = action;
    timer->deleteLater();
    run();
  });
  timer->start();
}

namespace {

// Holds what is to be freed until its deferred deletion comes round.
class Keeper : public QObject {
 public:
  Keeper(std::shared_ptr<void> held, QObject* owner) : QObject(owner), held_(std::move(held)) {}

 private:
  std::shared_ptr<void> held_;
};

}  // namespace

void DeleteLaterErased(std::shared_ptr<void> object, QObject* owner) {
  (new Keeper(std::move(object), owner))->deleteLater();
}

}  // namespace platform
