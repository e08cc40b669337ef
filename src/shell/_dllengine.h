#pragma once

#include <QImage>
#include <QString>

// The program's binding to the image library: a picture by its bare name.
// Raises platform::ImageError when the library cannot supply it; callers turn
// that into the missing-resources error.
QImage LoadNamedPicture(const QString& name);
