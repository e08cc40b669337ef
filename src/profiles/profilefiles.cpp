#include "profiles/profiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include "history/statsfile.h"
#include "platform/regularfile.h"
#include "platform/savefile.h"
#include "stats/statsformat.h"

// What a profile's folder holds, and the files that move into it or go
// with it: removal, the guest's games taken over, the contents counted.
namespace profiles {

namespace {

// The files the program makes in a profile's folder, and what its
// recordings folder holds. Nothing else there is the program's to delete.
const QStringList& OwnFiles() {
  static const QStringList names = {InfoFileName(), QStringLiteral("data.ini"), statrec::FileName()};
  return names;
}
const QString kRecordings = QStringLiteral("Nagrania");

// Entries of `folder` itself, links as links, never followed.
QFileInfoList Entries(const QString& folder) {
  return QDir(folder).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
}

// What Remove deletes: the program's files, and the recordings as files (a
// link among them is removed as the link).
QFileInfoList Removable(const Profile& profile) {
  QFileInfoList result;
  for (const QFileInfo& entry : Entries(profile.folder)) {
    if (OwnFiles().contains(entry.fileName()) && (entry.isSymLink() || entry.isFile())) result << entry;
  }
  const QFileInfo recordings(profile.folder + QLatin1Char('/') + kRecordings);
  if (recordings.isDir() && !recordings.isSymLink()) {
    for (const QFileInfo& entry : Entries(recordings.filePath())) {
      if (entry.suffix().compare(QLatin1String("wav"), Qt::CaseInsensitive) == 0 && (entry.isSymLink() || entry.isFile()))
        result << entry;
    }
  }
  return result;
}

}  // namespace

QString Remove(const Profile& profile) {
  const QFileInfo info(profile.folder);
  const QString shown = QDir::toNativeSeparators(profile.folder);
  // A profile folder that is a link goes as the link: what it points to was
  // never the program's.
  if (info.isSymLink()) {
    if (!QFile::remove(profile.folder)) return QStringLiteral("Nie udało się usunąć dowiązania %1.").arg(shown);
    return {};
  }
  if (!info.isDir()) return {};
  QStringList failed;
  for (const QFileInfo& entry : Removable(profile)) {
    if (!QFile::remove(entry.filePath())) failed << entry.fileName();
  }
  const QString recordings = profile.folder + QLatin1Char('/') + kRecordings;
  if (QFileInfo(recordings).isDir() && !QFileInfo(recordings).isSymLink()) QDir().rmdir(recordings);
  if (!failed.isEmpty())
    return QStringLiteral("Nie udało się usunąć z folderu %1: %2.").arg(shown, failed.join(QStringLiteral(", ")));
  if (QDir().rmdir(profile.folder)) return {};
  // Whatever else lies there (an adult's own files) stays, and is named.
  QStringList left;
  for (const QFileInfo& entry : Entries(profile.folder)) left << entry.fileName() + (entry.isDir() ? QStringLiteral("/") : QString());
  for (const QFileInfo& entry : Entries(recordings)) left << kRecordings + QLatin1Char('/') + entry.fileName();
  left.removeAll(kRecordings + QLatin1Char('/'));
  return QStringLiteral("Profil usunięto. W folderze %1 zostały pliki, których program nie utworzył: %2.")
      .arg(shown, left.join(QStringLiteral(", ")));
}

namespace {

const QString kStatsFile = statrec::FileName();

int WholeGames(const QString& stats) {
  const QFileInfo info(stats);
  if (!info.isFile() || info.isSymLink()) return 0;
  const history::StatsFile file = history::ReadStatsFile(stats);
  return file.Ok() ? int(file.records.size() + file.skippedRecords) : 0;
}

// The recordings of a folder's Nagrania/ that are plain files.
QFileInfoList Recordings(const QString& folder) {
  QFileInfoList result;
  const QFileInfo recordings(folder + QLatin1Char('/') + kRecordings);
  if (!recordings.isDir() || recordings.isSymLink()) return result;
  for (const QFileInfo& entry : Entries(recordings.filePath())) {
    if (entry.suffix().compare(QLatin1String("wav"), Qt::CaseInsensitive) == 0 && entry.isFile() && !entry.isSymLink())
      result << entry;
  }
  return result;
}

}  // namespace

GuestFiles GuestFilesIn(const QString& base) {
  return GuestFiles{WholeGames(base + QLatin1Char('/') + kStatsFile), int(Recordings(base).size())};
}

QString MoveGuestFiles(const QString& base, const Profile& profile) {
  const QString from = base + QLatin1Char('/') + kStatsFile;
  const QString to = profile.folder + QLatin1Char('/') + kStatsFile;
  const QString failed = QStringLiteral("Nie udało się przenieść gier do profilu %1: %2.");
  if (QFileInfo(to).exists() || QFileInfo(to).isSymLink())
    return failed.arg(profile.name, QStringLiteral("profil ma już własne wyniki"));
  QByteArray bytes;
  if (platform::ReadRegularFile(from, history::kMostBytes, &bytes) != platform::FileRead::Ok ||
      !history::ReadStatsFile(from).Ok())
    return failed.arg(profile.name, QStringLiteral("nie można odczytać pliku %1").arg(QDir::toNativeSeparators(from)));
  QString why = platform::WriteWholeFile(to, bytes, platform::Privacy::Private);
  if (!why.isEmpty()) return failed.arg(profile.name, why);

  // Moved one by one; a failure puts back those already moved.
  std::vector<std::pair<QString, QString>> moved;
  auto undo = [&] {
    for (const auto& [source, target] : moved) QFile::rename(target, source);
    QFile::remove(to);
  };
  const QFileInfoList recordings = Recordings(base);
  if (!recordings.isEmpty() && !platform::MakePrivateFolder(profile.folder + QLatin1Char('/') + kRecordings)) {
    undo();
    return failed.arg(profile.name, QStringLiteral("nie można utworzyć folderu nagrań"));
  }
  for (const QFileInfo& recording : recordings) {
    const QString target = profile.folder + QLatin1Char('/') + kRecordings + QLatin1Char('/') + recording.fileName();
    if (!QFile::rename(recording.filePath(), target)) {
      undo();
      return failed.arg(profile.name, QStringLiteral("nie można przenieść nagrania %1").arg(recording.fileName()));
    }
    moved.emplace_back(recording.filePath(), target);
  }
  why = platform::WriteWholeFile(from, bytes.left(statrec::kHeaderSize), platform::Privacy::Private);
  if (!why.isEmpty()) {
    undo();
    return failed.arg(profile.name, why);
  }
  return QString();
}

Contents ContentsOf(const Profile& profile) {
  Contents c;
  if (QFileInfo(profile.folder).isSymLink()) return c;
  for (const QFileInfo& entry : Removable(profile)) {
    ++c.files;
    if (!entry.isSymLink()) c.bytes += entry.size();
  }
  c.games = WholeGames(profile.folder + QLatin1Char('/') + kStatsFile);
  return c;
}

}  // namespace profiles
