#pragma once

#include "platform/exception.h"

// Any fault of the asset build: a missing font or tool, a bad source file, a
// file that cannot be written. main() reports it and fails the build.
class AssetError : public platform::Exception {
 public:
  using Exception::Exception;
};
