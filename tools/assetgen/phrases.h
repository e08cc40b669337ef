#pragma once

#include <QList>
#include <QString>

class TsvTable;

// A spoken interface phrase: praise g00..g07, gentle error b00..b04, and n00
// after a recording that heard only silence.
struct Phrase {
  QString name;
  QString text;
};

// Reads the phrase list (columns name, text). The program picks one of eight
// praises and one of five error phrases at random, and the recorder says n00,
// so exactly those names must be present, each once. Throws AssetError.
QList<Phrase> ParsePhrases(const TsvTable& table);
QList<Phrase> ReadPhrases(const QString& path);
