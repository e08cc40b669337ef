#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <memory>

#include "games/labelling/grapodpisywanie.h"
#include "platform/canvas.h"
#include "platform/form.h"
#include "session/session.h"
#include "platform/timer.h"
#include "widgets/micbutton.h"
#include "widgets/_cprzycisk.h"

class CSlowa;
class CStatRec;
class EndOfGame;

// The labelling game's screen: the word's picture above a row of slots, the
// phoneme tiles, and the buttons "pomoc" (hint), "stop", "nast" (next) and
// "pop" (previous). Every showing starts a new game; the game ends through
// "stop", Escape or the board's end timer with the summary, whose answer
// starts a new game here or closes the screen.
//
// Everything the window shows is composed on PlotnoRobocze and copied to the
// window's canvas, whole or by rectangle.
class TfmPodpisywanie : public platform::Form, public CEkranPodpisywania {
  Q_OBJECT
 public:
  // Draws the words from the catalogue, counts in the store (either may be
  // absent) and ends every game through `koniec`. Raises CBlad(1) when the
  // background or a button picture cannot be loaded, with nothing left
  // behind.
  TfmPodpisywanie(const session::Session& session, CSlowa* slowa, CStatRec* statRec, EndOfGame& koniec);
  ~TfmPodpisywanie() override;

  platform::Action A_Stop;
  platform::Action A_NowaGra;
  platform::Action A_Pomoc;
  platform::Action A_Nastepny;
  platform::Action A_Poprzedni;
  platform::Action A_EkranPaint;
  platform::Action A_Powiedz;

  // Redraws the whole screen and lays the current task out afresh.
  void RysujZadanie();

  // The board of the game being played; none before the first game.
  graPodpisywanie* Plansza() const { return plansza_.get(); }

  // What the board needs of its screen.
  platform::Form& Okno() override { return *this; }
  platform::Canvas& TloPlanszy() override { return PlotnoTla; }
  platform::Canvas& PodkladPlanszy() override { return PlotnoPodkladu; }
  void RysujPrzyciski(bool ostatnie, bool pierwsze) override;
  void UkryjPomoc() override;
  void KoniecCzasu() override { A_Stop.Execute(plansza_ ? plansza_->TimerKoniec() : nullptr); }

  QImage Tlo;
  QRect ProstokatKlienta;
  platform::Canvas PlotnoTla;       // the background alone
  platform::Canvas PlotnoRobocze;   // what the window shows
  platform::Canvas PlotnoPodkladu;  // the backdrop of the current drag
  std::unique_ptr<CPrzyciskC> PrzyciskPomoc;
  std::unique_ptr<CPrzyciskC> PrzyciskStop;
  std::unique_ptr<CPrzyciskC> PrzyciskNast;
  std::unique_ptr<CPrzyciskC> PrzyciskPop;
  // Beside a solved word's picture: the child records the word (also N).
  std::unique_ptr<CMikrofon> Mikrofon;

 protected:
  void FormPaint() override;
  void FormShow() override;
  void FormKeyPress(int key) override;
  void FormMouseDown(platform::MouseButton button, int shift, int x, int y) override;
  void FormDblClick(int x, int y) override;
  void FormMouseWheel() override;

 private:
  void A_StopExecute();
  void A_NowaGraExecute();
  void A_PomocExecute();
  void A_PowiedzExecute();
  // To the next task, or the previous one.
  void Przejdz(bool naprzod);
  void NotujAktywnosc();
  void WylaczKoniec();
  // "nast" and "pop" shown unless the task is the last or the first.
  void PokazNawigacje();
  // The game is over: its board takes no more input and runs no timer.
  void WycofajPlansze();

  const session::Session& session_;
  CSlowa* slowa_;
  CStatRec* statRec_;
  EndOfGame& koniec_;
  std::unique_ptr<graPodpisywanie> plansza_;
};
