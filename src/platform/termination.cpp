#include "platform/termination.h"

#include <QObject>
#include <atomic>

#include "platform/wait.h"

#ifdef Q_OS_UNIX
#include <SDL.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#elif defined(Q_OS_WIN)
#include <QGuiApplication>
#include <QSessionManager>
#endif

namespace platform {

namespace {
std::atomic<bool> requested{false};
}  // namespace

bool TerminationRequested() { return requested.load(); }

#ifdef Q_OS_UNIX

namespace {

// A signal handler may do next to nothing: it writes one byte to a socket
// that the event loop watches.
int pipeEnds[2] = {-1, -1};

void OnSignal(int) {
  const int saved = errno;
  const char byte = 1;
  [[maybe_unused]] const ssize_t n = ::write(pipeEnds[0], &byte, 1);
  errno = saved;
}

}  // namespace

void OnTermination(QObject* context, std::function<void()> handler) {
  // SDL would otherwise take these signals for itself once audio starts.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  requested = false;
  if (pipeEnds[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM, 0, pipeEnds) != 0) return;
  auto* notifier = new QSocketNotifier(pipeEnds[1], QSocketNotifier::Read, context);
  QObject::connect(notifier, &QSocketNotifier::activated, context, [context, handler] {
    char byte;
    if (::read(pipeEnds[1], &byte, 1) != 1) return;
    requested = true;
    // Not inside a wait (a word being spoken): the handler runs when the
    // code that waits has finished with its objects.
    Defer(context, handler);
  });
  struct sigaction action = {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int sig : {SIGTERM, SIGINT, SIGHUP}) sigaction(sig, &action, nullptr);
}

#elif defined(Q_OS_WIN)

// Windows asks a program whether the session may end (logging off, shutting
// down) and ends the process soon after the answer, so the handler runs
// here, while there is still time, and not later from the event loop.
void OnTermination(QObject* context, std::function<void()> handler) {
  requested = false;
  QObject::connect(
      qApp, &QGuiApplication::commitDataRequest, context,
      [handler](QSessionManager&) {
        if (requested.exchange(true)) return;
        handler();
      },
      Qt::DirectConnection);
}

#else

void OnTermination(QObject*, std::function<void()>) {}

#endif

}  // namespace platform
