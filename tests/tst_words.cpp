#include <QDir>
#include <QFile>
#include <QImage>
#include <QSet>
#include <QtTest>
#include <memory>

#include "words/_custgry.h"
#include "words/random.h"
#include "support/services.h"
#include "support/fakeclock.h"
#include "support/workdir.h"
#include "catalogue/_cslowa.h"

using testing::FakeClock;
using testing::TemporaryWorkingDir;

namespace {

constexpr quint16 kSz = 0x0001, kRz = 0x0002, kCz = 0x0004;
constexpr quint16 kNaglos = 0x0100, kSrodglos = 0x0200, kWyglos = 0x0400;

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

const QStringList kBuiltIn = {"szalik", "szklanka", "szkola", "szopa", "szynka"};

bool WriteJpeg(const QString& path, QSize size) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::darkGreen);
  return QDir().mkpath(QFileInfo(path).path()) && image.save(path, "JPG");
}

bool WriteBytes(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).path());
  QFile f(path);
  return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Each word gets pictures of its own size, so a test sees which file went
// where: small pictures are (10 + i) x 8, large ones (40 + i) x 30.
QSize SmallSize(int i) { return {10 + i, 8}; }
QSize LargeSize(int i) { return {40 + i, 30}; }

}  // namespace

class TestWords : public QObject {
  Q_OBJECT

 private slots:
  // Each case in a working folder of its own: the catalogue reads the word
  // list of the working folder, which must not be the build's.
  void init() {
    dir_ = std::make_unique<TemporaryWorkingDir>();
    QVERIFY(dir_->IsValid());
  }
  void cleanup() { dir_.reset(); }

  void builtInTableHasTheFiveSzWordsWithTheirFiles();
  void wybierzSelectsWordsSharingASoundAndAPositionBit_data();
  void wybierzSelectsWordsSharingASoundAndAPositionBit();
  void addedWordsFollowTheBuiltInOnes();
  void losujDrawsDistinctWordsAndMarksThem();
  void losujIsReseededFromTheLocalSecondAtEveryCall();
  void losujProbesForwardPastDrawnWordsAndWraps();
  void memoryPicturesMissingOrCorruptStayEmpty();
  void labellingPicturesComeAsAPair();

 private:
  std::unique_ptr<TemporaryWorkingDir> dir_;
};

void TestWords::builtInTableHasTheFiveSzWordsWithTheirFiles() {
  CSlowa katalog{session::ContentRoot(QDir::currentPath()), testing::Clock()};
  QStringList keys;
  for (const auto& w : katalog.Baza) {
    keys << w.Nazwa;
    QCOMPARE(w.Flagi, quint16(kSz | kNaglos));
    QVERIFY(w.Obrazek.isNull() && w.ObrazekDuzy.isNull());
  }
  QCOMPARE(keys, kBuiltIn);
  // The key is spelled without the Polish letter; the segmentation has it.
  QCOMPARE(katalog.Baza[2].Dzwiek, QDir::current().filePath(QStringLiteral("Data/Smd/szkola.pw")));
  QCOMPARE(katalog.Baza[2].Podzial, QStringLiteral("_sz,k,o,ł,a,"));
  QCOMPARE(Keys(katalog.Slownik()), kBuiltIn);
  QVERIFY(katalog.Dostepne.empty() && katalog.Wylosowane.empty());
}

void TestWords::wybierzSelectsWordsSharingASoundAndAPositionBit_data() {
  QTest::addColumn<int>("gloski");
  QTest::addColumn<int>("pozycja");
  QTest::addColumn<int>("count");
  QTest::newRow("SZ word-initial") << int(kSz) << int(kNaglos) << 5;
  QTest::newRow("several sounds and positions") << int(kSz | kCz) << int(kNaglos | kWyglos) << 5;
  QTest::newRow("SZ without a position") << int(kSz) << 0 << 0;
  QTest::newRow("position without a sound") << 0 << int(kNaglos) << 0;
  QTest::newRow("other sound") << int(kRz | kCz) << int(kNaglos) << 0;
  QTest::newRow("other positions") << int(kSz) << int(kSrodglos | kWyglos) << 0;
  QTest::newRow("second half of a pair only") << 0x10 << int(kNaglos) << 0;
  // 16-bit settings with the top bit set are negative; the bits still count.
  QTest::newRow("every bit") << -1 << -1 << 5;
}

void TestWords::wybierzSelectsWordsSharingASoundAndAPositionBit() {
  QFETCH(int, gloski);
  QFETCH(int, pozycja);
  QFETCH(int, count);
  CSlowa katalog{session::ContentRoot(QDir::currentPath()), testing::Clock()};
  katalog.Wybierz(Settings(gloski, pozycja));
  QCOMPARE(Keys(katalog.Dostepne), kBuiltIn.mid(0, count));
}

void TestWords::addedWordsFollowTheBuiltInOnes() {
  CSlowa katalog{session::ContentRoot(QDir::currentPath()), testing::Clock()};
  CSlowa::SPaczka czapka;
  czapka.Nazwa = QStringLiteral("czapka");
  czapka.Flagi = kCz | kNaglos | CSlowa::kZnacznik;
  czapka.Podzial = QStringLiteral("_cz,a,p,k,a,");
  katalog.Dodaj(czapka);

  katalog.Wybierz(Settings(kCz, kNaglos));
  QCOMPARE(Keys(katalog.Dostepne), QStringList{"czapka"});
  // The mark is never part of the table.
  QCOMPARE(katalog.Dostepne[0].Flagi, quint16(kCz | kNaglos));
  QCOMPARE(katalog.Dostepne[0].Dzwiek, QDir::current().filePath(QStringLiteral("Data/Smd/czapka.pw")));

  katalog.Wybierz(Settings(kSz | kCz, kNaglos));
  QCOMPARE(Keys(katalog.Dostepne), kBuiltIn + QStringList{"czapka"});
  QCOMPARE(katalog.Baza.size(), size_t(5));
}

void TestWords::losujDrawsDistinctWordsAndMarksThem() {
  FakeClock clock;
  CSlowa katalog{session::ContentRoot(QDir::currentPath()), testing::Clock()};
  katalog.Wybierz(Settings(kSz, kNaglos));

  // Every second of a minute, so that many orders are seen.
  for (int s = 0; s < 60; ++s) {
    clock.AdvanceMs(1000);
    QVERIFY(katalog.Losuj(5));
    QCOMPARE(katalog.Wylosowane.size(), size_t(5));
    const QStringList drawn = Keys(katalog.Wylosowane);
    QCOMPARE(QSet<QString>(drawn.begin(), drawn.end()), QSet<QString>(kBuiltIn.begin(), kBuiltIn.end()));
    for (const auto& w : katalog.Wylosowane) QCOMPARE(w.Flagi, quint16(kSz | kNaglos | CSlowa::kZnacznik));
    for (const auto& w : katalog.Dostepne) QVERIFY(w.Flagi & CSlowa::kZnacznik);
  }

  // A partial draw marks exactly the drawn words in the available list.
  QVERIFY(katalog.Losuj(3));
  QSet<QString> marked;
  for (const auto& w : katalog.Dostepne) {
    if (w.Flagi & CSlowa::kZnacznik) marked << w.Nazwa;
  }
  const QStringList drawn = Keys(katalog.Wylosowane);
  QCOMPARE(drawn.size(), 3);
  QCOMPARE(marked, QSet<QString>(drawn.begin(), drawn.end()));

  katalog.Zwolnij();
  QVERIFY(katalog.Wylosowane.empty());
  QCOMPARE(Keys(katalog.Dostepne), kBuiltIn);
  for (const auto& w : katalog.Dostepne) QCOMPARE(w.Flagi, quint16(kSz | kNaglos));

  QVERIFY(katalog.Losuj(0));
  QVERIFY(katalog.Wylosowane.empty());

  // Too many words: nothing drawn, and the earlier draw is released.
  QVERIFY(katalog.Losuj(2));
  QVERIFY(!katalog.Losuj(6));
  QVERIFY(katalog.Wylosowane.empty());
  for (const auto& w : katalog.Dostepne) QCOMPARE(w.Flagi & CSlowa::kZnacznik, 0);

  // A new selection releases the draw as well.
  QVERIFY(katalog.Losuj(3));
  katalog.Wybierz(Settings(kCz, kNaglos));
  QVERIFY(katalog.Wylosowane.empty());
  QVERIFY(!katalog.Losuj(1));
}

void TestWords::losujIsReseededFromTheLocalSecondAtEveryCall() {
  FakeClock clock;
  CSlowa katalog{session::ContentRoot(QDir::currentPath()), testing::Clock()};
  katalog.Wybierz(Settings(kSz, kNaglos));

  QVERIFY(katalog.Losuj(5));
  const QStringList first = Keys(katalog.Wylosowane);
  // Other users of the generator in between do not matter within the second.
  for (int i = 0; i < 7; ++i) RandomNext();
  const qint64 second = clock.LocalSeconds();
  clock.AdvanceMs(800);  // the clock starts at .123: still the same second
  QCOMPARE(clock.LocalSeconds(), second);
  QVERIFY(katalog.Losuj(5));
  QCOMPARE(Keys(katalog.Wylosowane), first);

  // The first word is the one the seeded generator points at.
  RandomSeed(quint32(clock.LocalSeconds()));
  QCOMPARE(katalog.Wylosowane[0].Nazwa, kBuiltIn[RandomNext() % 5]);

  // Another second gives another order, sooner or later.
  bool changed = false;
  for (int s = 0; s < 100 && !changed; ++s) {
    clock.AdvanceMs(1000);
    QVERIFY(katalog.Losuj(5));
    changed = Keys(katalog.Wylosowane) != first;
  }
  QVERIFY(changed);
}

void TestWords::losujProbesForwardPastDrawnWordsAndWraps() {
  FakeClock clock;
  CSlowa katalog{session::ContentRoot(QDir::currentPath()), testing::Clock()};
  katalog.Wybierz(Settings(kSz, kNaglos));

  // Find a second whose first two random values both point at the last
  // word: the second draw must then wrap round to the first word.
  qint64 second = -1;
  for (qint64 s = 0; s < 100000 && second < 0; ++s) {
    RandomSeed(quint32(s));
    const int a = RandomNext() % 5;
    const int b = RandomNext() % 5;
    if (a == 4 && b == 4) second = s;
  }
  QVERIFY(second >= 0);
  clock.SetLocalSeconds(second);
  QVERIFY(katalog.Losuj(2));
  QCOMPARE(Keys(katalog.Wylosowane), (QStringList{"szynka", "szalik"}));
}

void TestWords::memoryPicturesMissingOrCorruptStayEmpty() {
  FakeClock clock;
  CSlowa katalog{session::ContentRoot(QDir::currentPath()), testing::Clock()};
  katalog.Wybierz(Settings(kSz, kNaglos));
  for (int i = 0; i < 5; ++i) {
    QVERIFY(WriteJpeg("Data/Sio/s" + kBuiltIn[i] + ".xji", SmallSize(i)));
  }

  QVERIFY(katalog.Losuj(5));
  QVERIFY(katalog.WczytajObrazkiMemory());
  for (const auto& w : katalog.Wylosowane) {
    QCOMPARE(w.Obrazek.size(), SmallSize(int(kBuiltIn.indexOf(w.Nazwa))));
    QVERIFY(w.ObrazekDuzy.isNull());
  }
  // The catalogue's own lists never hold pictures.
  for (const auto& w : katalog.Dostepne) QVERIFY(w.Obrazek.isNull());

  QVERIFY(QFile::remove("Data/Sio/sszopa.xji"));
  QVERIFY(WriteBytes("Data/Sio/sszynka.xji", "not a picture at all"));
  QVERIFY(WriteBytes("Data/Sio/sszalik.xji", QByteArray("\xFF\xD8\xFF\xE0", 4)));  // a JPEG cut short
  QVERIFY(katalog.Losuj(5));
  QVERIFY(!katalog.WczytajObrazkiMemory());
  QCOMPARE(katalog.Wylosowane.size(), size_t(5));
  for (const auto& w : katalog.Wylosowane) {
    const bool broken = w.Nazwa == "szopa" || w.Nazwa == "szynka" || w.Nazwa == "szalik";
    QCOMPARE(w.Obrazek.isNull(), broken);
  }
}

void TestWords::labellingPicturesComeAsAPair() {
  FakeClock clock;
  CSlowa katalog{session::ContentRoot(QDir::currentPath()), testing::Clock()};
  katalog.Wybierz(Settings(kSz, kNaglos));
  for (int i = 0; i < 5; ++i) {
    QVERIFY(WriteJpeg("Data/Sio/s" + kBuiltIn[i] + ".xji", SmallSize(i)));
    QVERIFY(WriteJpeg("Data/Bio/" + kBuiltIn[i] + "_upb.xji", LargeSize(i)));
  }
  QVERIFY(katalog.Losuj(5));
  QVERIFY(katalog.WczytajObrazkiPodpisywania("_upb.xji"));
  for (const auto& w : katalog.Wylosowane) {
    const int i = int(kBuiltIn.indexOf(w.Nazwa));
    QCOMPARE(w.Obrazek.size(), SmallSize(i));
    QCOMPARE(w.ObrazekDuzy.size(), LargeSize(i));
  }

  // szklanka: large picture missing; szkola: small one undecodable;
  // szopa: large one undecodable. Each loses both pictures.
  QVERIFY(QFile::remove("Data/Bio/szklanka_upb.xji"));
  QVERIFY(WriteBytes("Data/Sio/sszkola.xji", "garbage"));
  QVERIFY(WriteBytes("Data/Bio/szopa_upb.xji", "garbage"));
  QVERIFY(katalog.Losuj(5));
  QVERIFY(!katalog.WczytajObrazkiPodpisywania("_upb.xji"));
  QCOMPARE(katalog.Wylosowane.size(), size_t(5));
  for (const auto& w : katalog.Wylosowane) {
    const int i = int(kBuiltIn.indexOf(w.Nazwa));
    const bool broken = w.Nazwa == "szklanka" || w.Nazwa == "szkola" || w.Nazwa == "szopa";
    QCOMPARE(w.Obrazek.isNull(), broken);
    QCOMPARE(w.ObrazekDuzy.isNull(), broken);
    if (!broken) QCOMPARE(w.ObrazekDuzy.size(), LargeSize(i));
  }
}

QTEST_GUILESS_MAIN(TestWords)
#include "tst_words.moc"
