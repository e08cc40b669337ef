#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "resultswindow/progress.h"

// The printable report of the results window: A4 landscape pages with the
// child and the date range on top, the table in pages of kRowsPerPage rows
// (headings on every page), then a page with the progress chart.
namespace resultswindow {

constexpr int kRowsPerPage = 28;

struct Report {
  QString child;   // the child's name, or the text for everyone
  QString range;   // the dates the games span
  QStringList headings;
  QList<QStringList> rows;
  QList<Period> periods;
  Step step = Step::Day;
};

// Table pages (one even when there is no row) and the chart page.
int ReportPageCount(int rows);

// Writes the PDF through a temporary file that replaces `path` only when
// complete. Returns an empty string or the reason in Polish.
QString SaveReportPdf(const Report& report, const QString& path);

}  // namespace resultswindow
