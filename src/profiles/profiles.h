#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

// Children's profiles. A profile is a folder of its own holding the two files
// the program writes for a child, data.ini and prgst6.stt, in the formats the
// program has always used, plus profil.ini with the child's name and the word
// picture the adult chose. Profiles live in Profile/ under the folder of the
// default statistics file (beside the program, or the user's data folder);
// the default files themselves stay where they are, and the program starts
// as it always has while no profile has been added.
namespace profiles {

// "profil.ini": the file that names a profile and its picture.
QString InfoFileName();

struct Profile {
  QString name;     // as the adult wrote it, shown on the child's button
  QString folder;   // the profile's folder, absolute
  QString picture;  // a word's key (its picture); empty for none
};

// A profil.ini holds a name and a word's key: a few dozen bytes. A larger
// one is no profile of this program and is not read.
constexpr qint64 kMostInfoBytes = 16 * 1024;
// The longest name; a longer one read from a file is cut.
constexpr int kMaxNameLength = 30;

// Whether the word's picture may be offered as a child's own sign: a kept
// list of the catalogue's friendly pictures. Nothing frightening, sharp,
// medical or sad (a skull, a knife, a syringe, a hospital, a storm), and a
// word added to the catalogue later is not offered until it is put here.
bool IsFriendlyPicture(const QString& key);

// <base>/Profile
QString ProfilesRoot(const QString& base);

// A name as it is read from a file, to be shown: without the characters that
// turn the direction of the text ("A\u202EBC" would read "ACB"), spaces
// simplified, cut to kMaxNameLength characters.
QString ShownName(const QString& name);

// What profil.ini's bytes say, cleaned as List gives it: the name (the
// folder's name when the file names none) and the picture's key (empty
// unless it is a plain word key). False when the bytes are too many, no
// INI text, or leave no name.
bool ParseInfo(const QByteArray& bytes, const QString& folderName, QString* name, QString* picture);

// The profiles under `base`, sorted by name the Polish way. Folders without
// a readable profil.ini are not profiles and are left alone.
std::vector<Profile> List(const QString& base);

// The profile of that name, or none: the name as written first, else the
// same letters in another case or with accents composed differently ("Jo\u0301zef"
// is "Józef"). Surrounding spaces are ignored.
bool Find(const QString& base, const QString& name, Profile* found);
// The same among profiles already listed.
bool Find(const std::vector<Profile>& listed, const QString& name, Profile* found);

// Why a name cannot be used, in Polish; empty when it can. A name becomes a
// folder name, so it is kept to what every file system takes.
QString CheckName(const QString& base, const QString& name, const QString& renaming = QString());
// The same against profiles already listed (List(base)), for a check on
// every key typed without reading every profile again.
QString CheckName(const std::vector<Profile>& listed, const QString& base, const QString& name,
                  const QString& renaming = QString());

// Each returns an empty string on success, else what went wrong in Polish;
// nothing is half done.
QString Add(const QString& base, const QString& name, const QString& picture, Profile* added = nullptr);
QString Rename(const QString& base, const Profile& profile, const QString& newName, Profile* renamed = nullptr);
QString SetPicture(const Profile& profile, const QString& picture);
// The games and recordings of the default files ("Gość"), which a first
// profile may take over.
struct GuestFiles {
  int games = 0;       // whole records of the default statistics file
  int recordings = 0;  // WAV files in its Nagrania/
};
GuestFiles GuestFilesIn(const QString& base);

// Moves the default files' games and recordings into `profile`, which must
// have no statistics of its own yet: the profile's prgst6.stt becomes a
// copy of the default one, the recordings move into its Nagrania/, and only
// then is the default file cut back to its header. On any failure what was
// done is undone and the message says why. The caller makes sure that no
// game of this run writes the default files.
QString MoveGuestFiles(const QString& base, const Profile& profile);

// Deletes the profile: the files the program made in its folder (its
// settings, statistics and recordings), then the folder when nothing else
// is left in it; anything else stays and the message names it. A folder
// that is a link is removed as the link. The caller asks the adult first.
QString Remove(const Profile& profile);

// What Remove would delete, for the question: file count and bytes.
// Nothing for a linked folder: only the link goes.
struct Contents {
  int files = 0;
  qint64 bytes = 0;
  int games = 0;  // whole records in its statistics file
};
Contents ContentsOf(const Profile& profile);

}  // namespace profiles
