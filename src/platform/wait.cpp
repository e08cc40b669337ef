#include "platform/wait.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>

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
