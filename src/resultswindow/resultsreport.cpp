#include "resultswindow/resultsreport.h"

#include <QBuffer>
#include <QDir>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <memory>

#include "history/exporttarget.h"
#include "resultswindow/progresschart.h"
#include "resultswindow/resultsmodel.h"
#include "resultswindow/resultsstyle.h"
#include "shell/palette.h"

namespace resultswindow {

namespace {

const QColor kRule(0xc8, 0xd6, 0xe4);

// Shares of the page width per column: the date and the texts need room,
// the counts little.
constexpr double kColumnWeights[] = {13, 10, 11, 16, 7, 10, 8, 8, 7, 9, 14};

class Page {
 public:
  Page(QPainter& painter, double unitsPerMm) : p_(painter), mm_(unitsPerMm) {}
  double Mm(double mm) const { return mm * mm_; }
  QPainter& P() { return p_; }

 private:
  QPainter& p_;
  double mm_;
};

// The band on top of every page; returns where the page's content starts.
double DrawTop(Page& page, const Report& report, const QRectF& area, int number, int count) {
  QPainter& p = page.P();
  p.setPen(palette::kBlueDeep);
  p.setFont(ResultsFont(16, true));
  const QRectF title(area.left(), area.top(), area.width(), page.Mm(9));
  p.drawText(title, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Wyniki: ") + report.child);
  p.setFont(ResultsFont(9));
  p.setPen(palette::kInk);
  p.drawText(title, Qt::AlignRight | Qt::AlignVCenter,
             QStringLiteral("Mini Fonikra Cz.I · strona %1 z %2").arg(number).arg(count));
  const QRectF line(area.left(), title.bottom(), area.width(), page.Mm(7));
  p.setFont(ResultsFont(10));
  p.drawText(line, Qt::AlignLeft | Qt::AlignVCenter,
             report.range + QStringLiteral(" · liczba gier: ") + QString::number(report.rows.size()));
  p.setPen(QPen(palette::kBlueDeep, page.Mm(0.4)));
  p.drawLine(QPointF(area.left(), line.bottom() + page.Mm(1)), QPointF(area.right(), line.bottom() + page.Mm(1)));
  return line.bottom() + page.Mm(4);
}

// A text too long for its cell (the sounds of games practised in pairs)
// on two lines broken after a comma, as large as their ink fits half the
// row each; false when even the smallest do not fit, and nothing is drawn.
bool DrawTwoLines(Page& page, const QString& text, const QRectF& cell, bool bold) {
  const QString comma = QStringLiteral(", ");
  const QStringList parts = text.split(comma);
  if (parts.size() < 2) return false;
  QPainter& p = page.P();
  for (const qreal size : {7.0, 6.5, 6.0, 5.5, 5.0}) {
    const QFont font = ResultsFont(size, bold);
    const QFontMetricsF metrics(font, p.device());
    // The break that leaves the wider line narrowest.
    QStringList lines;
    qreal widest = cell.width() + 1;
    for (qsizetype k = 1; k < parts.size(); ++k) {
      const QStringList pair = {parts.mid(0, k).join(comma) + QLatin1Char(','), parts.mid(k).join(comma)};
      const qreal w = qMax(metrics.horizontalAdvance(pair[0]), metrics.horizontalAdvance(pair[1]));
      if (w < widest) widest = w, lines = pair;
    }
    const QRectF ink = metrics.tightBoundingRect(lines.join(QString()));
    if (widest > cell.width() || ink.height() > cell.height() / 2) continue;
    const QFont kept = p.font();
    p.setFont(font);
    for (int i = 0; i < 2; ++i) {
      const qreal top = cell.top() + i * cell.height() / 2;
      p.drawText(QPointF(cell.left(), top + (cell.height() / 2 - ink.height()) / 2 - ink.top()), lines[i]);
    }
    p.setFont(kept);
    return true;
  }
  return false;
}

void DrawRow(Page& page, const QStringList& cells, const QList<QRectF>& columns, double top, double height,
             const QColor& ground, bool bold) {
  QPainter& p = page.P();
  const QRectF band(columns.first().left(), top, columns.last().right() - columns.first().left(), height);
  p.fillRect(band, ground);
  p.setFont(ResultsFont(8, bold));
  p.setPen(palette::kInk);
  const QFontMetricsF metrics(p.font(), p.device());
  for (int c = 0; c < columns.size() && c < cells.size(); ++c) {
    const QRectF cell = QRectF(columns[c].left(), top, columns[c].width(), height).adjusted(page.Mm(1), 0, -page.Mm(1), 0);
    // Only the sounds break: the other columns print as they always did.
    if (c == kSounds && metrics.horizontalAdvance(cells[c]) > cell.width() && DrawTwoLines(page, cells[c], cell, bold))
      continue;
    p.drawText(cell, Qt::AlignLeft | Qt::AlignVCenter, metrics.elidedText(cells[c], Qt::ElideRight, cell.width()));
  }
  p.setPen(QPen(kRule, page.Mm(0.2)));
  p.drawLine(band.bottomLeft(), band.bottomRight());
}

void DrawTablePage(Page& page, const Report& report, const QRectF& area, int first, int number, int count) {
  const double top = DrawTop(page, report, area, number, count);
  double total = 0;
  for (double w : kColumnWeights) total += w;
  QList<QRectF> columns;
  double x = area.left();
  for (double w : kColumnWeights) {
    const double width = area.width() * w / total;
    columns << QRectF(x, top, width, 0);
    x += width;
  }
  const double rowHeight = (area.bottom() - top) / (kRowsPerPage + 1);
  DrawRow(page, report.headings, columns, top, rowHeight, palette::kSkyPale, true);
  if (report.rows.isEmpty()) {
    page.P().setFont(ResultsFont(10));
    page.P().drawText(QRectF(area.left(), top + rowHeight, area.width(), rowHeight * 2), Qt::AlignCenter,
                      QStringLiteral("Brak gier do pokazania."));
    return;
  }
  const int last = qMin(int(report.rows.size()), first + kRowsPerPage);
  for (int i = first; i < last; ++i) {
    const double y = top + rowHeight * (i - first + 1);
    DrawRow(page, report.rows[i], columns, y, rowHeight, (i - first) % 2 ? palette::kCream : QColor(Qt::white),
            false);
  }
}

void DrawChartPage(Page& page, const Report& report, const QRectF& area, int number, int count) {
  const double top = DrawTop(page, report, area, number, count);
  const QRectF target(area.left(), top, area.width(), area.bottom() - top);
  if (report.periods.isEmpty()) {
    page.P().setFont(ResultsFont(10));
    page.P().drawText(target, Qt::AlignCenter, QStringLiteral("Brak gier z datą: nie ma czego pokazać na wykresie."));
    return;
  }
  // The chart is laid out at a screen-like size and scaled onto the page, so
  // that its fonts and lines keep the proportions seen in the window.
  ProgressChart chart;
  chart.SetPeriods(report.periods, report.step);
  chart.SetTitle(report.step == Step::Month  ? QStringLiteral("Postępy miesiąc po miesiącu")
                 : report.step == Step::Week ? QStringLiteral("Postępy tydzień po tygodniu")
                                             : QStringLiteral("Postępy dzień po dniu"));
  const QSizeF logical(1000, 1000 * target.height() / target.width());
  QPainter& p = page.P();
  p.save();
  p.translate(target.topLeft());
  p.scale(target.width() / logical.width(), target.height() / logical.height());
  chart.Paint(p, logical);
  p.restore();
}

}  // namespace

int ReportPageCount(int rows) { return qMax(1, (rows + kRowsPerPage - 1) / kRowsPerPage) + 1; }

QString SaveReportPdf(const Report& report, const QString& path) {
  // Drawn in memory first: the file is then written whole or not at all.
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter pdf(&buffer);
    pdf.setTitle(QStringLiteral("Wyniki: ") + report.child);
    pdf.setCreator(QStringLiteral("Mini Fonikra Cz.I"));
    pdf.setResolution(300);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(12, 12, 12, 12),
                                  QPageLayout::Millimeter));
    QPainter painter;
    if (!painter.begin(&pdf)) {
      return QStringLiteral("Nie można zapisać pliku „%1”: nie udało się zacząć dokumentu PDF.")
          .arg(QDir::toNativeSeparators(path));
    }
    Page page(painter, pdf.resolution() / 25.4);
    const QRectF area(QPointF(0, 0), QSizeF(pdf.width(), pdf.height()));
    const int count = ReportPageCount(int(report.rows.size()));
    for (int number = 1; number < count; ++number) {
      if (number > 1) pdf.newPage();
      DrawTablePage(page, report, area, (number - 1) * kRowsPerPage, number, count);
    }
    pdf.newPage();
    DrawChartPage(page, report, area, count, count);
    painter.end();
  }
  return history::SaveExport(path, buffer.data());
}

}  // namespace resultswindow
