#include "profiles/profiles.h"

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <algorithm>
#include <utility>

#include "history/statsfile.h"
#include "platform/inifile.h"
#include "platform/regularfile.h"
#include "platform/savefile.h"
#include "recorder/voicelibrary.h"
#include "stats/statsformat.h"

namespace profiles {

namespace {

const QString kSection = QStringLiteral("Profil");
const QString kInfoFile = QStringLiteral("profil.ini");

QString Clean(const QString& name) { return name.simplified(); }

// One spelling of a name for comparing: accents composed, case folded.
QString Folded(const QString& name) { return name.normalized(QString::NormalizationForm_C).toCaseFolded(); }

// The button for the default files is called this; a child so named would
// get a second one.
bool IsGuestName(const QString& name) {
  const QString folded = Folded(name);
  return folded == Folded(QStringLiteral("Gość")) || folded == QLatin1String("gosc");
}

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

bool IsFriendlyPicture(const QString& key) {
  static const QStringList friendly = {
    "szalik", "szklanka", "szkola", "szopa", "szynka", "szachy", "szop", "szminka", "szorty", "szampon",
    "szczoteczka", "szpilki", "szyny", "szarlotka", "muszla", "puszka", "koszyk", "gruszka", "koszulka",
    "myszka", "ptaszek", "pszczola", "kasztan", "groszek", "zeszyt", "prysznic", "jaszczurka", "plaszcz",
    "krzeslo", "skrzypce", "lozko", "ksiazka", "wstazka", "wrozka", "skrzydlo", "kapelusz", "mysz", "grosz",
    "jez", "ryz", "kalendarz", "malarz", "kucharz", "tancerz", "narciarz", "kolarz", "wachlarz", "bagaz",
    "koszykarz", "zaba", "zyrafa", "zolw", "zuk", "zubr", "zaglowka", "zarowka", "zongler", "rzezucha",
    "zyto", "zoltko", "plaza", "roza", "morze", "wieza", "wiezowiec", "lyzwy", "lyzeczka", "grzyb", "drzewo",
    "drzwi", "orzel", "strazak", "brzoskwinia", "orzeszki", "pierozek", "ksiazeczka", "czapka", "czekolada",
    "czajnik", "czeresnie", "czarodziej", "cztery", "czosnek", "czolno", "tecza", "kaczka", "kurczak",
    "paczek", "oczy", "rekawiczki", "liczydlo", "paczka", "teczka", "swieczka", "pieczarka", "sloneczko",
    "owieczka", "babeczka", "zajaczek", "klucz", "deszcz", "swierszcz", "spinacz", "biegacz", "wspinacz",
    "mecz", "rogacz", "trebacz", "gracz", "dzinsy", "dzip", "dzokej", "dzin", "dzudo", "dzdzownica", "dzoker",
    "dzentelmen", "bandzo",
  };
  return friendly.contains(key);
}

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
  // "Kasia" picks Kasia even when kasia is there too.
  auto match = std::find_if(listed.begin(), listed.end(), [&](const Profile& p) { return p.name == wanted; });
  if (match == listed.end()) {
    const QString folded = Folded(wanted);
    match = std::find_if(listed.begin(), listed.end(), [&](const Profile& p) { return Folded(p.name) == folded; });
  }
  if (match == listed.end()) return false;
  if (found) *found = *match;
  return true;
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
  if (IsGuestName(clean)) return QStringLiteral("„Gość” to przycisk dla dzieci bez profilu: wpisz inne imię.");
  const bool sameProfile = !renaming.isEmpty() && Folded(clean) == Folded(Clean(renaming));
  if (sameProfile) return QString();
  Profile existing;
  if (Find(listed, clean, &existing)) return QStringLiteral("Profil o imieniu %1 już jest.").arg(existing.name);
  // Two folders differing only in case are one folder on some systems.
  for (const QString& entry : QDir(ProfilesRoot(base)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System)) {
    if (Folded(entry) != Folded(clean)) continue;
    const QString folder = QFileInfo(ProfilesRoot(base) + QLatin1Char('/') + entry).absoluteFilePath();
    for (const Profile& p : listed) {
      if (QFileInfo(p.folder).absoluteFilePath() == folder) return QStringLiteral("Profil o imieniu %1 już jest.").arg(p.name);
    }
    return QStringLiteral("W folderze Profile jest już folder %1 bez pliku profil.ini.").arg(entry);
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
  static const QStringList names = {kInfoFile, QStringLiteral("data.ini"), statrec::FileName()};
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
