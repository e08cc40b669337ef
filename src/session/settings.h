#pragma once

#include <QString>
#include <QtGlobal>

#include "words/_custgry.h"

namespace session {

// Everything data.ini holds, for one run: read once at start-up (counting
// the start), written back as the screens go. Other keys of the file stay.
class Settings {
 public:
  // The configuration at `path` (the child's data.ini, or the default one).
  explicit Settings(const QString& path = QString()) : path_(path) {}

  const QString& Path() const { return path_; }

  // Reads the file, or creates it when it does not exist, and counts this
  // start. False, said on standard error with its reason, when the file
  // cannot be read or written.
  bool Load();
  // Writes "LU" and "Position", creating the file when needed.
  bool Write();
  // Screen mode 3's full-screen view ("PelnyEkran"), written as it changes.
  bool FullScreenChosen() const { return fullScreen_; }
  bool WriteFullScreenChoice(bool on);
  // The choice kept in the file at `path`, read without counting a start
  // (off when the file or the key is missing).
  static bool SavedFullScreenChoice(const QString& path);
  // The child's microphone button may be offered ("Mikrofon", on by default).
  bool MicrophoneEnabled() const { return microphone_; }
  void SetMicrophoneEnabled(bool on) { microphone_ = on; }

  // The record a menu tab edits; nullptr for tabs outside 1 to 4.
  CUstGry* ForTab(int tab);

  // Number of starts, kept for information.
  qint32 launchCount = 0;
  // The main menu's current tab.
  qint16 zakladka = 1;
  CUstGry memorySettings{QStringLiteral("Memory")};
  CUstGry uzupelnianieSettings{QStringLiteral("Uzupelnianie")};
  CUstGry podpisywanieSettings{QStringLiteral("Podpisywanie")};
  CUstGry spadajaceSettings{QStringLiteral("Spadajace")};

 private:
  QString path_;
  bool fullScreen_ = false;
  bool microphone_ = true;
};

}  // namespace session
