#pragma once

#include <QString>

// What a self-contained copy of the program carries beside it, for systems
// that lack it (Windows): the fonts it draws with and Qt's own Polish texts.
// A copy on Linux finds both where the system keeps them.
namespace platform {

// Adds every font file of <programDir>/fonts to the fonts the program can
// use. Returns how many were added; none when the folder is absent.
int LoadBundledFonts(const QString& programDir);

// The folder of Qt's translations: <programDir>/translations when the copy
// carries one, else the one Qt was installed with.
QString QtTranslationsDir(const QString& programDir);

// Run from a console on Windows, the program's output (--help, --csv) goes
// to that console; a program with windows has no console of its own there.
// Output already sent elsewhere (a file, a pipe) stays where it goes.
// Nothing to do elsewhere.
void UseParentConsole();

}  // namespace platform
