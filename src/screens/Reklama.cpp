#include "screens/Reklama.h"

#include "platform/jpeg.h"
#include "shell/_cblad.h"
#include "shell/_specfunc.h"
#include "widgets/_cprzycisk.h"

TfmReklama::TfmReklama(const session::Session& session) : session_(session) {
  QImage background;
  try {
    background = platform::LoadJpegFile(session_.content.Path(QStringLiteral("Intf/Spec/comm") + session_.geometry.ArtSuffix() + QStringLiteral(".xji")));
  } catch (const platform::Exception&) {
    throw CBlad(1);
  }
  const QString caption = QString::fromUtf16(kProgramTitle);
  if (session_.geometry.screenMode == 3) {
    // No system menu: the button is the only way out of this screen.
    SetBordered(caption, false);
    // Where the menu stood, or in the middle when there is none yet.
    SetCentredOnOwner(true);
    SetFollowsView(true);
  } else {
    SetBorderless();
    setWindowTitle(caption);
  }
  SetClientSize(session_.geometry.screenWidth, session_.geometry.screenHeight);
  if (session_.geometry.screenMode == 3) {
    CenterOnScreen();
  } else {
    PlaceAt(0, 0);
  }
  tlo_.Resize(QSize(session_.geometry.screenWidth, session_.geometry.screenHeight));
  tlo_.Draw(0, 0, background);

  A_Wyjdz.OnExecute = [this](QObject*) { Close(); };
  wyjdz_ = std::make_unique<CPrzyciskP>(session_.content, this, QStringLiteral("wyjdz"), &WindowCanvas(), &tlo_, session_.geometry.screenWidth / 2 - 55,
                                        session_.geometry.screenHeight - session_.geometry.screenHeight / 7, A_Wyjdz);
}

TfmReklama::~TfmReklama() = default;

void TfmReklama::FormPaint() { WindowCanvas().Draw(0, 0, tlo_.Image()); }
