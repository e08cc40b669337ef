#pragma once

#include <QImage>

#include "encoders.h"

// The recording light of the games' recorder: a red dot in a white ring,
// bright and dim for its pulse, with its mask (white where opaque; both
// frames white outside it). 36 px for the small artwork, 44 px for the big.
struct RecordingLight {
  QImage bright;  // "nagr1_s" / "nagr1_b"
  QImage dim;     // "nagr2_s" / "nagr2_b"
  QImage mask;    // "nagr_s_M" / "nagr_b_M"
};
RecordingLight MakeRecordingLight(int size);

// The microphone button (Pict/mikr_*) and the light at both sizes.
void RenderRecorderArt(const PictureSink& sink);
