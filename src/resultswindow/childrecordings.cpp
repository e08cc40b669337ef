#include "resultswindow/childrecordings.h"

#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/system.h"
#include "recorder/recorder.h"
#include "recorder/voicelibrary.h"
#include "resultswindow/resultsstyle.h"
#include "shell/palette.h"

namespace resultswindow {

namespace {

constexpr int kPathRole = Qt::UserRole;

// "2026-12-08_10-15-03_szalik-2.wav" is "2026-12-08 10:15:03".
QString RecordingText(const QString& path) {
  const QString name = QFileInfo(path).fileName();
  QString when = name.left(19);
  when[10] = QLatin1Char(' ');
  when[13] = QLatin1Char(':');
  when[16] = QLatin1Char(':');
  return when;
}

}  // namespace

ChildRecordings::ChildRecordings(const platform::Services& services, QWidget* parent)
    : QWidget(parent), services_(services) {
  // Spaced as the rest of the word's panel, which it continues.
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(5);
  auto* line = new QFrame(this);
  line->setFrameShape(QFrame::HLine);
  line->setStyleSheet(QStringLiteral("color: %1;").arg(palette::kYellowDeep.name()));
  layout->addWidget(line);
  caption_ = new QLabel(this);
  caption_->setFont(ResultsFont(10, true));
  // The caption quotes the child's name: plain text, whatever it holds.
  caption_->setTextFormat(Qt::PlainText);
  layout->addWidget(caption_);
  list_ = new QListWidget(this);
  list_->setObjectName(QStringLiteral("recordings"));
  layout->addWidget(list_, 1);
  auto* row = new QHBoxLayout;
  play_ = new QPushButton(QStringLiteral("Odtwórz"), this);
  delete_ = new QPushButton(QStringLiteral("Usuń nagranie…"), this);
  delete_->setObjectName(QStringLiteral("danger"));
  for (QPushButton* b : {play_, delete_}) b->setAutoDefault(false);
  row->addWidget(play_);
  row->addStretch(1);
  row->addWidget(delete_);
  layout->addLayout(row);

  connect(list_, &QListWidget::currentRowChanged, this,
          [this](int r) { play_->setEnabled(r >= 0), delete_->setEnabled(r >= 0); });
  connect(list_, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { Play(item->data(kPathRole).toString()); });
  connect(play_, &QPushButton::clicked, this, [this] {
    if (QListWidgetItem* item = list_->currentItem()) Play(item->data(kPathRole).toString());
  });
  connect(delete_, &QPushButton::clicked, this, &ChildRecordings::Delete);
}

void ChildRecordings::SetChild(const QString& userFolder, const QString& name) {
  userFolder_ = userFolder;
  childName_ = name;
  Load();
}

void ChildRecordings::SetWord(const QString& key, const QString& written) {
  key_ = key;
  written_ = written;
  Load();
}

void ChildRecordings::Play(const QString& path) {
  if (!recorder::PlayVoice(*services_.sound, path)) emit Unplayable(QStringLiteral("Tego nagrania nie da się odtworzyć: plik jest nieczytelny."));
}

void ChildRecordings::Load() {
  const QString who = childName_.isEmpty() ? QStringLiteral("Gość") : childName_;
  caption_->setText(QStringLiteral("Nagrania dziecka (%1):").arg(who));
  list_->clear();
  if (!key_.isEmpty() && !userFolder_.isEmpty()) {
    // The newest first: the ones the adult comes to hear.
    const QStringList paths = recorder::RecordingsIn(userFolder_, key_);
    for (auto it = paths.crbegin(); it != paths.crend(); ++it) {
      auto* item = new QListWidgetItem(RecordingText(*it), list_);
      item->setData(kPathRole, *it);
    }
  }
  if (list_->count() == 0) {
    auto* none = new QListWidgetItem(QStringLiteral("Brak nagrań tego słowa."), list_);
    none->setFlags(Qt::NoItemFlags);
  } else {
    list_->setCurrentRow(0);
  }
  const bool chosen = list_->currentRow() >= 0;
  play_->setEnabled(chosen);
  delete_->setEnabled(chosen);
}

void ChildRecordings::Delete() {
  QListWidgetItem* item = list_->currentItem();
  if (!item || !(item->flags() & Qt::ItemIsEnabled)) return;
  const QString path = item->data(kPathRole).toString();
  const QString question =
      QStringLiteral("Usunąć nagranie słowa „%1” z %2?\nTego nie można cofnąć.").arg(written_, item->text());
  if (!Confirm || !Confirm(question)) return;
  if (!recorder::DeleteRecordingIn(userFolder_, path)) {
    services_.messageBox(window(), QStringLiteral("Nie udało się usunąć pliku %1.").arg(QDir::toNativeSeparators(path)),
                             QStringLiteral("Słowa"), platform::MessageIcon::Error);
  }
  Load();
}

}  // namespace resultswindow
