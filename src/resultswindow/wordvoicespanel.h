#pragma once

#include <QString>
#include <QTemporaryDir>
#include <QWidget>

#include "platform/services.h"
#include "recorder/voicelibrary.h"
#include <functional>
#include <memory>
#include <vector>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
struct SPaczka;

namespace resultswindow {

class ChildRecordings;
class WordPictures;

// "Słowa": every word of the catalogue with the voice the games speak for
// it. The adult hears it, records a model of their own (heard back and kept
// only when they say so; the games then speak it instead of the synthesised
// word) or gives the word back to the synthesiser; below, one child's
// recordings of the word (ChildRecordings). Recording is offered only where
// there is a microphone.
class WordVoicesPanel : public QWidget {
  Q_OBJECT
 public:
  WordVoicesPanel(const std::vector<SPaczka>& words, WordPictures& pictures, recorder::VoiceLibrary voices,
                  const platform::Services& services,
                  QWidget* parent = nullptr);
  ~WordVoicesPanel() override;

  // Whose recordings are listed: the child's statistics folder and name
  // ("" for the default files).
  void SetChild(const QString& userFolder, const QString& name);

  // Asks the adult a yes/no question; the window supplies it.
  std::function<bool(const QString& question)> Confirm;

  // A word's row carries these roles: true while it has a model; true while
  // that model cannot be played and the synthesised word is spoken instead.
  static constexpr int kModelRole = Qt::UserRole + 1;
  static constexpr int kUnusableRole = Qt::UserRole + 3;

  // The key of the word shown on the right; "" when none.
  QString CurrentKey() const;

  // The panel's parts, for tests and the screenshot tool.
  QListWidget* WordList() const { return words_; }
  QComboBox* SoundChoice() const { return sound_; }
  QLabel* MicrophoneNote() const { return micNote_; }
  QLabel* VoiceText() const { return voice_; }
  QLabel* Light() const { return light_; }
  QLabel* Status() const { return status_; }
  QPushButton* PlayButton() const { return play_; }
  QPushButton* RestoreButton() const { return restore_; }
  QPushButton* RecordButton() const { return record_; }
  QPushButton* ListenButton() const { return listen_; }
  QPushButton* KeepButton() const { return keep_; }
  QPushButton* AgainButton() const { return again_; }
  ChildRecordings* Recordings() const { return recordings_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  platform::Services services_;
  void OfferMicrophone();
  void FilterWords();
  void ShowWord();
  void MarkWord(int row);
  void Record();
  void ListenToTake();
  void KeepTake();
  void DropTake();
  void Restore();
  void ShowError(const QString& text);

  const std::vector<SPaczka>& catalogue_;
  bool microphone_ = false;
  // The adult's last take, heard back but not kept yet.
  std::vector<qint16> take_;
  QString takeKey_;
  std::unique_ptr<QTemporaryDir> takeDir_;

  QComboBox* sound_ = nullptr;
  QListWidget* words_ = nullptr;
  QLabel* micNote_ = nullptr;
  QLabel* picture_ = nullptr;
  QLabel* word_ = nullptr;
  QLabel* voice_ = nullptr;
  QLabel* light_ = nullptr;
  QLabel* status_ = nullptr;
  QPushButton* play_ = nullptr;
  QPushButton* restore_ = nullptr;
  QPushButton* record_ = nullptr;
  QPushButton* listen_ = nullptr;
  QPushButton* keep_ = nullptr;
  QPushButton* again_ = nullptr;
  ChildRecordings* recordings_ = nullptr;
  WordPictures& pictures_;
  recorder::VoiceLibrary voices_;
};

}  // namespace resultswindow
