#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

#include "encoders.h"

// Screen artwork. Each picture leaves calm, plain areas where the program
// draws its own labels, buttons, cards and tiles; the coordinates below are
// those the screens use.
QImage SplashPicture();                     // 600 x 348
QImage DialogBackground();                  // 420 x 250
QImage MenuBackground(QSize size);          // 800 x 600 or 1024 x 768
QImage ChooserBackground(QSize size);       // the child chooser, the same sizes
QImage MemoryBackground(QSize size);
// The labelling game's, with the strip where tiles are scattered, or the
// filling game's, with the bottom band alone; the game's name as its title.
QImage TileGameBackground(QSize size, const QString& name, bool strip);
// The falling game's: sky, the title, the grass the pictures fall onto.
QImage FallingBackground(QSize size);
QImage AboutBackground(QSize size);
QImage ClosingPicture(QSize size);
// rating 0 "try again", 1 "good", 2 "excellent"; 600 x 450
QImage SummaryBackground(int rating);

// Renders every file of Data/Intf/Spec.
void RenderInterfaceArt(const PictureSink& sink);
