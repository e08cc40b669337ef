#include "games/gamewindow.h"

#include "platform/exception.h"
#include "platform/form.h"
#include "platform/jpeg.h"
#include "platform/screenwindow.h"
#include "shell/_cblad.h"
#include "shell/_specfunc.h"

namespace games {

QImage LoadBackground(const session::Session& session, const QString& name, const QString& variant) {
  try {
    return platform::LoadJpegFile(
        session.content.Path(QStringLiteral("Intf/Spec/") + name + session.geometry.ArtSuffix() + variant + QStringLiteral(".xji")));
  } catch (const platform::Exception&) {
    throw CBlad(1);
  }
}

void SetUpGameWindow(platform::Form& form, const session::Session& session) {
  platform::SetUpScreenWindow(form, {.size = QSize(session.geometry.screenWidth, session.geometry.screenHeight),
                                     .bordered = session.geometry.screenMode == 3,
                                     .caption = QString::fromUtf16(kProgramTitle),
                                     .overOwner = true});
}

}  // namespace games
