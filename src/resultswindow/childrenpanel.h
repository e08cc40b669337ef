#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

#include "platform/services.h"
#include "profiles/profiles.h"
#include "resultswindow/picturegrid.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
struct SPaczka;

namespace resultswindow {

class WordPictures;

// "Dzieci": the children's profiles, managed by the adult. The list of
// children on the left; on the right the chosen child's name and picture
// (one of the words' pictures), or a new child's. Names are checked as they
// are typed. The child practising this run keeps its folder and name until
// the program ends (the games write there), so it can get a new picture
// only. Removing asks first and says what goes with the profile.
class ChildrenPanel : public QWidget {
  Q_OBJECT
 public:
  // `base`: the default files' folder, over Profile/; `inUse`: the
  // statistics folder of this run (`base` for a guest).
  ChildrenPanel(const QString& base, const QString& inUse, const std::vector<SPaczka>& words, WordPictures& pictures,
                const platform::Services& services, QWidget* parent = nullptr);

  // Asks the adult a yes/no question; the window supplies it.
  std::function<bool(const QString& question)> Confirm;

  // The question asked before `profile` is removed.
  static QString RemovalQuestion(const profiles::Profile& profile);

  // "dotychczasowe 47 gier i 3 nagrania", for the question asked when the
  // first child is added.
  static QString GuestFilesText(const profiles::GuestFiles& guest);

  // The panel's parts, for tests and the screenshot tool.
  QListWidget* ChildList() const { return list_; }
  QPushButton* NewButton() const { return new_; }
  QLineEdit* NameEdit() const { return name_; }
  QLabel* NameProblem() const { return problem_; }
  PictureGrid* Pictures() const { return grid_; }
  QLabel* Details() const { return details_; }
  QPushButton* AddButton() const { return add_; }
  QPushButton* SaveButton() const { return save_; }
  QPushButton* RemoveButton() const { return remove_; }
  // Selects the child in that folder in the list; false when none is.
  bool Select(const QString& folder);

 signals:
  // The profiles changed; `folder` is the one added or renamed, empty after
  // a removal.
  void Changed(const QString& folder);

 private:
  platform::Services services_;
  void Reload(const QString& select);
  void ShowSelected();
  void CheckInput();
  const profiles::Profile* Selected() const;
  bool InUse(const profiles::Profile& profile) const;
  void AddChild();
  void OfferGuestFiles(const profiles::Profile& added);
  void SaveChild();
  void RemoveChild();
  void ShowError(const QString& text);

  QString base_, inUse_;
  WordPictures& pictures_;
  std::vector<profiles::Profile> profiles_;

  QListWidget* list_ = nullptr;
  QPushButton* new_ = nullptr;
  QLabel* heading_ = nullptr;
  QLineEdit* name_ = nullptr;
  QLabel* problem_ = nullptr;
  PictureGrid* grid_ = nullptr;
  QLabel* details_ = nullptr;
  QPushButton* add_ = nullptr;
  QPushButton* save_ = nullptr;
  QPushButton* remove_ = nullptr;
};

// "3 nagrania", "12 gier": a count with the Polish form of its noun (one,
// two to four, five and more).
QString CountText(qint64 n, const QString& one, const QString& few, const QString& many);

}  // namespace resultswindow
