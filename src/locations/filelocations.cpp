#include "locations/filelocations.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "platform/savefile.h"
#include "platform/system.h"
#include "stats/statsformat.h"

namespace locations {

namespace {

bool IsFolder(const QString& path) { return QFileInfo(path).isDir(); }

// The user's access as the system would grant it (a read-only mount
// included), not the permission bits alone.
bool IsWritableFolder(const QString& path) {
  const QFileInfo info(path);
  return info.isDir() && info.isWritable();
}

}  // namespace

QString ApplicationName() { return QStringLiteral("Fonikra"); }

QString SharedContentRoot(const QString& programDir) {
  return QDir::cleanPath(programDir + QStringLiteral("/../share/minifonikra"));
}

QString InstalledMarker() { return QStringLiteral("installed.txt"); }

FileLocations Decide(const Machine& m) {
  FileLocations where;
  const bool installedShared = !m.programDirHasData && m.sharedContent;
  const bool installed = installedShared || (m.programDirHasData && m.installedBeside);
  where.contentRoot = installedShared ? SharedContentRoot(m.programDir) : m.programDir;
  // Without any content the files stay beside the program as well: the
  // missing content is what start-up reports, and no user folder is made.
  if (!installed && (m.programDirWritable || m.programFilesWritable || !m.programDirHasData)) {
    where.configPath = m.programDir + QStringLiteral("/Data/data.ini");
    where.statsDir = m.programDir;
    return where;
  }
  where.perUser = true;
  where.statsDir = m.userDataDir;
  // No home folder, no location: nothing may land in the working folder.
  if (!m.userDataDir.isEmpty()) where.configPath = m.userDataDir + QStringLiteral("/data.ini");
  return where;
}

Machine ThisMachine(const QString& programDir) {
  Machine m;
  m.programDir = programDir;
  m.programDirHasData = IsFolder(m.programDir + QStringLiteral("/Data"));
  m.programDirWritable = IsWritableFolder(m.programDir) && IsWritableFolder(m.programDir + QStringLiteral("/Data"));
  const auto writableFile = [](const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && !info.isSymLink() && info.isWritable();
  };
  m.programFilesWritable = m.programDirHasData && writableFile(m.programDir + QStringLiteral("/Data/data.ini")) &&
                           writableFile(m.programDir + QLatin1Char('/') + statrec::FileName());
  m.sharedContent = IsFolder(SharedContentRoot(m.programDir) + QStringLiteral("/Data"));
  m.installedBeside = QFileInfo(m.programDir + QLatin1Char('/') + InstalledMarker()).isFile();
  m.userDataDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  return m;
}

FileLocations InProfile(const FileLocations& where, const QString& profileFolder) {
  FileLocations result = where;
  result.configPath = profileFolder + QStringLiteral("/data.ini");
  result.statsDir = profileFolder;
  return result;
}

FileLocations Default(const QString& programDir) { return Decide(ThisMachine(programDir)); }

bool MakeUserFolder(const FileLocations& where) {
  if (!where.perUser) return true;
  // No home folder at all gives an empty location.
  return !where.statsDir.isEmpty() && platform::MakePrivateFolder(where.statsDir);
}

}  // namespace locations
