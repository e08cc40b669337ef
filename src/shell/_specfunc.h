#pragma once

#include <QColor>
#include <QString>
#include <QtGlobal>

// LetterFileName, shared with the asset build.
#include "words/letterfilename.h"

namespace platform {
class SoundOutput;
struct Services;
}  // namespace platform
namespace recorder {
class VoiceLibrary;
}
namespace session {
class ContentRoot;
}

// The title the single-instance message and the bordered windows carry.
inline constexpr const char16_t* kProgramTitle = u"Mini Fonikra Cz.I";

// Around the scaled screen in the full-screen view: the titles' deep blue.
QRgb FullScreenFill();

// Plays a praise (kind 0, g00..g07) or error (kind 1, b00..b04) sound of the
// content, chosen at random. With `wait` it returns when the sound has
// finished and a further 500 ms have passed; otherwise at once. False when
// the chosen file is missing or the kind has no sounds.
bool PlayInterfaceSound(const platform::Services& services, const session::ContentRoot& content, int kind, bool wait);
// Speaks a word: plays the adult's model of it when one is kept, else the
// synthesised Smd/<name>.pw, and returns when it has finished. False when
// the file is missing.
bool PlayWordSound(platform::SoundOutput& sound, const recorder::VoiceLibrary& voices, const QString& name);

// "2 min 5 s" for 125 seconds; there are no hours.
QString TimeText(qint32 seconds);
