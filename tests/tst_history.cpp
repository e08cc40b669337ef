#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <QtTest>
#include <ctime>
#include <functional>
#include <unistd.h>

#include "history/statscsv.h"
#include "history/statsfile.h"
#include "results/_cstatrec.h"
#include "words/_custgry.h"
#include "words/wordbits.h"
#include "support/services.h"
#include "support/fakeclock.h"
#include "support/statsfiles.h"
#include "support/workdir.h"

using testing::FakeClock;
using testing::TemporaryWorkingDir;

namespace {

const QByteArray kHeader = testing::KnownHeader();
const QByteArray kRecord = testing::KnownRecord();
using testing::ReadAll;
using testing::WriteBytes;

// The export's exit code, with what it said.
struct Export {
  int code = -1;
  QString out;
  QString err;
};

Export RunExport(const QString& stats, const QString& csv) {
  Export e;
  QTextStream out(&e.out);
  QTextStream err(&e.err);
  e.code = history::ExportStatsCsv(stats, csv, out, err);
  return e;
}

// The CSV's rows after the mark as LibreOffice's default import cuts them:
// at ';', ',' and tabs alike, except within quotes.
QList<QStringList> CsvRows(const QByteArray& csv) {
  QList<QStringList> rows;
  const QStringList lines = QString::fromUtf8(csv.mid(3)).split(QStringLiteral("\r\n"));
  for (const QString& line : lines) {
    if (line.isEmpty()) continue;
    QStringList row(1);
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
      const QChar c = line[i];
      if (c == '"' && quoted && i + 1 < line.size() && line[i + 1] == '"') row.last() += line[++i];
      else if (c == '"') quoted = !quoted;
      else if (!quoted && (c == ';' || c == ',' || c == '\t')) row << QString();
      else row.last() += c;
    }
    rows << row;
  }
  return rows;
}

}  // namespace

class HistoryTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void decodesTheKnownHeaderAndRecord();
  void soundsAreNamedAloneOrInPairs_data();
  void soundsAreNamedAloneOrInPairs();
  void describesSettingsAndTimeInWords();
  void fiftyGamesExportWithTheirCounts();
  void refusesWhatIsNoStatisticsFile_data();
  void refusesWhatIsNoStatisticsFile();
  void refusesAPathThatCannotBeRead();
  void aTornLastRecordIsLeftOutWithAWarning();
  void recordsThatCannotBeGamesAreLeftOut_data();
  void recordsThatCannotBeGamesAreLeftOut();
  void csvIsWhatAPolishSpreadsheetOpens();
  void aFailedExportIsReportedAndLeavesNoFile();
  void readsBackWhatTheGameWrote();
};

void HistoryTest::initTestCase() {
  // Central European winter time without the time-zone database: the CSV
  // shows local time.
  qputenv("TZ", "CET-1");
  tzset();
}

void HistoryTest::decodesTheKnownHeaderAndRecord() {
  const history::StatsFile file = history::ReadStatsBytes(kHeader + kRecord, QStringLiteral("prgst6.stt"));
  QVERIFY2(file.Ok(), qPrintable(file.error));
  QVERIFY(file.warning.isEmpty());
  const QDateTime moment(QDate(2026, 12, 6), QTime(21, 38, 49, 123), Qt::UTC);
  QCOMPARE(file.createdUtc, moment);
  QCOMPARE(file.records.size(), 1);

  const history::StatsRecord& r = file.records[0];
  // Every stored field, through the encoder that is pinned byte for byte.
  QCOMPARE(statrec::EncodeRecord(r.stored), kRecord);
  QCOMPARE(r.startUtc, moment);
  QCOMPARE(r.seconds, 69 * 0.864);
  QCOMPARE(r.rating, 4);
  QCOMPARE(history::StatsTable({r}).value(1),
           QStringList({"2026-12-06 22:38", "Podpisywanie", "SZ", "nagłos", "mało", "1 min 00 s", "60", "tak", "5",
                        "2", "0", "Doskonale!"}));
}

void HistoryTest::soundsAreNamedAloneOrInPairs_data() {
  QTest::addColumn<int>("bits");
  QTest::addColumn<QString>("text");
  QTest::newRow("two sounds") << int(words::kSoundSz | words::kSoundCz) << "SZ, CZ";
  QTest::newRow("a pair") << int(words::kSoundSz | words::kSoundS) << "SZ – S";
  QTest::newRow("every pair") << int(words::kAnySoundMask) << "SZ – S, Ż/RZ – Z, CZ – C, DŻ – DZ";
  QTest::newRow("a pair and a sound") << 17 + 2 << "SZ – S, Ż/RZ";
  QTest::newRow("hissing sounds alone") << int(words::kSoundZ | words::kSoundDzHissing) << "Z, DZ";
  QTest::newRow("bits above the sounds") << 0x0100 + 34 << "Ż/RZ – Z";
}

void HistoryTest::soundsAreNamedAloneOrInPairs() {
  QFETCH(int, bits);
  QFETCH(QString, text);
  QCOMPARE(history::SoundsText(qint16(bits)), text);
}

void HistoryTest::describesSettingsAndTimeInWords() {
  QCOMPARE(history::PositionsText(words::kWordInitial | words::kWordFinal), QStringLiteral("nagłos, wygłos"));
  QCOMPARE(history::DurationText(125.28), QStringLiteral("2 min 05 s"));
  QCOMPARE(history::DurationText(3725), QStringLiteral("1 h 02 min 05 s"));
  QCOMPARE(history::DurationText(-0.864), QStringLiteral("nieznany"));
  QCOMPARE(history::RatingText(1), QStringLiteral("Spróbuj jeszcze raz!"));
}

void HistoryTest::fiftyGamesExportWithTheirCounts() {
  TemporaryWorkingDir dir;
  QVERIFY(dir.IsValid());
  QByteArray bytes = kHeader;
  QList<statrec::GameRecord> games;
  for (int i = 0; i < 50; ++i) {
    statrec::GameRecord g;
    g.gameNumber = 1 + i % 3;
    g.startTime = FakeClock::Utc(2026, 1 + i % 12, 1 + i % 28, i % 24, i, 59 - i % 60, i);
    g.poziom = qint16(1 + i % 3);
    const quint16 sounds = words::kSounds[i % 4] | (i % 5 == 0 ? words::kSoundDz : 0);
    // The filling game writes its sounds in pairs: "SZ – S, DŻ – DZ".
    g.gloski = qint16(g.gameNumber == 3 ? sounds | sounds << 4 : sounds);
    g.pozycja = qint16(words::kPositions[i % 3]);
    // A game never lasts less than nothing, nor has fewer than no wrong
    // answers: these two are damage, not games.
    g.duration = i == 7 ? -40 : i * 97;
    g.completed = qint16(i % 2);
    g.hints = i * 3;
    g.correct = i == 49 ? 2000000000 : i * 7 + 1;
    g.wrong = i == 48 ? -5 : (i * 11) % 13;
    if (i != 7 && i != 48) games << g;
    bytes += statrec::EncodeRecord(g);
  }
  QVERIFY(WriteBytes("prgst6.stt", bytes));

  const Export e = RunExport("prgst6.stt", "wyniki.csv");
  QCOMPARE(e.code, 0);
  QVERIFY2(e.err.contains("2 zapisy, które nie są grami"), qPrintable(e.err));
  const QList<QStringList> rows = CsvRows(ReadAll("wyniki.csv"));
  QCOMPARE(rows.size(), 49);
  QCOMPARE(rows[0], history::CsvHeadings());
  for (int i = 0; i < 48; ++i) {
    // Sounds and positions of two ("SZ, DŻ") stay in one cell each.
    const QStringList& row = rows[i + 1];
    QCOMPARE(row.size(), 12);
    QCOMPARE(row[1], history::GameText(games[i].gameNumber));
    QCOMPARE(row[2], history::SoundsText(games[i].gloski));
    QCOMPARE(row[6], QString::number(qRound64(games[i].duration * 0.864)));
    QCOMPARE(row[8], QString::number(games[i].correct));
    QCOMPARE(row[9], QString::number(games[i].wrong));
    QCOMPARE(row[10], QString::number(games[i].hints));
    // A stopped game earned no rating.
    QCOMPARE(row[11] == QStringLiteral("—"), games[i].completed == 0);
  }
  QCOMPARE(rows[1][0], QStringLiteral("2026-01-01 01:00"));
  QCOMPARE(rows[3].mid(1, 2), QStringList({"Uzupełnianie", "CZ – C"}));
}

void HistoryTest::refusesWhatIsNoStatisticsFile_data() {
  QTest::addColumn<QByteArray>("bytes");
  QTest::addColumn<QString>("says");
  QTest::newRow("shorter than the header") << kHeader.left(19) << "19 B";
  QByteArray program7 = kHeader + kRecord;
  program7[0] = 7;
  QTest::newRow("program number 7") << program7 << "numer programu 7";
  QByteArray month13 = kHeader;
  month13[6] = 13;
  QTest::newRow("month 13") << month13 << "data";
  QByteArray february30 = kHeader;
  february30[6] = 2;
  february30[10] = 30;
  QTest::newRow("30 February") << february30 << "data";
  QByteArray hour24 = kHeader + kRecord;
  hour24[12] = 24;
  QTest::newRow("hour 24") << hour24 << "data";
  QTest::newRow("a text file") << QByteArray("Imie;Nazwisko\r\nAla;Kowalska\r\n") << "numer programu";
}

void HistoryTest::refusesWhatIsNoStatisticsFile() {
  QFETCH(QByteArray, bytes);
  QFETCH(QString, says);
  TemporaryWorkingDir dir;
  QVERIFY(dir.IsValid());
  QVERIFY(WriteBytes("prgst6.stt", bytes));

  const Export e = RunExport("prgst6.stt", "wyniki.csv");
  QCOMPARE(e.code, 1);
  QVERIFY2(e.err.contains("„prgst6.stt”") && e.err.contains(says), qPrintable(e.err));
  QCOMPARE(ReadAll("prgst6.stt"), bytes);
  QVERIFY(!QFileInfo::exists("wyniki.csv"));
}

void HistoryTest::refusesAPathThatCannotBeRead() {
  TemporaryWorkingDir dir;
  QVERIFY(dir.IsValid());
  Export e = RunExport("brak.stt", "wyniki.csv");
  QCOMPARE(e.code, 1);
  QVERIFY2(e.err.contains("„brak.stt”"), qPrintable(e.err));

  QVERIFY(QDir().mkdir("folder.stt"));
  e = RunExport("folder.stt", "wyniki.csv");
  QCOMPARE(e.code, 1);
  QVERIFY2(e.err.contains("„folder.stt”: to jest folder"), qPrintable(e.err));

  // A family's history is at most a million games; a larger file is not
  // read at all, however it starts.
  QFile large("duzy.stt");
  QVERIFY(large.open(QIODevice::WriteOnly) && large.write(kHeader) == kHeader.size());
  QVERIFY(large.resize(history::kMostBytes + 1));
  large.close();
  e = RunExport("duzy.stt", "wyniki.csv");
  QCOMPARE(e.code, 1);
  QVERIFY2(e.err.contains("„duzy.stt”: ma 41 MB, za dużo"), qPrintable(e.err));

  QVERIFY(WriteBytes("prgst6.stt", kHeader + kRecord));
  QVERIFY(QFile::setPermissions("prgst6.stt", QFile::WriteOwner));
  if (::access("prgst6.stt", R_OK) != 0) {
    e = RunExport("prgst6.stt", "wyniki.csv");
    QCOMPARE(e.code, 1);
    QVERIFY2(e.err.contains("odczyt"), qPrintable(e.err));
  }
  QVERIFY(QFile::setPermissions("prgst6.stt", QFile::ReadOwner | QFile::WriteOwner));
  QCOMPARE(ReadAll("prgst6.stt"), kHeader + kRecord);
  QVERIFY(!QFileInfo::exists("wyniki.csv"));
}

void HistoryTest::aTornLastRecordIsLeftOutWithAWarning() {
  TemporaryWorkingDir dir;
  QVERIFY(dir.IsValid());
  const QByteArray bytes = kHeader + kRecord + kRecord + kRecord.left(17);
  QVERIFY(WriteBytes("prgst6.stt", bytes));

  const Export e = RunExport("prgst6.stt", "wyniki.csv");
  QCOMPARE(e.code, 0);
  QVERIFY2(e.err.contains("„prgst6.stt”") && e.err.contains("17 B"), qPrintable(e.err));
  QCOMPARE(CsvRows(ReadAll("wyniki.csv")).size(), 3);
  QCOMPARE(ReadAll("prgst6.stt"), bytes);
}

void HistoryTest::recordsThatCannotBeGamesAreLeftOut_data() {
  QTest::addColumn<QByteArray>("record");
  QTest::addColumn<bool>("kept");
  const auto known = [](const std::function<void(statrec::GameRecord&)>& change) {
    statrec::GameRecord g = history::ReadStatsBytes(kHeader + kRecord, QString()).records.value(0).stored;
    change(g);
    return statrec::EncodeRecord(g);
  };
  QTest::newRow("game 5") << known([](auto& g) { g.gameNumber = 5; }) << false;
  QTest::newRow("filling, SZ – S") << known([](auto& g) { g.gameNumber = 3, g.gloski = 17; }) << true;
  QTest::newRow("sounds beyond the eight") << known([](auto& g) { g.gloski = -1; }) << true;
  QTest::newRow("Memory") << known([](auto& g) { g.gameNumber = 2; }) << true;
  QTest::newRow("year 1999") << known([](auto& g) { g.startTime.year = 1999; }) << false;
  QTest::newRow("year 2000") << known([](auto& g) { g.startTime.year = 2000; }) << true;
  QTest::newRow("year 2101") << known([](auto& g) { g.startTime.year = 2101; }) << false;
  QTest::newRow("31 April") << known([](auto& g) { g.startTime.month = 4, g.startTime.day = 31; }) << false;
  QTest::newRow("negative hints") << known([](auto& g) { g.hints = -1; }) << false;
  QTest::newRow("negative wrong") << known([](auto& g) { g.wrong = -1; }) << false;
  QTest::newRow("negative duration") << known([](auto& g) { g.duration = -1; }) << false;
  QTest::newRow("nothing answered in no time") << known([](auto& g) { g.correct = g.wrong = g.duration = 0; }) << true;
  QTest::newRow("completed 2") << known([](auto& g) { g.completed = 2; }) << false;
  QTest::newRow("amount 0") << known([](auto& g) { g.poziom = 0; }) << false;
  QTest::newRow("amount 4") << known([](auto& g) { g.poziom = 4; }) << false;
  QTest::newRow("zeros") << QByteArray(statrec::kRecordSize, '\0') << false;
}

void HistoryTest::recordsThatCannotBeGamesAreLeftOut() {
  QFETCH(QByteArray, record);
  QFETCH(bool, kept);
  const history::StatsFile file = history::ReadStatsBytes(kHeader + kRecord + record + kRecord, "prgst6.stt");
  QVERIFY2(file.Ok(), qPrintable(file.error));
  QCOMPARE(file.records.size(), kept ? 3 : 2);
  QCOMPARE(file.skippedRecords, kept ? 0 : 1);
  QCOMPARE(statrec::EncodeRecord(file.records.last().stored), kRecord);
  if (kept) {
    QVERIFY(file.warning.isEmpty());
    QCOMPARE(statrec::EncodeRecord(file.records[1].stored), record);
  } else {
    QVERIFY2(file.warning.contains("„prgst6.stt”") && file.warning.contains("1 zapis, który nie jest grą"),
             qPrintable(file.warning));
  }
}

void HistoryTest::csvIsWhatAPolishSpreadsheetOpens() {
  TemporaryWorkingDir dir;
  QVERIFY(dir.IsValid());
  QVERIFY(WriteBytes("prgst6.stt", kHeader + kRecord));
  QCOMPARE(RunExport("prgst6.stt", "wyniki.csv").code, 0);
  QCOMPARE(ReadAll("wyniki.csv"),
           QByteArray("\xEF\xBB\xBF") +
               "\"Data i godzina\";\"Gra\";\"Głoski\";\"Pozycje\";\"Ilość\";\"Czas gry\";\"Czas gry (s)\";"
               "\"Ukończona\";\"Poprawne\";\"Błędne\";\"Podpowiedzi\";\"Ocena\"\r\n"
               "\"2026-12-06 22:38\";\"Podpisywanie\";\"SZ\";\"nagłos\";\"mało\";\"1 min 00 s\";60;\"tak\";5;2;0;"
               "\"Doskonale!\"\r\n");

  QBuffer buffer;
  QVERIFY(buffer.open(QIODevice::WriteOnly));
  QVERIFY(history::WriteCsv({{"a;b", "powiedz \"szafa\"", "dwa\r\nwiersze", "-12", "1,5", ""}}, buffer));
  QCOMPARE(buffer.data(),
           QByteArray("\xEF\xBB\xBF\"a;b\";\"powiedz \"\"szafa\"\"\";\"dwa\r\nwiersze\";-12;\"1,5\";\r\n"));
}

void HistoryTest::aFailedExportIsReportedAndLeavesNoFile() {
  TemporaryWorkingDir dir;
  QVERIFY(dir.IsValid());
  QVERIFY(WriteBytes("prgst6.stt", kHeader + kRecord));
  const Export e = RunExport("prgst6.stt", "brak/wyniki.csv");
  QCOMPARE(e.code, 1);
  QVERIFY2(e.err.contains("„brak/wyniki.csv”"), qPrintable(e.err));
  // The system's reason in Polish, not Qt's English.
  QVERIFY2(e.err.contains("nie ma takiego pliku lub folderu"), qPrintable(e.err));
  QVERIFY(e.out.isEmpty());
  QCOMPARE(QDir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList("prgst6.stt"));
}

void HistoryTest::readsBackWhatTheGameWrote() {
  TemporaryWorkingDir dir;
  QVERIFY(dir.IsValid());
  FakeClock clock;
  CStatRec store(testing::Clock(), 6);
  CUstGry settings(QStringLiteral("Memory"));
  settings.poziom = 2;
  settings.gloski = qint16(words::kSoundCz | words::kSoundDz);
  settings.pozycja = qint16(words::kWordFinal);
  store.StartGame(2, settings);
  const QDateTime started(QDate(2026, 12, 6), QTime(21, 38, 49, 123), Qt::UTC);
  clock.AdvanceMs(125400);
  store.AddHint();
  for (int i = 0; i < 3; ++i) store.AddCorrect();
  store.AddWrong();
  store.AddWrong();
  store.StopGame();
  QVERIFY(store.WriteRecord(false));

  const history::StatsFile file = history::ReadStatsFile(store.FileName());
  QVERIFY2(file.Ok(), qPrintable(file.error));
  QCOMPARE(file.createdUtc, started);
  QCOMPARE(file.records.size(), 1);
  const history::StatsRecord& r = file.records[0];
  QCOMPARE(r.startUtc, started);
  QCOMPARE(r.rating, store.Rating());
  QCOMPARE(history::StatsTable({r}).value(1), QStringList({"2026-12-06 22:38", "Memory", "CZ, DŻ", "wygłos", "średnio",
                                              "2 min 05 s", "125", "nie", "3", "2", "1", "—"}));
}

QTEST_GUILESS_MAIN(HistoryTest)
#include "tst_history.moc"
