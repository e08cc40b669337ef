#pragma once

#include <QDate>
#include <QDialog>
#include <QString>
#include <QTranslator>
#include <functional>

#include "history/statsfile.h"
#include "resultswindow/resultsmodel.h"
#include "resultswindow/resultsreport.h"

class QChartView;
class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QTableView;

// "Wyniki": the games of the statistics file for the adult who works with
// the child. A table that sorts by any column and narrows to a game, a
// sound, a position and a date range; a chart of progress over the same
// games; the shown rows saved as CSV or printed to PDF. The file is only
// read. A file that cannot be read is said so in the window, a torn one is
// shown with a warning.
class ResultsWindow : public QDialog {
  Q_OBJECT
 public:
  // `child` is a profile's name, "" for the program's one history.
  ResultsWindow(const QString& statsPath, const QString& child, QWidget* parent = nullptr);
  ~ResultsWindow() override;

  // Asks where to save; returns "" when the user gave up. A file dialog by
  // default; tests answer instead.
  std::function<QString(const QString& suggestedPath, const QString& filter)> AskSavePath;

  // The shown rows, in the shown order, to a file. Empty or the reason.
  QString SaveCsv(const QString& path) const;
  QString SavePdf(const QString& path) const;
  // "wyniki-<child>-<today>.<extension>".
  QString SuggestedFileName(const QString& extension) const;
  // What the report says on top.
  QString ChildText() const;
  QString RangeText() const;

  // The window's parts, for tests and the screenshot tool.
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
  // The periods the chart shows now.
  const QList<resultswindow::Period>& Periods() const { return periods_; }

 private:
  // `wide`: room for the filters in one row.
  void Build(bool wide);
  void Load(const QString& statsPath);
  void ApplyFilter();
  void UpdateChart();
  void ResetFilters();
  void Export(const QString& extension, const QString& filter,
              const std::function<QString(const QString&)>& save);
  resultswindow::Report MakeReport() const;

  // Installed while the window is open.
  QTranslator qtTexts_;
  QString child_;
  resultswindow::ResultsModel* model_ = nullptr;
  resultswindow::ResultsFilter* rows_ = nullptr;
  QDate firstDay_, lastDay_;
  QList<resultswindow::Period> periods_;
  resultswindow::Step step_ = resultswindow::Step::Day;

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
};
