#pragma once

#include <QImage>
#include <QString>
#include <QtGlobal>

// One word of the catalogue (CSlowa::SPaczka), on its own so that the word
// list reader can make words without knowing the catalogue. Flagi holds the
// sound and position bits of words/wordbits.h, the same bits as CUstGry,
// plus the catalogue's drawn mark.
struct SPaczka {
  QString Nazwa;        // ASCII key; every file name of the word comes from it
  quint16 Flagi = 0;
  QImage Obrazek;       // the content's "Sio/s<key>.xji"; a null image when not loaded
  QImage ObrazekDuzy;   // the labelling picture, the content's "Bio/<key><suffix>"
  QString Dzwiek;       // the content's synthesised "Smd/<key>.pw"
  QString Podzial;      // phonemes, each followed by ','; "_" marks the practised one
};
