#include "games/falling/screen.h"

#include "catalogue/_cslowa.h"
#include "games/gamewindow.h"
#include "platform/exception.h"
#include "games/registry.h"
#include "platform/jpeg.h"
#include "recorder/voicelibrary.h"
#include "results/_cstatrec.h"
#include "results/endofgame.h"
#include "shell/_cblad.h"
#include "shell/_specfunc.h"
#include "words/random.h"

#include <QFileInfo>
#include <QGuiApplication>

namespace falling {

namespace {

// A frame that comes late (a busy machine, a wait) moves the pictures no
// further than this, so that nothing jumps past the child.
constexpr int kLongestFrameMs = 100;

}  // namespace

QRect Screen::PlayArea(int W, int H) {
  // Below the title, left of the buttons, down to the grass.
  return QRect(QPoint(10, H / 7), QPoint(W - W / 10 - 12, H - H / 10 - 1));
}

int Screen::PictureSide(int W) { return W <= 800 ? 96 : 120; }

Screen::Screen(const session::Session& session, CSlowa* slowa, CStatRec* statRec, EndOfGame& koniec)
    : session_(session), slowa_(slowa), statRec_(statRec), koniec_(koniec) {
  A_Stop.OnExecute = [this](QObject*) { Stop(); };
  A_NowaGra.OnExecute = [this](QObject*) { NowaGra(); };
  A_Pomoc.OnExecute = [this](QObject*) { Pomoc(); };
  connect(this, &platform::Form::Closed, this, [this] { Zatrzymaj(); });

  tlo_ = games::LoadBackground(session_, QStringLiteral("mT_Spa"), QStringLiteral("1"));
  const int W = session_.geometry.screenWidth;
  const int H = session_.geometry.screenHeight;
  games::SetUpGameWindow(*this, session_);
  try {
    pomoc_ = std::make_unique<CPrzyciskC>(session_.content, this, QStringLiteral("pomoc"), &WindowCanvas(), W - W / 10, H / 7, A_Pomoc);
    stop_ = std::make_unique<CPrzyciskC>(session_.content, this, QStringLiteral("stop"), &WindowCanvas(), W - W / 10 + 4,
                                         H / 7 + H / 8, A_Stop);
  } catch (const platform::Exception&) {
    stop_.reset();
    pomoc_.reset();
    throw CBlad(1);
  }
  klatka_ = new platform::Timer(this);
  klatka_->SetInterval(kFrameMs);
  klatka_->SetEnabled(false);
  klatka_->OnTimer = [this] {
    const qint64 ms = zegar_.isValid() ? zegar_.restart() : kFrameMs;
    Klatka(int(std::min<qint64>(ms, kLongestFrameMs)));
  };
}

Screen::~Screen() {
  scene_.reset();
  delete klatka_.data();
}

void Screen::NotujAktywnosc() {
  if (statRec_) statRec_->NoteActivity();
}

void Screen::Zatrzymaj() {
  if (klatka_) klatka_->SetEnabled(false);
  zegar_.invalidate();
}

void Screen::NowaGra() {
  Zatrzymaj();
  const int W = session_.geometry.screenWidth;
  const int H = session_.geometry.screenHeight;
  const CUstGry& settings = session_.settings.spadajaceSettings;
  std::vector<Word> words;
  if (slowa_) words = Choose(slowa_->Slownik(), settings, [] { return RandomNext(); });
  const QRect area = PlayArea(W, H);
  Rules::Setup setup;
  setup.area = QSizeF(area.size());
  setup.picture = PictureSide(W);
  setup.fallMs = FallMsForLevel(settings.poziom, H);
  setup.rightWanted = RightForLevel(settings.poziom);
  setup.gapMs = setup.fallMs / setup.maxInAir;
  const session::ContentRoot content = session_.content;
  const QString suffix = session_.geometry.screenMode == 1 ? QStringLiteral("_ms.xji") : QStringLiteral("_mb.xji");
  QImage matte;
  try {
    matte = platform::LoadJpegFile(content.Path(QStringLiteral("Bio/_matr") + suffix));
  } catch (const platform::Exception&) {
    matte = QImage();  // square cards then
  }
  scene_ = std::make_unique<Scene>(WindowCanvas(), tlo_, area, Rules(std::move(words), setup, [] { return RandomNext(); }),
                                   PictureSide(W), [content, suffix](const QString& key) {
                                     try {
                                       return platform::LoadJpegFile(content.Path(QStringLiteral("Bio/") + key + suffix));
                                     } catch (const platform::Exception&) {
                                       return QImage();  // a plain card: the word is still heard
                                     }
                                   },
                                   matte);
  koniec_gry_ = false;
  if (statRec_) statRec_->StartGame(games::kSpadajace, settings);
  Repaint();
  zegar_.start();
  klatka_->SetEnabled(true);
}

void Screen::Odswiez(const std::vector<QRect>& changed) {
  for (const QRect& r : changed) RepaintArea(r);
}

void Screen::Klatka(int ms) {
  if (!scene_ || koniec_gry_) return;
  // Another program's window in front leaves no window of ours active.
  const bool nieaktywne = !IsActiveForm() || isMinimized() || QGuiApplication::applicationState() != Qt::ApplicationActive;
  scene_->rules().SetPaused(kNotActive, nieaktywne);
  std::vector<Event> events;
  Odswiez(scene_->Frame(ms, &events));
  Obsluz(events);
}

void Screen::Obsluz(const std::vector<Event>& events) {
  const recorder::VoiceLibrary voices(session_.files, session_.content);
  for (const Event& e : events) {
    switch (e.kind) {
      case Event::Appeared: {
        // Heard while it falls; the next sound cuts it short.
        const QString path = voices.WordSoundPath(e.word.key);
        if (QFileInfo(path).isFile()) session_.services.sound->PlayAsync(path);
        break;
      }
      case Event::CaughtRight:
      case Event::CaughtWrong: {
        const bool right = e.kind == Event::CaughtRight;
        if (statRec_) right ? statRec_->AddCorrect() : statRec_->AddWrong();
        const QRect iskry = right ? scene_->Sparkle(scene_->LastCaught()) : QRect();
        RepaintArea(iskry);
        // Heard whole: the fall waits meanwhile.
        scene_->rules().SetPaused(kSound, true);
        PlayInterfaceSound(session_.services, session_.content, right ? 0 : 1, true);
        PlayWordSound(*session_.services.sound, voices, e.word.key);
        scene_->rules().SetPaused(kSound, false);
        scene_->Wipe(iskry);
        RepaintArea(iskry);
        if (zegar_.isValid()) zegar_.restart();
        break;
      }
      case Event::Missed:
        if (statRec_) statRec_->AddMissed();
        break;
      case Event::Landed:
        break;
      case Event::Over:
        koniec_gry_ = true;
        break;
    }
  }
  if (koniec_gry_ && isVisible()) {
    Zatrzymaj();
    // Ends the game: the last thing done here.
    QMetaObject::invokeMethod(this, [this] { if (koniec_gry_ && isVisible()) Stop(); }, Qt::QueuedConnection);
  }
}

void Screen::Pomoc() {
  NotujAktywnosc();
  if (!scene_ || koniec_gry_) return;
  scene_->rules().Hint();
  if (statRec_) statRec_->AddHint();
}

void Screen::Stop() {
  const bool wszystkie = scene_ && scene_->rules().IsOver();
  Zatrzymaj();
  koniec_gry_ = true;
  koniec_.Finish(wszystkie, *this, A_NowaGra);
}

void Screen::FormPaint() {
  if (scene_) {
    scene_->DrawAll();
  } else {
    WindowCanvas().Draw(0, 0, tlo_);
  }
  pomoc_->Paint();
  stop_->Paint();
}

void Screen::FormShow() { A_NowaGra.Execute(this); }

void Screen::FormKeyPress(int key) {
  NotujAktywnosc();
  if (key == 27) A_Stop.Execute(this);
}

void Screen::FormMouseDown(platform::MouseButton button, int, int x, int y) {
  NotujAktywnosc();
  if (button != platform::MouseButton::Left || !scene_ || koniec_gry_) return;
  std::vector<Event> events;
  Odswiez(scene_->Catch(QPoint(x, y), &events));
  Obsluz(events);
}

void Screen::FormMouseWheel() { NotujAktywnosc(); }

}  // namespace falling
