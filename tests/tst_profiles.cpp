// Children's profiles: folders of their own under the default files' folder,
// named by the child, listed the Polish way, renamed and removed whole.
#include <QtTest>

#include "locations/filelocations.h"
#include "profiles/profiles.h"

class ProfilesTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void addedProfilesAreListedInPolishOrder() {
    QTemporaryDir base;
    for (const char* name : {"Łucja", "Zosia", "Lena", "Adam"}) {
      QCOMPARE(profiles::Add(base.path(), QString::fromUtf8(name), QStringLiteral("szalik")), QString());
    }
    // Not a profile: a folder without profil.ini is left alone.
    QVERIFY(QDir(base.path()).mkpath("Profile/kopia"));
    QStringList names;
    for (const profiles::Profile& p : profiles::List(base.path())) names << p.name;
    QCOMPARE(names, QString::fromUtf8("Adam,Lena,Łucja,Zosia").split(','));
    profiles::Profile found;
    QVERIFY(profiles::Find(base.path(), QStringLiteral("  łucja "), &found));
    QCOMPARE(found.picture, QStringLiteral("szalik"));
    QCOMPARE(found.folder, base.path() + QString::fromUtf8("/Profile/Łucja"));
  }

  void unusableNamesAreRefused_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("empty") << QStringLiteral("   ");
    QTest::newRow("a path") << QStringLiteral("../Ala");
    QTest::newRow("a slash") << QStringLiteral("Ala/Ola");
    QTest::newRow("a dot first") << QStringLiteral(".Ala");
    QTest::newRow("too long") << QString(31, QLatin1Char('a'));
    QTest::newRow("taken, other case") << QStringLiteral("ALA");
  }
  void unusableNamesAreRefused() {
    QFETCH(QString, name);
    QTemporaryDir base;
    QCOMPARE(profiles::Add(base.path(), QStringLiteral("Ala"), QString()), QString());
    QVERIFY(!profiles::Add(base.path(), name, QString()).isEmpty());
    QCOMPARE(profiles::List(base.path()).size(), size_t(1));
  }

  void renamingMovesTheChildsFilesAlong() {
    QTemporaryDir base;
    profiles::Profile ala;
    QCOMPARE(profiles::Add(base.path(), QStringLiteral("Ala"), QStringLiteral("szopa"), &ala), QString());
    QFile stats(ala.folder + "/prgst6.stt");
    QVERIFY(stats.open(QIODevice::WriteOnly));
    stats.write(QByteArray(64, 'x'));
    stats.close();
    profiles::Profile renamed;
    QCOMPARE(profiles::Rename(base.path(), ala, QStringLiteral("Alicja"), &renamed), QString());
    QCOMPARE(QFileInfo(renamed.folder + "/prgst6.stt").size(), qint64(64));
    QVERIFY(!QFileInfo::exists(ala.folder));
    QVERIFY(profiles::Find(base.path(), QStringLiteral("Alicja"), nullptr));
    QVERIFY(!profiles::Find(base.path(), QStringLiteral("Ala"), nullptr));
    // Only the case of a letter changes: the same profile, not a clash.
    QCOMPARE(profiles::Rename(base.path(), renamed, QStringLiteral("alicja")), QString());
  }

  void removingDeletesWhatItSaidItWould() {
    QTemporaryDir base;
    profiles::Profile ola;
    QCOMPARE(profiles::Add(base.path(), QStringLiteral("Ola"), QString(), &ola), QString());
    QVERIFY(QDir(ola.folder).mkpath("Nagrania"));
    QFile stats(ola.folder + "/prgst6.stt");
    QVERIFY(stats.open(QIODevice::WriteOnly));
    // A header and two whole games.
    stats.write(QByteArray::fromHex("06000000 EA070C00 00000600 15002600 31007B00") + QByteArray(88, '\1'));
    stats.close();
    const profiles::Contents contents = profiles::ContentsOf(ola);
    QCOMPARE(contents.files, 2);  // profil.ini and the statistics
    QCOMPARE(contents.games, 2);
    QCOMPARE(profiles::Remove(ola), QString());
    QVERIFY(!QFileInfo::exists(ola.folder));
    QVERIFY(profiles::List(base.path()).empty());
  }

  void aChosenProfileHoldsBothFiles() {
    locations::FileLocations beside;
    beside.contentRoot = QStringLiteral("/opt/gra");
    beside.configPath = QStringLiteral("/opt/gra/Data/data.ini");
    beside.statsDir = QStringLiteral("/opt/gra");
    const locations::FileLocations ala = locations::InProfile(beside, QStringLiteral("/opt/gra/Profile/Ala"));
    QCOMPARE(ala.contentRoot, beside.contentRoot);
    QCOMPARE(ala.configPath, QStringLiteral("/opt/gra/Profile/Ala/data.ini"));
    QCOMPARE(ala.statsDir, QStringLiteral("/opt/gra/Profile/Ala"));
  }
};

QTEST_GUILESS_MAIN(ProfilesTest)
#include "tst_profiles.moc"
