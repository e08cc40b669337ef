// The recorder on the two game screens: the microphone button beside a
// solved word and beside a found pair, the key N, the light, the timers that
// wait, the input that is dropped, and the games as before without a
// microphone or with the setting off.
#include <QDir>
#include <QtTest>

#include "games/labelling/podpisywanie.h"
#include "games/labelling/grapodpisywanie.h"
#include "games/memory/memory.h"
#include "games/memory/gramemory.h"
#include "recorder/recorder.h"
#include "recorder/voicelibrary.h"
#include "shell/_specfunc.h"
#include "support/fakeclock.h"
#include "support/microphone.h"
#include "support/program.h"
#include "support/seams.h"
#include "widgets/_cprzycisk.h"
#include "catalogue/_cslowa.h"
#include "words/_custgry.h"

using namespace testing;

namespace {

// The program with its fakes, before it is made and after it is gone; SZ
// word-initial at level 1 in both games.
struct Game {
  explicit Game(int mode = 1) : app(mode) {
    for (CUstGry* s : {&app.program.state().settings.podpisywanieSettings, &app.program.state().settings.memorySettings}) {
      s->poziom = 1;
      s->gloski = 0x0001;
      s->pozycja = 0x0100;
    }
  }
  ~Game() { app.program.DestroyScreens(); }

  TfmPodpisywanie* Labelling() {
    app.program.slowa()->Wybierz(app.program.state().settings.podpisywanieSettings);
    app.program.fmPodpisywanie()->show();
    return QTest::qWaitForWindowExposed(app.program.fmPodpisywanie()) ? app.program.fmPodpisywanie() : nullptr;
  }
  TfmMemory* Memory() {
    app.program.slowa()->Wybierz(app.program.state().settings.memorySettings);
    app.program.fmMemory()->show();
    return QTest::qWaitForWindowExposed(app.program.fmMemory()) ? app.program.fmMemory() : nullptr;
  }
  graPodpisywanie* Board() { return app.program.plansza(); }
  QStringList Kept() const { return QDir(app.dir.File(QStringLiteral("Nagrania"))).entryList(QDir::Files); }

  FakeClock clock;
  FakeSound sound;
  FakeSleep sleep;
  ProgramFixture app;
};

void Click(CPrzyciskC* b) { QTest::mouseClick(b->Image(), Qt::LeftButton, {}, QPoint(35, 30)); }

// Solves the current word as a child would end it: every tile in its slot.
void Solve(graPodpisywanie* board) {
  board->PokazRozwiazanie();
  board->Sprawdz();
}

// Solves every word, moving on with "nast": the end timer then runs.
void SolveAll(TfmPodpisywanie* screen) {
  for (;;) {
    Solve(screen->Plansza());
    if (screen->Plansza()->CzyOstatnie()) return;
    Click(screen->PrzyciskNast.get());
  }
}

std::pair<CKarta*, CKarta*> APair(graMemory* gra) {
  for (auto& a : gra->Karty) {
    for (auto& b : gra->Karty) {
      if (a && b && a != b && a->NaPlanszy() && b->NaPlanszy() && a->Nazwa == b->Nazwa) return {a.get(), b.get()};
    }
  }
  return {nullptr, nullptr};
}

void ClickCard(CKarta* card) { QTest::mouseClick(card->Obraz.data(), Qt::LeftButton, {}, QPoint(40, 50)); }

bool IsRed(QColor c) { return c.red() > 150 && c.green() < 120 && c.blue() < 120; }

}  // namespace

class RecorderGamesTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void aSolvedWordOffersTheMicrophoneAndNRecordsWhileTheGameWaits() {
    Game game;
    QVERIFY(game.app.ready);
    FakeMicrophone mic;
    mic.signal = Tone(500, 8000) + Silence(3000);
    TfmPodpisywanie* screen = game.Labelling();
    QVERIFY(screen);
    QVERIFY(!screen->Mikrofon->Widoczny());
    SolveAll(screen);
    QVERIFY(screen->Mikrofon->Widoczny());
    platform::Timer* end = game.Board()->TimerKoniec();
    QVERIFY(end->Enabled());

    bool endHeld = false, lit = false;
    mic.onRead = [&](int read) {
      if (read != 2) return;
      endHeld = !end->Enabled();
      lit = IsRed(screen->WindowCanvas().Image().pixelColor(screen->Mikrofon->ProstokatSwiatla().center()));
      // The board takes nothing meanwhile: not even "stop".
      Click(screen->PrzyciskStop.get());
      QTest::keyClick(screen, Qt::Key_Escape);
    };
    const int before = int(game.sound.played.size());
    QTest::keyClick(screen, Qt::Key_N);

    QVERIFY(endHeld && lit);
    QVERIFY(!game.Board()->Wycofana());
    QVERIFY(screen->isVisible());
    QVERIFY(end->Enabled());
    QVERIFY(!IsRed(screen->WindowCanvas().Image().pixelColor(screen->Mikrofon->ProstokatSwiatla().center())));
    const QString key = game.Board()->Slowo();
    QCOMPARE(game.Kept().size(), 1);
    QVERIFY(game.Kept().first().endsWith(QLatin1Char('_') + key + QStringLiteral(".wav")));
    QCOMPARE(game.sound.played.mid(before),
             (QStringList{game.app.program.state().content.Path(QStringLiteral("Smd/") + key + QStringLiteral(".pw")),
                          game.app.program.state().files.recordings + QLatin1Char('/') + game.Kept().first()}));
    // An unsolved word has no button.
    Click(screen->PrzyciskPop.get());
    QVERIFY(screen->Mikrofon->Widoczny());
    QTest::mouseDClick(screen, Qt::LeftButton, {}, QPoint(400, 250));
    QVERIFY(!game.Board()->CzyRozwiazane());
    QVERIFY(!screen->Mikrofon->Widoczny());
  }

  void aFoundPairOffersTheMicrophoneAndItsTimerWaitsForTheRecording() {
    Game game;
    QVERIFY(game.app.ready);
    FakeMicrophone mic;
    mic.signal = Tone(4000, 8000);
    TfmMemory* screen = game.Memory();
    QVERIFY(screen);
    auto [a, b] = APair(game.app.program.gra());
    QVERIFY(a && b);
    ClickCard(a);
    QVERIFY(!screen->Mikrofon()->Widoczny());
    ClickCard(b);
    QVERIFY(screen->Mikrofon()->Widoczny());
    QVERIFY(b->TimerTrafiona->Enabled());
    // Time for a child to reach the button.
    QCOMPARE(b->TimerTrafiona->Interval(), 5000);

    bool held = false;
    mic.onRead = [&](int read) {
      if (read != 3) return;
      held = !b->TimerTrafiona->Enabled();
      // The button again ends the recording.
      Click(screen->Mikrofon()->Przycisk());
    };
    Click(screen->Mikrofon()->Przycisk());
    QVERIFY(held);
    QVERIFY(b->TimerTrafiona->Enabled());
    QCOMPARE(game.Kept().size(), 1);
    QVERIFY(game.Kept().first().endsWith(QLatin1Char('_') + b->Nazwa + QStringLiteral(".wav")));
    // Two blocks were in before the second press.
    QCOMPARE(QFileInfo(game.app.dir.File(QStringLiteral("Nagrania/") + game.Kept().first())).size(),
             qint64(44 + 2 * 2 * mic.blockSamples));
    QCOMPARE(game.sound.played.mid(game.sound.played.size() - 2).first(),
             game.app.program.state().content.Path(QStringLiteral("Smd/") + b->Nazwa + QStringLiteral(".pw")));

    b->TimerTrafiona->Fire();
    QVERIFY(!screen->Mikrofon()->Widoczny());
    QTest::keyClick(screen, Qt::Key_N);
    QCOMPARE(mic.starts, 1);
  }

  void aFailingMicrophoneIsSaidBrieflyAndTheGameGoesOn() {
    Game game;
    QVERIFY(game.app.ready);
    FakeMicrophone mic;
    mic.signal = Tone(4000, 8000);
    mic.failsAtRead = 3;
    TfmPodpisywanie* screen = game.Labelling();
    QVERIFY(screen);
    Solve(game.Board());
    const QImage shown = screen->WindowCanvas().Image();
    QTest::keyClick(screen, Qt::Key_N);
    QVERIFY(game.Kept().isEmpty());
    QVERIFY(std::count(game.sleep.sleeps.begin(), game.sleep.sleeps.end(), 1500) == 1);
    // The message has gone again and the word is still there to record.
    QCOMPARE(screen->WindowCanvas().Image(), shown);
    QVERIFY(screen->Mikrofon->Widoczny());
  }

  // The device list decides, read at every word; the device itself is
  // opened at a press only (a failed open tried again: the disk test).
  void aMicrophoneIsOpenedAtAPressOnlyAndFoundWhenPluggedInLater() {
    Game game;
    QVERIFY(game.app.ready);
    FakeMicrophone mic;
    mic.present = false;
    mic.signal = Tone(500, 8000) + Silence(3000);
    TfmPodpisywanie* screen = game.Labelling();
    QVERIFY(screen);
    Solve(game.Board());
    QVERIFY(!screen->Mikrofon->Widoczny());

    mic.present = true;
    Click(screen->PrzyciskNast.get());
    Solve(game.Board());
    QVERIFY(screen->Mikrofon->Widoczny());
    QCOMPARE(mic.starts, 0);
    QTest::keyClick(screen, Qt::Key_N);
    QCOMPARE(game.Kept().size(), 1);
  }

  void withoutAMicrophoneNoButtonShowsAndNothingWaits() {
    Game game;
    QVERIFY(game.app.ready);
    // SDL's dummy driver, as every test runs: its capture device hears
    // nothing, so there is no microphone.
    QVERIFY(!recorder::MicrophoneAvailable(*testing::Services().microphone));
    TfmPodpisywanie* labelling = game.Labelling();
    QVERIFY(labelling);
    Solve(game.Board());
    QVERIFY(!labelling->Mikrofon->Widoczny());
    const int played = int(game.sound.played.size());
    QTest::keyClick(labelling, Qt::Key_N);
    QCOMPARE(int(game.sound.played.size()), played);
    labelling->hide();

    TfmMemory* memory = game.Memory();
    QVERIFY(memory);
    auto [a, b] = APair(game.app.program.gra());
    ClickCard(a);
    ClickCard(b);
    QVERIFY(!memory->Mikrofon()->Widoczny());
    QCOMPARE(b->TimerTrafiona->Interval(), 2000);
    QVERIFY(game.Kept().isEmpty());
  }

  // Only silence: the child is told so, and shown over the picture while
  // the phrase and the model play, and may press again at once.
  void aSilentTakeIsToldAndShownAndTheButtonStays() {
    Game game;
    QVERIFY(game.app.ready);
    FakeMicrophone mic;
    TfmPodpisywanie* screen = game.Labelling();
    QVERIFY(screen);
    Solve(game.Board());
    const QRect bubble = screen->Mikrofon->ProstokatDymka();
    const QImage before = screen->WindowCanvas().Image();
    QStringList underTheBubble;
    game.sound.onPlay = [&](const QString& path) {
      if (screen->WindowCanvas().Image().copy(bubble) != before.copy(bubble)) underTheBubble << path;
    };
    QTest::keyClick(screen, Qt::Key_N);
    QCOMPARE(underTheBubble, (QStringList{game.app.program.state().content.Path(QStringLiteral("Intf/Smd/n00.pw")),
                                         game.app.program.state().content.Path(QStringLiteral("Smd/") + game.Board()->Slowo() + QStringLiteral(".pw"))}));
    QCOMPARE(screen->WindowCanvas().Image(), before);
    QVERIFY(game.Kept().isEmpty());
    QVERIFY(screen->Mikrofon->Widoczny());
  }

  void theSettingInDataIniTurnsTheChildsButtonOff() {
    Game game;
    QVERIFY(game.app.ready);
    FakeMicrophone mic;
    game.app.dir.Write(QStringLiteral("Data/data.ini"), "[DaneProgramu]\nLU=3\nMikrofon=0\n");
    QVERIFY(game.app.program.state().settings.Load());
    QVERIFY(!recorder::ChildRecorderOffered(game.app.program.state().settings.MicrophoneEnabled(), *testing::Services().microphone));
    TfmPodpisywanie* screen = game.Labelling();
    QVERIFY(screen);
    Solve(game.Board());
    QVERIFY(!screen->Mikrofon->Widoczny());
  }
};

QTEST_MAIN(RecorderGamesTest)
#include "tst_recordergames.moc"
