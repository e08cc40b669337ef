#pragma once

#include <QDialog>
#include <QString>
#include <QTranslator>
#include <functional>
#include <vector>

#include "resultswindow/gamespanel.h"
#include "resultswindow/resultsmodel.h"
#include "resultswindow/wordpictures.h"
#include "platform/services.h"
#include "session/contentroot.h"

class QComboBox;
class QLabel;
class QTabWidget;
class QTableView;
struct SPaczka;

namespace resultswindow {
class ChildrenPanel;
class WordVoicesPanel;
}  // namespace resultswindow

// What the window shows and manages; the program passes its own.
struct ResultsSetup {
  // The default files' folder: the guest's prgst6.stt, Profile/ under it.
  QString baseFolder;
  // The statistics folder of this run: baseFolder, or the profile's folder
  // of the child chosen at start-up.
  QString inUseFolder;
  // The catalogue's words: the pictures to choose for a child and the
  // "Słowa" tab, which is left out without them.
  const std::vector<SPaczka>* words = nullptr;
  // The content (the words' pictures and sounds) and the adult's voices.
  session::ContentRoot content;
  QString voicesFolder;
  // What the window asks of the system: clock, sound, microphone, boxes.
  platform::Services services;
};

// "Wyniki": what the adult who works with the children needs outside the
// games. Whose results: the guest's (the default files) or a child's
// profile, the child of this run first. "Gry": that child's games
// (GamesPanel). "Dzieci": the children's profiles. "Słowa": the voice the
// games speak for each word, and the child's recordings of it.
class ResultsWindow : public QDialog {
  Q_OBJECT
 public:
  explicit ResultsWindow(const ResultsSetup& setup, QWidget* parent = nullptr);
  ~ResultsWindow() override;

  // Asks where to save; returns "" when the user gave up. A file dialog by
  // default (see SaveDialog); tests answer instead.
  resultswindow::AskPath AskSavePath;
  // Asks a yes/no question before something is deleted. A message box by
  // default; tests answer instead.
  std::function<bool(const QString& question)> Confirm;

  // Shows the results of the child in that folder (baseFolder: the guest);
  // false when it is no choice of the window.
  bool ShowChild(const QString& folder);
  // Whose results are shown, as the report says on top: the child's name,
  // or "Gość".
  QString ChildText() const;

  // The window's parts, for tests and the screenshot tool.
  QComboBox* ChildChoice() const { return childChoice_; }
  QTabWidget* Tabs() const { return tabs_; }
  resultswindow::GamesPanel* Games() const { return games_; }
  resultswindow::ChildrenPanel* Children() const { return children_; }
  // nullptr without the catalogue.
  resultswindow::WordVoicesPanel* Voices() const { return voices_; }
  // The games tab's, as the tools reach them.
  QTableView* Table() const { return games_->Table(); }
  resultswindow::ResultsFilter* Rows() const { return games_->Rows(); }
  QLabel* Notice() const { return games_->Notice(); }
  QString SavePdf(const QString& path) const { return games_->SavePdf(path); }
  QString SaveXlsx(const QString& path) const { return games_->SaveXlsx(path); }

 private:
  // `wide`: room for the filters in one row.
  void Build(bool wide);
  // The guest and every profile, keeping `select` chosen where it still is.
  void FillChildChoice(const QString& select);
  void ChildChosen();

  // Installed while the window is open.
  QTranslator qtTexts_;
  ResultsSetup setup_;
  resultswindow::WordPictures pictures_;
  QString child_;

  QComboBox* childChoice_ = nullptr;
  QTabWidget* tabs_ = nullptr;
  resultswindow::GamesPanel* games_ = nullptr;
  resultswindow::ChildrenPanel* children_ = nullptr;
  resultswindow::WordVoicesPanel* voices_ = nullptr;
};
