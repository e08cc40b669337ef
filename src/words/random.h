#pragma once

#include <QtGlobal>

// The program's one pseudo-random generator: non-negative 31-bit values.
// The word draw seeds it from the clock; the Memory deal and hint, the tile
// scatter and the choice of interface sounds draw from it without reseeding.
void RandomSeed(quint32 seed);
qint32 RandomNext();
