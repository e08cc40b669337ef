#pragma once

#include <QImage>
#include <QString>

#include "platform/jpeg.h"

// The image library: fills `bitmap` with the picture known by a bare name
// (no folder, no extension), such as "start_A" or "sz_red". The pictures are
// PNG files in `folder` (the content's Pict folder). Raises
// platform::ImageError when the picture cannot be supplied; the bitmap is then
// left as it was.
void OpenBmpFile(const QString& folder, const QString& name, QImage& bitmap);

// Where OpenBmpFile looks for a name.
QString PictPath(const QString& folder, const QString& name);
