#include "resultswindow/wordvoicespanel.h"

#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "history/statsfile.h"
#include "platform/system.h"
#include "platform/wait.h"
#include "recorder/recorder.h"
#include "recorder/voicelibrary.h"
#include "recorder/wavfile.h"
#include "resultswindow/childrecordings.h"
#include "resultswindow/resultsstyle.h"
#include "resultswindow/wordpictures.h"
#include "words/spaczka.h"
#include "words/wordbits.h"
#include "shell/palette.h"

namespace resultswindow {

namespace {

const QString kCaption = QStringLiteral("Słowa");
constexpr int kKeyRole = Qt::UserRole;
constexpr int kFlagsRole = Qt::UserRole + 2;

QPushButton* Button(const QString& text, QWidget* parent, const char* name = nullptr) {
  auto* b = new QPushButton(text, parent);
  b->setAutoDefault(false);
  if (name) b->setObjectName(QString::fromLatin1(name));
  return b;
}

}  // namespace

WordVoicesPanel::WordVoicesPanel(const std::vector<SPaczka>& words, WordPictures& pictures,
                                 recorder::VoiceLibrary voices, const platform::Services& services, QWidget* parent)
    : QWidget(parent), services_(services), catalogue_(words), pictures_(pictures), voices_(std::move(voices)) {
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(4, 6, 4, 4);

  auto* left = new QVBoxLayout;
  auto* filter = new QHBoxLayout;
  auto* soundCaption = new QLabel(QStringLiteral("Głoska:"), this);
  soundCaption->setFont(ResultsFont(10, true));
  filter->addWidget(soundCaption);
  sound_ = new QComboBox(this);
  sound_->addItem(QStringLiteral("wszystkie"), 0);
  for (quint16 bit : words::kSounds) sound_->addItem(history::SoundsText(qint16(bit)), bit);
  filter->addWidget(sound_, 1);
  left->addLayout(filter);
  words_ = new QListWidget(this);
  words_->setObjectName(QStringLiteral("words"));
  words_->setIconSize(QSize(36, 36));
  words_->setMaximumWidth(260);
  for (const SPaczka& word : catalogue_) {
    auto* item = new QListWidgetItem(QIcon(pictures_.Of(word.Nazwa)), WrittenWord(word), words_);
    item->setData(kKeyRole, word.Nazwa);
    item->setData(kFlagsRole, word.Flagi);
  }
  for (int row = 0; row < words_->count(); ++row) MarkWord(row);
  left->addWidget(words_, 1);
  layout->addLayout(left);

  auto* right = new QVBoxLayout;
  micNote_ = new QLabel(this);
  micNote_->setObjectName(QStringLiteral("notice"));
  micNote_->setWordWrap(true);
  right->addWidget(micNote_);

  auto* panel = new QFrame(this);
  panel->setObjectName(QStringLiteral("panel"));
  auto* form = new QVBoxLayout(panel);
  form->setContentsMargins(12, 8, 12, 8);
  form->setSpacing(5);
  auto* head = new QHBoxLayout;
  picture_ = new QLabel(panel);
  picture_->setFixedSize(96, 96);
  picture_->setAlignment(Qt::AlignCenter);
  head->addWidget(picture_);
  auto* says = new QVBoxLayout;
  word_ = new QLabel(panel);
  word_->setObjectName(QStringLiteral("title"));
  word_->setFont(ResultsFont(20, true));
  says->addWidget(word_);
  voice_ = new QLabel(panel);
  voice_->setWordWrap(true);
  says->addWidget(voice_);
  auto* playRow = new QHBoxLayout;
  play_ = Button(QStringLiteral("Posłuchaj"), panel);
  play_->setToolTip(QStringLiteral("Słowo tak, jak mówi je gra"));
  restore_ = Button(QStringLiteral("Przywróć głos syntezatora"), panel, "reset");
  playRow->addWidget(play_);
  playRow->addWidget(restore_);
  playRow->addStretch(1);
  says->addLayout(playRow);
  head->addLayout(says, 1);
  form->addLayout(head);

  auto* recordRow = new QHBoxLayout;
  record_ = Button(QStringLiteral("Nagraj swój głos"), panel);
  light_ = new QLabel(panel);
  light_->setObjectName(QStringLiteral("light"));
  light_->hide();
  listen_ = Button(QStringLiteral("Odsłuchaj"), panel);
  keep_ = Button(QStringLiteral("Zachowaj"), panel);
  again_ = Button(QStringLiteral("Nagraj jeszcze raz"), panel, "reset");
  for (QWidget* w : {static_cast<QWidget*>(record_), static_cast<QWidget*>(light_), static_cast<QWidget*>(listen_),
                     static_cast<QWidget*>(keep_), static_cast<QWidget*>(again_)})
    recordRow->addWidget(w);
  recordRow->addStretch(1);
  form->addLayout(recordRow);
  for (QPushButton* b : {listen_, keep_, again_}) b->hide();
  status_ = new QLabel(panel);
  status_->setWordWrap(true);
  status_->setTextFormat(Qt::PlainText);
  form->addWidget(status_);

  recordings_ = new ChildRecordings(services_, panel);
  recordings_->Confirm = [this](const QString& q) { return Confirm && Confirm(q); };
  form->addWidget(recordings_, 1);
  right->addWidget(panel, 1);
  layout->addLayout(right, 1);

  connect(sound_, &QComboBox::currentIndexChanged, this, &WordVoicesPanel::FilterWords);
  connect(words_, &QListWidget::currentRowChanged, this, [this] {
    DropTake();
    ShowWord();
  });
  connect(play_, &QPushButton::clicked, this, [this] {
    if (!CurrentKey().isEmpty()) recorder::Play(*services_.sound, voices_.WordSoundPath(CurrentKey()));
  });
  connect(restore_, &QPushButton::clicked, this, &WordVoicesPanel::Restore);
  connect(record_, &QPushButton::clicked, this, &WordVoicesPanel::Record);
  connect(again_, &QPushButton::clicked, this, &WordVoicesPanel::Record);
  connect(listen_, &QPushButton::clicked, this, &WordVoicesPanel::ListenToTake);
  connect(keep_, &QPushButton::clicked, this, &WordVoicesPanel::KeepTake);
  connect(recordings_, &ChildRecordings::Unplayable, status_, &QLabel::setText);
  words_->setCurrentRow(0);
  ShowWord();
}

WordVoicesPanel::~WordVoicesPanel() = default;

void WordVoicesPanel::showEvent(QShowEvent* event) {
  OfferMicrophone();
  QWidget::showEvent(event);
}

// From the device list, read afresh (nothing is opened until the adult
// presses to record): a microphone plugged in meanwhile is offered.
void WordVoicesPanel::OfferMicrophone() {
  microphone_ = recorder::MicrophoneAvailable(*services_.microphone);
  SetNotice(micNote_,
            microphone_ ? QString()
                        : QStringLiteral("Nie znaleziono mikrofonu: nagrywanie jest niedostępne. "
                                         "Słuchać i usuwać nagrania można jak zawsze."),
            "info");
  if (take_.empty()) record_->setVisible(microphone_);
}

QString WordVoicesPanel::CurrentKey() const {
  const QListWidgetItem* item = words_->currentItem();
  return item && !item->isHidden() ? item->data(kKeyRole).toString() : QString();
}

void WordVoicesPanel::SetChild(const QString& userFolder, const QString& name) {
  recordings_->SetChild(userFolder, name);
}

void WordVoicesPanel::FilterWords() {
  const quint16 bit = quint16(sound_->currentData().toUInt());
  for (int row = 0; row < words_->count(); ++row) {
    QListWidgetItem* item = words_->item(row);
    item->setHidden(bit != 0 && !(item->data(kFlagsRole).toUInt() & bit));
  }
  // The word on the right stays one of those listed.
  QListWidgetItem* current = words_->currentItem();
  if (!current || current->isHidden()) {
    int first = -1;
    for (int row = 0; row < words_->count() && first < 0; ++row) {
      if (!words_->item(row)->isHidden()) first = row;
    }
    words_->setCurrentRow(first);
    ShowWord();
  }
}

void WordVoicesPanel::MarkWord(int row) {
  QListWidgetItem* item = words_->item(row);
  const QString key = item->data(kKeyRole).toString();
  const recorder::Model state = voices_.ModelOf(key);
  const bool model = state != recorder::Model::None;
  item->setData(kModelRole, model);
  item->setData(kUnusableRole, state == recorder::Model::Unusable);
  QString text = item->text().section(QLatin1Char('\n'), 0, 0);
  if (state == recorder::Model::Usable) text += QStringLiteral("\nTwój głos");
  if (state == recorder::Model::Unusable) text += QStringLiteral("\nnagranie nieczytelne");
  item->setText(text);
  QFont font = item->font();
  font.setBold(model);
  item->setFont(font);
  item->setForeground(model ? palette::kBlueDeep : palette::kInk);
}

void WordVoicesPanel::ShowWord() {
  const QString key = CurrentKey();
  const bool any = !key.isEmpty();
  const QListWidgetItem* item = words_->currentItem();
  for (QPushButton* b : {play_, record_}) b->setEnabled(any);
  if (!any) {
    picture_->clear();
    word_->setText(QStringLiteral("Brak słów tej głoski"));
    voice_->clear();
    restore_->setEnabled(false);
  } else {
    const QPixmap picture = pictures_.Of(key);
    picture_->setPixmap(picture.isNull() ? QPixmap()
                                         : picture.scaled(picture_->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    word_->setText(item->text().section(QLatin1Char('\n'), 0, 0));
    const recorder::Model model = voices_.ModelOf(key);
    switch (model) {
      case recorder::Model::Usable:
        voice_->setText(QStringLiteral("Gry mówią to słowo Twoim głosem."));
        break;
      case recorder::Model::Unusable:
        voice_->setText(QStringLiteral("Twoje nagranie tego słowa jest nieczytelne – słychać głos syntetyczny. "
                                       "Nagraj je jeszcze raz albo przywróć głos syntezatora."));
        break;
      case recorder::Model::None:
        voice_->setText(QStringLiteral("Gry mówią to słowo głosem syntezatora."));
        break;
    }
    restore_->setEnabled(model != recorder::Model::None);
  }
  OfferMicrophone();
  recordings_->SetWord(key, word_->text());
}

void WordVoicesPanel::Record() {
  const QString key = CurrentKey();
  if (key.isEmpty() || recorder::Running()) return;
  DropTake();
  if (!microphone_) return;
  status_->clear();
  const QString idle = record_->text();
  record_->setText(QStringLiteral("Zakończ nagrywanie"));
  light_->show();
  recorder::Hooks hooks;
  hooks.light = [this](int ms) {
    if (ms < 0) {
      light_->hide();
      return;
    }
    // Blinks twice a second while the microphone listens.
    light_->setText((ms / 500) % 2 ? QStringLiteral("○ Słucham…") : QStringLiteral("● Słucham… mów teraz"));
  };
  // The same button ends the take early, as does Space or Enter.
  hooks.isStopPress = [this](QObject* target, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) return target == record_;
    if (event->type() == QEvent::KeyPress) {
      const int k = static_cast<QKeyEvent*>(event)->key();
      return k == Qt::Key_Space || k == Qt::Key_Return || k == Qt::Key_Enter;
    }
    return false;
  };
  const recorder::Take take = recorder::Listen(*services_.microphone, hooks);
  record_->setText(idle);
  light_->hide();
  platform::DropHeldInput();
  if (take.failed) {
    status_->setText(QStringLiteral("Mikrofon nie działa: nic nie zostało nagrane. Sprawdź, czy jest podłączony, "
                                    "i spróbuj jeszcze raz."));
    return;
  }
  if (!take.heard) {
    status_->setText(QStringLiteral("Nic nie było słychać. Spróbuj jeszcze raz, bliżej mikrofonu."));
    return;
  }
  take_ = take.samples;
  takeKey_ = key;
  record_->hide();
  for (QPushButton* b : {listen_, keep_, again_}) b->show();
  status_->setText(QStringLiteral("Posłuchaj nagrania. „Zachowaj” – gry będą mówić to słowo Twoim głosem."));
  ListenToTake();
}

void WordVoicesPanel::ListenToTake() {
  if (take_.empty()) return;
  // The take is heard from a file of its own until it is kept: the word's
  // model stays as it was.
  if (!takeDir_) takeDir_ = std::make_unique<QTemporaryDir>();
  const QString path = takeDir_->filePath(QStringLiteral("take.wav"));
  if (takeDir_->isValid() && recorder::SaveWav(path, take_, recorder::kSampleRate)) recorder::PlayVoice(*services_.sound, path);
  platform::DropHeldInput();
}

void WordVoicesPanel::KeepTake() {
  if (take_.empty() || takeKey_ != CurrentKey()) return;
  if (!voices_.KeepModel(takeKey_, take_, recorder::kSampleRate)) {
    ShowError(QStringLiteral("Nie udało się zapisać głosu słowa w folderze %1. Poprzedni głos słowa został bez zmian.")
                  .arg(QDir::toNativeSeparators(voices_.ModelsFolder())));
    return;
  }
  DropTake();
  MarkWord(words_->currentRow());
  ShowWord();
  status_->setText(QStringLiteral("Zachowano. Gry mówią teraz to słowo Twoim głosem."));
}

void WordVoicesPanel::DropTake() {
  take_.clear();
  takeKey_.clear();
  for (QPushButton* b : {listen_, keep_, again_}) b->hide();
  OfferMicrophone();
  status_->clear();
}

void WordVoicesPanel::Restore() {
  const QString key = CurrentKey();
  if (key.isEmpty() || !voices_.HasModel(key)) return;
  const QString question = QStringLiteral("Usunąć Twój głos słowa „%1”?\nGry znów będą mówić je głosem syntezatora.")
                               .arg(word_->text());
  if (!Confirm || !Confirm(question)) return;
  if (!voices_.DeleteModel(key)) {
    ShowError(QStringLiteral("Nie udało się usunąć pliku %1.").arg(QDir::toNativeSeparators(voices_.ModelPath(key))));
    return;
  }
  MarkWord(words_->currentRow());
  ShowWord();
}

void WordVoicesPanel::ShowError(const QString& text) {
  services_.messageBox(this, text, kCaption, platform::MessageIcon::Error);
}

}  // namespace resultswindow
