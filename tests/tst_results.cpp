// The results window: the table's sort order and filters, the chart's
// aggregation by day and week, export of what is shown to CSV and PDF, and a
// file that is refused or torn.
#include <QComboBox>
#include <QDateEdit>
#include <QFileDialog>
#include <QMessageBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableView>
#include <QtTest>
#include <ctime>

#include "resultswindow/exportdialog.h"
#include "resultswindow/gamespanel.h"
#include "resultswindow/progresschart.h"
#include "resultswindow/progress.h"
#include "resultswindow/resultsmodel.h"
#include "resultswindow/resultsreport.h"
#include "resultswindow/resultsstyle.h"
#include "resultswindow/resultswindow.h"
#include "history/statsfile.h"
#include "profiles/profiles.h"
#include "support/fakeclock.h"
#include "support/seams.h"
#include "support/statsfiles.h"
#include "support/workdir.h"
#include "words/wordbits.h"

Q_DECLARE_METATYPE(resultswindow::Filter)

using namespace resultswindow;
using testing::Game;

namespace {

QDateTime Utc(int month, int day, int hour = 15) { return QDateTime(QDate(2026, month, day), QTime(hour, 0), Qt::UTC); }

QList<history::StatsRecord> Records(const QList<Game>& games) {
  return history::ReadStatsBytes(testing::StatsBytes(games), QStringLiteral("prgst6.stt")).records;
}

// Four games that differ in each filtered field.
QList<Game> FourGames() {
  Game a{.game = 1, .utc = Utc(6, 1), .sounds = words::kSoundSz, .positions = words::kWordInitial};
  Game b{.game = 2, .utc = Utc(6, 3), .sounds = words::kSoundCz, .positions = words::kWordMedial};
  Game c{.game = 1, .utc = Utc(6, 5), .sounds = words::kSoundSz | words::kSoundDz, .positions = words::kWordFinal};
  Game d{.game = 2, .utc = Utc(6, 8), .sounds = words::kSoundZRz, .positions = words::kWordInitial | words::kWordFinal};
  return {a, b, c, d};
}

// The first column of the table as shown.
QStringList ShownDays(const QAbstractItemModel& rows) {
  QStringList days;
  for (int i = 0; i < rows.rowCount(); ++i) days << rows.index(i, kWhen).data().toString().left(10);
  return days;
}

int PdfPages(const QByteArray& pdf) {
  return int(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page/") +
             pdf.count("/Type /Page "));
}

// The default files alone, as a fresh copy of the program has them.
ResultsSetup OneFolder(const testing::TemporaryWorkingDir& dir) {
  return ResultsSetup{.baseFolder = dir.Path(), .inUseFolder = dir.Path(), .services = testing::Services()};
}

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

class ResultsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    // Central European winter time without the time-zone database.
    qputenv("TZ", "CET-1");
    tzset();
  }

  void datesAndNumbersSortByValueNotByText() {
    ResultsModel model;
    QList<Game> games = FourGames();
    games[0].correct = 9;
    games[1].correct = 100;
    games[2].correct = 10;
    games[3].utc = Utc(5, 20);  // a day of May, for a text that sorts last
    games[3].correct = 0;
    model.SetRecords(Records(games), QTimeZone::systemTimeZone());
    QCOMPARE(model.rowCount(), 4);
    QCOMPARE(model.index(0, kCorrect).data().toString(), QStringLiteral("9"));
    ResultsFilter rows(&model);

    rows.sort(kCorrect, Qt::AscendingOrder);
    QStringList correct;
    for (int i = 0; i < 4; ++i) correct << rows.index(i, kCorrect).data().toString();
    QCOMPARE(correct, QStringList({"0", "9", "10", "100"}));

    rows.sort(kWhen, Qt::DescendingOrder);
    QCOMPARE(ShownDays(rows), QStringList({"2026-06-05", "2026-06-03", "2026-06-01", "2026-05-20"}));
  }

  // `filling`: the sounds of games of the filling game added to the four.
  void textColumnsSortInThePolishAlphabetAndAmountsByMeaning_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<QList<int>>("filling");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("game") << int(kGame) << QList<int>{}
                          << QStringList{"Memory", "Memory", "Podpisywanie", "Podpisywanie"};
    QTest::newRow("sounds") << int(kSounds) << QList<int>{} << QStringList{"CZ", "SZ", "SZ, DŻ", "Ż/RZ"};
    // A pair after its hushing sound, a hissing sound alone before all.
    QTest::newRow("sounds in pairs") << int(kSounds) << QList<int>{17 + 8, 16, 17}
                                     << QStringList{"S", "CZ", "SZ", "SZ – S", "SZ, DŻ", "SZ – S, DŻ", "Ż/RZ"};
    QTest::newRow("positions") << int(kPositions) << QList<int>{}
                               << QStringList{"nagłos", "nagłos, wygłos", "śródgłos", "wygłos"};
    QTest::newRow("amount") << int(kAmount) << QList<int>{} << QStringList{"mało", "mało", "średnio", "dużo"};
  }
  void textColumnsSortInThePolishAlphabetAndAmountsByMeaning() {
    QFETCH(int, column);
    QFETCH(QList<int>, filling);
    QFETCH(QStringList, texts);
    QList<Game> games = FourGames();
    for (int i = 0; i < 4; ++i) games[i].amount = qint16(QList<int>{3, 1, 2, 1}[i]);
    for (int sounds : filling) games << Game{.game = 3, .utc = Utc(6, 10), .sounds = quint16(sounds)};
    ResultsModel model;
    model.SetRecords(Records(games), QTimeZone::systemTimeZone());
    ResultsFilter rows(&model);
    rows.sort(column, Qt::AscendingOrder);
    QStringList shown;
    for (int i = 0; i < rows.rowCount(); ++i) shown << rows.index(i, column).data().toString();
    QCOMPARE(shown, texts);
    rows.sort(column, Qt::DescendingOrder);
    std::reverse(shown.begin(), shown.end());
    for (int i = 0; i < rows.rowCount(); ++i) QCOMPARE(rows.index(i, column).data().toString(), shown[i]);
  }

  // The four games and two of the filling game: SZ – S on 10 June, a lone
  // hissing Z (no game writes it) on 11 June.
  void filtersNarrowByGameSoundPositionAndDates_data() {
    QTest::addColumn<Filter>("filter");
    QTest::addColumn<QStringList>("days");
    QTest::newRow("nothing") << Filter{}
                             << QStringList{"2026-06-01", "2026-06-03", "2026-06-05", "2026-06-08", "2026-06-10",
                                            "2026-06-11"};
    QTest::newRow("Memory") << Filter{.game = 2} << QStringList{"2026-06-03", "2026-06-08"};
    // A game of two sounds counts for each of them, a pair for its hushing sound.
    QTest::newRow("DŻ") << Filter{.sound = words::kSoundDz} << QStringList{"2026-06-05"};
    QTest::newRow("SZ") << Filter{.sound = words::kSoundSz} << QStringList{"2026-06-01", "2026-06-05", "2026-06-10"};
    QTest::newRow("Ż/RZ") << Filter{.sound = words::kSoundZRz} << QStringList{"2026-06-08"};
    QTest::newRow("wygłos") << Filter{.position = words::kWordFinal} << QStringList{"2026-06-05", "2026-06-08"};
    QTest::newRow("from and to, both included")
        << Filter{.from = QDate(2026, 6, 3), .to = QDate(2026, 6, 5)} << QStringList{"2026-06-03", "2026-06-05"};
    QTest::newRow("from only") << Filter{.from = QDate(2026, 6, 4)}
                               << QStringList{"2026-06-05", "2026-06-08", "2026-06-10", "2026-06-11"};
    QTest::newRow("all at once") << Filter{.game = 1, .sound = words::kSoundSz, .position = words::kWordInitial,
                                           .to = QDate(2026, 6, 2)}
                                 << QStringList{"2026-06-01"};
  }
  void filtersNarrowByGameSoundPositionAndDates() {
    QFETCH(Filter, filter);
    QFETCH(QStringList, days);
    ResultsModel model;
    model.SetRecords(Records(FourGames() + QList<Game>{{.game = 3, .utc = Utc(6, 10), .sounds = 17},
                                                       {.game = 3, .utc = Utc(6, 11), .sounds = words::kSoundZ}}),
                     QTimeZone::systemTimeZone());
    ResultsFilter rows(&model);
    rows.sort(kWhen, Qt::AscendingOrder);
    rows.SetFilter(filter);
    QCOMPARE(ShownDays(rows), days);
    QCOMPARE(rows.ShownRecords().size(), days.size());
  }

  void aGameWithoutADateLeavesOnlyWithADateRange() {
    // The reader leaves such a record out; the filter still must not fail on one.
    const history::StatsRecord undated;
    QVERIFY(Matches(undated, QDate(), Filter{}));
    QVERIFY(!Matches(undated, QDate(), Filter{.to = QDate(2026, 6, 1)}));
  }

  void progressSharesCorrectAnswersPerSoundByDayAndWeek() {
    // Local days (CET): 23:00 UTC on 1 June is already 2 June.
    const QList<Game> games = {
        Game{.utc = Utc(6, 1, 23), .sounds = words::kSoundSz, .correct = 3, .wrong = 1},
        Game{.utc = Utc(6, 2, 9), .sounds = words::kSoundSz | words::kSoundCz, .correct = 1, .wrong = 1},
        Game{.utc = Utc(6, 3, 9), .sounds = words::kSoundCz, .correct = 0, .wrong = 4},
        // The filling game: SZ – S practises SZ; a hissing sound alone none.
        Game{.game = 3, .utc = Utc(6, 3, 10), .sounds = 17, .correct = 2, .wrong = 0},
        Game{.game = 3, .utc = Utc(6, 3, 11), .sounds = words::kSoundS, .correct = 0, .wrong = 3},
        Game{.utc = Utc(6, 8, 9), .sounds = words::kSoundSz, .correct = 5, .wrong = 0},
        Game{.utc = QDateTime(), .sounds = words::kSoundSz},  // no place on the time line
    };
    const QTimeZone zone = QTimeZone::systemTimeZone();

    const QList<Period> days = Progress(Records(games), zone, Step::Day);
    QCOMPARE(days.size(), 3);
    QCOMPARE(days[0].start, QDate(2026, 6, 2));
    QCOMPARE(days[0].games, 2);
    QCOMPARE(days[0].Share(0), 4.0 / 6.0);  // SZ: (3 + 1) of (4 + 2)
    QCOMPARE(days[0].Share(2), 0.5);        // CZ: the two-sound game alone
    QCOMPARE(days[0].Share(1), -1.0);       // Ż/RZ not practised
    QCOMPARE(days[1].Share(2), 0.0);
    QCOMPARE(days[2].start, QDate(2026, 6, 8));

    // 2 June 2026 is a Tuesday: its week starts on Monday 1 June.
    const QList<Period> weeks = Progress(Records(games), zone, Step::Week);
    QCOMPARE(weeks.size(), 2);
    QCOMPARE(weeks[0].start, QDate(2026, 6, 1));
    QCOMPARE(weeks[0].games, 5);
    QCOMPARE(weeks[0].Share(0), 6.0 / 8.0);
    QCOMPARE(weeks[0].Share(2), 1.0 / 6.0);
    QCOMPARE(weeks[1].start, QDate(2026, 6, 8));
    QCOMPARE(weeks[1].games, 1);

    QCOMPARE(StepFor(QDate(2026, 1, 1), QDate(2026, 1, 1).addDays(kMostDaysByDay - 1)), Step::Day);
    QCOMPARE(StepFor(QDate(2026, 1, 1), QDate(2026, 1, 1).addDays(kMostDaysByDay)), Step::Week);
    QCOMPARE(StepFor(QDate(2026, 1, 1), QDate(2026, 1, 1).addDays(kMostDaysByWeek)), Step::Month);
    const QList<Period> months = Progress(Records(games), zone, Step::Month);
    QCOMPARE(months.size(), 1);
    QCOMPARE(PeriodLabel(months[0], Step::Month), QStringLiteral("06.2026"));
  }

  // A label under every n-th period: the fewest left out so that none
  // overlaps its neighbour, on a small screen, a large one and paper.
  void chartLabelsNeverOverlap_data() {
    QTest::addColumn<int>("periods");
    QTest::addColumn<double>("labelWidth");
    QTest::addColumn<double>("axisWidth");
    QTest::addColumn<int>("every");
    QTest::newRow("all fit") << 12 << 50.0 << 600.0 << 1;
    QTest::newRow("a year of days at 800") << 365 << 50.0 << 650.0 << 29;
    QTest::newRow("a year of weeks at 1024") << 53 << 64.0 << 880.0 << 4;
    QTest::newRow("no room: the first alone") << 5 << 50.0 << 0.0 << 5;
  }
  void chartLabelsNeverOverlap() {
    QFETCH(int, periods);
    QFETCH(double, labelWidth);
    QFETCH(double, axisWidth);
    QFETCH(int, every);
    QCOMPARE(LabelEvery(periods, labelWidth, axisWidth), every);
  }

  // "wyniki" typed where wyniki.csv exists: the dialog adds ".csv" and asks
  // before replacing it, as it does for "wyniki.csv".
  void aNameWithoutItsExtensionIsAskedAboutBeforeReplacing() {
    testing::TemporaryWorkingDir dir;
    QVERIFY(WriteFile(dir.FilePath("wyniki.csv"), "stare"));
    std::unique_ptr<QFileDialog> dialog(
        SaveDialog(nullptr, dir.FilePath("wyniki-Gość-2026-06-08.csv"), "Arkusz CSV (*.csv)"));
    dialog->show();
    dialog->selectFile("wyniki");
    QString asked;
    QTimer::singleShot(0, [&] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        asked = box->text();
        box->reject();
      }
    });
    QMetaObject::invokeMethod(dialog.get(), "accept");
    QVERIFY2(asked.contains("wyniki.csv"), qPrintable(asked));
    QVERIFY(dialog->result() != QDialog::Accepted);
    QCOMPARE(ReadAll(dir.FilePath("wyniki.csv")), QByteArray("stare"));
  }

  void everyColourOfTheStyleSheetComesFromThePalette() { QVERIFY(!StyleSheet().contains(QLatin1Char('@'))); }

  void theWindowFollowsItsFiltersInTableAndChart() {
    testing::TemporaryWorkingDir dir;
    QVERIFY(WriteFile(dir.FilePath("prgst6.stt"), testing::StatsBytes(FourGames())));
    ResultsWindow window(OneFolder(dir));
    QCOMPARE(window.windowTitle(), QStringLiteral("Wyniki"));
    QCOMPARE(window.Table()->model()->rowCount(), 4);
    QCOMPARE(window.Games()->Periods().size(), 4);
    window.Games()->SoundChoice()->setCurrentIndex(1);  // SZ
    QCOMPARE(window.Table()->model()->rowCount(), 2);
    QCOMPARE(window.Games()->Periods().size(), 2);
    QCOMPARE(window.Games()->Chart()->Periods().size(), 2);
    window.Games()->ToDate()->setDate(QDate(2026, 6, 4));
    QCOMPARE(window.Table()->model()->rowCount(), 1);
    QCOMPARE(window.Games()->RangeText(), QStringLiteral("Gry od 2026-06-01 do 2026-06-04"));
  }

  // The first two games are always offered, a later one once it was played.
  void theGameFilterOffersALaterGameOnceItWasPlayed_data() {
    QTest::addColumn<qint32>("played");
    QTest::addColumn<QString>("last");
    QTest::newRow("Memory alone") << 2 << "Memory";
    QTest::newRow("the filling game") << 3 << "Uzupełnianie";
  }
  void theGameFilterOffersALaterGameOnceItWasPlayed() {
    QFETCH(qint32, played);
    QFETCH(QString, last);
    testing::TemporaryWorkingDir dir;
    QVERIFY(WriteFile(dir.FilePath("prgst6.stt"), testing::StatsBytes({Game{.game = played, .utc = Utc(6, 1)}})));
    ResultsWindow window(OneFolder(dir));
    const QComboBox* choice = window.Games()->GameChoice();
    QCOMPARE(choice->itemText(1), QStringLiteral("Podpisywanie"));
    QCOMPARE(choice->itemText(choice->count() - 1), last);
  }

  void csvHoldsTheShownRowsInTheShownOrder() {
    testing::TemporaryWorkingDir dir;
    profiles::Profile ala;
    QCOMPARE(profiles::Add(dir.Path(), QStringLiteral("Ala"), QString(), &ala), QString());
    QVERIFY(WriteFile(ala.folder + QStringLiteral("/prgst6.stt"), testing::StatsBytes(FourGames())));
    ResultsWindow window(ResultsSetup{.baseFolder = dir.Path(), .inUseFolder = ala.folder, .services = testing::Services()});
    window.Games()->GameChoice()->setCurrentIndex(1);  // labelling
    window.Table()->sortByColumn(kWhen, Qt::DescendingOrder);
    QString asked;
    window.AskSavePath = [&](const QString& suggested, const QString&) {
      asked = suggested;
      return dir.FilePath("out");  // no extension: the filter's is added
    };
    window.Games()->CsvButton()->click();
    QVERIFY(asked.endsWith(QStringLiteral("/wyniki-Ala-2026-12-06.csv")));
    const QByteArray csv = ReadAll(dir.FilePath("out.csv"));
    QVERIFY(csv.startsWith("\xEF\xBB\xBF" "\"Data i godzina\";\"Gra\";"));
    const QStringList lines = QString::fromUtf8(csv.mid(3)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 3);
    QVERIFY(lines[1].startsWith(QStringLiteral("\"2026-06-05 16:00\";\"Podpisywanie\";\"SZ, DŻ\";\"wygłos\";")));
    QVERIFY(lines[2].startsWith(QStringLiteral("\"2026-06-01 16:00\";\"Podpisywanie\";\"SZ\";\"nagłos\";")));
    QVERIFY(window.Games()->Status()->text().contains(QStringLiteral("out.csv")));
  }

  void aFailedExportIsShownAndWritesNothing() {
    testing::TemporaryWorkingDir dir;
    QVERIFY(WriteFile(dir.FilePath("prgst6.stt"), testing::StatsBytes(FourGames())));
    ResultsWindow window(OneFolder(dir));
    testing::FakeMessageBox box;
    window.AskSavePath = [&](const QString&, const QString&) { return dir.FilePath("no-such-folder/w.pdf"); };
    window.Games()->PdfButton()->click();
    QCOMPARE(box.shown.size(), size_t(1));
    QVERIFY(box.shown[0].text.contains(QStringLiteral("w.pdf")));
    QCOMPARE(box.shown[0].icon, platform::MessageIcon::Error);
    QVERIFY(window.Games()->Status()->text().isEmpty());
  }

  void pdfHasAPageForEveryPageOfRowsAndOneForTheChart_data() {
    QTest::addColumn<int>("games");
    QTest::addColumn<int>("pages");
    QTest::newRow("short") << 5 << 2;
    QTest::newRow("long") << 2 * kRowsPerPage + 1 << 4;
  }
  void pdfHasAPageForEveryPageOfRowsAndOneForTheChart() {
    QFETCH(int, games);
    QFETCH(int, pages);
    testing::TemporaryWorkingDir dir;
    QList<Game> list;
    for (int i = 0; i < games; ++i) list << Game{.utc = Utc(5, 1).addSecs(i * 7200)};
    QVERIFY(WriteFile(dir.FilePath("prgst6.stt"), testing::StatsBytes(list)));
    ResultsWindow window(OneFolder(dir));
    QCOMPARE(window.Games()->SavePdf(dir.FilePath("w.pdf")), QString());
    const QByteArray pdf = ReadAll(dir.FilePath("w.pdf"));
    QVERIFY(pdf.startsWith("%PDF"));
    QCOMPARE(PdfPages(pdf), pages);
  }

  void aRefusedFileIsSaidInTheWindow() {
    testing::TemporaryWorkingDir dir;
    QVERIFY(WriteFile(dir.FilePath("prgst6.stt"), QByteArray(40, 'x')));
    ResultsWindow window(OneFolder(dir));
    QVERIFY(!window.Notice()->isHidden());
    QVERIFY(window.Notice()->text().contains(QStringLiteral("nie jest plikiem statystyk")));
    QCOMPARE(window.Table()->model()->rowCount(), 0);
    QVERIFY(!window.Games()->CsvButton()->isEnabled());
    QVERIFY(window.Games()->Chart()->isHidden());
  }

  void aTornFileShowsItsWholeGamesAndTheWarning() {
    testing::TemporaryWorkingDir dir;
    QVERIFY(WriteFile(dir.FilePath("prgst6.stt"), testing::StatsBytes(FourGames()) + QByteArray(10, '\1')));
    ResultsWindow window(OneFolder(dir));
    QCOMPARE(window.Table()->model()->rowCount(), 4);
    QVERIFY(!window.Notice()->isHidden());
    QVERIFY(window.Notice()->text().contains(QStringLiteral("niepełnym zapisem")));
    QVERIFY(window.Games()->CsvButton()->isEnabled());
  }

  void recordsThatAreNoGamesStayOutOfTableChartAndExports() {
    testing::TemporaryWorkingDir dir;
    QByteArray bytes = testing::StatsBytes(FourGames());
    Game future = FourGames()[0];
    future.utc = QDateTime(QDate(2150, 1, 1), QTime(10, 0), Qt::UTC);
    // Between the games: noise, a game from 2150 and an unknown game number.
    bytes.insert(statrec::kHeaderSize + statrec::kRecordSize, QByteArray(statrec::kRecordSize, '\x7f'));
    bytes += statrec::EncodeRecord(testing::Record(future));
    bytes += statrec::EncodeRecord(testing::Record(Game{.game = 9, .utc = Utc(6, 9)}));
    QVERIFY(WriteFile(dir.FilePath("prgst6.stt"), bytes));
    ResultsWindow window(OneFolder(dir));
    QCOMPARE(window.Table()->model()->rowCount(), 4);
    QCOMPARE(window.Notice()->property("kind").toString(), QStringLiteral("warning"));
    QVERIFY2(window.Notice()->text().contains(QStringLiteral("pominięto 3 zapisy, które nie są grami")),
             qPrintable(window.Notice()->text()));
    int charted = 0;
    for (const Period& p : window.Games()->Periods()) charted += p.games;
    QCOMPARE(charted, 4);
    QCOMPARE(window.Games()->ToDate()->maximumDate(), QDate(2026, 6, 8));
    QCOMPARE(window.Games()->SaveCsv(dir.FilePath("w.csv")), QString());
    QCOMPARE(ReadAll(dir.FilePath("w.csv")).count("\r\n"), 5);
  }

 private:
  static bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
  }
  testing::FakeClock clock_;
};

QTEST_MAIN(ResultsTest)
#include "tst_results.moc"
