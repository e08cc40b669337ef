#pragma once

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

#include "encoders.h"
#include "wordlist.h"

// Every letter a tile can show: the Polish alphabet with its digraphs, then
// any other token of the words, each once, in a fixed order.
QStringList TileTexts(const QList<WordEntry>& words);

// A 55 x 55 phoneme tile; `red` is the artwork of the practised sound.
QImage Tile(const QString& text, bool red);

// Writes Pict/<stem>.png and Pict/<stem>_red.png for every tile text, the
// stem being the program's ASCII file name of the letters. Throws AssetError
// when two texts would share a file.
void RenderTiles(const QList<WordEntry>& words, const PictureSink& sink);
