#pragma once

#include <QByteArray>

#include "app/program.h"
#include "support/programdir.h"

namespace testing {

// Puts the screen-mode globals at mode 1 (800 x 600), 2 (1024 x 768) or 3
// (a 1024 x 768 area on a larger display).
void SetScreenMode(int mode);

// The program's objects as start-up makes them, by the composition root,
// over the build's content in a throw-away program folder: the catalogue,
// the store and the seven screens. One wiring for the tests, the benchmarks
// and the screenshot tool. `ready` is false when the build's content cannot
// be found or a screen could not be made.
class ProgramFixture {
 public:
  explicit ProgramFixture(int mode);
  ~ProgramFixture();
  ProgramFixture(const ProgramFixture&) = delete;
  ProgramFixture& operator=(const ProgramFixture&) = delete;

  // The statistics file as it stands.
  QByteArray Stats() const;

  ProgramDir dir;
  Program program;
  bool ready = false;
};

}  // namespace testing
