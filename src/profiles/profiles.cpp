#include "profiles/profiles.h"

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <algorithm>

#include "history/statsfile.h"
#include "platform/inifile.h"
#include "platform/regularfile.h"
#include "platform/savefile.h"
#include "recorder/voicelibrary.h"

namespace profiles {

namespace {

const QString kSection = QStringLiteral("Profil");
const QString kInfoFile = QStringLiteral("profil.ini");

QString Clean(const QString& name) { return name.simplified(); }

// Marks that change the direction of the text around them.
bool IsDirectionControl(QChar c) {
  const char16_t u = c.unicode();
  return u == 0x200E || u == 0x200F || u == 0x061C || (u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069);
}

bool ReadProfile(const QString& folder, Profile* profile) {
  // A link to a device, a pipe or a huge file is no profile, and is never
  // read or waited for.
  QByteArray bytes;
  if (platform::ReadRegularFile(folder + QLatin1Char('/') + kInfoFile, kMostInfoBytes, &bytes) != platform::FileRead::Ok)
    return false;
  QString name, picture;
  if (!ParseInfo(bytes, QFileInfo(folder).fileName(), &name, &picture)) return false;
  *profile = Profile{name, folder, picture};
  return true;
}

bool WriteInfo(const QString& folder, const QString& name, const QString& picture) {
  platform::IniFile ini;
  const QString info = folder + QLatin1Char('/') + kInfoFile;
  if (QFileInfo::exists(info) && !ini.Load(info)) return false;
  ini.WriteString(kSection, QStringLiteral("Imie"), name);
  ini.WriteString(kSection, QStringLiteral("Obrazek"), picture);
  return ini.Save(info);
}

// Only letters (any alphabet), digits, spaces and a few marks: the name is
// the folder's name on every system and reads well on a button.
bool AllowedCharacter(QChar c) {
  return c.isLetterOrNumber() || c == QLatin1Char(' ') || c == QLatin1Char('-') || c == QLatin1Char('_') ||
         c == QLatin1Char('.') || c == QLatin1Char('\'');
}

}  // namespace

QString ProfilesRoot(const QString& base) { return base + QStringLiteral("/Profile"); }

QString ShownName(const QString& name) {
  QString shown = name;
  shown.removeIf(IsDirectionControl);
  shown = shown.simplified();
  if (shown.size() > kMaxNameLength) {
    // Not between the two halves of a character outside the BMP.
    const int cut = shown.at(kMaxNameLength - 1).isHighSurrogate() ? kMaxNameLength - 1 : kMaxNameLength;
    shown = shown.left(cut).trimmed();
  }
  return shown;
}

bool ParseInfo(const QByteArray& bytes, const QString& folderName, QString* name, QString* picture) {
  if (bytes.size() > kMostInfoBytes) return false;
  platform::IniFile ini;
  if (!ini.LoadText(bytes)) return false;
  *name = ShownName(ini.ReadString(kSection, QStringLiteral("Imie"), folderName));
  const QString key = ini.ReadString(kSection, QStringLiteral("Obrazek"), QString());
  // The key becomes part of a file name: only the catalogue's plain keys.
  *picture = recorder::IsWordKey(key) ? key : QString();
  return !name->isEmpty();
}

std::vector<Profile> List(const QString& base) {
  std::vector<Profile> result;
  const QDir root(ProfilesRoot(base));
  if (!root.exists()) return result;
  for (const QString& entry : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
    Profile p;
    if (ReadProfile(root.filePath(entry), &p)) result.push_back(p);
  }
  QCollator collator(QLocale(QLocale::Polish, QLocale::Poland));
  collator.setCaseSensitivity(Qt::CaseInsensitive);
  std::sort(result.begin(), result.end(),
            [&](const Profile& a, const Profile& b) { return collator.compare(a.name, b.name) < 0; });
  return result;
}

bool Find(const QString& base, const QString& name, Profile* found) { return Find(List(base), name, found); }

bool Find(const std::vector<Profile>& listed, const QString& name, Profile* found) {
  const QString wanted = Clean(name);
  for (const Profile& p : listed) {
    if (p.name.compare(wanted, Qt::CaseInsensitive) == 0) {
      if (found) *found = p;
      return true;
    }
  }
  return false;
}

QString CheckName(const QString& base, const QString& name, const QString& renaming) {
  return CheckName(List(base), base, name, renaming);
}

QString CheckName(const std::vector<Profile>& listed, const QString& base, const QString& name,
                  const QString& renaming) {
  const QString clean = Clean(name);
  if (clean.isEmpty()) return QStringLiteral("Wpisz imię dziecka.");
  if (clean.size() > kMaxNameLength) return QStringLiteral("Imię może mieć najwyżej %1 znaków.").arg(kMaxNameLength);
  if (clean.startsWith(QLatin1Char('.'))) return QStringLiteral("Imię nie może zaczynać się od kropki.");
  if (!std::all_of(clean.begin(), clean.end(), AllowedCharacter)) {
    return QStringLiteral("Imię może zawierać tylko litery, cyfry, spacje i znaki - _ . '");
  }
  const bool sameProfile = !renaming.isEmpty() && clean.compare(Clean(renaming), Qt::CaseInsensitive) == 0;
  // Two folders differing only in case are one folder on some systems.
  if (!sameProfile && (Find(listed, clean, nullptr) || QFileInfo::exists(ProfilesRoot(base) + QLatin1Char('/') + clean))) {
    return QStringLiteral("Profil o imieniu %1 już jest.").arg(clean);
  }
  return QString();
}

QString Add(const QString& base, const QString& name, const QString& picture, Profile* added) {
  const QString problem = CheckName(base, name);
  if (!problem.isEmpty()) return problem;
  const QString clean = Clean(name);
  const QString folder = ProfilesRoot(base) + QLatin1Char('/') + clean;
  // Profiles hold children's results and voices: their folders are private.
  if (!platform::MakePrivateFolder(ProfilesRoot(base)) || !platform::MakePrivateFolder(folder))
    return QStringLiteral("Nie można utworzyć folderu %1.").arg(QDir::toNativeSeparators(folder));
  if (!WriteInfo(folder, clean, picture)) {
    QDir(folder).removeRecursively();
    return QStringLiteral("Nie można zapisać profilu w folderze %1.").arg(QDir::toNativeSeparators(folder));
  }
  if (added) *added = Profile{clean, folder, picture};
  return QString();
}

QString Rename(const QString& base, const Profile& profile, const QString& newName, Profile* renamed) {
  const QString problem = CheckName(base, newName, profile.name);
  if (!problem.isEmpty()) return problem;
  const QString clean = Clean(newName);
  const QString folder = ProfilesRoot(base) + QLatin1Char('/') + clean;
  const bool move = QFileInfo(folder).absoluteFilePath() != QFileInfo(profile.folder).absoluteFilePath();
  if (move && !QDir().rename(profile.folder, folder)) {
    return QStringLiteral("Nie można zmienić nazwy folderu %1.").arg(QDir::toNativeSeparators(profile.folder));
  }
  if (!WriteInfo(folder, clean, profile.picture)) {
    if (move) QDir().rename(folder, profile.folder);
    return QStringLiteral("Nie można zapisać profilu w folderze %1.").arg(QDir::toNativeSeparators(folder));
  }
  if (renamed) *renamed = Profile{clean, folder, profile.picture};
  return QString();
}

QString SetPicture(const Profile& profile, const QString& picture) {
  if (!WriteInfo(profile.folder, profile.name, picture)) {
    return QStringLiteral("Nie można zapisać profilu w folderze %1.").arg(QDir::toNativeSeparators(profile.folder));
  }
  return QString();
}

namespace {

// The files the program makes in a profile's folder, and what its
// recordings folder holds. Nothing else there is the program's to delete.
const QStringList& OwnFiles() {
  static const QStringList names = {kInfoFile, QStringLiteral("data.ini"), QStringLiteral("prgst6.stt")};
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

Contents ContentsOf(const Profile& profile) {
  Contents c;
  if (QFileInfo(profile.folder).isSymLink()) return c;
  for (const QFileInfo& entry : Removable(profile)) {
    ++c.files;
    if (!entry.isSymLink()) c.bytes += entry.size();
  }
  const QString stats = profile.folder + QStringLiteral("/prgst6.stt");
  if (QFileInfo(stats).isFile() && !QFileInfo(stats).isSymLink()) {
    const history::StatsFile file = history::ReadStatsFile(stats);
    if (file.Ok()) c.games = int(file.records.size() + file.skippedRecords);
  }
  return c;
}

}  // namespace profiles
