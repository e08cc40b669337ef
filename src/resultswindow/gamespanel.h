#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QWidget>
#include <functional>

#include "history/statsfile.h"
#include "platform/services.h"
#include "resultswindow/exportdialog.h"
#include "resultswindow/progress.h"
#include "resultswindow/resultsreport.h"

class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QTableView;

namespace resultswindow {

class ProgressChart;
class ResultsFilter;
class ResultsModel;

// "Gry": the games of one child's statistics file, a table that sorts by
// any column and narrows to a game, a sound, a position and a date range; a
// chart of progress over the same games; the shown rows saved as CSV, as a
// workbook or printed to PDF. The file is only read. A file that cannot be
// read is said so in the panel, a torn one is shown with a warning.
class GamesPanel : public QWidget {
  Q_OBJECT
 public:
  // `wide`: room for the filters in one row.
  GamesPanel(bool wide, const platform::Services& services, QWidget* parent = nullptr);

  // Shows the statistics file in `folder`; `child` names its games in the
  // notices, the report and the saved files' names.
  void SetChild(const QString& folder, const QString& child);

  // Asks where to save; the window supplies it.
  AskPath AskSavePath;

  // The shown rows, in the shown order, to a file. Empty or the reason.
  QString SaveCsv(const QString& path) const;
  QString SavePdf(const QString& path) const;
  QString SaveXlsx(const QString& path) const;
  // "wyniki-<child>-<today>.<extension>".
  QString SuggestedFileName(const QString& extension) const { return resultswindow::SuggestedFileName(*services_.clock, child_, extension); }
  QString RangeText() const;

  // The panel's parts, for tests and the screenshot tool.
  QTableView* Table() const { return table_; }
  ResultsFilter* Rows() const { return rows_; }
  QLabel* Notice() const { return notice_; }
  QLabel* Status() const { return status_; }
  ProgressChart* Chart() const { return chart_; }
  QComboBox* GameChoice() const { return game_; }
  QComboBox* SoundChoice() const { return sound_; }
  QComboBox* PositionChoice() const { return position_; }
  QDateEdit* FromDate() const { return from_; }
  QDateEdit* ToDate() const { return to_; }
  QPushButton* CsvButton() const { return csvButton_; }
  QPushButton* PdfButton() const { return pdfButton_; }
  QPushButton* XlsxButton() const { return xlsxButton_; }
  // The periods the chart shows now.
  const QList<Period>& Periods() const { return periods_; }

 private:
  platform::Services services_;
  QWidget* BuildFilters(bool wide);
  void Load(const QString& statsPath);
  // The game filter's choices for the games of `records`; the chosen game
  // stays chosen while it is offered.
  void OfferGames(const QList<history::StatsRecord>& records);
  // Nothing to show: the notice says why, and no controls act on nothing.
  void ShowNoGames(const QString& notice, const char* kind);
  void ApplyFilter();
  void UpdateChart();
  void ResetFilters();
  void Export(const QString& extension, const QString& filter,
              const std::function<QString(const QString&)>& save);
  Report MakeReport() const;

  QString child_;
  ResultsModel* model_ = nullptr;
  ResultsFilter* rows_ = nullptr;
  QDate firstDay_, lastDay_;
  QList<Period> periods_;
  Step step_ = Step::Day;

  QWidget* filters_ = nullptr;
  QLabel* notice_ = nullptr;
  QLabel* count_ = nullptr;
  QLabel* status_ = nullptr;  // what the last export did
  QTableView* table_ = nullptr;
  ProgressChart* chart_ = nullptr;
  QComboBox* game_ = nullptr;
  QComboBox* sound_ = nullptr;
  QComboBox* position_ = nullptr;
  QDateEdit* from_ = nullptr;
  QDateEdit* to_ = nullptr;
  QPushButton* csvButton_ = nullptr;
  QPushButton* pdfButton_ = nullptr;
  QPushButton* xlsxButton_ = nullptr;
};

}  // namespace resultswindow
