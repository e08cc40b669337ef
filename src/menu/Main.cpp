#include "menu/Main.h"

#include "platform/jpeg.h"
#include "platform/system.h"
#include "shell/Splashscreen.h"
#include "shell/_cblad.h"
#include "shell/_specfunc.h"

TfmMain* fmMain = nullptr;

TfmMain::TfmMain() {
  try {
    background_ = platform::LoadJpegFile(QStringLiteral("Data/Intf/Spec/mT_m0") + ArtSuffix() + QStringLiteral(".xji"));
  } catch (const platform::Exception&) {
    throw CBlad(1);
  }
  if (screenMode == 3) {
    SetBordered(QStringLiteral("Mini Fonikra Cz.I"), true);
  } else {
    SetBorderless();
  }
  SetClientSize(screenWidth, screenHeight);
  PlaceAt(0, 0);
  A_Stop.OnExecute = [this](QObject* sender) { A_StopExecute(sender); };
}

TfmMain::~TfmMain() { WriteConfiguration(); }

void TfmMain::FormShow() {
  if (fmSplash) {
    platform::SleepMs(2000);
    DestroySplash();
  }
}

void TfmMain::FormPaint() { WindowCanvas().Draw(0, 0, background_); }

void TfmMain::FormKeyPress(int key) {
  if (key == 27) A_Stop.Execute(this);
}

void TfmMain::A_StopExecute(QObject*) {
  hide();
  Close();
}
