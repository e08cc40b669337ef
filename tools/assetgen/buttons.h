#pragma once

#include <QImage>
#include <QString>

#include "encoders.h"

// The four pictures of an image button. The program ORs the mask onto the
// screen and then ANDs a state picture, so the mask is white where the button
// is opaque and black elsewhere, and every state is white wherever the mask
// is black.
struct ButtonPictures {
  QImage normal;   // "_D"
  QImage hover;    // "_A"
  QImage pressed;  // "_"
  QImage mask;     // "_M"
};

// One of start, wyjdz, oprogramie, stop, pomoc, nast, pop, wyniki; 70 x 60.
// Throws AssetError for any other name.
ButtonPictures ImageButton(const QString& base);
// The recorder's "mikr" button, in the same shape and states; 70 x 60.
ButtonPictures MicrophoneButton();
// Row captions of the menu (nap_ilzadan, nap_gloski, nap_pozycja), 320 x 40.
QImage Caption(const QString& base);
// The program logo of the about box, 184 x 62.
QImage Logo();

QStringList ImageButtonNames();

// Renders every button, caption and the logo into Pict.
void RenderButtons(const PictureSink& sink);
