#pragma once

#include <QString>
#include <QWidget>

#include "platform/services.h"
#include <functional>

class QLabel;
class QListWidget;
class QPushButton;

namespace resultswindow {

// One child's recordings of one word, the newest first, to hear or delete.
class ChildRecordings : public QWidget {
  Q_OBJECT
 public:
  explicit ChildRecordings(const platform::Services& services, QWidget* parent = nullptr);

  // Whose recordings: the child's statistics folder and name ("" for the
  // default files).
  void SetChild(const QString& userFolder, const QString& name);
  // Of which word: its key ("" none) and its written form.
  void SetWord(const QString& key, const QString& written);

  // Asks the adult a yes/no question; the panel supplies it.
  std::function<bool(const QString& question)> Confirm;

  QListWidget* List() const { return list_; }
  QLabel* Caption() const { return caption_; }
  QPushButton* PlayButton() const { return play_; }
  QPushButton* DeleteButton() const { return delete_; }

 signals:
  // A recording could not be played.
  void Unplayable(const QString& text);

 private:
  platform::Services services_;
  void Load();
  void Play(const QString& path);
  void Delete();

  QString userFolder_, childName_, key_, written_;
  QLabel* caption_ = nullptr;
  QListWidget* list_ = nullptr;
  QPushButton* play_ = nullptr;
  QPushButton* delete_ = nullptr;
};

}  // namespace resultswindow
