#pragma once

#include <QString>

namespace locations {
struct FileLocations;
}

namespace session {

// The files of the child practising this run (or of the default files),
// decided once at start-up and handed to whatever reads or writes them.
struct ChildFiles {
  QString folder;      // the child's folder: the statistics file and Nagrania/ lie in it
  QString statsFile;   // <folder>/prgst6.stt
  QString configPath;  // data.ini
  QString recordings;  // <folder>/Nagrania: the child's takes
  QString voices;      // Glosy/ beside the default files: the adult's models, for every child
  QString baseFolder;  // the default files' folder, which holds the profiles too

  // The files at `here`, with the adult's voices and the profiles beside
  // the default files at `defaults`.
  static ChildFiles At(const locations::FileLocations& here, const locations::FileLocations& defaults);
  // Everything in one folder: a copy that keeps its files beside itself,
  // or a test's folder.
  static ChildFiles InFolder(const QString& folder, const QString& configPath = QString());
};

}  // namespace session
