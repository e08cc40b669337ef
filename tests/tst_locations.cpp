// Where the content is read from and where the configuration and the
// statistics are written: beside the program, or in the user's data folder
// for an installed or read-only copy.
#include <QtTest>

#include "locations/filelocations.h"
#include "session/settings.h"
#include "platform/system.h"
#include "results/_cstatrec.h"
#include "shell/_specfunc.h"
#include "support/services.h"
#include "support/programdir.h"

using locations::FileLocations;
using locations::Machine;
using testing::ProgramDir;

Q_DECLARE_METATYPE(Machine)

namespace {

const QString kProgram = QStringLiteral("/prefix/bin");
const QString kUser = QStringLiteral("/home/ania/.local/share/Fonikra");

Machine MachineWith(bool hasData, bool writable, bool shared, const QString& user = kUser, bool filesWritable = false,
                    bool installedBeside = false) {
  Machine m;
  m.installedBeside = installedBeside;
  m.programFilesWritable = filesWritable;
  m.programDir = kProgram;
  m.programDirHasData = hasData;
  m.programDirWritable = writable;
  m.sharedContent = shared;
  m.userDataDir = user;
  return m;
}

}  // namespace

class LocationsTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void theRuleFollowsTheFoldersBesideTheProgram_data() {
    QTest::addColumn<Machine>("machine");
    QTest::addColumn<QString>("content");
    QTest::addColumn<QString>("config");
    QTest::addColumn<QString>("stats");
    const QString beside = kProgram + "/Data/data.ini";
    const QString user = kUser + "/data.ini";
    QTest::newRow("writable copy") << MachineWith(true, true, false) << kProgram << beside << kProgram;
    // Content beside the program wins over an installed copy as well.
    QTest::newRow("writable copy, installed one too") << MachineWith(true, true, true) << kProgram << beside
                                                      << kProgram;
    QTest::newRow("read-only copy") << MachineWith(true, false, false) << kProgram << user << kUser;
    // Its two files were made writable there: the history goes on in them.
    QTest::newRow("read-only copy, writable files") << MachineWith(true, false, false, kUser, true) << kProgram << beside
                                                    << kProgram;
    QTest::newRow("installed") << MachineWith(false, false, true) << QString("/prefix/share/minifonikra") << user
                               << kUser;
    // Owned by the user who installed it: still never written.
    QTest::newRow("installed, writable prefix") << MachineWith(false, true, true)
                                                << QString("/prefix/share/minifonikra") << user << kUser;
    // Windows' installer: the content beside the program, which an
    // administrator (or Wine's user) may write, is still never written.
    QTest::newRow("installed beside") << MachineWith(true, true, false, kUser, true, true) << kProgram << user << kUser;
    QTest::newRow("installer's marker, no content") << MachineWith(false, true, false, kUser, false, true) << kProgram
                                                    << beside << kProgram;
    // No content anywhere: start-up reports the missing content, no user
    // folder is made for nothing.
    QTest::newRow("no content") << MachineWith(false, true, false) << kProgram << beside << kProgram;
    QTest::newRow("installed, no home") << MachineWith(false, false, true, QString())
                                        << QString("/prefix/share/minifonikra") << QString() << QString();
  }
  void theRuleFollowsTheFoldersBesideTheProgram() {
    QFETCH(Machine, machine);
    QFETCH(QString, content);
    QFETCH(QString, config);
    QFETCH(QString, stats);
    const FileLocations where = locations::Decide(machine);
    QCOMPARE(where.contentRoot, content);
    QCOMPARE(where.configPath, config);
    QCOMPARE(where.statsDir, stats);
    QCOMPARE(where.perUser, stats != kProgram);
  }

  void theUserFolderIsMadeWithItsParentsOrReported() {
    ProgramDir dir;
    FileLocations where;
    where.perUser = true;
    where.statsDir = dir.File("home/.local/share/Fonikra");
    QVERIFY(locations::MakeUserFolder(where));
    QVERIFY(QFileInfo(where.statsDir).isDir());

    dir.Write("file", "not a folder");
    where.statsDir = dir.File("file/Fonikra");
    QVERIFY(!locations::MakeUserFolder(where));
    where.statsDir.clear();  // no home folder at all
    QVERIFY(!locations::MakeUserFolder(where));
  }

  void anInstalledCopyWritesOnlyIntoTheUserFolder() {
    ProgramDir dir;
    QVERIFY(QDir().mkpath(dir.File("bin")));
    QVERIFY(QDir().mkpath(dir.File("share/minifonikra/Data")));
    testing::Plugs().programDir = dir.File("bin");
    qputenv("XDG_DATA_HOME", dir.File("home").toLocal8Bit());
    const FileLocations where = locations::Default(testing::Services().programDir);
    QCOMPARE(where.contentRoot, dir.File("share/minifonikra"));
    QVERIFY(where.statsDir.startsWith(dir.File("home/")));
    QVERIFY(locations::MakeUserFolder(where));
    QDir::setCurrent(where.contentRoot);

    session::Settings settings(where.configPath);
    QVERIFY(settings.Load());
    QVERIFY(settings.Write());
    { CStatRec store(testing::Clock(), 6, where.statsDir); }
    qunsetenv("XDG_DATA_HOME");

    QVERIFY(QFileInfo(where.statsDir + "/data.ini").isFile());
    QCOMPARE(QFileInfo(where.statsDir + "/prgst6.stt").size(), 20);
    QCOMPARE(QDir(dir.File("share/minifonikra")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{"Data"});
    QVERIFY(QDir(dir.File("share/minifonikra/Data")).isEmpty());
    QVERIFY(QDir(dir.File("bin")).isEmpty());
  }
};

QTEST_GUILESS_MAIN(LocationsTest)
#include "tst_locations.moc"
