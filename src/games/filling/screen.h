#pragma once

#include <QImage>
#include <QPointer>
#include <QRect>
#include <memory>

#include "games/filling/board.h"
#include "platform/canvas.h"
#include "platform/form.h"
#include "platform/timer.h"
#include "session/session.h"
#include "widgets/_cprzycisk.h"
#include "widgets/micbutton.h"

class CSlowa;
class CStatRec;
class EndOfGame;

namespace filling {

// The filling game's screen: the word's picture over its tiles with the gap,
// the two answer tiles, and the buttons "pomoc", "stop", "nast" and "pop".
// Every showing starts a new game of the words that fit the game's settings;
// a solved task moves on by itself after a moment (or at once with "nast"),
// the last one ends the game, and "stop" or Escape end it any time, with the
// summary, whose answer starts a new game here or closes the screen.
class Screen : public platform::Form, public ScreenHost {
 public:
  // How long a solved task stays before the next one, or the summary.
  static constexpr int kDalejMs = 2500;

  // Draws its words from the catalogue's selection for the settings, counts
  // in the store (either may be absent), ends every game through `koniec`.
  // Raises CBlad(1) when the background or a button picture is missing.
  Screen(const session::Session& session, CSlowa* slowa, CStatRec* statRec, EndOfGame& koniec);
  ~Screen() override;

  platform::Action A_Stop;
  platform::Action A_NowaGra;
  platform::Action A_Pomoc;
  platform::Action A_Nastepny;
  platform::Action A_Poprzedni;

  // The board of the game being played; none before the first game.
  Board* Plansza() const { return plansza_.get(); }
  platform::Timer* TimerDalej() const { return timerDalej_.data(); }
  CMikrofon* Mikrofon() const { return mikrofon_.get(); }
  CPrzyciskC* PrzyciskPomoc() const { return pomoc_.get(); }

  // What the board needs of its screen.
  platform::Form& Okno() override { return *this; }
  platform::Canvas& TloPlanszy() override { return plotnoTla_; }
  platform::Canvas& PodkladPlanszy() override { return plotnoPodkladu_; }
  void RysujPrzyciski() override;
  void Rozwiazane() override;

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
  // To the next task, or the previous one.
  void Przejdz(bool naprzod);
  // The current task laid out and drawn; an unsolved one is also spoken.
  void PokazZadanie();
  void Dalej();
  void NotujAktywnosc();
  // The game is over: its board takes no more input and no timer runs.
  void WycofajPlansze();

  const session::Session& session_;
  CSlowa* slowa_;
  CStatRec* statRec_;
  EndOfGame& koniec_;
  QImage tlo_;
  platform::Canvas plotnoTla_;       // the background alone
  platform::Canvas plotnoRobocze_;   // what the window shows
  platform::Canvas plotnoPodkladu_;  // the backdrop of the current drag
  std::unique_ptr<CPrzyciskC> pomoc_, stop_, nast_, pop_;
  std::unique_ptr<CMikrofon> mikrofon_;
  QPointer<platform::Timer> timerDalej_;
  std::unique_ptr<Board> plansza_;
};

}  // namespace filling
