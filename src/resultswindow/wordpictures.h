#pragma once

#include <QHash>
#include <QPixmap>
#include <QString>

struct SPaczka;

namespace resultswindow {

// The words' small pictures (Data/Sio/s<key>.xji, relative to the content
// folder), each read once for the life of the window: the children's
// pictures, the picture grid and the word list all show them.
class WordPictures {
 public:
  // Null when the key names no readable picture.
  QPixmap Of(const QString& key);

 private:
  QHash<QString, QPixmap> loaded_;
};

// The word as the child reads it ("szkoła" for the key "szkola").
QString WrittenWord(const SPaczka& word);

}  // namespace resultswindow
