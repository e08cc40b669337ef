// The program's command line: its own options, Qt's options let through,
// everything else refused; and the program answering without a display.
#include <QtTest>

#include "app/commandline.h"
#include "profiles/profiles.h"
#include "support/statsfiles.h"
#include "words/wordbits.h"

using Action = CommandLine::Action;
Q_DECLARE_METATYPE(Action)

class CommandLineTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void argumentsDecideWhatToDo_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Action>("action");
    QTest::newRow("nothing") << QStringList{} << Action::Run;
    QTest::newRow("--help") << QStringList{"--help"} << Action::Help;
    QTest::newRow("-h") << QStringList{"-h"} << Action::Help;
    QTest::newRow("--version") << QStringList{"--version"} << Action::Version;
    QTest::newRow("-v") << QStringList{"-v"} << Action::Version;
    // Qt's options with their values, one dash or two.
    QTest::newRow("-platform") << QStringList{"-platform", "offscreen"} << Action::Run;
    QTest::newRow("--platform") << QStringList{"--platform", "offscreen"} << Action::Run;
    QTest::newRow("X11") << QStringList{"-display", ":1", "-geometry", "800x600+0+0", "--title", "x"} << Action::Run;
    QTest::newRow("style") << QStringList{"-style", "Fusion", "--style=Fusion", "-stylesheet=a.qss"} << Action::Run;
    QTest::newRow("no value") << QStringList{"-reverse", "--widgetcount"} << Action::Run;
    QTest::newRow("Qt and ours") << QStringList{"-qwindowgeometry", "1024x768", "--version"} << Action::Version;
    // A value is a value even when it looks like one of ours.
    QTest::newRow("value -h") << QStringList{"-qwindowtitle", "-h"} << Action::Run;
    QTest::newRow("unknown") << QStringList{"--pelny-ekran"} << Action::Error;
    QTest::newRow("unknown after help") << QStringList{"--help", "-x"} << Action::Error;
    QTest::newRow("stray argument") << QStringList{"plik.txt"} << Action::Error;
    QTest::newRow("missing value") << QStringList{"-platform"} << Action::Error;
    QTest::newRow("value glued on") << QStringList{"-platform=offscreen"} << Action::Error;
    QTest::newRow("--csv") << QStringList{"--csv", "wyniki.csv"} << Action::ExportCsv;
    QTest::newRow("--csv --profil") << QStringList{"--profil", "Ala", "--csv", "w.csv"} << Action::ExportCsv;
    QTest::newRow("--csv no file") << QStringList{"--csv"} << Action::Error;
    QTest::newRow("--profil alone") << QStringList{"--profil", "Ala"} << Action::Error;
    QTest::newRow("--csv twice") << QStringList{"--csv", "a.csv", "--csv", "b.csv"} << Action::Error;
    QTest::newRow("--xlsx --profil") << QStringList{"--xlsx", "w.xlsx", "--profil", "Ala"} << Action::ExportXlsx;
    QTest::newRow("--xlsx no file") << QStringList{"--xlsx"} << Action::Error;
    QTest::newRow("--csv and --xlsx") << QStringList{"--csv", "a.csv", "--xlsx", "a.xlsx"} << Action::Error;
  }
  void argumentsDecideWhatToDo() {
    QFETCH(QStringList, arguments);
    QFETCH(Action, action);
    const CommandLine line = ParseCommandLine(arguments);
    QCOMPARE(line.action, action);
    QCOMPARE(line.error.isEmpty(), action != Action::Error);
  }

  // The real program, where no display can be opened: a QApplication made
  // before the command line is read would abort instead of answering.
  void theProgramAnswersWithoutADisplay() {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.insert("QT_QPA_PLATFORM", "xcb");
    process.setProcessEnvironment(env);

    process.start(QStringLiteral(MINIFONIKRA_PROGRAM), {"--help"});
    QVERIFY(process.waitForFinished());
    QCOMPARE(process.exitCode(), 0);
    const QString usage = QString::fromUtf8(process.readAllStandardOutput());
    QVERIFY(usage.startsWith(QString::fromUtf8("Użycie: MiniFonikra")));
    for (const char* option : {"--help", "--version"}) QVERIFY(usage.contains(option));

    process.start(QStringLiteral(MINIFONIKRA_PROGRAM), {"-v"});
    QVERIFY(process.waitForFinished());
    QCOMPARE(process.exitCode(), 0);
    QVERIFY(process.readAllStandardOutput().contains(FONIKRA_VERSION));

    process.start(QStringLiteral(MINIFONIKRA_PROGRAM), {"--bogus"});
    QVERIFY(process.waitForFinished());
    QCOMPARE(process.exitCode(), 2);
    QVERIFY(process.readAllStandardOutput().isEmpty());
    const QString error = QString::fromUtf8(process.readAllStandardError());
    QVERIFY(error.contains("--bogus"));
    QVERIFY(error.contains(QString::fromUtf8("Użycie:")));
  }

  // --csv from outside, on a copy of the program whose own folder holds the
  // files: the default statistics, a child's profile, an unknown child; no
  // display, and the statistics left as they were.
  void csvExportsTheChosenChildsGamesWithoutADisplay() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString program = dir.filePath("MiniFonikra");
    QVERIFY(QFile::copy(QStringLiteral(MINIFONIKRA_PROGRAM), program));
    QVERIFY(QDir(dir.path()).mkpath("Data"));
    const QByteArray header = testing::KnownHeader();
    const QByteArray record = testing::KnownRecord();
    QVERIFY(testing::WriteBytes(dir.filePath("prgst6.stt"), header + record));
    QString error;
    profiles::Profile ala;
    QVERIFY((error = profiles::Add(dir.path(), QStringLiteral("Ala"), QString(), &ala)).isEmpty());
    // Her second game is of the filling game, every sound in its pair.
    statrec::GameRecord filling = statrec::DecodeRecord(record.constData());
    filling.gameNumber = 3;
    filling.gloski = qint16(words::kAnySoundMask);
    QVERIFY(testing::WriteBytes(ala.folder + "/prgst6.stt", header + record + statrec::EncodeRecord(filling)));

    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.insert("QT_QPA_PLATFORM", "xcb");
    env.insert("TZ", "CET-1");
    process.setProcessEnvironment(env);
    const auto rows = [&](const QStringList& args) {
      process.start(program, args);
      if (!process.waitForFinished() || process.exitCode() != 0) return -1;
      QFile csv(args[1]);
      return csv.open(QIODevice::ReadOnly) ? int(csv.readAll().count("\r\n")) - 1 : -1;
    };
    QCOMPARE(rows({"--csv", dir.filePath("domyslny.csv")}), 1);
    QCOMPARE(rows({"--csv", dir.filePath("ala.csv"), "--profil", "ala"}), 2);

    // The workbook: a sheet of games with typed cells and the chart's sheet.
    process.start(program, {"--xlsx", ala.folder, "--profil", "Ala"});
    QVERIFY(process.waitForFinished());
    QCOMPARE(process.exitCode(), 1);  // a folder: refused
    QVERIFY(process.readAllStandardError().contains("to jest folder"));
    process.start(program, {"--xlsx", dir.filePath("ala.xlsx"), "--profil", "Ala"});
    QVERIFY(process.waitForFinished());
    QCOMPARE(process.exitCode(), 0);
    const auto part = [&](const char* name) {
      QProcess unzip;
      unzip.start("unzip", {"-p", dir.filePath("ala.xlsx"), name});
      return unzip.waitForFinished() && unzip.exitCode() == 0 ? unzip.readAllStandardOutput() : QByteArray();
    };
    const QByteArray book = part("xl/workbook.xml");
    QVERIFY(book.contains("name=\"Gry\"") && book.contains("name=\"Wykres\""));
    const QByteArray games = part("xl/worksheets/sheet1.xml");
    QCOMPARE(games.count("<row "), 3);
    QVERIFY(games.contains("<pane ") && games.contains("<cols>"));
    // 6 Dec 2026 22:38 local as a spreadsheet's date; the duration as a time and in seconds.
    QVERIFY2(games.contains("<c r=\"A2\" s=") && games.contains("<v>46362.9"), games.constData());
    QVERIFY(games.contains("<v>60</v>"));
    // The pairs' text, with room for it.
    QVERIFY(QString::fromUtf8(games).contains(QStringLiteral("<t>SZ – S, Ż/RZ – Z, CZ – C, DŻ – DZ</t>")));
    const QRegularExpression soundsColumn(QStringLiteral("<col min=\"3\" max=\"3\" width=\"([0-9.]+)\""));
    QVERIFY(soundsColumn.match(QString::fromUtf8(games)).captured(1).toDouble() >= 33);
    QVERIFY(QString::fromUtf8(part("xl/styles.xml")).contains("[hh]:mm:ss"));
    QCOMPARE(part("xl/worksheets/sheet2.xml").count("<row "), 2);

    process.start(program, {"--csv", dir.filePath("ola.csv"), "--profil", "Ola"});
    QVERIFY(process.waitForFinished());
    QCOMPARE(process.exitCode(), 1);
    QVERIFY(process.readAllStandardError().contains("Ola"));
    QVERIFY(!QFile::exists(dir.filePath("ola.csv")));
    QCOMPARE(testing::ReadAll(dir.filePath("prgst6.stt")), header + record);
  }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_commandline.moc"
