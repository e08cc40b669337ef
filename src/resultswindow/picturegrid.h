#pragma once

#include <QListWidget>
#include <QString>
#include <vector>

struct SPaczka;

namespace resultswindow {

class WordPictures;

// The pictures a child may have as its sign on the chooser: "brak" and the
// catalogue's friendly word pictures. A picture that is no longer offered
// stays with the child that has it, shown while that child is.
class PictureGrid : public QListWidget {
 public:
  PictureGrid(const std::vector<SPaczka>& words, WordPictures& pictures, QWidget* parent = nullptr);

  // Chooses the picture of `key`; "brak" for none or a picture that cannot
  // be shown.
  void Select(const QString& key);
  // The chosen picture's key; "" for none.
  QString Chosen() const;

 private:
  WordPictures& pictures_;
  QListWidgetItem* kept_ = nullptr;  // an unfriendly picture a child already has
};

}  // namespace resultswindow
