#pragma once

#include <QString>

// Where the program finds its content and keeps the two files it writes
// (the configuration Data/data.ini and the statistics prgst6.stt).
//
// A copy whose own folder holds Data/ and can be written (the build folder,
// a copy on a USB stick), or whose two files there exist and can be
// written, keeps everything beside the program. An installed
// copy (<prefix>/bin/MiniFonikra with its content in
// <prefix>/share/minifonikra/Data, or Windows' installed MiniFonikra.exe
// beside its Data/ and the installer's marker) or a copy in a folder that cannot be
// written reads its content where it lies and keeps both files in the user's
// data folder instead: the content is never written.
namespace locations {

// The application's name: the task bar's name of its windows and the name
// of the user's data folder (~/.local/share/Fonikra). Set before anything
// asks for that folder.
QString ApplicationName();

// What the rule needs to know about this machine.
struct Machine {
  QString programDir;             // the folder of the program file
  bool programDirHasData = false;  // <programDir>/Data is a folder
  // The program's folder and its Data folder can both be written.
  bool programDirWritable = false;
  // Data/data.ini and prgst6.stt beside the program both exist and can be
  // written, though the folders may not take new files.
  bool programFilesWritable = false;
  bool sharedContent = false;  // <programDir>/../share/minifonikra/Data is a folder
  // An installer put the program with its Data/ where it is and left the
  // marker InstalledMarker() beside it (Windows: the content stays beside the
  // program, in a folder an administrator owns).
  bool installedBeside = false;
  QString userDataDir;         // the user's data folder for this program; may not exist yet
};

struct FileLocations {
  QString contentRoot;  // the folder holding Data/
  QString configPath;   // data.ini
  QString statsDir;     // the folder of prgst6.stt
  bool perUser = false;  // configPath and statsDir lie in the user's data folder
};

// The rule itself, without looking at any disk. Content beside the program
// wins over installed content; with none at all the program's folder stays
// the content root, so that the missing content is what gets reported.
FileLocations Decide(const Machine& machine);

// The file an installer leaves beside a program it installed with its content.
QString InstalledMarker();

// <programDir>/../share/minifonikra, the content folder of an installed copy.
QString SharedContentRoot(const QString& programDir);

// This machine as it is now, for the program in `programDir`
// and the user's data folder under the application's name.
Machine ThisMachine(const QString& programDir);

// The same files in a child's profile folder: data.ini and prgst6.stt in
// it; the content stays where it is.
FileLocations InProfile(const FileLocations& where, const QString& profileFolder);

// Decide(ThisMachine(programDir)): where the content, the default files and the
// profiles' folder are. Start-up turns it into the run's state once.
FileLocations Default(const QString& programDir);

// Makes the user's data folder (with its parents, the folder itself private)
// when the files live there.
// False when it is needed and cannot be made; nothing to do for files
// beside the program.
bool MakeUserFolder(const FileLocations& where);

}  // namespace locations
