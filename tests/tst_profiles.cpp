// Children's profiles: folders of their own under the default files' folder,
// named by the child, listed the Polish way, renamed and removed whole.
#include <QtTest>
#include <sys/stat.h>
#include <unistd.h>

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

  void namesThatWouldMisleadAreRefusedAndTheClashIsNamed_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("said");
    const QString guest = QString::fromUtf8("„Gość” to przycisk dla dzieci bez profilu: wpisz inne imię.");
    QTest::newRow("Gość") << QString::fromUtf8("Gość") << guest;
    QTest::newRow("GOŚĆ") << QString::fromUtf8("GOŚĆ") << guest;
    QTest::newRow("gosc") << QStringLiteral("gosc") << guest;
    QTest::newRow("ola is Ola") << QStringLiteral("ola") << QString::fromUtf8("Profil o imieniu Ola już jest.");
    QTest::newRow("a folder, no profile")
        << QStringLiteral("kopia") << QString::fromUtf8("W folderze Profile jest już folder Kopia bez pliku profil.ini.");
  }
  void namesThatWouldMisleadAreRefusedAndTheClashIsNamed() {
    QFETCH(QString, typed);
    QFETCH(QString, said);
    QTemporaryDir base;
    QCOMPARE(profiles::Add(base.path(), QStringLiteral("Ola"), QString()), QString());
    QVERIFY(QDir(base.path()).mkpath("Profile/Kopia"));
    QCOMPARE(profiles::CheckName(base.path(), typed), said);
  }

  void theNameAsWrittenWinsThenCaseAndComposedAccents_data() {
    QTest::addColumn<QString>("wanted");
    QTest::addColumn<QString>("found");
    QTest::newRow("Kasia beside kasia") << QStringLiteral("Kasia") << QStringLiteral("Kasia");
    QTest::newRow("kasia beside Kasia") << QStringLiteral("kasia") << QStringLiteral("kasia");
    QTest::newRow("decomposed") << QString::fromUtf8("Jo\u0301zef") << QString::fromUtf8("Józef");
    QTest::newRow("no accent is another name") << QStringLiteral("Jozef") << QString();
  }
  void theNameAsWrittenWinsThenCaseAndComposedAccents() {
    QFETCH(QString, wanted);
    QFETCH(QString, found);
    // Two folders differing in case only are made by hand on such systems.
    const std::vector<profiles::Profile> listed = {{"kasia", "/k1", {}}, {"Kasia", "/k2", {}}, {QString::fromUtf8("Józef"), "/j", {}}};
    profiles::Profile p;
    QCOMPARE(profiles::Find(listed, wanted, &p), !found.isEmpty());
    if (!found.isEmpty()) QCOMPARE(p.name, found);
  }

  void theGuestsGamesMoveIntoTheFirstChildWholeOrNotAtAll_data() {
    QTest::addColumn<QString>("obstacle");
    QTest::newRow("moved") << QString();
    QTest::newRow("the child has results") << QStringLiteral("prgst6.stt");
    QTest::newRow("no room for recordings") << QStringLiteral("Nagrania");
  }
  void theGuestsGamesMoveIntoTheFirstChildWholeOrNotAtAll() {
    QFETCH(QString, obstacle);
    QTemporaryDir base;
    const QByteArray header = QByteArray::fromHex("06000000 EA070C00 00000600 15002600 31007B00");
    const QByteArray games = header + QByteArray(3 * 44, '\1');
    QFile stats(base.filePath("prgst6.stt"));
    QVERIFY(stats.open(QIODevice::WriteOnly) && stats.write(games) == games.size());
    stats.close();
    QVERIFY(QDir(base.path()).mkpath("Nagrania"));
    QFile wav(base.filePath("Nagrania/2026-01-02_10-00-00_szalik.wav"));
    QVERIFY(wav.open(QIODevice::WriteOnly) && wav.write("RIFF") == 4);
    wav.close();
    profiles::Profile ola;
    QCOMPARE(profiles::Add(base.path(), QStringLiteral("Ola"), QString(), &ola), QString());
    QCOMPARE(profiles::GuestFilesIn(base.path()).games, 3);
    QCOMPARE(profiles::GuestFilesIn(base.path()).recordings, 1);
    // Something already in the way: a file where the child's own would go.
    if (!obstacle.isEmpty()) {
      QFile in(ola.folder + "/" + obstacle);
      QVERIFY(in.open(QIODevice::WriteOnly) && in.write("x") == 1);
    }

    const QString failure = profiles::MoveGuestFiles(base.path(), ola);
    QCOMPARE(failure.isEmpty(), obstacle.isEmpty());
    QFile guest(base.filePath("prgst6.stt"));
    QVERIFY(guest.open(QIODevice::ReadOnly));
    QFile child(ola.folder + "/prgst6.stt");
    if (obstacle.isEmpty()) {
      QCOMPARE(guest.readAll(), header);
      QVERIFY(child.open(QIODevice::ReadOnly));
      QCOMPARE(child.readAll(), games);
      QCOMPARE(child.permissions() & (QFile::ReadGroup | QFile::ReadOther), QFile::Permissions());
      QVERIFY(QFileInfo::exists(ola.folder + "/Nagrania/2026-01-02_10-00-00_szalik.wav"));
      QCOMPARE(profiles::GuestFilesIn(base.path()).recordings, 0);
    } else {
      QCOMPARE(guest.readAll(), games);
      QCOMPARE(profiles::GuestFilesIn(base.path()).recordings, 1);
      // The child's own file untouched, or the copy taken back.
      QCOMPARE(QFileInfo::exists(ola.folder + "/prgst6.stt"), obstacle == QLatin1String("prgst6.stt"));
    }
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

  void profileFilesAreReadCleanedAndLimited_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("read");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("picture");
    const QByteArray head = "[Profil]\n";
    QTest::newRow("as written") << head + "Imie=Łucja\nObrazek=szalik\n" << true << "Łucja" << "szalik";
    QTest::newRow("no name: the folder's") << head + "Obrazek=szopa\n" << true << "Ola" << "szopa";
    QTest::newRow("spaces simplified") << head + "Imie=  Ala \t  Ola \n" << true << "Ala Ola" << "";
    QTest::newRow("a right-to-left override") << head + "Imie=A\u202EBC\n" << true << "ABC" << "";
    QTest::newRow("nothing but marks") << head + "Imie=\u202E \u2067\n" << false << "" << "";
    QTest::newRow("an empty name") << head + "Imie=\n" << false << "" << "";
    QTest::newRow("cut to 30") << head + "Imie=" + QByteArray(40, 'a') << true << QString(30, QLatin1Char('a')) << "";
    QTest::newRow("cut, not inside a character")
        << head + "Imie=" + QByteArray(29, 'a') + "\U0001F600b" << true << QString(29, QLatin1Char('a')) << "";
    // Shown as plain text wherever it appears, so kept as written.
    QTest::newRow("markup") << head + "Imie=<img src=\"/dev/zero\">Ola\n" << true << "<img src=\"/dev/zero\">Ola" << "";
    QTest::newRow("a picture that is a path") << head + "Imie=Ola\nObrazek=../../x\n" << true << "Ola" << "";
    QByteArray full = head + "Imie=Ola\n;";
    full += QByteArray(profiles::kMostInfoBytes - full.size(), 'x');
    QTest::newRow("at the size limit") << full << true << "Ola" << "";
    QTest::newRow("over the size limit") << full + "x" << false << "" << "";
  }
  void profileFilesAreReadCleanedAndLimited() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, read);
    QFETCH(QString, name);
    QFETCH(QString, picture);
    QString gotName, gotPicture;
    QCOMPARE(profiles::ParseInfo(bytes, QStringLiteral("Ola"), &gotName, &gotPicture), read);
    if (!read) return;
    QCOMPARE(gotName, name);
    QCOMPARE(gotPicture, picture);
  }

  void filesThatCannotBeAProfileAreNotOpened() {
    QTemporaryDir base;
    QCOMPARE(profiles::Add(base.path(), QStringLiteral("Ala"), QString()), QString());
    const QString root = profiles::ProfilesRoot(base.path());
    for (const char* folder : {"Pipe", "Zero", "Large", "Folder/profil.ini"}) QVERIFY(QDir(root).mkpath(folder));
    // Opening a pipe waits for a writer; a device or a huge file never ends.
    QCOMPARE(::mkfifo(QFile::encodeName(root + "/Pipe/profil.ini").constData(), 0600), 0);
    QVERIFY(QFile::link(QStringLiteral("/dev/zero"), root + "/Zero/profil.ini"));
    QFile large(root + "/Large/profil.ini");
    QVERIFY(large.open(QIODevice::WriteOnly) && large.write("[Profil]\nImie=Duzy\n") > 0);
    QVERIFY(large.resize(qint64(1) << 30));
    large.close();

    const std::vector<profiles::Profile> listed = profiles::List(base.path());
    QCOMPARE(listed.size(), size_t(1));
    QCOMPARE(listed[0].name, QStringLiteral("Ala"));
    // The name check against the listed profiles says what a fresh read says.
    QCOMPARE(profiles::CheckName(listed, base.path(), QStringLiteral("ala")),
             profiles::CheckName(base.path(), QStringLiteral("ala")));
    QVERIFY(profiles::CheckName(listed, base.path(), QStringLiteral("Ola")).isEmpty());
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
