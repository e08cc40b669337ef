#pragma once

#include <QHash>
#include <QPixmap>
#include <QString>

#include "session/contentroot.h"

struct SPaczka;

namespace resultswindow {

// The words' small pictures (the content's Sio/s<key>.xji), each read once
// for the life of the window: the children's pictures, the picture grid and
// the word list all show them.
class WordPictures {
 public:
  explicit WordPictures(const session::ContentRoot& content) : content_(content) {}
  // Null when the key names no readable picture.
  QPixmap Of(const QString& key);

 private:
  session::ContentRoot content_;
  QHash<QString, QPixmap> loaded_;
};

// The word as the child reads it ("szkoła" for the key "szkola").
QString WrittenWord(const SPaczka& word);

}  // namespace resultswindow
