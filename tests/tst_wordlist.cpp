// The word list shipped beside the program: its reader, how the catalogue
// takes it in, and the shipped list itself with every file its words need.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QSet>
#include <QtTest>

#include "words/_custgry.h"
#include "shell/_specfunc.h"
#include "support/services.h"
#include "support/fakeclock.h"
#include "support/programdir.h"
#include "support/workdir.h"
#include "catalogue/_cslowa.h"
#include "words/wordlist.h"

using testing::FakeClock;
using testing::ProgramDir;
using testing::TemporaryWorkingDir;

namespace {

constexpr int kSz = 0x0001, kRz = 0x0002, kCz = 0x0004, kDz = 0x0008;
constexpr int kS = 0x0010, kZ = 0x0020, kC = 0x0040, kDzHissing = 0x0080;
constexpr int kNaglos = 0x0100, kSrodglos = 0x0200, kWyglos = 0x0400;

CUstGry Settings(int gloski, int pozycja) {
  CUstGry s(QStringLiteral("Test"));
  s.gloski = qint16(gloski);
  s.pozycja = qint16(pozycja);
  return s;
}

QStringList Keys(const std::vector<CSlowa::SPaczka>& words) {
  QStringList keys;
  for (const auto& w : words) keys << w.Nazwa;
  return keys;
}

void WriteFile(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).path());
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

// The built content folder, named by the test runner.
QString BuiltData() { return qEnvironmentVariable("FONIKRA_DATA_DIR"); }

const QByteArray kGoodA = "czapka\t0x0104\t_cz,a,p,k,a,\tczapka";
const QByteArray kGoodB = "zaba\t0x0102\t_ż,a,b,a,\tżaba";
const QByteArray kGoodHissing = "sowa\t0x0110\t_s,o,w,a,\tsowa";

}  // namespace

class TestWordList : public QObject {
  Q_OBJECT

 private slots:
  void readsEveryFieldOfGoodLines() {
    const QByteArray text = "\xEF\xBB\xBF# key\tflags\tsegmentation\tword\n"
                            "szczur\t0x0305\t_sz,_cz,u,r,\tszczur\r\n"
                            "\n"
                            "   \n"
                            "DZEM\t0x108\t_dż,e,m,\tdżem\n"
                            "miecz\t0x0404\tm,i,e,_cz,\tmiecz";  // no newline at the end
    const std::vector<CSlowa::SPaczka> words = words::ParseWordList(text);
    QCOMPARE(Keys(words), (QStringList{"szczur", "DZEM", "miecz"}));
    QCOMPARE(words[0].Flagi, quint16(kSz | kCz | kNaglos | kSrodglos));
    QCOMPARE(words[0].Podzial, QStringLiteral("_sz,_cz,u,r,"));
    QCOMPARE(words[1].Flagi, quint16(kDz | kNaglos));
    QCOMPARE(words[1].Podzial, QString::fromUtf8("_dż,e,m,"));
    QCOMPARE(words[2].Flagi, quint16(kCz | kWyglos));
    QVERIFY(words[2].Obrazek.isNull() && words[2].ObrazekDuzy.isNull());
  }

  void takesFlagsOfEitherSoundKind_data() {
    QTest::addColumn<int>("flags");
    QTest::newRow("hushing") << (kSz | kNaglos);
    QTest::newRow("hissing") << (kS | kNaglos);
    QTest::newRow("hissing DZ, two positions") << (kDzHissing | kSrodglos | kWyglos);
    QTest::newRow("both kinds") << (kSz | kZ | kC | kNaglos);
    QTest::newRow("every sound and position") << 0x07FF;
  }
  void takesFlagsOfEitherSoundKind() {
    QFETCH(int, flags);
    const QByteArray line = "sowa\t0x" + QByteArray::number(flags, 16) + "\t_s,o,w,a,\tsowa";
    const std::vector<CSlowa::SPaczka> words = words::ParseWordList(line);
    QCOMPARE(int(words.size()), 1);
    QCOMPARE(words[0].Flagi, quint16(flags));
  }

  void skipsABrokenLineAndKeepsItsNeighbours_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("three fields") << QByteArray("szopa\t0x0101\t_sz,o,p,a,");
    QTest::newRow("five fields") << QByteArray("szopa\t0x0101\t_sz,o,p,a,\tszopa\tx");
    QTest::newRow("spaces for tabs") << QByteArray("szopa 0x0101 _sz,o,p,a, szopa");
    QTest::newRow("Polish letter in key") << QByteArray("szkoła\t0x0101\t_sz,k,o,ł,a,\tszkoła");
    QTest::newRow("digit in key") << QByteArray("szopa2\t0x0101\t_sz,o,p,a,\tszopa");
    QTest::newRow("empty key") << QByteArray("\t0x0101\t_sz,o,p,a,\tszopa");
    QTest::newRow("flags without 0x") << QByteArray("szopa\t0101\t_sz,o,p,a,\tszopa");
    QTest::newRow("flags not hex") << QByteArray("szopa\t0x01g1\t_sz,o,p,a,\tszopa");
    QTest::newRow("flags too long") << QByteArray("szopa\t0x00101\t_sz,o,p,a,\tszopa");
    QTest::newRow("bare 0x") << QByteArray("szopa\t0x\t_sz,o,p,a,\tszopa");
    QTest::newRow("no sound bit") << QByteArray("szopa\t0x0100\t_sz,o,p,a,\tszopa");
    QTest::newRow("no position bit") << QByteArray("szopa\t0x0001\t_sz,o,p,a,\tszopa");
    QTest::newRow("hissing sound, no position bit") << QByteArray("sowa\t0x0010\t_s,o,w,a,\tsowa");
    QTest::newRow("the drawn mark") << QByteArray("szopa\t0x0901\t_sz,o,p,a,\tszopa");
    QTest::newRow("unknown bit") << QByteArray("szopa\t0x1101\t_sz,o,p,a,\tszopa");
    // A refused segmentation costs its line; its rules have a suite of their own.
    QTest::newRow("no comma after the last token") << QByteArray("szopa\t0x0101\t_sz,o,p,a\tszopa");
    QTest::newRow("tokens spell another word") << QByteArray("szopa\t0x0101\t_sz,o,p,a,\tszopka");
    QTest::newRow("more tokens than key letters") << QByteArray("ab\t0x0104\t_cz,a,b,\tczab");
    QTest::newRow("no written word") << QByteArray("szopa\t0x0101\t_sz,o,p,a,\t");
    QTest::newRow("broken UTF-8") << QByteArray("zaba\t0x0102\t_\xC5,a,b,a,\t\xC5" "aba");
    QTest::newRow("binary noise") << QByteArray("\x00\x01\x02\t\xff\xfe", 7);
  }
  void skipsABrokenLineAndKeepsItsNeighbours() {
    QFETCH(QByteArray, line);
    const std::vector<CSlowa::SPaczka> words = words::ParseWordList(kGoodA + "\n" + line + "\n" + kGoodB + "\n");
    QCOMPARE(Keys(words), (QStringList{"czapka", "zaba"}));
  }

  void catalogueAppendsTheListAfterTheBuiltInWordsOnce() {
    TemporaryWorkingDir dir;
    QVERIFY(dir.IsValid());
    // The list repeats a built-in key with other bits and repeats its own key:
    // the word first in the table wins both times.
    WriteFile(dir.FilePath(QStringLiteral("Data/") + QLatin1String(words::kWordList)),
              "szalik\t0x0401\t_sz,a,l,i,k,\tszalik\n" + kGoodA + "\n" + kGoodB + "\n" +
                  "czapka\t0x0404\t_cz,a,p,k,a,\tczapka\n" + kGoodHissing + "\n");
    CSlowa katalog{session::ContentRoot(dir.Path()), testing::Clock()};  // reads the content's list
    QCOMPARE(Keys(katalog.Slownik()),
             (QStringList{"szalik", "szklanka", "szkola", "szopa", "szynka", "czapka", "zaba", "sowa"}));
    QCOMPARE(katalog.Slownik()[0].Flagi, quint16(kSz | kNaglos));
    QCOMPARE(katalog.Slownik()[5].Flagi, quint16(kCz | kNaglos));
    QCOMPARE(katalog.Slownik()[6].Dzwiek, QDir::current().filePath(QStringLiteral("Data/Smd/zaba.pw")));
    QCOMPARE(katalog.Baza.size(), size_t(5));

    // Selection keeps the table order: built-in words first.
    katalog.Wybierz(Settings(kSz | kCz | kRz, kNaglos));
    QCOMPARE(Keys(katalog.Dostepne), (QStringList{"szalik", "szklanka", "szkola", "szopa", "szynka", "czapka", "zaba"}));
    katalog.Wybierz(Settings(kRz, kNaglos | kWyglos));
    QCOMPARE(Keys(katalog.Dostepne), QStringList{"zaba"});
    // A pair of the filling game takes the words of both its sounds.
    katalog.Wybierz(Settings(kSz | kS, kNaglos));
    QCOMPARE(Keys(katalog.Dostepne), (QStringList{"szalik", "szklanka", "szkola", "szopa", "szynka", "sowa"}));
  }

  void aMissingOrUselessListLeavesTheFiveBuiltInWords() {
    TemporaryWorkingDir dir;
    QVERIFY(dir.IsValid());
    QCOMPARE(CSlowa(session::ContentRoot(QDir::currentPath()), testing::Clock()).Slownik().size(), size_t(5));
    QCOMPARE(CSlowa(session::ContentRoot(QDir::currentPath()), testing::Clock(), dir.FilePath("nowhere.txt")).Slownik().size(), size_t(5));
    WriteFile(dir.FilePath("empty.txt"), QByteArray());
    QCOMPARE(CSlowa(session::ContentRoot(QDir::currentPath()), testing::Clock(), dir.FilePath("empty.txt")).Slownik().size(), size_t(5));
    WriteFile(dir.FilePath("noise.txt"), QByteArray(4096, '\xff'));
    QCOMPARE(CSlowa(session::ContentRoot(QDir::currentPath()), testing::Clock(), dir.FilePath("noise.txt")).Slownik().size(), size_t(5));
    // A folder where the file should be is no list either.
    QDir().mkpath(dir.FilePath("folder.txt"));
    QCOMPARE(CSlowa(session::ContentRoot(QDir::currentPath()), testing::Clock(), dir.FilePath("folder.txt")).Slownik().size(), size_t(5));
  }

  // --- the shipped list ------------------------------------------------------

  void everyShippedLineIsAWordOfTheCatalogue() {
    if (BuiltData().isEmpty()) QSKIP("the build's content folder is not known");
    QFile f(BuiltData() + QStringLiteral("/words.txt"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray text = f.readAll();
    int lines = 0;
    for (const QByteArray& line : text.split('\n')) {
      if (!line.isEmpty() && !line.startsWith('#')) ++lines;
    }
    QVERIFY(lines >= 100);
    // The reader drops nothing the asset build wrote.
    QCOMPARE(int(words::ParseWordList(text).size()), lines);
    const CSlowa katalog(session::ContentRoot(QDir::currentPath()), testing::Clock(), BuiltData() + QStringLiteral("/words.txt"));
    QSet<QString> keys;
    for (const auto& w : katalog.Slownik()) keys.insert(w.Nazwa);
    QCOMPARE(keys.size(), int(katalog.Slownik().size()));
    // The built-in words are in the list too (for their pictures), so the
    // catalogue holds each line once.
    QCOMPARE(int(katalog.Slownik().size()), lines);
  }

  // Counts the README promises: with a single sound and position chosen,
  // how many words the menu's cell offers. Labelling needs 5 per level,
  // Memory 4 pairs per level.
  void everyMenuCellOffersTheWordsTheReadmeCounts_data() {
    QTest::addColumn<int>("gloska");
    QTest::addColumn<int>("pozycja");
    QTest::addColumn<int>("count");
    const struct {
      const char* name;
      int bit;
      int counts[3];
    } kRows[] = {{"SZ", kSz, {19, 30, 25}}, {"RZ", kRz, {12, 21, 1}},   {"CZ", kCz, {12, 28, 12}},
                 {"DZ", kDz, {8, 2, 0}},      {"S", kS, {33, 32, 19}},   {"Z", kZ, {12, 16, 1}},
                 {"C", kC, {15, 16, 12}},     {"hissing DZ", kDzHissing, {6, 6, 0}}};
    const int kPositions[] = {kNaglos, kSrodglos, kWyglos};
    for (const auto& row : kRows) {
      for (int p = 0; p < 3; ++p) {
        QTest::addRow("%s %d", row.name, p) << row.bit << kPositions[p] << row.counts[p];
      }
    }
  }
  void everyMenuCellOffersTheWordsTheReadmeCounts() {
    if (BuiltData().isEmpty()) QSKIP("the build's content folder is not known");
    QFETCH(int, gloska);
    QFETCH(int, pozycja);
    QFETCH(int, count);
    CSlowa katalog(session::ContentRoot(QDir::currentPath()), testing::Clock(), BuiltData() + QStringLiteral("/words.txt"));
    katalog.Wybierz(Settings(gloska, pozycja));
    QCOMPARE(int(katalog.Dostepne.size()), count);
    for (const auto& w : katalog.Dostepne) QVERIFY((w.Flagi & gloska) && (w.Flagi & pozycja));
    // The largest game the cell allows is drawn in full.
    FakeClock clock;
    const int labelling = count / 5 * 5;
    if (labelling > 0) {
      QVERIFY(katalog.Losuj(qMin(labelling, 15)));
      QSet<QString> drawn;
      for (const auto& w : katalog.Wylosowane) drawn.insert(w.Nazwa);
      QCOMPARE(drawn.size(), qMin(labelling, 15));
    }
    QCOMPARE(katalog.Losuj(15), count >= 15);
    QCOMPARE(katalog.Losuj(12), count >= 12);
  }

  // The hissing words serve the filling game alone: no choice of hushing
  // sounds and positions, the only ones the labelling game and Memory make,
  // may draw one.
  void noHushingChoiceSelectsAHissingWord() {
    if (BuiltData().isEmpty()) QSKIP("the build's content folder is not known");
    CSlowa katalog(session::ContentRoot(QDir::currentPath()), testing::Clock(), BuiltData() + QStringLiteral("/words.txt"));
    for (int gloski = 1; gloski <= kSz + kRz + kCz + kDz; ++gloski) {
      for (int pozycja = kNaglos; pozycja <= kNaglos + kSrodglos + kWyglos; pozycja += kNaglos) {
        katalog.Wybierz(Settings(gloski, pozycja));
        for (const auto& w : katalog.Dostepne) QVERIFY2((w.Flagi & 0x00F0) == 0, qPrintable(w.Nazwa));
      }
    }
  }

  void everyWordHasItsPicturesSoundAndTiles() {
    ProgramDir program;
    if (!program.UseBuiltContent()) QSKIP("the build's content folder is not known");
    CSlowa katalog(session::ContentRoot(QDir::currentPath()), testing::Clock(), BuiltData() + QStringLiteral("/words.txt"));
    katalog.Wybierz(Settings(0x00FF, 0x0700));
    QCOMPARE(katalog.Dostepne.size(), katalog.Slownik().size());
    FakeClock clock;
    QVERIFY(katalog.Losuj(int(katalog.Dostepne.size())));

    struct Kind {
      const char* suffix;
      QSize size;
    };
    for (const Kind& k : {Kind{"_ups.xji", {252, 290}}, Kind{"_upb.xji", {328, 380}}}) {
      QVERIFY2(katalog.WczytajObrazkiPodpisywania(QLatin1String(k.suffix)), k.suffix);
      for (const auto& w : katalog.Wylosowane) {
        QVERIFY2(w.ObrazekDuzy.size() == k.size, qPrintable(w.Nazwa));
        QVERIFY2(w.Obrazek.size() == QSize(80, 100), qPrintable(w.Nazwa));
      }
    }
    QVERIFY(katalog.WczytajObrazkiMemory());
    for (const auto& w : katalog.Wylosowane) {
      for (const Kind& k : {Kind{"_ms.xji", {180, 220}}, Kind{"_mb.xji", {240, 290}}}) {
        const QString path = QStringLiteral("Data/Bio/") + w.Nazwa + QLatin1String(k.suffix);
        QVERIFY2(QImage(path, "JPG").size() == k.size, qPrintable(path));
      }
      QVERIFY2(QFileInfo(w.Dzwiek).size() > 1000, qPrintable(w.Dzwiek));
      for (QString token : w.Podzial.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        token.remove(QLatin1Char('_'));
        for (const char* suffix : {".png", "_red.png"}) {
          const QString tile = QStringLiteral("Data/Pict/") + LetterFileName(token) + QLatin1String(suffix);
          QVERIFY2(QFileInfo::exists(tile), qPrintable(tile));
        }
      }
    }
  }

  void theIconLicenceShipsBesideTheList() {
    if (BuiltData().isEmpty()) QSKIP("the build's content folder is not known");
    QFile f(BuiltData() + QStringLiteral("/LICENSE-icons.txt"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray text = f.readAll();
    QVERIFY(text.contains("Copyright (c) Microsoft Corporation."));
    QVERIFY(text.contains("Permission is hereby granted, free of charge"));
  }
};

QTEST_MAIN(TestWordList)
#include "tst_wordlist.moc"
