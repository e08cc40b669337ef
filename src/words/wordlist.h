#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

#include "words/spaczka.h"

// The word list shipped in Data/ beside the built-in words: UTF-8 text, one
// word a line, four tab-separated fields
//
//   key <TAB> flags <TAB> segmentation <TAB> written word
//
// key: ASCII letters, names the word's files; flags: "0x" and up to four hex
// digits, the bits of words/wordbits.h (at least one sound bit, hushing or
// hissing, at least one position bit, nothing else); segmentation: as
// CheckSegmentation accepts it, the tokens spelling the written word, no more
// tokens than the key has letters (the labelling board sizes its tile list by
// the key). Blank lines and lines starting with "#" are skipped.
namespace words {

// Where start-up finds the list, relative to the program folder.
inline constexpr const char* kWordList = "words.txt";

// Every well-formed line of `text`, in order; a line breaking any rule above
// is skipped, so that a damaged file costs only its damaged words. Records
// carry Nazwa, Flagi and Podzial only. Never throws on any input.
std::vector<SPaczka> ParseWordList(const QByteArray& text);

// ParseWordList of the file; a missing or unreadable file gives no words.
std::vector<SPaczka> LoadWordList(const QString& path);

}  // namespace words
