#pragma once

#include "platform/fullscreenview.h"
#include "platform/services.h"
#include "session/childfiles.h"
#include "session/contentroot.h"
#include "session/geometry.h"
#include "session/settings.h"

namespace session {

// The state of one run that the program owns and passes down to its screens:
// what it asks of the system, where the content lies, the working screen,
// the child's files and what data.ini holds.
struct Session {
  platform::Services services;
  // Screen mode 3's full-screen view, which every screen of the run shares.
  platform::FullScreenView view;
  ContentRoot content;
  ScreenGeometry geometry;
  ChildFiles files;
  Settings settings;
};

}  // namespace session
