#include "support/workdir.h"

#include <QDir>

namespace testing {

TemporaryWorkingDir::TemporaryWorkingDir() : previous_(QDir::currentPath()) {
  ok_ = dir_.isValid() && QDir::setCurrent(dir_.path());
}

TemporaryWorkingDir::~TemporaryWorkingDir() { QDir::setCurrent(previous_); }

}  // namespace testing
