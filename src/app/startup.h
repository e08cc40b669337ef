#pragma once

#include "platform/services.h"

// The program from its first step to its exit code: single instance, splash,
// screen mode, working folder, configuration, the program's objects (see
// Program), the event loop and shutdown. Needs the application object.
// Returns 0 after a normal end and for a second copy, non-zero after a fatal
// error. Everything it asks of the system goes through `services`.
int RunMiniFonikra(const platform::Services& services);
