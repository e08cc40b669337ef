#pragma once

#include <QList>
#include <QString>

class TsvTable;

// One phoneme of a word's segmentation; `marked` is the practised sound (the
// "_" marker in the source), which gets the red tile.
struct Token {
  QString text;
  bool marked = false;
};

struct WordEntry {
  QString key;           // ASCII file-name stem: s<key>.xji, <key>.pw, ...
  QString word;          // the written word
  QString segmentation;  // as the program reads it, e.g. "_sz,k,o,ł,a,"
  QList<Token> tokens;
  QString sayAs;         // what espeak-ng is given instead of the word, if set
  QString icon;          // name of the word's picture in the icon set
  quint16 flags = 0;     // the catalogue's sound and position bits, from the cells

  QString SpokenText() const { return sayAs.isEmpty() ? word : sayAs; }
};

// Checks a segmentation the way the labelling board will cut it: every token
// followed by a comma, no empty token, lowercase letters only, at least one
// token marked with a leading "_". Throws AssetError saying what is wrong.
QList<Token> ParseSegmentation(const QString& segmentation);

// "SZ initial; CZ medial" to the catalogue's bits (sounds SZ 0x1, Ż/RZ 0x2,
// CZ 0x4, DŻ 0x8; positions initial 0x100, medial 0x200, final 0x400). A word
// in several cells carries all their bits. Throws AssetError on an unknown
// sound or position or an empty list.
quint16 ParseCells(const QString& cells);

// Reads the word list (columns key, word, cells, segmentation, icon; optional
// say_as; other columns are ignored). Each word is validated: the key is ASCII
// letters and unique, the tokens spell the written word, every marked token
// is a hushing sound, there are at most ten tokens (the slot row of the small
// screen) and no more tokens than the key has letters (the board sizes its
// tile list by the key). Icons are checked against the
// icon set separately.
QList<WordEntry> ParseWordList(const TsvTable& table);
QList<WordEntry> ReadWordList(const QString& path);

// The list as the program reads it (Data/words.txt): one line per word,
// "key<TAB>0xFLAGS<TAB>segmentation<TAB>word", after a comment line.
QByteArray ProgramWordList(const QList<WordEntry>& words);
