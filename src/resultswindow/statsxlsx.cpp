#include "resultswindow/statsxlsx.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimeZone>
#include <array>
#include <xlsxwriter.h>

#include "history/exporttarget.h"
#include "history/statscsv.h"
#include "words/wordbits.h"

namespace resultswindow {

namespace {

// Widths in characters, in the order of the CSV's columns: the date, the
// texts and the headings must show whole.
constexpr double kGameWidths[] = {17, 14, 16, 24, 9, 15, 12, 11, 10, 10, 13, 20};

lxw_datetime ToCell(const QDateTime& local) {
  const QDate d = local.date();
  const QTime t = local.time();
  return {d.year(), d.month(), d.day(), t.hour(), t.minute(), double(t.second())};
}

// libxlsxwriter reports in English; the adult reads Polish.
constexpr char kBroken[] = "nie udało się utworzyć arkusza";

class Workbook {
 public:
  Workbook(const QString& path, const QString& tmp)
      : path_(QFile::encodeName(path)), tmp_(QFile::encodeName(tmp)) {
    // Row by row through temporary files: a million games need no more
    // memory than ten.
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    options.tmpdir = tmp_.data();
    book_ = workbook_new_opt(path_.constData(), &options);
  }
  ~Workbook() {
    if (book_) workbook_close(book_);
  }
  lxw_workbook* Get() const { return book_; }
  // False when the file could not be written.
  bool Close() {
    lxw_workbook* book = book_;
    book_ = nullptr;
    return workbook_close(book) == LXW_NO_ERROR;
  }

 private:
  QByteArray path_, tmp_;
  lxw_workbook* book_ = nullptr;
};

lxw_format* Format(lxw_workbook* book, const char* numbers, bool bold = false) {
  lxw_format* f = workbook_add_format(book);
  if (numbers) format_set_num_format(f, numbers);
  if (bold) {
    format_set_bold(f);
    format_set_bg_color(f, 0xD4F0FF);
    format_set_text_wrap(f);
  }
  return f;
}

void WriteText(lxw_worksheet* sheet, int row, int col, const QString& text, lxw_format* f = nullptr) {
  worksheet_write_string(sheet, lxw_row_t(row), lxw_col_t(col), text.toUtf8().constData(), f);
}

// The sounds column is as wide as its longest text: sounds practised in
// pairs ("SZ – S, Ż/RZ – Z, CZ – C") need more than any of single sounds.
constexpr int kSoundsColumn = 2;
double SoundsWidth(const QList<history::StatsRecord>& records) {
  double width = kGameWidths[kSoundsColumn];
  std::array<bool, words::kAnySoundMask + 1> seen{};
  for (const history::StatsRecord& r : records) {
    const quint16 bits = quint16(r.stored.gloski) & words::kAnySoundMask;
    if (seen[bits]) continue;
    seen[bits] = true;
    width = qMax(width, double(history::SoundsText(qint16(bits)).size()));
  }
  return width;
}

void WriteGames(lxw_workbook* book, const QList<history::StatsRecord>& records) {
  lxw_worksheet* sheet = workbook_add_worksheet(book, "Gry");
  lxw_format* heading = Format(book, nullptr, true);
  lxw_format* when = Format(book, "yyyy-mm-dd hh:mm");
  // "[h]:mm:ss" itself is a built-in number of Excel, which LibreOffice
  // reads as a clock time with AM/PM: spelled so that it is written out.
  lxw_format* time = Format(book, "[hh]:mm:ss");
  const QStringList headings = history::CsvHeadings();
  const double soundsWidth = SoundsWidth(records);
  for (int c = 0; c < headings.size(); ++c) {
    worksheet_set_column(sheet, lxw_col_t(c), lxw_col_t(c), c == kSoundsColumn ? soundsWidth : kGameWidths[c], nullptr);
    WriteText(sheet, 0, c, headings[c], heading);
  }
  worksheet_freeze_panes(sheet, 1, 0);
  // Printed as the therapist expects: across the page, every column on it,
  // the headings on every page.
  worksheet_set_landscape(sheet);
  worksheet_set_paper(sheet, 9);  // A4
  worksheet_fit_to_pages(sheet, 1, 0);
  worksheet_repeat_rows(sheet, 0, 0);
  worksheet_autofilter(sheet, 0, 0, lxw_row_t(records.size()), lxw_col_t(headings.size() - 1));
  const QTimeZone zone = QTimeZone::systemTimeZone();
  int row = 1;
  for (const history::StatsRecord& r : records) {
    const statrec::GameRecord& s = r.stored;
    if (r.startUtc.isValid()) {
      lxw_datetime at = ToCell(r.startUtc.toTimeZone(zone));
      worksheet_write_datetime(sheet, lxw_row_t(row), 0, &at, when);
    }
    // The texts (game, sounds, positions, amount, finished, rating) at their
    // CSV places; the rest are numbers.
    for (int c : {1, 2, 3, 4, 6, 10})
      WriteText(sheet, row, c < history::kSecondsColumn ? c : c + 1, history::StatsCell(r, c, zone));
    if (r.seconds >= 0) {
      // A day is 1 in a spreadsheet's time.
      worksheet_write_number(sheet, lxw_row_t(row), 5, double(qRound64(r.seconds)) / 86400.0, time);
      worksheet_write_number(sheet, lxw_row_t(row), 6, double(qRound64(r.seconds)), nullptr);
    }
    worksheet_write_number(sheet, lxw_row_t(row), 8, s.correct, nullptr);
    worksheet_write_number(sheet, lxw_row_t(row), 9, s.wrong, nullptr);
    worksheet_write_number(sheet, lxw_row_t(row), 10, s.hints, nullptr);
    ++row;
  }
}

void WritePeriods(lxw_workbook* book, const QList<Period>& periods, Step step) {
  lxw_worksheet* sheet = workbook_add_worksheet(book, "Wykres");
  lxw_format* heading = Format(book, nullptr, true);
  lxw_format* day = Format(book, step == Step::Month ? "mm.yyyy" : "yyyy-mm-dd");
  lxw_format* share = Format(book, "0%");
  const QString period = step == Step::Month  ? QStringLiteral("Miesiąc")
                         : step == Step::Week ? QStringLiteral("Tydzień od")
                                              : QStringLiteral("Dzień");
  QStringList headings = {period,
                          QStringLiteral("Liczba gier")};
  for (int sound = 0; sound < kSoundCount; ++sound) headings << SoundName(sound) + QStringLiteral(": poprawne");
  for (int c = 0; c < headings.size(); ++c) {
    worksheet_set_column(sheet, lxw_col_t(c), lxw_col_t(c), c == 0 ? 12 : 16, nullptr);
    WriteText(sheet, 0, c, headings[c], heading);
  }
  worksheet_freeze_panes(sheet, 1, 0);
  int row = 1;
  for (const Period& p : periods) {
    lxw_datetime start{p.start.year(), p.start.month(), p.start.day(), 0, 0, 0};
    worksheet_write_datetime(sheet, lxw_row_t(row), 0, &start, day);
    worksheet_write_number(sheet, lxw_row_t(row), 1, p.games, nullptr);
    for (int sound = 0; sound < kSoundCount; ++sound) {
      // No answer for the sound: an empty cell, as the chart draws no point.
      const double s = p.Share(sound);
      if (s >= 0) worksheet_write_number(sheet, lxw_row_t(row), lxw_col_t(2 + sound), s, share);
    }
    ++row;
  }
}

}  // namespace

QString SaveStatsXlsx(const QList<history::StatsRecord>& records, const QList<Period>& periods, Step step,
                      const QString& path) {
  const QString shown = QDir::toNativeSeparators(path);
  // Refused before any work, as the other exports are.
  const QString refusal = history::ExportRefusal(path);
  if (!refusal.isEmpty()) return QStringLiteral("Nie zapisano pliku „%1”: %2.").arg(shown, refusal);
  // The library writes a file of its own choosing; it is built aside and
  // then saved like every export, whole or not at all.
  QTemporaryDir aside;
  if (!aside.isValid()) return QStringLiteral("Nie można zapisać pliku „%1”: %2.").arg(shown, QLatin1String(kBroken));
  const QString built = aside.filePath(QStringLiteral("wyniki.xlsx"));
  {
    Workbook book(built, aside.path());
    if (!book.Get()) return QStringLiteral("Nie można zapisać pliku „%1”: %2.").arg(shown, QLatin1String(kBroken));
    WriteGames(book.Get(), records);
    WritePeriods(book.Get(), periods, step);
    if (!book.Close()) return QStringLiteral("Nie można zapisać pliku „%1”: %2.").arg(shown, QLatin1String(kBroken));
  }
  QFile file(built);
  if (!file.open(QIODevice::ReadOnly))
    return QStringLiteral("Nie można zapisać pliku „%1”: %2.").arg(shown, QLatin1String(kBroken));
  return history::SaveExport(path, file.readAll());
}

int ExportStatsXlsx(const QString& statsPath, const QString& xlsxPath, QTextStream& out, QTextStream& err) {
  const auto save = [](const QList<history::StatsRecord>& records, const QString& path) {
    const QTimeZone zone = QTimeZone::systemTimeZone();
    const Step step = StepForRecords(records, zone);
    return SaveStatsXlsx(records, Progress(records, zone, step), step, path);
  };
  return history::ExportFromCommandLine(statsPath, xlsxPath, save, out, err);
}

}  // namespace resultswindow
