#pragma once

#include <functional>

class QObject;

// SIGTERM, SIGINT and SIGHUP (logging out, shutting down, Ctrl+C in a
// terminal) end the program the orderly way instead of killing it: the
// handler runs from the event loop, after any wait in progress, and may
// record a running game and write the settings before it quits.
namespace platform {

// Installs the handlers for a run of the program. `handler` runs once per
// signal, in the thread of `context`, while `context` lives. Installed before any sound is played, so
// that the sound library leaves these signals to the program.
void OnTermination(QObject* context, std::function<void()> handler);

// A termination signal has arrived since OnTermination: whatever start-up is doing,
// it should not go on into the game.
bool TerminationRequested();

}  // namespace platform
