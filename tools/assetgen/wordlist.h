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

  QString SpokenText() const { return sayAs.isEmpty() ? word : sayAs; }
};

// Checks a segmentation the way the labelling board will cut it: every token
// followed by a comma, no empty token, lowercase letters only, at least one
// token marked with a leading "_". Throws AssetError saying what is wrong.
QList<Token> ParseSegmentation(const QString& segmentation);

// Reads the word list (columns key, word, segmentation; optional say_as;
// other columns are ignored). Each word is validated: the key is ASCII letters
// and unique, the tokens spell the written word, and there are no more tokens
// than the key has letters (the board sizes its tile list by the key).
QList<WordEntry> ParseWordList(const TsvTable& table);
QList<WordEntry> ReadWordList(const QString& path);
