// The statistics file on a disk that runs out of room: a child process gets a
// real file-size limit from the kernel, so the writes fail the way they do on
// a full disk (a short write, then EFBIG), not through a test writer.
#include <QFile>
#include <QtEndian>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "results/_cstatrec.h"
#include "words/_custgry.h"
#include "support/services.h"
#include "support/fakeclock.h"
#include "support/workdir.h"

using testing::FakeClock;
using testing::TemporaryWorkingDir;

namespace {

const QString kFile = QStringLiteral("prgst6.stt");

// What the child tells the parent through its exit status.
constexpr int kChildSetupFailed = 100;
constexpr int kChildNeverFailed = 101;

// Runs in the child: plays games and writes their records until a write is
// refused, then checks that the store goes on refusing. Exits with the number
// of records it believes were written.
[[noreturn]] void WriteUntilFull(rlim_t limit, int maxGames) {
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit rl{limit, limit};
  if (::setrlimit(RLIMIT_FSIZE, &rl) != 0) ::_exit(kChildSetupFailed);
  int written = 0;
  try {
    FakeClock clock;
    CStatRec store(testing::Clock(), 6);
    CUstGry settings(QStringLiteral("Memory"));
    settings.poziom = 3;
    settings.gloski = 5;
    settings.pozycja = 768;
    for (int game = 0; game < maxGames; ++game) {
      store.StartGame(2, settings);
      for (int i = 0; i <= game; ++i) store.AddCorrect();
      store.AddWrong();
      clock.AdvanceMs(1000);
      store.StopGame();
      if (!store.WriteRecord(game % 2 == 0)) {
        // Once the disk is full, every further record is refused too.
        if (store.WriteRecord(true)) ::_exit(kChildSetupFailed);
        ::_exit(written);
      }
      ++written;
    }
  } catch (...) {
    ::_exit(kChildSetupFailed);
  }
  ::_exit(kChildNeverFailed);
}

// Forks, lets the child write under `limit`, and gives its exit status.
int RunChild(rlim_t limit, int maxGames) {
  const pid_t pid = ::fork();
  if (pid == 0) WriteUntilFull(limit, maxGames);
  int status = 0;
  if (pid < 0 || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

template <typename T>
T At(const QByteArray& bytes, int offset) {
  return qFromLittleEndian<T>(bytes.constData() + offset);
}

}  // namespace

class TestFailingDisk : public QObject {
  Q_OBJECT

 private slots:
  void aFullDiskKeepsOnlyWholeRecords_data();
  void aFullDiskKeepsOnlyWholeRecords();
  void aDiskTooSmallForTheHeaderLeavesNoFile();
};

void TestFailingDisk::aFullDiskKeepsOnlyWholeRecords_data() {
  QTest::addColumn<int>("limit");
  QTest::addColumn<int>("whole");
  // The limit falls inside a record, on its first byte, on its last byte,
  // and exactly after a record.
  QTest::newRow("mid-record") << 20 + 44 * 3 + 17 << 3;
  QTest::newRow("first byte") << 20 + 44 * 2 + 1 << 2;
  QTest::newRow("last byte") << 20 + 44 * 5 - 1 << 4;
  QTest::newRow("record boundary") << 20 + 44 * 4 << 4;
  QTest::newRow("header only") << 20 << 0;
}

void TestFailingDisk::aFullDiskKeepsOnlyWholeRecords() {
  QFETCH(int, limit);
  QFETCH(int, whole);
  TemporaryWorkingDir dir;
  QVERIFY(dir.IsValid());

  const int reported = RunChild(rlim_t(limit), 50);
  QCOMPARE(reported, whole);

  const QByteArray bytes = ReadAll(dir.FilePath(kFile));
  QCOMPARE(bytes.size(), statrec::kHeaderSize + statrec::kRecordSize * whole);
  QCOMPARE(At<qint32>(bytes, 0), 6);
  for (int i = 0; i < whole; ++i) {
    const int r = statrec::kHeaderSize + statrec::kRecordSize * i;
    QCOMPARE(At<qint32>(bytes, r), 2);              // Memory
    QCOMPARE(At<qint16>(bytes, r + 20), qint16(3));  // amount
    QCOMPARE(At<qint16>(bytes, r + 22), qint16(5));  // sounds
    QCOMPARE(At<qint16>(bytes, r + 24), qint16(768));
    QCOMPARE(At<qint16>(bytes, r + 30), qint16(i % 2 == 0 ? 1 : 0));
    QCOMPARE(At<qint32>(bytes, r + 36), i + 1);  // correct
    QCOMPARE(At<qint32>(bytes, r + 40), 1);      // wrong
  }
}

void TestFailingDisk::aDiskTooSmallForTheHeaderLeavesNoFile() {
  TemporaryWorkingDir dir;
  QVERIFY(dir.IsValid());
  // The store cannot be made at all (CBlad 3), and no half header stays.
  QCOMPARE(RunChild(rlim_t(11), 1), kChildSetupFailed);
  QVERIFY(!QFile::exists(dir.FilePath(kFile)));
}

QTEST_GUILESS_MAIN(TestFailingDisk)
#include "tst_failingdisk.moc"
