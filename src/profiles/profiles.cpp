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

QString InfoFileName() { return kInfoFile; }

}  // namespace profiles
