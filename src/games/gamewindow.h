#pragma once

#include <QImage>
#include <QString>

#include "session/session.h"

namespace platform {
class Form;
}

// What every game screen does the same way when it is made.
namespace games {

// The game's background, Intf/Spec/<name><size><variant>.xji at the working
// screen's size. A missing or broken picture is CBlad(1), the program's
// "missing resources".
QImage LoadBackground(const session::Session& session, const QString& name, const QString& variant = {});

// The game's window: the working screen's size, framed in the windowed mode
// (an ordinary window over the menu on a large screen, not in a corner),
// captioned with the program's title.
void SetUpGameWindow(platform::Form& form, const session::Session& session);

}  // namespace games
