// Screen modes, the configuration file, the game settings, the sound and
// text helpers and the fatal-error messages.
#include <QtTest>

#include <unistd.h>

#include "shell/_cblad.h"
#include "recorder/voicelibrary.h"
#include "session/childfiles.h"
#include "session/contentroot.h"
#include "session/geometry.h"
#include "session/settings.h"
#include "words/_custgry.h"
#include "shell/_specfunc.h"
#include "words/random.h"
#include "support/services.h"
#include "support/programdir.h"
#include "support/seams.h"

using testing::ProgramDir;

namespace {

QString Ini(const ProgramDir& dir) { return QString::fromUtf8(dir.Read("Data/data.ini")); }

}  // namespace

class ShellTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void screenModeFollowsThePixelCount_data() {
    QTest::addColumn<QSize>("display");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QSize>("working");
    QTest::newRow("800x600") << QSize(800, 600) << 1 << QSize(800, 600);
    QTest::newRow("600x800 same count") << QSize(600, 800) << 1 << QSize(600, 800);
    QTest::newRow("1024x768") << QSize(1024, 768) << 2 << QSize(1024, 768);
    QTest::newRow("1280x1024") << QSize(1280, 1024) << 3 << QSize(1024, 768);
    QTest::newRow("1152x864") << QSize(1152, 864) << 3 << QSize(1024, 768);
    QTest::newRow("1024x600 between") << QSize(1024, 600) << -1 << QSize(1024, 600);
    QTest::newRow("800x601 just above") << QSize(800, 601) << -1 << QSize(800, 601);
    QTest::newRow("640x480") << QSize(640, 480) << 0 << QSize(640, 480);
    QTest::newRow("799x600 just below") << QSize(799, 600) << 0 << QSize(799, 600);
    QTest::newRow("no display") << QSize(0, 0) << 0 << QSize(0, 0);
  }
  void screenModeFollowsThePixelCount() {
    QFETCH(QSize, display);
    QFETCH(int, mode);
    QFETCH(QSize, working);
    const session::ScreenGeometry geometry = session::ScreenGeometry::For(display);
    QCOMPARE(int(geometry.screenMode), mode);
    QCOMPARE(geometry.Size(), working);
    QCOMPARE(geometry.ArtSuffix(), mode == 1 ? QString("_s") : QString("_b"));
  }

  void firstStartCreatesTheFileAndLaterStartsCountUp() {
    ProgramDir dir;
    session::Settings settings(dir.File("Data/data.ini"));
    QDir().mkpath(dir.File("Data"));
    QVERIFY(settings.Load());
    QCOMPARE(Ini(dir), QString("[DaneProgramu]\nLU=0\nPosition=111002\n"));
    QCOMPARE(int(settings.zakladka), 1);
    QCOMPARE(int(settings.podpisywanieSettings.poziom), 2);
    QVERIFY(settings.Write());  // the end of the first run
    QVERIFY(Ini(dir).contains("LU=0\n"));

    for (int run = 1; run <= 2; ++run) {
      settings = session::Settings(dir.File("Data/data.ini"));  // a fresh process
      QVERIFY(settings.Load());
      QCOMPARE(settings.launchCount, run);
      QVERIFY(Ini(dir).contains(QStringLiteral("LU=%1\n").arg(run)));
      QVERIFY(settings.Write());
      QVERIFY(Ini(dir).contains(QStringLiteral("LU=%1\n").arg(run)));
    }
  }

  void configurationReadsTabAndSettingsAndKeepsOtherKeys() {
    ProgramDir dir;
    session::Settings settings(dir.File("Data/data.ini"));
    dir.Write("Data/data.ini",
              "; kept comment\n"
              "[daneprogramu]\nlu=41\nzakladka=2\nOther=keep me\n"
              "[Memory]\nGloski=1\nPoziom=3\nPozycja=256\n"
              "[Podpisywanie]\nGloski=0x5\nPoziom=70000\nPozycja=abc\n"
              "[Spadajace]\nGloski=-1\n");
    QVERIFY(settings.Load());
    QCOMPARE(settings.launchCount, 42);
    QCOMPARE(int(settings.zakladka), 2);
    QCOMPARE(int(settings.memorySettings.gloski), 1);
    QCOMPARE(int(settings.memorySettings.poziom), 3);
    QCOMPARE(int(settings.memorySettings.pozycja), 256);
    QCOMPARE(int(settings.podpisywanieSettings.gloski), 5);       // hexadecimal
    QCOMPARE(int(settings.podpisywanieSettings.poziom), 4464);    // low 16 bits of 70000
    QCOMPARE(int(settings.podpisywanieSettings.pozycja), 0);      // not a number: default
    QCOMPARE(int(settings.spadajaceSettings.gloski), -1);
    QCOMPARE(int(settings.uzupelnianieSettings.poziom), 2);       // missing section
    const QString text = Ini(dir);
    QVERIFY(text.contains("; kept comment"));
    QVERIFY(text.contains("Other=keep me"));
    QVERIFY(text.contains("=42"));
    QVERIFY(!text.contains("=41"));
  }

  void fullScreenChoiceIsReadAndWrittenKeepingTheRest() {
    ProgramDir dir;
    session::Settings settings(dir.File("Data/data.ini"));
    dir.Write("Data/data.ini", "[DaneProgramu]\nLU=3\nPelnyEkran=1\nOther=keep me\n");
    QVERIFY(settings.Load());
    QVERIFY(settings.FullScreenChosen());
    QVERIFY(settings.WriteFullScreenChoice(false));
    QVERIFY(!settings.FullScreenChosen());
    const QString text = Ini(dir);
    QVERIFY(text.contains("PelnyEkran=0\n"));
    QVERIFY(text.contains("Other=keep me"));
    QVERIFY(text.contains("LU=4\n"));
    QVERIFY(settings.WriteFullScreenChoice(true));
    settings = session::Settings(dir.File("Data/data.ini"));
    QVERIFY(settings.Load());
    QVERIFY(settings.FullScreenChosen());

    // Absent means the window.
    dir.Write("Data/data.ini", "[DaneProgramu]\nLU=3\n");
    QVERIFY(settings.Load());
    QVERIFY(!settings.FullScreenChosen());
  }

  void fileWithoutProgramSectionGetsOneWithLU1() {
    ProgramDir dir;
    session::Settings settings(dir.File("Data/data.ini"));
    dir.Write("Data/data.ini", "[Memory]\nPoziom=1\n");
    QVERIFY(settings.Load());
    QCOMPARE(settings.launchCount, 1);
    QCOMPARE(int(settings.zakladka), 1);
    QVERIFY(Ini(dir).contains("[DaneProgramu]\nLU=1\n"));
    QVERIFY(Ini(dir).contains("[Memory]\nPoziom=1\n"));
  }

  void unusableConfigurationIsReportedNotIgnored() {
    {
      ProgramDir dir;  // no Data folder: the file cannot be created
      session::Settings settings(dir.File("Data/data.ini"));
      QVERIFY(!settings.Load());
      QVERIFY(!settings.Write());
    }
    {
      ProgramDir dir;  // a folder where the file should be: cannot be read
      session::Settings settings(dir.File("Data/data.ini"));
      QDir().mkpath(dir.File("Data/data.ini"));
      QVERIFY(!settings.Load());
      QVERIFY(!settings.Write());
      QVERIFY(!settings.WriteFullScreenChoice(true));
    }
    if (::geteuid() == 0) QSKIP("running as root: file permissions do not stop writes");
    ProgramDir dir;
    session::Settings settings(dir.File("Data/data.ini"));
    dir.Write("Data/data.ini", "[DaneProgramu]\nLU=5\n");
    QFile::setPermissions(dir.File("Data/data.ini"), QFile::ReadOwner);
    QVERIFY(!settings.Load());
    QCOMPARE(dir.Read("Data/data.ini"), QByteArray("[DaneProgramu]\nLU=5\n"));
  }

  void settingsToggles() {
    CUstGry s("Test");
    QCOMPARE(int(s.poziom), 2);
    s.TogglePosition(256);
    QVERIFY(s.HasPosition(256));
    s.TogglePosition(256);
    QCOMPARE(int(s.pozycja), 0);
    s.TogglePosition(3);
    s.TogglePosition(2048);
    QCOMPARE(int(s.pozycja), 0);

    s.TogglePhonemePair(1);
    QCOMPARE(int(s.gloski), 17);
    s.TogglePhonemePair(1);
    QCOMPARE(int(s.gloski), 0);
    s.gloski = 16;
    s.TogglePhonemePair(1);  // bit 1 was clear: both set
    QCOMPARE(int(s.gloski), 17);
    s.gloski = 1;
    s.TogglePhonemePair(1);
    QCOMPARE(int(s.gloski), 0);
    s.TogglePhonemePair(16);
    QCOMPARE(int(s.gloski), 0);

    s.TogglePhoneme(16);
    QCOMPARE(int(s.gloski), 16);
    s.TogglePhoneme(256);
    s.TogglePhoneme(3);
    QCOMPARE(int(s.gloski), 16);
    QVERIFY(s.HasPhoneme(16) && !s.HasPhoneme(1));
    s.SetLevel(7);
    QVERIFY(s.IsLevel(7));
  }

  void interfaceSoundsPickAFileAtRandomAndWait() {
    ProgramDir dir;
    const session::ContentRoot content(dir.Path());
    testing::FakeSound sound;
    testing::FakeSleep sleep;
    for (int i = 0; i < 8; ++i) dir.Write(QStringLiteral("Data/Intf/Smd/g%1.pw").arg(i, 2, 10, QChar('0')), "x");
    for (int i = 0; i < 5; ++i) dir.Write(QStringLiteral("Data/Intf/Smd/b%1.pw").arg(i, 2, 10, QChar('0')), "x");
    RandomSeed(1234);
    QSet<QString> heard;
    for (int i = 0; i < 200; ++i) QVERIFY(PlayInterfaceSound(testing::Services(), content, 0, true));
    for (const QString& p : sound.played) heard << p;
    QCOMPARE(heard.size(), 8);  // every praise file comes up
    QVERIFY(heard.contains(dir.File("Data/Intf/Smd/g07.pw")));
    QCOMPARE(sleep.sleeps.size(), 200);
    QCOMPARE(sleep.sleeps.front(), 500);

    sound.played.clear();
    QVERIFY(PlayInterfaceSound(testing::Services(), content, 1, false));
    QCOMPARE(sound.played.size(), 0);
    QCOMPARE(sound.started.size(), 1);
    QVERIFY(sound.started.front().startsWith(dir.File("Data/Intf/Smd/b0")));
    QCOMPARE(sleep.sleeps.size(), 200);  // no pause without waiting

    QVERIFY(!PlayInterfaceSound(testing::Services(), content, 2, true));
    QVERIFY(!PlayInterfaceSound(testing::Services(), content, -1, true));
  }

  void aMissingPraiseFileIsSilentWhenDrawn() {
    ProgramDir dir;
    const session::ContentRoot content(dir.Path());
    testing::FakeSound sound;
    testing::FakeSleep sleep;
    for (int i = 0; i < 8; ++i)
      if (i != 3) dir.Write(QStringLiteral("Data/Intf/Smd/g%1.pw").arg(i, 2, 10, QChar('0')), "x");
    RandomSeed(99);
    int missed = 0;
    for (int i = 0; i < 160; ++i) missed += PlayInterfaceSound(testing::Services(), content, 0, true) ? 0 : 1;
    QVERIFY(missed > 0);
    QCOMPARE(sound.played.size(), 160 - missed);
    QVERIFY(!sound.played.contains(dir.File("Data/Intf/Smd/g03.pw")));
  }

  void wordSoundsPlayByKey() {
    ProgramDir dir;
    const session::ContentRoot content(dir.Path());
    testing::FakeSound sound;
    dir.Write("Data/Smd/szkola.pw", "x");
    QVERIFY(PlayWordSound(*testing::Services().sound, recorder::VoiceLibrary(session::ChildFiles::InFolder(dir.Path()), content), "szkola"));
    QVERIFY(!PlayWordSound(*testing::Services().sound, recorder::VoiceLibrary(session::ChildFiles::InFolder(dir.Path()), content), "szalik"));
    QCOMPARE(sound.played, QStringList({dir.File("Data/Smd/szkola.pw")}));
  }

  void timeText_data() {
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << 0 << "0 min 0 s";
    QTest::newRow("59") << 59 << "0 min 59 s";
    QTest::newRow("60") << 60 << "1 min 0 s";
    QTest::newRow("125") << 125 << "2 min 5 s";
    QTest::newRow("3600 no hours") << 3600 << "60 min 0 s";
  }
  void timeText() {
    QFETCH(int, seconds);
    QFETCH(QString, text);
    QCOMPARE(TimeText(seconds), text);
  }

  void letterFileNames_data() {
    QTest::addColumn<QString>("letter");
    QTest::addColumn<QString>("stem");
    const char* rows[][2] = {{"dż", "dzz"}, {"dź", "dzzz"}, {"ż", "zz"}, {"ź", "zzz"}, {"ó", "oo"},
                             {"ł", "ll"},   {"ć", "cc"},    {"ś", "ss"}, {"ń", "nn"},  {"ę", "ee"},
                             {"ą", "aa"},   {"Ż", "Ż"},     {"rz", "rz"}, {"sz", "sz"}, {"a", "a"},
                             {"żż", "żż"},  {"", ""}};
    for (auto& r : rows) QTest::newRow(r[0]) << QString::fromUtf8(r[0]) << QString::fromUtf8(r[1]);
  }
  void letterFileNames() {
    QFETCH(QString, letter);
    QFETCH(QString, stem);
    QCOMPARE(LetterFileName(letter), stem);
  }

  void fatalErrorMessages() {
    QCOMPARE(CBlad::MessageText(1), QString::fromUtf8("          Brak zasobów !\n\nProszę przeinstalować program."));
    QCOMPARE(CBlad::MessageText(2), QString::fromUtf8("Proszę zmienić rozdzielczość ekranu na 800 x 600 lub wyższą."));
    QCOMPARE(CBlad::MessageText(3), QString::fromUtf8("Plik statystyk nie został poprawnie stworzony."));
    QCOMPARE(CBlad::MessageText(4),
             QString::fromUtf8("Brak dostępu do pliku konfiguracyjnego programu. Program zakończy działanie."));
    testing::FakeMessageBox box;
    CBlad(7).Show(testing::Services());
    CBlad(1).Show(testing::Services());
    QCOMPARE(box.shown.size(), size_t(2));
    QCOMPARE(box.shown[0].text, QString());
    QCOMPARE(box.shown[0].caption, QString::fromUtf8("Błąd"));
    QCOMPARE(box.shown[1].icon, platform::MessageIcon::Error);
    QCOMPARE(CBlad(3).Message(), QString("Blad"));
    QCOMPARE(QString::fromLocal8Bit(CBlad(2).what()), QString("Blad"));
  }
};

QTEST_GUILESS_MAIN(ShellTest)
#include "tst_shell.moc"
