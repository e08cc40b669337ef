#pragma once

#include <QDate>
#include <QDialog>
#include <QString>
#include <QTranslator>
#include <functional>
#include <vector>

#include "history/statsfile.h"
#include "resultswindow/resultsmodel.h"
#include "resultswindow/resultsreport.h"
#include "resultswindow/wordpictures.h"
#include "session/contentroot.h"

class QChartView;
class QComboBox;
class QDateEdit;
class QFileDialog;
class QLabel;
class QPushButton;
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
};

// "Wyniki": what the adult who works with the children needs outside the
// games. Whose results: the guest's (the default files) or a child's
// profile, the child of this run first. "Gry": the games of that child's
// statistics file, a table that sorts by any column and narrows to a game, a
// sound, a position and a date range; a chart of progress over the same
// games; the shown rows saved as CSV or printed to PDF. The file is only
// read. A file that cannot be read is said so in the window, a torn one is
// shown with a warning. "Dzieci": the children's profiles. "Słowa": the voice
// the games speak for each word, and the child's recordings of it.
class ResultsWindow : public QDialog {
  Q_OBJECT
 public:
  explicit ResultsWindow(const ResultsSetup& setup, QWidget* parent = nullptr);
  ~ResultsWindow() override;

  // Asks where to save; returns "" when the user gave up. A file dialog by
  // default (see SaveDialog); tests answer instead.
  std::function<QString(const QString& suggestedPath, const QString& filter)> AskSavePath;
  // Asks a yes/no question before something is deleted. A message box by
  // default; tests answer instead.
  std::function<bool(const QString& question)> Confirm;

  // The default's dialog: the suggested file's extension is added to a name
  // typed without one before the dialog asks whether to replace a file.
  static QFileDialog* SaveDialog(QWidget* parent, const QString& suggestedPath, const QString& filter);

  // Shows the results of the child in that folder (baseFolder: the guest);
  // false when it is no choice of the window.
  bool ShowChild(const QString& folder);

  // The shown rows, in the shown order, to a file. Empty or the reason.
  QString SaveCsv(const QString& path) const;
  QString SavePdf(const QString& path) const;
  QString SaveXlsx(const QString& path) const;
  // "wyniki-<child>-<today>.<extension>".
  QString SuggestedFileName(const QString& extension) const;
  // Whose results are shown, as the report says on top: the child's name,
  // or "Gość".
  QString ChildText() const;
  QString RangeText() const;

  // The window's parts, for tests and the screenshot tool.
  QComboBox* ChildChoice() const { return childChoice_; }
  QTabWidget* Tabs() const { return tabs_; }
  resultswindow::ChildrenPanel* Children() const { return children_; }
  // nullptr without the catalogue.
  resultswindow::WordVoicesPanel* Voices() const { return voices_; }
  QTableView* Table() const { return table_; }
  resultswindow::ResultsFilter* Rows() const { return rows_; }
  QLabel* Notice() const { return notice_; }
  QLabel* Status() const { return status_; }
  QChartView* ChartView() const { return chartView_; }
  QComboBox* GameChoice() const { return game_; }
  QComboBox* SoundChoice() const { return sound_; }
  QComboBox* PositionChoice() const { return position_; }
  QDateEdit* FromDate() const { return from_; }
  QDateEdit* ToDate() const { return to_; }
  QPushButton* CsvButton() const { return csvButton_; }
  QPushButton* PdfButton() const { return pdfButton_; }
  QPushButton* XlsxButton() const { return xlsxButton_; }
  // The periods the chart shows now.
  const QList<resultswindow::Period>& Periods() const { return periods_; }

 private:
  // `wide`: room for the filters in one row.
  void Build(bool wide);
  QWidget* BuildGames(bool wide);
  // The guest and every profile, keeping `select` chosen where it still is.
  void FillChildChoice(const QString& select);
  void ChildChosen();
  void Load(const QString& statsPath);
  void ApplyFilter();
  void UpdateChart();
  void ResetFilters();
  void Export(const QString& extension, const QString& filter,
              const std::function<QString(const QString&)>& save);
  resultswindow::Report MakeReport() const;

  // Installed while the window is open.
  QTranslator qtTexts_;
  ResultsSetup setup_;
  resultswindow::WordPictures pictures_;
  QString child_;
  resultswindow::ResultsModel* model_ = nullptr;
  resultswindow::ResultsFilter* rows_ = nullptr;
  QDate firstDay_, lastDay_;
  QList<resultswindow::Period> periods_;
  resultswindow::Step step_ = resultswindow::Step::Day;

  QComboBox* childChoice_ = nullptr;
  QTabWidget* tabs_ = nullptr;
  resultswindow::ChildrenPanel* children_ = nullptr;
  resultswindow::WordVoicesPanel* voices_ = nullptr;
  QWidget* filters_ = nullptr;
  QLabel* notice_ = nullptr;
  QLabel* count_ = nullptr;
  QLabel* status_ = nullptr;  // what the last export did
  QTableView* table_ = nullptr;
  QChartView* chartView_ = nullptr;
  QComboBox* game_ = nullptr;
  QComboBox* sound_ = nullptr;
  QComboBox* position_ = nullptr;
  QDateEdit* from_ = nullptr;
  QDateEdit* to_ = nullptr;
  QPushButton* csvButton_ = nullptr;
  QPushButton* pdfButton_ = nullptr;
  QPushButton* xlsxButton_ = nullptr;
  // The width the chart's labels were spaced for.
  int chartWidth_ = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};
