#include "history/statscsv.h"

#include <QDir>
#include <QIODevice>
#include <QSaveFile>
#include <QTextStream>

namespace history {

namespace {

// RFC 4180: a field with the separator, a quote or a line break goes in
// quotes, its quotes doubled.
void AppendField(QString& line, const QString& field) {
  static const QString kSpecial = QStringLiteral(";\"\r\n");
  bool quote = false;
  for (QChar c : field) {
    if (kSpecial.contains(c)) {
      quote = true;
      break;
    }
  }
  if (!quote) {
    line += field;
    return;
  }
  line += QLatin1Char('"');
  line += QString(field).replace(QLatin1Char('"'), QStringLiteral("\"\""));
  line += QLatin1Char('"');
}

}  // namespace

QStringList StatsHeadings() {
  return {QStringLiteral("Data i godzina"), QStringLiteral("Gra"),      QStringLiteral("Głoski"),
          QStringLiteral("Pozycje"),        QStringLiteral("Ilość"),    QStringLiteral("Czas gry"),
          QStringLiteral("Ukończona"),      QStringLiteral("Poprawne"), QStringLiteral("Błędne"),
          QStringLiteral("Podpowiedzi"),    QStringLiteral("Ocena")};
}

QStringList StatsRow(const StatsRecord& r) {
  const statrec::GameRecord& s = r.stored;
  // A start that is no date stays an empty cell rather than a made-up one.
  const QString when =
      r.startUtc.isValid() ? r.startUtc.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")) : QString();
  return {when,
          GameText(s.gameNumber),
          SoundsText(s.gloski),
          PositionsText(s.pozycja),
          AmountText(s.poziom),
          DurationText(r.seconds),
          s.completed ? QStringLiteral("tak") : QStringLiteral("nie"),
          QString::number(s.correct),
          QString::number(s.wrong),
          QString::number(s.hints),
          RatingText(r.rating)};
}

bool WriteCsv(const QList<QStringList>& rows, QIODevice& device) {
  // Without the mark a spreadsheet takes the file for the system code page.
  QByteArray bytes("\xEF\xBB\xBF");
  QString line;
  for (const QStringList& row : rows) {
    line.clear();
    for (qsizetype i = 0; i < row.size(); ++i) {
      if (i > 0) line += QLatin1Char(';');
      AppendField(line, row[i]);
    }
    line += QLatin1String("\r\n");
    bytes += line.toUtf8();
  }
  return device.write(bytes) == bytes.size();
}

QString SaveStatsCsv(const QList<StatsRecord>& records, const QString& csvPath) {
  QList<QStringList> rows;
  rows.reserve(records.size() + 1);
  rows.append(StatsHeadings());
  for (const StatsRecord& r : records) rows.append(StatsRow(r));

  const QString shown = QDir::toNativeSeparators(csvPath);
  QSaveFile file(csvPath);
  if (!file.open(QIODevice::WriteOnly))
    return QStringLiteral("Nie można utworzyć pliku „%1”: %2.").arg(shown, file.errorString());
  if (!WriteCsv(rows, file)) {
    file.cancelWriting();
    return QStringLiteral("Nie można zapisać pliku „%1”: %2.").arg(shown, file.errorString());
  }
  if (!file.commit()) return QStringLiteral("Nie można zapisać pliku „%1”: %2.").arg(shown, file.errorString());
  return {};
}

int ExportStatsCsv(const QString& statsPath, const QString& csvPath, QTextStream& out, QTextStream& err) {
  const StatsFile stats = ReadStatsFile(statsPath);
  if (!stats.Ok()) {
    err << stats.error << Qt::endl;
    return 1;
  }
  if (!stats.warning.isEmpty()) err << stats.warning << Qt::endl;
  const QString failure = SaveStatsCsv(stats.records, csvPath);
  if (!failure.isEmpty()) {
    err << failure << Qt::endl;
    return 1;
  }
  out << QStringLiteral("Zapisano plik „%1” (gry: %2).").arg(QDir::toNativeSeparators(csvPath)).arg(stats.records.size())
      << Qt::endl;
  return 0;
}

}  // namespace history
