#include "resultswindow/childrenpanel.h"

#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QTextDocument>
#include <QVBoxLayout>

#include "platform/system.h"
#include "resultswindow/resultsstyle.h"
#include "resultswindow/wordpictures.h"
#include "words/spaczka.h"

namespace resultswindow {

namespace {

const QString kCaption = QStringLiteral("Dzieci");
constexpr int kFolderRole = Qt::UserRole;

QString SamePath(const QString& path) {
  const QFileInfo info(path);
  const QString canonical = info.canonicalFilePath();
  return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

int RecordingCount(const profiles::Profile& profile) {
  return int(QDir(profile.folder + QStringLiteral("/Nagrania")).entryList({QStringLiteral("*.wav")}, QDir::Files).size());
}

}  // namespace

QString CountText(qint64 n, const QString& one, const QString& few, const QString& many) {
  const qint64 tens = n % 100, units = n % 10;
  const QString& noun = n == 1 ? one : (units >= 2 && units <= 4 && (tens < 12 || tens > 14)) ? few : many;
  return QStringLiteral("%1 %2").arg(n).arg(noun);
}

QString ChildrenPanel::RemovalQuestion(const profiles::Profile& profile) {
  const profiles::Contents c = profiles::ContentsOf(profile);
  // Qt's Polish says "37 bajty" under a kilobyte.
  const QString size = c.bytes < 1024 ? CountText(c.bytes, QStringLiteral("bajt"), QStringLiteral("bajty"), QStringLiteral("bajtów"))
                                      : QLocale(QLocale::Polish, QLocale::Poland)
                                            .formattedDataSize(c.bytes, 1, QLocale::DataSizeTraditionalFormat);
  return QStringLiteral("Usunąć profil %1?\n\nZostaną usunięte: %2, %3 (%4, %5) z folderu %6.\nTego nie można cofnąć.")
      .arg(profile.name, CountText(c.games, QStringLiteral("gra"), QStringLiteral("gry"), QStringLiteral("gier")),
           CountText(RecordingCount(profile), QStringLiteral("nagranie"), QStringLiteral("nagrania"), QStringLiteral("nagrań")),
           CountText(c.files, QStringLiteral("plik"), QStringLiteral("pliki"), QStringLiteral("plików")), size,
           QDir::toNativeSeparators(profile.folder));
}

ChildrenPanel::ChildrenPanel(const QString& base, const QString& inUse, const std::vector<SPaczka>& words,
                             WordPictures& pictures, const platform::Services& services, QWidget* parent)
    : QWidget(parent), services_(services), base_(base), inUse_(SamePath(inUse)), pictures_(pictures) {
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(4, 6, 4, 4);

  auto* left = new QVBoxLayout;
  list_ = new QListWidget(this);
  list_->setObjectName(QStringLiteral("children"));
  list_->setIconSize(QSize(40, 40));
  // A name of 30 letters is read whole, on two lines if it must.
  list_->setWordWrap(true);
  list_->setTextElideMode(Qt::ElideNone);
  list_->setMaximumWidth(260);
  left->addWidget(list_, 1);
  new_ = new QPushButton(QStringLiteral("Nowe dziecko"), this);
  left->addWidget(new_);
  layout->addLayout(left);

  auto* panel = new QFrame(this);
  panel->setObjectName(QStringLiteral("panel"));
  auto* form = new QGridLayout(panel);
  form->setContentsMargins(12, 8, 12, 8);
  form->setVerticalSpacing(4);
  // Names and folders come from the children's files: never markup.
  heading_ = new QLabel(panel);
  heading_->setTextFormat(Qt::PlainText);
  heading_->setFont(ResultsFont(14, true));
  heading_->setObjectName(QStringLiteral("title"));
  form->addWidget(heading_, 0, 0, 1, 2);
  auto* nameCaption = new QLabel(QStringLiteral("Imię:"), panel);
  nameCaption->setFont(ResultsFont(10, true));
  form->addWidget(nameCaption, 1, 0);
  name_ = new QLineEdit(panel);
  name_->setPlaceholderText(QStringLiteral("imię dziecka"));
  form->addWidget(name_, 1, 1);
  problem_ = new QLabel(panel);
  problem_->setTextFormat(Qt::PlainText);
  problem_->setObjectName(QStringLiteral("problem"));
  form->addWidget(problem_, 2, 1);
  auto* pictureCaption = new QLabel(QStringLiteral("Obrazek:"), panel);
  pictureCaption->setFont(ResultsFont(10, true));
  form->addWidget(pictureCaption, 3, 0, Qt::AlignTop);
  grid_ = new PictureGrid(words, pictures_, panel);
  form->addWidget(grid_, 3, 1);
  form->setRowStretch(3, 1);
  details_ = new QLabel(panel);
  details_->setTextFormat(Qt::PlainText);
  details_->setWordWrap(true);
  details_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  form->addWidget(details_, 4, 0, 1, 2);
  auto* buttons = new QHBoxLayout;
  add_ = new QPushButton(QStringLiteral("Dodaj dziecko"), panel);
  save_ = new QPushButton(QStringLiteral("Zapisz zmiany"), panel);
  remove_ = new QPushButton(QStringLiteral("Usuń profil…"), panel);
  remove_->setObjectName(QStringLiteral("danger"));
  for (QPushButton* b : {new_, add_, save_, remove_}) b->setAutoDefault(false);
  buttons->addWidget(add_);
  buttons->addWidget(save_);
  buttons->addStretch(1);
  buttons->addWidget(remove_);
  form->addLayout(buttons, 5, 0, 1, 2);
  layout->addWidget(panel, 1);

  connect(list_, &QListWidget::currentRowChanged, this, &ChildrenPanel::ShowSelected);
  connect(new_, &QPushButton::clicked, this, [this] {
    list_->setCurrentRow(-1);
    ShowSelected();
    name_->setFocus();
  });
  connect(name_, &QLineEdit::textChanged, this, &ChildrenPanel::CheckInput);
  connect(grid_, &QListWidget::currentRowChanged, this, &ChildrenPanel::CheckInput);
  connect(name_, &QLineEdit::returnPressed, this, [this] {
    if (add_->isVisible() && add_->isEnabled()) AddChild();
    else if (save_->isVisible() && save_->isEnabled()) SaveChild();
  });
  connect(add_, &QPushButton::clicked, this, &ChildrenPanel::AddChild);
  connect(save_, &QPushButton::clicked, this, &ChildrenPanel::SaveChild);
  connect(remove_, &QPushButton::clicked, this, &ChildrenPanel::RemoveChild);
  Reload(QString());
}

bool ChildrenPanel::InUse(const profiles::Profile& profile) const { return SamePath(profile.folder) == inUse_; }

const profiles::Profile* ChildrenPanel::Selected() const {
  const int row = list_->currentRow();
  return row >= 0 && row < int(profiles_.size()) ? &profiles_[size_t(row)] : nullptr;
}

bool ChildrenPanel::Select(const QString& folder) {
  for (size_t i = 0; i < profiles_.size(); ++i) {
    if (SamePath(profiles_[i].folder) == SamePath(folder)) {
      list_->setCurrentRow(int(i));
      return true;
    }
  }
  return false;
}

void ChildrenPanel::Reload(const QString& select) {
  // Read here only, after each change the panel makes: the name check runs
  // on every key and uses this list.
  profiles_ = profiles::List(base_);
  {
    const QSignalBlocker quiet(list_);
    list_->clear();
    for (const profiles::Profile& p : profiles_) {
      auto* item = new QListWidgetItem(QIcon(pictures_.Of(p.picture)), p.name, list_);
      item->setData(kFolderRole, p.folder);
      if (InUse(p)) item->setText(p.name + QStringLiteral("\n(ćwiczy teraz)"));
    }
    list_->setCurrentRow(-1);
  }
  if (!select.isEmpty() && Select(select)) return;
  ShowSelected();
}

void ChildrenPanel::ShowSelected() {
  const profiles::Profile* p = Selected();
  const QSignalBlocker a(name_), b(grid_);
  if (!p) {
    heading_->setText(QStringLiteral("Nowe dziecko"));
    details_->setToolTip(QString());
    name_->clear();
    name_->setReadOnly(false);
    grid_->Select(QString());
    details_->setText(profiles_.empty()
                          ? QStringLiteral("Każde dziecko z własnym profilem ma swoje wyniki, ustawienia i nagrania. "
                                           "Gdy jest choć jeden profil, program na starcie pyta „Kto dziś ćwiczy?”.")
                          : QStringLiteral("Wpisz imię i wybierz obrazek, po którym dziecko pozna swój przycisk."));
  } else {
    heading_->setText(p->name);
    name_->setText(p->name);
    const bool inUse = InUse(*p);
    // The games write into this folder until the program ends.
    name_->setReadOnly(inUse);
    grid_->Select(p->picture);
    const profiles::Contents c = profiles::ContentsOf(*p);
    // Where the files are, beside the default ones; the whole path on hover.
    details_->setToolTip(Qt::convertFromPlainText(QDir::toNativeSeparators(p->folder), Qt::WhiteSpaceNoWrap));
    QString text = QStringLiteral("Folder: %1\n%2, %3.")
                       .arg(QDir::toNativeSeparators(QDir(base_).relativeFilePath(p->folder)),
                            CountText(c.games, QStringLiteral("gra"), QStringLiteral("gry"), QStringLiteral("gier")),
                            CountText(RecordingCount(*p), QStringLiteral("nagranie"), QStringLiteral("nagrania"),
                                      QStringLiteral("nagrań")));
    if (inUse) {
      text += QStringLiteral("\n%1 ćwiczy teraz: program zapisuje w tym folderze, więc profilu nie można usunąć ani "
                             "zmienić imienia aż do zamknięcia programu. Obrazek można zmienić.")
                  .arg(p->name);
    }
    details_->setText(text);
  }
  add_->setVisible(!p);
  save_->setVisible(p);
  remove_->setVisible(p);
  remove_->setEnabled(p && !InUse(*p));
  remove_->setToolTip(p && InUse(*p) ? QStringLiteral("To dziecko ćwiczy teraz") : QString());
  CheckInput();
}

void ChildrenPanel::CheckInput() {
  const profiles::Profile* p = Selected();
  const QString problem = name_->text().isEmpty() && !p ? QString()  // nothing typed yet: nothing to scold
                                                         : profiles::CheckName(profiles_, base_, name_->text(),
                                                                               p ? p->name : QString());
  problem_->setText(problem);
  problem_->setVisible(!problem.isEmpty());
  const bool valid = problem.isEmpty() && !name_->text().trimmed().isEmpty();
  add_->setEnabled(valid);
  const bool changed = p && (name_->text().simplified() != p->name || grid_->Chosen() != p->picture);
  save_->setEnabled(valid && changed);
}

void ChildrenPanel::ShowError(const QString& text) {
  services_.messageBox(this, text, kCaption, platform::MessageIcon::Error);
}

void ChildrenPanel::AddChild() {
  const bool first = profiles_.empty();
  profiles::Profile added;
  const QString failure = profiles::Add(base_, name_->text(), grid_->Chosen(), &added);
  if (!failure.isEmpty()) {
    ShowError(failure);
    return;
  }
  if (first) OfferGuestFiles(added);
  Reload(added.folder);
  emit Changed(added.folder);
}

QString ChildrenPanel::GuestFilesText(const profiles::GuestFiles& guest) {
  QString text = guest.games == 1
                     ? QStringLiteral("dotychczasową grę")
                     : QStringLiteral("dotychczasowe ") +
                           CountText(guest.games, QStringLiteral("grę"), QStringLiteral("gry"), QStringLiteral("gier"));
  if (guest.recordings > 0) {
    text += QStringLiteral(" i ") + CountText(guest.recordings, QStringLiteral("nagranie"), QStringLiteral("nagrania"),
                                              QStringLiteral("nagrań"));
  }
  return text;
}

void ChildrenPanel::OfferGuestFiles(const profiles::Profile& added) {
  const profiles::GuestFiles guest = profiles::GuestFilesIn(base_);
  if (guest.games == 0) return;
  // The store opens its file only to append a finished game, and no game
  // runs while this window is open: the move is safe even while the guest
  // practises; the games after it are the guest's again.
  QString question = QStringLiteral("Przenieść %1 do profilu %2?\n\nPrzy przycisku „Gość” nie zostanie żadna gra.")
                         .arg(GuestFilesText(guest), added.name);
  if (SamePath(base_) == inUse_)
    question += QStringLiteral(" Gry rozegrane dalej w tym uruchomieniu zapiszą się jako „Gość”.");
  if (!Confirm || !Confirm(question)) return;
  const QString failure = profiles::MoveGuestFiles(base_, added);
  if (!failure.isEmpty()) ShowError(failure);
}

void ChildrenPanel::SaveChild() {
  const profiles::Profile* selected = Selected();
  if (!selected) return;
  profiles::Profile p = *selected;
  const QString picture = grid_->Chosen();
  if (name_->text().simplified() != p.name) {
    if (InUse(p)) {
      ShowError(QStringLiteral("%1 ćwiczy teraz: imię można zmienić po ponownym uruchomieniu programu.").arg(p.name));
      return;
    }
    profiles::Profile renamed;
    const QString failure = profiles::Rename(base_, p, name_->text(), &renamed);
    if (!failure.isEmpty()) {
      ShowError(failure);
      return;
    }
    p = renamed;
  }
  if (picture != p.picture) {
    const QString failure = profiles::SetPicture(p, picture);
    if (!failure.isEmpty()) ShowError(failure);
  }
  Reload(p.folder);
  emit Changed(p.folder);
}

void ChildrenPanel::RemoveChild() {
  const profiles::Profile* selected = Selected();
  if (!selected) return;
  const profiles::Profile p = *selected;
  if (InUse(p)) {
    ShowError(QStringLiteral("%1 ćwiczy teraz: tego profilu nie można usunąć, dopóki program jest otwarty.").arg(p.name));
    return;
  }
  if (!Confirm || !Confirm(RemovalQuestion(p))) return;
  const QString failure = profiles::Remove(p);
  if (!failure.isEmpty()) ShowError(failure);
  Reload(QString());
  emit Changed(QString());
}

}  // namespace resultswindow
