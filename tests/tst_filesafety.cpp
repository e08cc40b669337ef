// Every file the program writes, tried against what a hostile or unlucky
// disk holds in its place (a link, a pipe, a folder, a torn file) and against
// a disk that runs out of room: the writer refuses or fails, says so, and the
// old file is exactly as it was.
#include <QtTest>

#include <csignal>
#include <functional>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "history/exporttarget.h"
#include "history/statscsv.h"
#include "platform/inifile.h"
#include "profiles/profiles.h"
#include "recorder/wavfile.h"
#include "results/_cstatrec.h"
#include "shell/_cblad.h"
#include "words/_custgry.h"
#include "support/services.h"
#include "support/fakeclock.h"

namespace {

const QByteArray kHeader = statrec::EncodeHeader(6, {2026, 12, 2, 8, 10, 0, 0, 0});

const QStringList kWriters = {"export", "profile", "recording", "settings", "statistics"};

// The file each writer of the program writes, relative to its folder.
QString Target(const QString& writer) {
  static const QMap<QString, QString> targets = {{"settings", "Data/data.ini"},
                                                 {"profile", "Profile/Ala/profil.ini"},
                                                 {"recording", "Profile/Ala/Nagrania/r.wav"},
                                                 {"export", "wyniki.csv"},
                                                 {"statistics", "prgst6.stt"}};
  return targets[writer];
}

// Writes about `size` bytes of new contents with that writer, or a game's
// record; its answer.
bool WriteWith(const QString& writer, const QString& dir, int size) {
  const QString path = dir + "/" + Target(writer);
  if (writer == "profile") return profiles::SetPicture({"Ala", dir + "/Profile/Ala", {}}, QString(size, 'x')).isEmpty();
  if (writer == "recording") return recorder::SaveWav(path, std::vector<qint16>(size / 2), 16000);
  if (writer == "export") return history::SaveExport(path, QByteArray(size, 'x')).isEmpty();
  if (writer == "settings") {
    platform::IniFile ini;
    ini.WriteString("DaneProgramu", "X", QString(size, 'x'));
    return ini.Save(path);
  }
  try {
    testing::FakeClock clock;
    CStatRec store(testing::Clock(), 6, dir);
    CUstGry settings(QStringLiteral("Memory"));
    store.StartGame(2, settings);
    store.StopGame();
    return store.WriteRecord(true);
  } catch (const CBlad&) {
    return false;
  }
}

// The old contents every target holds before a writer is tried.
QByteArray OldContents(const QString& name) {
  // Records up to the end of a 4 KB page: the next one needs room of its own.
  if (name == "statistics") return kHeader + QByteArray(92 * statrec::kRecordSize, '\1');
  return QByteArray("old contents of ") + name.toUtf8();
}

QByteArray Read(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

bool Write(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile f(path);
  return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// What stands at a path: "file:<bytes>", "link", "folder", "other" (a pipe), "none".
QString Kind(const QString& path) {
  const QFileInfo info(path);
  if (info.isSymLink() || info.isDir()) return info.isSymLink() ? "link" : "folder";
  return info.isFile() ? "file:" + QString::fromLatin1(Read(path).toHex()) : info.exists() ? "other" : "none";
}

// Runs `work` in a child process whose files may grow to `limit` bytes at
// most: a write beyond it fails as on a full disk. The child's answer.
bool InChildWithFileLimit(rlim_t limit, const std::function<bool()>& work) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit rl{limit, limit};
    if (::setrlimit(RLIMIT_FSIZE, &rl) != 0) ::_exit(2);
    ::_exit(work() ? 1 : 0);
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 1;
}

}  // namespace

class FileSafetyTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
  }

  void aWriterNeverGoesThroughALinkOrIntoSomethingElse_data() {
    QTest::addColumn<QString>("writer");
    QTest::addColumn<QString>("standing");  // what stands where the file goes
    for (const QString& w : kWriters)
      for (const char* standing : {"link", "fifo", "folder"}) QTest::newRow(qPrintable(w + ", " + standing)) << w << standing;
    // The history file's own trouble: something else under its name.
    QTest::newRow("statistics, foreign header") << "statistics" << "foreign";
  }
  void aWriterNeverGoesThroughALinkOrIntoSomethingElse() {
    QFETCH(QString, writer);
    QFETCH(QString, standing);
    const QString path = dir_->filePath(Target(writer));
    const QString victim = dir_->filePath("outside/shell-settings");
    QVERIFY(Write(victim, "export PATH=...\n"));
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    if (standing == "link") QVERIFY(QFile::link(victim, path));
    if (standing == "fifo") QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    if (standing == "folder") QVERIFY(QDir().mkpath(path));
    if (standing == "foreign") QVERIFY(Write(path, QByteArray(64, 'A')));
    const QString before = Kind(path);

    QVERIFY(!WriteWith(writer, dir_->path(), 100));
    QCOMPARE(Kind(path), before);
    QCOMPARE(Read(victim), QByteArray("export PATH=...\n"));
  }

  void anExportNeverTakesThePlaceOfTheProgramsFiles_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<QByteArray>("old");
    QTest::addColumn<bool>("allowed");
    QTest::newRow("statistics") << "prgst6.stt" << kHeader << false;
    QTest::newRow("statistics under another name") << "kopia.dat" << kHeader << false;
    QTest::newRow("profile") << "Profile/Ala/profil.ini" << QByteArray("[Profil]\nImie=Ala\n") << false;
    QTest::newRow("recording") << "Profile/Ala/Nagrania/a.wav" << QByteArray("RIFF") << false;
    QTest::newRow("an old export") << "wyniki.csv" << QByteArray("old;csv\r\n") << true;
  }
  void anExportNeverTakesThePlaceOfTheProgramsFiles() {
    QFETCH(QString, target);
    QFETCH(QByteArray, old);
    QFETCH(bool, allowed);
    const QString path = dir_->filePath(target);
    QVERIFY(Write(path, old));
    const QString failure = history::SaveStatsCsv({}, path);
    QCOMPARE(failure.isEmpty(), allowed);
    if (!allowed) QVERIFY2(failure.contains(QFileInfo(path).fileName()), qPrintable(failure));
    if (!allowed) QCOMPARE(Read(path), old);
  }

  void aTornRecordIsCutOffBeforeTheNextGame() {
    const QByteArray whole = kHeader + QByteArray(2 * statrec::kRecordSize, '\2');
    QVERIFY(Write(dir_->filePath("prgst6.stt"), whole + QByteArray(17, '\1')));
    QVERIFY(WriteWith("statistics", dir_->path(), 0));
    const QByteArray now = Read(dir_->filePath("prgst6.stt"));
    QCOMPARE(now.size(), statrec::kHeaderSize + 3 * statrec::kRecordSize);
    QCOMPARE(now.left(whole.size()), whole);
    QCOMPARE(now.mid(whole.size(), 4), QByteArray::fromHex("02000000"));  // the new game starts its record
  }

  void removingAProfileDeletesOnlyWhatTheProgramMade() {
    // A profile folder that is a link to an adult's documents.
    const QString documents = dir_->filePath("Dokumenty");
    QVERIFY(Write(documents + "/praca.odt", "odt"));
    QVERIFY(Write(documents + "/Zdjecia/1.jpg", "jpg"));
    QVERIFY(Write(documents + "/profil.ini", "[Profil]\nImie=Ola\n"));
    QVERIFY(QDir().mkpath(dir_->filePath("Profile")));
    QVERIFY(QFile::link(documents, dir_->filePath("Profile/Ola")));
    QVERIFY(profiles::Remove({"Ola", dir_->filePath("Profile/Ola"), {}}).isEmpty());
    QCOMPARE(Kind(dir_->filePath("Profile/Ola")), QString("none"));
    QCOMPARE(QDir(documents).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             (QStringList{"praca.odt", "profil.ini", "Zdjecia"}));

    // A real profile folder with the adult's own file beside the program's.
    const QString ala = dir_->filePath("Profile/Ala");
    for (const char* f : {"profil.ini", "data.ini", "prgst6.stt", "Nagrania/x.wav", "notatki.txt"})
      QVERIFY(Write(ala + "/" + f, "x"));
    const QString message = profiles::Remove({"Ala", ala, {}});
    QVERIFY2(message.contains("notatki.txt"), qPrintable(message));
    QCOMPARE(QDir(ala).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"notatki.txt"});
  }

  void whatTheProgramMakesForAChildIsPrivate() {
    const mode_t previous = ::umask(022);
    profiles::Profile ala;
    QVERIFY(profiles::Add(dir_->path(), "Ala", "szalik", &ala).isEmpty());
    QVERIFY(recorder::SaveWav(ala.folder + "/Nagrania/r.wav", std::vector<qint16>(8), 16000));
    QVERIFY(WriteWith("statistics", ala.folder, 0));
    ::umask(previous);
    const auto mode = [](const QString& path) {
      struct stat st {};
      ::stat(QFile::encodeName(path).constData(), &st);
      return int(st.st_mode & 0777);
    };
    for (const QString& folder : {dir_->filePath("Profile"), ala.folder, ala.folder + "/Nagrania"})
      QCOMPARE(mode(folder), 0700);
    for (const QString& file : {ala.folder + "/profil.ini", ala.folder + "/Nagrania/r.wav", ala.folder + "/prgst6.stt"})
      QCOMPARE(mode(file), 0600);
  }

  void aFullDiskKeepsEveryOldFile_data() {
    QTest::addColumn<QString>("writer");
    QTest::addColumn<QString>("disk");
    for (const QString& w : kWriters)
      for (const char* disk : {"file-size limit", "small tmpfs"}) QTest::newRow(qPrintable(w + ", " + disk)) << w << disk;
  }
  void aFullDiskKeepsEveryOldFile() {
    QFETCH(QString, writer);
    QFETCH(QString, disk);
    const QString root = dir_->filePath("disk");
    QVERIFY(QDir().mkpath(root));
    const QString path = root + "/" + Target(writer);
    const QByteArray old = OldContents(writer);
    const int big = 64 * 1024;  // more than the room left either way

    bool written = true;
    if (disk == "file-size limit") {
      QVERIFY(Write(path, old));
      // The statistics' record is small: the limit lets a few bytes of it in.
      const rlim_t limit = writer == "statistics" ? rlim_t(old.size() + 10) : rlim_t(big / 2);
      written = InChildWithFileLimit(limit, [&] { return WriteWith(writer, root, big); });
    } else {
      if (::geteuid() != 0 || ::mount("tmpfs", QFile::encodeName(root).constData(), "tmpfs", 0, "size=64k") != 0)
        QSKIP("no small file system can be mounted here");
      const auto unmount = qScopeGuard([&] { ::umount2(QFile::encodeName(root).constData(), MNT_DETACH); });
      QVERIFY(Write(path, old));
      // The rest of the disk is taken, up to the last byte.
      QFile filler(root + "/filler");
      QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
      while (filler.write(QByteArray(512, 'f')) > 0) {
      }
      written = WriteWith(writer, root, big);
      QCOMPARE(Read(path), old);
    }
    QVERIFY(!written);
    if (disk == "file-size limit") QCOMPARE(Read(path), old);
  }

 private:
  std::unique_ptr<QTemporaryDir> dir_;
};

QTEST_GUILESS_MAIN(FileSafetyTest)
#include "tst_filesafety.moc"
