// The recorder from outside, through SDL's disk audio driver: the capture
// device reads a raw file that the test writes, and everything played goes
// to another raw file. A solved word, the key N: the kept recording must hold
// the input's own samples, and the speaker the model word, then the take.
// Without its input file the driver's capture device lists but will not
// open: the button must be offered all the same (nothing opens it before a
// press) and a press after a failed one must try again.
// Its CTest entry sets the driver and the two files; run by hand without
// them, it skips.
#include <QDir>
#include <QFile>
#include <QtTest>

#include <SDL.h>

#include <algorithm>
#include <functional>

#include "games/labelling/podpisywanie.h"
#include "games/labelling/grapodpisywanie.h"
#include "recorder/recorder.h"
#include "recorder/voicelibrary.h"
#include "support/fakeclock.h"
#include "support/microphone.h"
#include "support/program.h"
#include "support/seams.h"
#include "catalogue/_cslowa.h"
#include "words/_custgry.h"

using namespace testing;

namespace {

// The format the player opens its device in, which the disk driver writes.
constexpr int kPlayerRate = 22050;

QByteArray Bytes(const std::vector<qint16>& samples) {
  return QByteArray(reinterpret_cast<const char*>(samples.data()), qsizetype(samples.size() * 2));
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

QByteArray ReadFile(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A WAV file as the player sends it to the device.
QByteArray AsPlayed(const QString& path) {
  SDL_AudioSpec wav{};
  Uint8* buffer = nullptr;
  Uint32 length = 0;
  if (!SDL_LoadWAV(QFile::encodeName(path).constData(), &wav, &buffer, &length)) return {};
  SDL_AudioStream* stream = SDL_NewAudioStream(wav.format, wav.channels, wav.freq, AUDIO_S16SYS, 1, kPlayerRate);
  QByteArray out;
  if (stream && SDL_AudioStreamPut(stream, buffer, int(length)) == 0 && SDL_AudioStreamFlush(stream) == 0) {
    out.resize(SDL_AudioStreamAvailable(stream));
    out.resize(qMax(0, SDL_AudioStreamGet(stream, out.data(), int(out.size()))));
  }
  if (stream) SDL_FreeAudioStream(stream);
  SDL_FreeWAV(buffer);
  return out;
}

std::vector<qint16> Samples(const QString& wavPath) {
  const QByteArray file = ReadFile(wavPath);
  if (file.size() < 44) return {};
  std::vector<qint16> out(size_t(file.size() - 44) / 2);
  memcpy(out.data(), file.constData() + 44, out.size() * 2);
  return out;
}

// Where the whole of `clip` starts in `played` from `from` on, or -1. The
// played file is mostly silence, and so are a clip's edges: the search is
// for a piece of its middle, then the whole clip is compared there.
qsizetype Find(const QByteArray& played, const QByteArray& clip, qsizetype from) {
  const qsizetype middle = (clip.size() / 4) & ~qsizetype(1);
  const QByteArray piece = clip.mid(middle, qMin<qsizetype>(4096, clip.size() - middle));
  const std::boyer_moore_horspool_searcher searcher(piece.cbegin(), piece.cend());
  for (auto it = played.cbegin() + from;; ++it) {
    it = std::search(it, played.cend(), searcher);
    if (it == played.cend()) return -1;
    const qsizetype start = qsizetype(it - played.cbegin()) - middle;
    if (start >= from && played.mid(start, clip.size()) == clip) return start;
  }
}

std::vector<qint16> Head(const std::vector<qint16>& v, size_t n) { return {v.begin(), v.begin() + qint64(n)}; }

// The labelling screen with its first word just solved: the moment the
// recording button is offered.
TfmPodpisywanie* SolvedWordOnScreen(ProgramFixture& app) {
  app.program.state().settings.podpisywanieSettings.poziom = 1;
  app.program.state().settings.podpisywanieSettings.gloski = 0x0001;
  app.program.state().settings.podpisywanieSettings.pozycja = 0x0100;
  app.program.slowa()->Wybierz(app.program.state().settings.podpisywanieSettings);
  TfmPodpisywanie* screen = app.program.fmPodpisywanie();
  screen->show();
  if (!QTest::qWaitForWindowExposed(screen)) return nullptr;
  app.program.plansza()->PokazRozwiazanie();
  app.program.plansza()->Sprawdz();
  return screen;
}

}  // namespace

class RecorderDiskTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void initTestCase() {
    if (qgetenv("SDL_AUDIODRIVER") != "disk" || qEnvironmentVariableIsEmpty("SDL_DISKAUDIOFILEIN") ||
        qEnvironmentVariableIsEmpty("SDL_DISKAUDIOFILE")) {
      QSKIP("needs SDL_AUDIODRIVER=disk with SDL_DISKAUDIOFILEIN and SDL_DISKAUDIOFILE (see its CTest entry)");
    }
  }

  // Runs first: the test below closes SDL's audio to read what was played.
  void theDeviceOpensAtAPressOnlyAndAFailedOpenIsTriedAgain() {
    const QString in = qEnvironmentVariable("SDL_DISKAUDIOFILEIN");
    QFile::remove(in);
    FakeClock clock;
    FakeSleep sleep;
    ProgramFixture app(1);
    QVERIFY(app.ready);
    TfmPodpisywanie* screen = SolvedWordOnScreen(app);
    QVERIFY(screen && screen->Mikrofon->Widoczny());
    graPodpisywanie* board = app.program.plansza();

    QTest::keyClick(screen, Qt::Key_N);
    QCOMPARE(int(std::count(sleep.sleeps.begin(), sleep.sleeps.end(), 1500)), 1);
    QVERIFY(recorder::VoiceLibrary(app.program.state().files, app.program.state().content).Recordings(board->Slowo()).isEmpty());
    QVERIFY(screen->Mikrofon->Widoczny());

    QVERIFY(WriteFile(in, Bytes(Tone(600, 8000) + Silence(2500))));
    QTest::keyClick(screen, Qt::Key_N);
    QCOMPARE(recorder::VoiceLibrary(app.program.state().files, app.program.state().content).Recordings(board->Slowo()).size(), 1);
  }

  void aSolvedWordIsRecordedFromTheDeviceAndPlayedBackAfterTheModel() {
    const QString in = qEnvironmentVariable("SDL_DISKAUDIOFILEIN");
    const QString out = qEnvironmentVariable("SDL_DISKAUDIOFILE");
    const std::vector<qint16> spoken = Tone(600, 8000) + Silence(2500);
    const std::vector<qint16> tone = Tone(6000, 8000);
    QVERIFY(WriteFile(in, Bytes(spoken)));

    FakeClock clock;
    FakeSleep sleep;
    ProgramFixture app(1);
    QVERIFY(app.ready);
    QVERIFY(recorder::MicrophoneAvailable(*testing::Services().microphone));
    TfmPodpisywanie* screen = SolvedWordOnScreen(app);
    QVERIFY(screen && screen->Mikrofon->Widoczny());
    graPodpisywanie* board = app.program.plansza();
    const QString key = board->Slowo();

    // Speech, then silence: a second after the speech it ends.
    QTest::keyClick(screen, Qt::Key_N);
    // A continuous tone: it ends at the 4-second limit.
    QVERIFY(WriteFile(in, Bytes(tone)));
    QTest::keyClick(screen, Qt::Key_N);

    const QStringList kept = recorder::VoiceLibrary(app.program.state().files, app.program.state().content).Recordings(key);
    QCOMPARE(kept.size(), 2);
    QCOMPARE(Samples(kept[0]), Head(spoken, 16000 * 16 / 10));
    QCOMPARE(Samples(kept[1]), Head(tone, 16000 * 4));

    // Closes the devices, which writes out what the player sent.
    SDL_AudioQuit();
    const QByteArray played = ReadFile(out);
    const QByteArray model = AsPlayed(recorder::VoiceLibrary(app.program.state().files, app.program.state().content).WordSoundPath(key));
    QVERIFY(!model.isEmpty());
    qsizetype at = 0;
    for (const QString& take : kept) {
      const QByteArray voice = AsPlayed(take);
      QVERIFY(!voice.isEmpty());
      at = Find(played, model, at);
      QVERIFY2(at >= 0, "the model word was not played");
      at = Find(played, voice, at + model.size());
      QVERIFY2(at >= 0, "the recording was not played after the model word");
    }
  }
};

QTEST_MAIN(RecorderDiskTest)
#include "tst_recorderdisk.moc"
