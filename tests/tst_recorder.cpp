// The recorder without a game: when a take ends, the WAV files it writes,
// the kept voices of the words and the hostile files that may stand in their
// place, and one recording from the press to the playback with a microphone
// that hears a generated signal.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QtEndian>
#include <QtTest>

#include <SDL.h>
#include <sys/stat.h>

#include "platform/sound.h"

#include "recorder/recorder.h"
#include "session/childfiles.h"
#include "session/contentroot.h"
#include "recorder/stoprule.h"
#include "recorder/voicelibrary.h"
#include "recorder/wavfile.h"
#include "shell/_specfunc.h"
#include "support/fakeclock.h"
#include "support/microphone.h"
#include "support/programdir.h"
#include "support/seams.h"

using namespace testing;
using recorder::StopRule;

namespace {

constexpr int kRate = 16000;
constexpr qint64 kFrame = kRate * StopRule::kFrameMs / 1000;
// A voice far above the loud threshold, a hum between the two thresholds.
constexpr double kVoice = 8000;
constexpr double kHum = 1000;  // RMS about 707

// Feeds the signal in blocks of `block` samples, then silence, until the
// rule ends; returns the samples it took.
qint64 RunRule(StopRule& rule, const std::vector<qint16>& signal, qint64 block = 1000) {
  std::vector<qint16> padded = signal + Silence(10000);
  qint64 at = 0;
  while (!rule.Ended() && at < qint64(padded.size())) {
    const qint64 n = qMin(block, qint64(padded.size()) - at);
    rule.Feed(padded.data() + at, n);
    at += n;
  }
  return rule.Taken();
}

// The samples of a 16-bit mono WAV file, read by SDL as the player reads it.
std::vector<qint16> ReadWav(const QString& path, int* rate = nullptr) {
  SDL_AudioSpec format{};
  Uint8* buffer = nullptr;
  Uint32 length = 0;
  if (!SDL_LoadWAV(QFile::encodeName(path).constData(), &format, &buffer, &length)) return {};
  std::vector<qint16> out;
  if (format.format == AUDIO_S16LSB && format.channels == 1) {
    out.resize(length / 2);
    memcpy(out.data(), buffer, length);
  }
  if (rate) *rate = format.freq;
  SDL_FreeWAV(buffer);
  return out;
}

std::vector<qint16> Head(const std::vector<qint16>& v, qint64 n) { return {v.begin(), v.begin() + n}; }

// A WAV file as anyone may write it, header lies included: `claimed` bytes
// of samples in the header, `present` really there.
QByteArray Wav(int format, int channels, int rate, int bits, quint32 claimed, qint64 present) {
  QByteArray out;
  const auto put = [&out](quint32 v, int n) {
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, n);
  };
  out.append("RIFF", 4);
  put(36 + claimed, 4);
  out.append("WAVEfmt ", 8);
  put(16, 4);
  put(quint32(format), 2);
  put(quint32(channels), 2);
  put(quint32(rate), 4);
  put(quint32(rate * channels * bits / 8), 4);
  put(quint32(channels * bits / 8), 2);
  put(quint32(bits), 2);
  out.append("data", 4);
  put(claimed, 4);
  return out + QByteArray(present, '\x10');
}
QByteArray Wav(int format, int channels, int rate, int bits, qint64 bytes) {
  return Wav(format, channels, rate, bits, quint32(bytes), bytes);
}

constexpr qint64 kClaimed = 1600000000;

// Puts a hostile voice at `path`: a file of `bytes`, or what `kind` names.
bool Plant(const QString& path, const QString& kind, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).path());
  const QByteArray name = QFile::encodeName(path);
  if (kind == QLatin1String("fifo")) return ::mkfifo(name.constData(), 0600) == 0;
  if (kind == QLatin1String("folder")) return QDir().mkpath(path);
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) return false;
  // As the header claims, and sparse: a few kilobytes on the disk.
  return kind != QLatin1String("sparse") || f.resize(44 + kClaimed);
}

// Counts the input that reaches it.
class Target : public QWidget {
 public:
  int presses = 0;
  int keys = 0;

 protected:
  void mousePressEvent(QMouseEvent*) override { ++presses; }
  void keyPressEvent(QKeyEvent*) override { ++keys; }
};

bool IsKeyN(QObject*, QEvent* e) {
  return e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_N;
}

}  // namespace

class RecorderTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  // --- when a take ends ---

  void theLimitEndsATakeWhateverItHears_data() {
    QTest::addColumn<std::vector<qint16>>("signal");
    QTest::addColumn<bool>("heard");
    QTest::newRow("silence") << Silence(6000) << false;
    QTest::newRow("a continuous voice") << Tone(6000, kVoice) << true;
    QTest::newRow("a hum between the thresholds") << Tone(6000, kHum) << false;
    QTest::newRow("a click shorter than speech")
        << Tone(StopRule::kFrameMs * (StopRule::kSpeechFrames - 1), kVoice) << false;
  }
  void theLimitEndsATakeWhateverItHears() {
    QFETCH(std::vector<qint16>, signal);
    QFETCH(bool, heard);
    StopRule rule(kRate);
    QCOMPARE(RunRule(rule, signal), qint64(4 * kRate));
    QCOMPARE(rule.Why(), StopRule::Reason::Limit);
    QCOMPARE(rule.Heard(), heard);
  }

  void aSecondOfQuietAfterSpeechEndsIt_data() {
    QTest::addColumn<std::vector<qint16>>("signal");
    QTest::addColumn<qint64>("block");
    QTest::addColumn<qint64>("taken");
    // 25 loud frames, then 50 quiet ones, however the samples come.
    QTest::newRow("sample by sample") << Tone(500, kVoice) << qint64(1) << qint64(kRate * 3 / 2);
    QTest::newRow("blocks across frames") << Tone(500, kVoice) << qint64(333) << qint64(kRate * 3 / 2);
    // After speech a hum is more of it: the quiet starts when it stops.
    QTest::newRow("speech, then a hum") << Tone(200, kVoice) + Tone(1500, kHum) << qint64(1000)
                                        << qint64(kRate * 27 / 10);
  }
  void aSecondOfQuietAfterSpeechEndsIt() {
    QFETCH(std::vector<qint16>, signal);
    QFETCH(qint64, block);
    QFETCH(qint64, taken);
    StopRule rule(kRate);
    QCOMPARE(RunRule(rule, signal, block), taken);
    QCOMPARE(rule.Why(), StopRule::Reason::Silence);
    QVERIFY(rule.Heard());
    const qint16 more[10] = {};
    QCOMPARE(rule.Feed(more, 10), qint64(0));
  }

  // --- the kept voices ---

  void aModelIsSpokenInsteadOfTheSynthesisedWordUntilItIsDeleted() {
    ProgramDir dir;
    const recorder::VoiceLibrary voices(session::ChildFiles::InFolder(dir.Path()), session::ContentRoot(dir.Path()));
    FakeSound sound;
    dir.Write(QStringLiteral("Data/Smd/szalik.pw"), "synthesised");
    const QString synthesised = dir.File(QStringLiteral("Data/Smd/szalik.pw"));
    QCOMPARE(voices.WordSoundPath(QStringLiteral("szalik")), synthesised);

    QVERIFY(voices.KeepModel(QStringLiteral("szalik"), Tone(200, kVoice), kRate));
    QVERIFY(voices.HasModel(QStringLiteral("szalik")));
    const QString model = dir.File(QStringLiteral("Glosy/szalik.wav"));
    QCOMPARE(QFileInfo(voices.WordSoundPath(QStringLiteral("szalik"))).absoluteFilePath(), model);
    QVERIFY(PlayWordSound(*testing::Services().sound, voices, QStringLiteral("szalik")));

    QVERIFY(voices.DeleteModel(QStringLiteral("szalik")));
    QVERIFY(PlayWordSound(*testing::Services().sound, voices, QStringLiteral("szalik")));
    QCOMPARE(sound.played.size(), 2);
    QCOMPARE(QFileInfo(sound.played[0]).absoluteFilePath(), model);
    QCOMPARE(sound.played[1], synthesised);
  }

  void aModelIsSpokenOnlyWhenItCanBePlayedWithinTheLimits_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<recorder::WavFault>("fault");
    using F = recorder::WavFault;
    const QByteArray own = recorder::EncodeWav(Tone(500, kVoice), kRate);
    const QString file = QStringLiteral("file");
    QTest::newRow("the recorder's own") << file << own << F::None;
    QTest::newRow("float at 48 kHz") << file << Wav(3, 1, 48000, 32, 48000 * 4) << F::None;
    QTest::newRow("a header claiming 1.6 GB") << file << Wav(1, 1, kRate, 16, kClaimed, 4000) << F::Truncated;
    QTest::newRow("the same, sparse") << QStringLiteral("sparse") << Wav(1, 1, kRate, 16, kClaimed, 4000) << F::TooBig;
    QTest::newRow("1 Hz") << file << Wav(1, 1, 1, 16, 200) << F::BadFormat;
    QTest::newRow("zero channels") << file << Wav(1, 0, kRate, 16, 3200) << F::BadFormat;
    QTest::newRow("compressed") << file << Wav(2, 1, kRate, 4, 3200) << F::BadFormat;
    QTest::newRow("eleven seconds") << file << Wav(1, 1, 8000, 8, 8000 * 11) << F::TooLong;
    QTest::newRow("ten minutes") << file << recorder::EncodeWav(Silence(600000), kRate) << F::TooBig;
    QTest::newRow("truncated samples") << file << own.chopped(100) << F::Truncated;
    QTest::newRow("no samples") << file << Wav(1, 1, kRate, 16, 1) << F::Empty;
    QTest::newRow("not RIFF") << file << QByteArray("ID3\x04 an mp3 named .wav") << F::NotWav;
    QTest::newRow("a FIFO") << QStringLiteral("fifo") << QByteArray() << F::NotAFile;
    QTest::newRow("a folder") << QStringLiteral("folder") << QByteArray() << F::NotAFile;
  }
  void aModelIsSpokenOnlyWhenItCanBePlayedWithinTheLimits() {
    QFETCH(QString, kind);
    QFETCH(QByteArray, bytes);
    QFETCH(recorder::WavFault, fault);
    ProgramDir dir;
    const recorder::VoiceLibrary voices(session::ChildFiles::InFolder(dir.Path()), session::ContentRoot(dir.Path()));
    const QString key = QStringLiteral("szalik");
    const QString model = voices.ModelPath(key);
    QVERIFY(Plant(model, kind, bytes));
    QCOMPARE(recorder::InspectWavFile(model).fault, fault);
    const bool ok = fault == recorder::WavFault::None;
    QCOMPARE(voices.ModelOf(key), ok ? recorder::Model::Usable : recorder::Model::Unusable);
    QCOMPARE(voices.WordSoundPath(key), ok ? model : voices.SynthesisedSoundPath(key));
    QCOMPARE(recorder::PlayVoice(*testing::Services().sound, model), ok);
  }

  void noSoundFileHoldsThePlayerLongerThanASaneSound_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("played");
    const QString file = QStringLiteral("file");
    QTest::newRow("a short voice, played") << file << recorder::EncodeWav(Tone(400, kVoice), kRate) << true;
    QTest::newRow("a sparse file claiming 1.6 GB") << QStringLiteral("sparse") << Wav(1, 1, kRate, 16, kClaimed, 4000)
                                                   << false;
    QTest::newRow("200 s at 1 Hz") << file << Wav(1, 1, 1, 8, 200) << false;
    QTest::newRow("a FIFO") << QStringLiteral("fifo") << QByteArray() << false;
  }
  void noSoundFileHoldsThePlayerLongerThanASaneSound() {
    QFETCH(QString, kind);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, played);
    ProgramDir dir;
    const recorder::VoiceLibrary voices(session::ChildFiles::InFolder(dir.Path()), session::ContentRoot(dir.Path()));
    const QString path = dir.File(QStringLiteral("Data/Smd/szalik.pw"));
    QVERIFY(Plant(path, kind, bytes));
    // The real player, on SDL's dummy driver, which drains in real time.
    QElapsedTimer took;
    took.start();
    platform::SystemSoundOutput().PlaySync(path);
    QVERIFY2(took.elapsed() < 2000, qPrintable(QString::number(took.elapsed())));
    QCOMPARE(took.elapsed() >= 150, played);
  }

  void aKeyThatIsNoWordNamesNoFile() {
    ProgramDir dir;
    const recorder::VoiceLibrary voices(session::ChildFiles::InFolder(dir.Path()), session::ContentRoot(dir.Path()));
    QVERIFY(!voices.KeepModel(QStringLiteral("../szalik"), Tone(10, kVoice), kRate));
    QVERIFY(!voices.DeleteModel(QStringLiteral("../szalik")));
    QVERIFY(QDir(dir.Path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot).isEmpty());
    QVERIFY(!QFileInfo::exists(dir.File(QStringLiteral("szalik.wav"))));
  }

  void recordingsAreListedPerWordOldestFirstAndDeletedOnlyFromTheirFolder() {
    ProgramDir dir;
    const recorder::VoiceLibrary voices(session::ChildFiles::InFolder(dir.Path()), session::ContentRoot(dir.Path()));
    const QDateTime first(QDate(2026, 12, 8), QTime(10, 15, 3), QTimeZone::utc());
    QCOMPARE(recorder::RecordingFileName(QStringLiteral("szalik"), first), QStringLiteral("2026-12-08_10-15-03_szalik.wav"));
    const QString a = voices.NewRecordingPath(QStringLiteral("szalik"), first);
    QVERIFY(recorder::SaveWav(a, Tone(10, kVoice), kRate));
    // The same second again gets a name of its own.
    const QString b = voices.NewRecordingPath(QStringLiteral("szalik"), first);
    QCOMPARE(QFileInfo(b).fileName(), QStringLiteral("2026-12-08_10-15-03_szalik-2.wav"));
    QVERIFY(recorder::SaveWav(b, Tone(10, kVoice), kRate));
    const QString older = voices.NewRecordingPath(QStringLiteral("szalik"), first.addDays(-1));
    QVERIFY(recorder::SaveWav(older, Tone(10, kVoice), kRate));
    // A longer key that starts alike, and a file that is no recording.
    QVERIFY(recorder::SaveWav(voices.NewRecordingPath(QStringLiteral("szalik_duzy"), first), Tone(10, kVoice), kRate));
    dir.Write(QStringLiteral("Nagrania/notatka_szalik.wav"), "x");

    QCOMPARE(voices.Recordings(QStringLiteral("szalik")), (QStringList{older, a, b}));

    dir.Write(QStringLiteral("2026-12-08_10-15-03_szalik.wav"), "elsewhere");
    QVERIFY(!voices.DeleteRecording(dir.File(QStringLiteral("2026-12-08_10-15-03_szalik.wav"))));
    QVERIFY(!voices.DeleteRecording(dir.File(QStringLiteral("Nagrania/notatka_szalik.wav"))));
    QVERIFY(voices.DeleteRecording(a));
    QCOMPARE(voices.Recordings(QStringLiteral("szalik")), (QStringList{older, b}));
  }

  // --- one recording, from the press to the playback ---

  void theChildHearsTheModelThenThemselvesAndTheTakeIsKept() {
    ProgramDir dir;
    const recorder::VoiceLibrary voices(session::ChildFiles::InFolder(dir.Path()), session::ContentRoot(dir.Path()));
    FakeClock clock;
    FakeSound sound;
    FakeSleep sleep;
    FakeMicrophone mic;
    dir.Write(QStringLiteral("Data/Smd/szalik.pw"), "synthesised");
    mic.signal = Tone(500, kVoice) + Silence(3000);
    QString kept;
    int lights = 0;
    bool lightOff = false;
    recorder::Hooks hooks;
    hooks.light = [&](int ms) {
      if (ms < 0) lightOff = true; else ++lights;
    };
    QCOMPARE(recorder::RecordChild(testing::Services(), voices, QStringLiteral("szalik"), hooks, &kept), recorder::Outcome::Kept);
    QCOMPARE(mic.rate, kRate);
    QVERIFY(!mic.open);
    QVERIFY(lights > 0 && lightOff);
    // The clock's time (21:38:49 UTC) as the computer's local time.
    const QDateTime spoken(QDate(2026, 12, 6), QTime(21, 38, 49), QTimeZone::utc());
    QCOMPARE(kept, dir.File(QStringLiteral("Nagrania/") + spoken.toLocalTime().toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss")) +
                            QStringLiteral("_szalik.wav")));
    QCOMPARE(ReadWav(kept), Head(mic.signal, kRate * 3 / 2));
    QCOMPARE(sound.played, (QStringList{dir.File(QStringLiteral("Data/Smd/szalik.pw")), kept}));
    QVERIFY(!recorder::Running());
  }

  void whenNothingIsKeptTheModelStillPlaysAndNothingIsAsked_data() {
    QTest::addColumn<std::vector<qint16>>("signal");
    QTest::addColumn<bool>("fullDisk");
    QTest::addColumn<recorder::Outcome>("outcome");
    QTest::newRow("silence") << std::vector<qint16>{} << false << recorder::Outcome::NothingHeard;
    QTest::newRow("full disk") << Tone(500, kVoice) << true << recorder::Outcome::NotSaved;
  }
  void whenNothingIsKeptTheModelStillPlaysAndNothingIsAsked() {
    QFETCH(std::vector<qint16>, signal);
    QFETCH(bool, fullDisk);
    QFETCH(recorder::Outcome, outcome);
    ProgramDir dir;
    const recorder::VoiceLibrary voices(session::ChildFiles::InFolder(dir.Path()), session::ContentRoot(dir.Path()));
    FakeSound sound;
    FakeMessageBox box;
    FakeMicrophone mic;
    dir.Write(QStringLiteral("Data/Smd/szalik.pw"), "synthesised");
    // A file where the folder should be fails every write as a full disk does.
    if (fullDisk) dir.Write(QStringLiteral("Nagrania"), "not a folder");
    mic.signal = signal;
    QCOMPARE(recorder::RecordChild(testing::Services(), voices, QStringLiteral("szalik"), {}), outcome);
    QCOMPARE(sound.played, QStringList{dir.File(QStringLiteral("Data/Smd/szalik.pw"))});
    QVERIFY(!QFileInfo(dir.File(QStringLiteral("Nagrania"))).isDir());
    QVERIFY(box.shown.empty());
  }

  void aMicrophoneThatFailsLosesTheTakeAndSaysSo_data() {
    QTest::addColumn<bool>("opens");
    QTest::newRow("cannot be opened") << false;
    QTest::newRow("fails part-way") << true;
  }
  void aMicrophoneThatFailsLosesTheTakeAndSaysSo() {
    QFETCH(bool, opens);
    ProgramDir dir;
    const recorder::VoiceLibrary voices(session::ChildFiles::InFolder(dir.Path()), session::ContentRoot(dir.Path()));
    FakeSound sound;
    FakeMicrophone mic;
    dir.Write(QStringLiteral("Data/Smd/szalik.pw"), "synthesised");
    mic.opens = opens;
    mic.signal = Tone(3000, kVoice);
    mic.failsAtRead = 8;
    int said = 0;
    recorder::Hooks hooks;
    hooks.failed = [&] { ++said; };
    QCOMPARE(recorder::RecordChild(testing::Services(), voices, QStringLiteral("szalik"), hooks), recorder::Outcome::DeviceFailed);
    QCOMPARE(said, 1);
    QVERIFY(sound.played.isEmpty());
    QVERIFY(!mic.open);
    QVERIFY(!QFileInfo::exists(dir.File(QStringLiteral("Nagrania"))));
  }

  void theStopPressEndsTheTakeAndOtherInputIsDropped() {
    ProgramDir dir;
    const recorder::VoiceLibrary voices(session::ChildFiles::InFolder(dir.Path()), session::ContentRoot(dir.Path()));
    FakeSound sound;
    FakeMicrophone mic;
    Target target;
    target.show();
    mic.signal = Tone(4000, kVoice);
    mic.onRead = [&](int read) {
      // Delivered by the next turn of the wait, as input from the window
      // system is.
      if (read == 2) {
        QCoreApplication::postEvent(&target, new QMouseEvent(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5),
                                                            Qt::LeftButton, Qt::LeftButton, {}));
        QCoreApplication::postEvent(&target, new QKeyEvent(QEvent::KeyPress, Qt::Key_A, {}, QStringLiteral("a")));
      }
      if (read == 4) QCoreApplication::postEvent(&target, new QKeyEvent(QEvent::KeyPress, Qt::Key_N, {}, QStringLiteral("n")));
    };
    recorder::Hooks hooks;
    hooks.isStopPress = IsKeyN;
    QString kept;
    QCOMPARE(recorder::RecordChild(testing::Services(), voices, QStringLiteral("szalik"), hooks, &kept), recorder::Outcome::Kept);
    // Four blocks were read before the press was seen, the fifth not used.
    QCOMPARE(ReadWav(kept).size(), size_t(4 * mic.blockSamples));
    QCoreApplication::processEvents();
    QCOMPARE(target.presses, 0);
    QCOMPARE(target.keys, 0);
  }

  void theAdultsModelIsRecordedWithTheSameRecorder() {
    ProgramDir dir;
    const recorder::VoiceLibrary voices(session::ChildFiles::InFolder(dir.Path()), session::ContentRoot(dir.Path()));
    FakeSound sound;
    FakeMicrophone mic;
    mic.signal = Tone(700, kVoice);
    QCOMPARE(recorder::RecordModel(testing::Services(), voices, QStringLiteral("szopa"), {}), recorder::Outcome::Kept);
    const QString model = dir.File(QStringLiteral("Glosy/szopa.wav"));
    QCOMPARE(ReadWav(model), Head(mic.signal + Silence(1000), kRate * 17 / 10));
    QCOMPARE(sound.played.size(), 1);
    QCOMPARE(QFileInfo(sound.played[0]).absoluteFilePath(), model);
    // Silence keeps the previous model.
    mic.signal.clear();
    QCOMPARE(recorder::RecordModel(testing::Services(), voices, QStringLiteral("szopa"), {}), recorder::Outcome::NothingHeard);
    QCOMPARE(ReadWav(model).size(), size_t(kRate * 17 / 10));
  }
};

QTEST_MAIN(RecorderTest)
#include "tst_recorder.moc"
