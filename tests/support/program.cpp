#include "support/program.h"

#include "shell/_cblad.h"
#include <QDir>

#include "support/services.h"

namespace testing {

session::Session SessionIn(const QString& folder, int mode) {
  session::Session state;
  state.services = Services();
  state.content = session::ContentRoot(folder);
  state.geometry = mode == 1 ? session::ScreenGeometry{1, 800, 600}
                             : session::ScreenGeometry{qint16(mode), 1024, 768};
  state.files = session::ChildFiles::InFolder(folder, QDir(folder).filePath(QStringLiteral("Data/data.ini")));
  state.settings = session::Settings(state.files.configPath);
  return state;
}

ProgramFixture::ProgramFixture(int mode) : program(Services(), session::ContentRoot(dir.Path())) {
  program.state() = SessionIn(dir.Path(), mode);
  if (!dir.UseBuiltContent()) return;
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
