#pragma once

#include <QColor>
#include <QSize>
#include <QString>
#include <QtGlobal>

// LetterFileName, shared with the asset build.
#include "words/letterfilename.h"

// The title the single-instance message and the bordered windows carry.
inline constexpr const char16_t* kProgramTitle = u"Mini Fonikra Cz.I";

// The working screen: the display size in modes 1 (800 x 600) and 2
// (1024 x 768); a 1024 x 768 area in mode 3 (larger displays). Mode 0 is a
// display below 800 x 600 and -1 one between the two sizes; neither is usable.
extern qint32 screenWidth;
extern qint32 screenHeight;
extern qint16 screenMode;
// Number of starts, kept in the configuration for information.
extern qint32 launchCount;
// The main menu's current tab: 1 labelling, 2 Memory (3 and 4 name records
// without a game screen).
extern qint16 zakladka;

// The mode and working size for a display of w x h pixels, decided by the
// pixel count alone.
struct ScreenModeResult {
  qint16 mode;
  qint32 width;
  qint32 height;
};
ScreenModeResult ScreenModeFor(qint32 w, qint32 h);

// Measures the primary display and sets screenWidth, screenHeight, screenMode.
void DetectScreenMode();

// "_s" for the small artwork of mode 1, "_b" for the big artwork otherwise.
QString ArtSuffix();

// Data/data.ini beside the program, or data.ini in the user's data folder
// for an installed or read-only copy (see locations::Decide).
QString ConfigPath();
// Reads the configuration, or creates it when it does not exist, and counts
// this start. False when the file cannot be read or written.
bool LoadConfiguration();
// Writes "LU" and "Position", creating the file when needed; other keys stay.
bool WriteConfiguration();
// Screen mode 3's choice of the full-screen view ("PelnyEkran"): as the last
// LoadConfiguration read it (off when absent), and written as it changes.
bool FullScreenChosen();
bool WriteFullScreenChoice(bool on);
// The choice the configuration at `path` keeps, read without counting a
// start (off when the file or the key is missing).
bool SavedFullScreenChoice(const QString& path);
// Around the scaled screen in the full-screen view: the titles' deep blue.
QRgb FullScreenFill();

// Plays a praise (kind 0, g00..g07) or error (kind 1, b00..b04) sound chosen
// at random. With `wait` it returns when the sound has finished and a further
// 500 ms have passed; otherwise at once. False when the chosen file is missing
// or the kind has no sounds.
bool PlayInterfaceSound(int kind, bool wait);
// Speaks a word: plays the adult's model of it when one is kept, else
// Data/Smd/<name>.pw, and returns when it has finished. False when the file
// is missing.
bool PlayWordSound(const QString& name);

// "2 min 5 s" for 125 seconds; there are no hours.
QString TimeText(qint32 seconds);
