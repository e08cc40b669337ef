#pragma once

#include <functional>
#include <memory>

class QEvent;
class QObject;
class QWidget;

namespace platform {

// The program's one blocking wait: the GUI thread stays inside for `ms`
// milliseconds (a sound, a fixed pause), as the games rely on, but windows
// keep being exposed and painted meanwhile, so that what was drawn before
// the wait is on screen for all of it. Mouse and key input, and timers, are
// held back and delivered after the wait, in their order.
void WaitPainting(int ms);

// The same wait, for as long as `step` returns false (it is called every few
// milliseconds). Timers are held back as above; input is offered to `input`
// instead of being held, and is dropped whatever it answers, so that a
// press can end the wait and nothing else reaches the windows meanwhile.
void WaitPaintingUntil(const std::function<bool()>& step,
                       const std::function<void(QObject* target, QEvent* event)>& input);

// Drops the mouse and key input that a wait held back, instead of letting it
// reach the windows afterwards.
void DropHeldInput();

// True while such a wait runs. Requests that must not act in the middle of
// one (a window closed by the window manager) are put off until it ends.
bool InWait();

// Waits, painting, until the window system has put `window` on the screen,
// at most `maxMs` milliseconds: a window manager maps a new window a moment
// after it was shown.
void WaitUntilExposed(QWidget* window, int maxMs);

// Runs `action` from the event loop, after the current handler and after any
// wait now running, unless `context` is gone by then. (A zero-time single
// shot would be a posted call, which a wait lets through.)
void Defer(QObject* context, std::function<void()> action);

// Frees `object` from the event loop once the handler now running, and any
// event loop it entered (a modal window), have returned: deleteLater for
// what is no QObject. A game's board is freed this way, so that a handler of
// the board that ended its own game returns into a board still there. When
// `owner` goes first, the object goes with it.
void DeleteLaterErased(std::shared_ptr<void> object, QObject* owner);
template <class T>
void DeleteLater(std::unique_ptr<T> object, QObject* owner) {
  if (object) DeleteLaterErased(std::shared_ptr<T>(std::move(object)), owner);
}

}  // namespace platform
