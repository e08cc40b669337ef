#include "support/program.h"

#include "shell/_cblad.h"
#include "shell/_specfunc.h"

namespace testing {

void SetScreenMode(int mode) {
  screenMode = qint16(mode);
  screenWidth = mode == 1 ? 800 : 1024;
  screenHeight = mode == 1 ? 600 : 768;
}

ProgramFixture::ProgramFixture(int mode) {
  if (!dir.UseBuiltContent()) return;
  SetScreenMode(mode);
  try {
    program.CreateCatalogueAndStore();
    program.CreateScreens();
    ready = true;
  } catch (const CBlad&) {
  }
}

ProgramFixture::~ProgramFixture() {
  // The screens before the folder they read from goes.
  program.DestroyScreens();
  program.DestroyCatalogueAndStore();
}

QByteArray ProgramFixture::Stats() const { return dir.Read(QStringLiteral("prgst6.stt")); }

}  // namespace testing
