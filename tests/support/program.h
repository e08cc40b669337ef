#pragma once

#include <QByteArray>

#include "app/program.h"
#include "support/programdir.h"

namespace testing {

// The state of a run whose content and files lie in `folder` (Data/ and
// Data/data.ini in it, the statistics beside), on a screen of mode 1
// (800 x 600), 2 (1024 x 768) or 3 (a 1024 x 768 area on a larger display).
session::Session SessionIn(const QString& folder, int mode);

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
