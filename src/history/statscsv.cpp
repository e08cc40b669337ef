#include "history/statscsv.h"

#include <QDir>
#include <QIODevice>
#include <QTextStream>
#include <algorithm>

#include "history/exporttarget.h"

namespace history {

namespace {

// A whole number, which a spreadsheet adds up: it alone goes unquoted.
bool IsWholeNumber(const QString& field) {
  const qsizetype start = field.startsWith(QLatin1Char('-')) ? 1 : 0;
  if (field.size() <= start) return false;
  return std::all_of(field.cbegin() + start, field.cend(), [](QChar c) { return c.isDigit() && c.unicode() < 128; });
}

// Every text in quotes (RFC 4180, quotes doubled): an import that splits at
// ',' and tabs as well as ';' (LibreOffice's default) keeps "SZ, CZ" in one
// cell.
void AppendField(QString& line, const QString& field) {
  if (field.isEmpty() || IsWholeNumber(field)) {
    line += field;
    return;
  }
  line += QLatin1Char('"');
  line += QString(field).replace(QLatin1Char('"'), QStringLiteral("\"\""));
  line += QLatin1Char('"');
}

// Without the mark a spreadsheet takes the file for the system code page.
const char kBom[] = "\xEF\xBB\xBF";

// One row and its line end onto `out`; `line` is scratch space kept between
// rows.
void AppendLine(QByteArray& out, QString& line, const QStringList& row) {
  line.clear();
  for (qsizetype i = 0; i < row.size(); ++i) {
    if (i > 0) line += QLatin1Char(';');
    AppendField(line, row[i]);
  }
  line += QLatin1String("\r\n");
  out += line.toUtf8();
}

}  // namespace

QStringList StatsHeadings() {
  return {QStringLiteral("Data i godzina"), QStringLiteral("Gra"),      QStringLiteral("Głoski"),
          QStringLiteral("Pozycje"),        QStringLiteral("Ilość"),    QStringLiteral("Czas gry"),
          QStringLiteral("Ukończona"),      QStringLiteral("Poprawne"), QStringLiteral("Błędne"),
          QStringLiteral("Podpowiedzi"),    QStringLiteral("Ocena")};
}

QString StatsCell(const StatsRecord& r, int column, const QTimeZone& zone) {
  const statrec::GameRecord& s = r.stored;
  switch (column) {
    case 0: {
      // A start that is no date stays an empty cell rather than a made-up one.
      if (!r.startUtc.isValid()) return {};
      // yyyy-MM-dd HH:mm, without parsing a format pattern for every row.
      const QDateTime local = r.startUtc.toTimeZone(zone);
      const QDate d = local.date();
      const QTime t = local.time();
      return QString::asprintf("%04d-%02d-%02d %02d:%02d", d.year(), d.month(), d.day(), t.hour(), t.minute());
    }
    case 1:
      return GameText(s.gameNumber);
    case 2:
      return SoundsText(s.gloski);
    case 3:
      return PositionsText(s.pozycja);
    case 4:
      return AmountText(s.poziom);
    case 5:
      return DurationText(r.seconds);
    case 6:
      return s.completed ? QStringLiteral("tak") : QStringLiteral("nie");
    case 7:
      return QString::number(s.correct);
    case 8:
      return QString::number(s.wrong);
    case 9:
      return QString::number(s.hints);
    case 10:
      // A game the child stopped earned no rating.
      return s.completed ? RatingText(r.rating) : QStringLiteral("—");
    default:
      return {};
  }
}

QStringList StatsRow(const StatsRecord& r, const QTimeZone& zone) {
  constexpr int kColumns = 11;
  QStringList row;
  row.reserve(kColumns);
  for (int c = 0; c < kColumns; ++c) row << StatsCell(r, c, zone);
  return row;
}

QString SecondsText(double seconds) { return seconds < 0 ? QString() : QString::number(qRound64(seconds)); }

QStringList CsvHeadings() {
  QStringList headings = StatsHeadings();
  headings.insert(kSecondsColumn, QStringLiteral("Czas gry (s)"));
  return headings;
}

QStringList CsvRow(const StatsRecord& record, const QTimeZone& zone) {
  QStringList row = StatsRow(record, zone);
  row.insert(kSecondsColumn, SecondsText(record.seconds));
  return row;
}

QList<QStringList> StatsTable(const QList<StatsRecord>& records) {
  // One zone for all rows: asking for local time row by row looks the zone
  // up again each time, which made a long history slow to export.
  const QTimeZone zone = QTimeZone::systemTimeZone();
  QList<QStringList> rows;
  rows.reserve(records.size() + 1);
  rows.append(CsvHeadings());
  for (const StatsRecord& r : records) rows.append(CsvRow(r, zone));
  return rows;
}

bool WriteCsv(const QList<QStringList>& rows, QIODevice& device) {
  QByteArray bytes(kBom);
  QString line;
  for (const QStringList& row : rows) AppendLine(bytes, line, row);
  return device.write(bytes) == bytes.size();
}

QString SaveStatsCsv(const QList<StatsRecord>& records, const QString& csvPath) {
  // Row by row into one buffer: a table of every cell first costs more in
  // allocations than the formatting itself.
  const QTimeZone zone = QTimeZone::systemTimeZone();
  QByteArray bytes(kBom);
  bytes.reserve(128 * (records.size() + 1));
  QString line;
  AppendLine(bytes, line, CsvHeadings());
  for (const StatsRecord& r : records) AppendLine(bytes, line, CsvRow(r, zone));

  return SaveExport(csvPath, bytes);
}

int ExportStatsCsv(const QString& statsPath, const QString& csvPath, QTextStream& out, QTextStream& err) {
  return ExportFromCommandLine(statsPath, csvPath, SaveStatsCsv, out, err);
}

}  // namespace history
