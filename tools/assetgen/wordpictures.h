#pragma once

#include <QImage>
#include <QList>
#include <QRectF>

#include <functional>

#include "encoders.h"
#include "wordlist.h"

class QPainter;

// Paints a word's picture into a box; the box's surroundings are already
// white. Swapping this source changes every word picture at once.
using WordPainter = std::function<void(QPainter& p, const QRectF& box, const WordEntry& word)>;

// Until drawn icons exist: a simple coloured shape, chosen by the key, over
// the written word.
void PaintPlaceholderPicture(QPainter& p, const QRectF& box, const WordEntry& word);

// The card face (80 x 100) and the common card back.
QImage CardFace(const WordEntry& word, const WordPainter& painter);
QImage CardBack();

// A framed picture on white and its matte, white where the picture shows and
// black outside: labelling pictures (252 x 290, 328 x 380) and Memory's large
// pictures (180 x 220, 240 x 290). The picture is white wherever the matte is
// black, as the program ORs the matte and then ANDs the picture.
QImage FramedPicture(QSize size, const WordEntry& word, const WordPainter& painter);
QImage FrameMatte(QSize size);

// Writes Sio/s<key>.xji, Sio/blkcard0.xji, Bio/<key>_ups|upb|ms|mb.xji and
// the four Bio/_matr_*.xji mattes.
void RenderWordPictures(const QList<WordEntry>& words, const WordPainter& painter, const PictureSink& sink);
