#include "session/childfiles.h"

#include <QDir>

#include "locations/filelocations.h"
#include "stats/statsformat.h"

namespace session {

namespace {
ChildFiles Make(const QString& folder, const QString& configPath, const QString& baseFolder) {
  ChildFiles files;
  files.folder = QDir(folder).absolutePath();
  files.statsFile = QDir(files.folder).filePath(statrec::FileName());
  files.configPath = configPath;
  files.recordings = files.folder + QStringLiteral("/Nagrania");
  files.baseFolder = QDir(baseFolder).absolutePath();
  files.voices = files.baseFolder + QStringLiteral("/Glosy");
  return files;
}
}  // namespace

ChildFiles ChildFiles::At(const locations::FileLocations& here, const locations::FileLocations& defaults) {
  return Make(here.statsDir, here.configPath, defaults.statsDir);
}

ChildFiles ChildFiles::InFolder(const QString& folder, const QString& configPath) {
  return Make(folder, configPath.isEmpty() ? QDir(folder).filePath(QStringLiteral("data.ini")) : configPath, folder);
}

}  // namespace session
