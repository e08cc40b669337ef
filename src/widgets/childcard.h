#pragma once

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

// The small card that names the child practising this run, with the word
// picture its button on the chooser has: drawn by the menu and the summary,
// so that the adult sees whose results are being written. A guest has none.
namespace session {
class ContentRoot;
}

namespace childcard {

// Andika, made for beginning readers, bold at `pixels`: children's names
// on the chooser's buttons and on the card; and a text's width in it.
QFont NameFont(int pixels);
int NameAdvance(const QString& text, int pixels);

// The word picture of `key` as the chooser shows it; null when the key is
// no plain name or its picture is missing or broken.
QImage WordPicture(const session::ContentRoot& content, const QString& key);

// Draws the card into `image` with its top-left corner at `at`, `height`
// tall and at most `maxWidth` wide, the name as plain text (on two lines
// when it must). Returns where it went; nothing is drawn for an empty name.
QRect Draw(QImage& image, QPoint at, int height, int maxWidth, const QString& name, const QImage& picture);

}  // namespace childcard
