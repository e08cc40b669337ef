#pragma once

#include <QImage>
#include <QString>

namespace session {
class ContentRoot;
}

// The program's binding to the image library: a picture of the content by
// its bare name. Raises platform::ImageError when the library cannot supply
// it; callers turn that into the missing-resources error.
QImage LoadNamedPicture(const session::ContentRoot& content, const QString& name);
