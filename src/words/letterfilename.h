#pragma once

#include <QString>

// The ASCII stem of a letter's image: "ż" -> "zz", "dż" -> "dzz"; other text
// is returned unchanged. The asset build names the tile pictures by it and
// the labelling game opens them by it.
QString LetterFileName(const QString& text);
