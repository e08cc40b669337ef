#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QPointer>
#include <QRect>
#include <memory>
#include <vector>

#include "games/falling/scene.h"
#include "platform/form.h"
#include "platform/timer.h"
#include "session/session.h"
#include "widgets/_cprzycisk.h"

class CSlowa;
class CStatRec;
class EndOfGame;

namespace falling {

// The falling game's screen: pictures fall over the play area, the child
// catches the right ones with a click, "pomoc" marks them for a moment and
// "stop" (or Escape) ends the game. Every showing starts a new game; the
// game ends by itself once the wanted right pictures have fallen, with the
// summary, whose answer starts a new game here or closes the screen.
class Screen : public platform::Form {
 public:
  // About the display's frame rate.
  static constexpr int kFrameMs = 16;

  // Draws the right words from the catalogue's selection for the settings
  // and the others from its whole table; counts in the store (either may be
  // absent); ends every game through `koniec`. Raises CBlad(1) when the
  // background or a button picture is missing.
  Screen(const session::Session& session, CSlowa* slowa, CStatRec* statRec, EndOfGame& koniec);
  ~Screen() override;

  platform::Action A_Stop;
  platform::Action A_NowaGra;
  platform::Action A_Pomoc;

  // The game being played; none before the first.
  Scene* Scena() const { return scene_.get(); }
  platform::Timer* TimerKlatki() const { return klatka_.data(); }
  CPrzyciskC* PrzyciskPomoc() const { return pomoc_.get(); }
  // The play area for a screen of W x H, and the side of a picture.
  static QRect PlayArea(int W, int H);
  static int PictureSide(int W);

  // One frame of `ms` (the frame timer measures it); public for the tests.
  void Klatka(int ms);

 protected:
  void FormPaint() override;
  void FormShow() override;
  void FormKeyPress(int key) override;
  void FormMouseDown(platform::MouseButton button, int shift, int x, int y) override;
  void FormMouseWheel() override;

 private:
  void NowaGra();
  void Stop();
  void Pomoc();
  void Odswiez(const std::vector<QRect>& changed);
  // What the rules said: sounds, counts, the end.
  void Obsluz(const std::vector<Event>& events);
  void NotujAktywnosc();
  void Zatrzymaj();

  const session::Session& session_;
  CSlowa* slowa_;
  CStatRec* statRec_;
  EndOfGame& koniec_;
  QImage tlo_;
  std::unique_ptr<CPrzyciskC> pomoc_, stop_;
  QPointer<platform::Timer> klatka_;
  QElapsedTimer zegar_;
  std::unique_ptr<Scene> scene_;
  bool koniec_gry_ = false;
};

}  // namespace falling
