#include "resultswindow/picturegrid.h"

#include "profiles/profiles.h"
#include "resultswindow/wordpictures.h"
#include "words/spaczka.h"

namespace resultswindow {

namespace {

constexpr int kKeyRole = Qt::UserRole;

}  // namespace

PictureGrid::PictureGrid(const std::vector<SPaczka>& words, WordPictures& pictures, QWidget* parent)
    : QListWidget(parent), pictures_(pictures) {
  setObjectName(QStringLiteral("pictures"));
  setViewMode(QListView::IconMode);
  setIconSize(QSize(52, 52));
  setGridSize(QSize(62, 62));
  setResizeMode(QListView::Adjust);
  setMovement(QListView::Static);
  setUniformItemSizes(true);
  auto* none = new QListWidgetItem(QStringLiteral("brak"), this);
  none->setData(kKeyRole, QString());
  none->setToolTip(QStringLiteral("bez obrazka"));
  for (const SPaczka& word : words) {
    const QPixmap picture = pictures_.Of(word.Nazwa);
    // A child's own sign: only the friendly pictures.
    if (picture.isNull() || !profiles::IsFriendlyPicture(word.Nazwa)) continue;
    auto* item = new QListWidgetItem(QIcon(picture), QString(), this);
    item->setData(kKeyRole, word.Nazwa);
    item->setToolTip(WrittenWord(word));
  }
}

void PictureGrid::Select(const QString& key) {
  if (kept_ && kept_->data(kKeyRole).toString() != key) {
    delete kept_;
    kept_ = nullptr;
  }
  for (int i = 0; i < count(); ++i) {
    if (item(i)->data(kKeyRole).toString() == key) {
      setCurrentRow(i);
      scrollToItem(item(i));
      return;
    }
  }
  const QPixmap picture = key.isEmpty() ? QPixmap() : pictures_.Of(key);
  if (picture.isNull()) {
    setCurrentRow(0);
    return;
  }
  kept_ = new QListWidgetItem(QIcon(picture), QString(), this);
  kept_->setData(kKeyRole, key);
  setCurrentItem(kept_);
  scrollToItem(kept_);
}

QString PictureGrid::Chosen() const {
  const QListWidgetItem* item = currentItem();
  return item ? item->data(kKeyRole).toString() : QString();
}

}  // namespace resultswindow
