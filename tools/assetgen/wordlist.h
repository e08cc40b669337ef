#pragma once

#include <QList>
#include <QString>
#include <vector>

#include "words/segmentation.h"

class TsvTable;

struct WordEntry {
  QString key;                       // ASCII file-name stem: s<key>.xji, <key>.pw, ...
  QString word;                      // the written word
  QString segmentation;              // as the program reads it, e.g. "_sz,k,o,ł,a,"
  std::vector<words::Token> tokens;  // a marked one gets the red tile
  QString sayAs;                     // what espeak-ng is given instead of the word, if set
  QString icon;                      // name of the word's picture in the icon set
  quint16 flags = 0;                 // the catalogue's sound and position bits, from the cells

  QString SpokenText() const { return sayAs.isEmpty() ? word : sayAs; }
};

// "SZ initial; CZ medial" to the catalogue's bits (words/wordbits.h); the
// hissing partners are S, Z, C and DZ ("S initial; C final"). A word
// in several cells carries all their bits. Throws AssetError on an unknown
// sound or position or an empty list.
quint16 ParseCells(const QString& cells);

// Reads the word list (columns key, word, cells, segmentation, icon; optional
// say_as; other columns are ignored). Each word is validated: the key is ASCII
// letters and unique, the segmentation passes words::CheckSegmentation in
// lowercase letters, the tokens spell the written word, every marked token is
// a hushing sound or a hissing partner, there are at most ten tokens (the
// slot row of the small screen) and no more tokens than the key has letters
// (the board sizes its tile list by the key). Icons are checked against the icon set separately.
QList<WordEntry> ParseWordList(const TsvTable& table);
QList<WordEntry> ReadWordList(const QString& path);

// The list as the program reads it (Data/words.txt): one line per word,
// "key<TAB>0xFLAGS<TAB>segmentation<TAB>word", after a comment line.
QByteArray ProgramWordList(const QList<WordEntry>& words);
