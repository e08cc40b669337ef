#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <memory>

#include "platform/canvas.h"
#include "platform/form.h"
#include "platform/timer.h"
#include "widgets/_cprzycisk.h"

// The labelling game's screen: the word's picture above a row of slots, the
// phoneme tiles, and the buttons "pomoc" (hint), "stop", "nast" (next) and
// "pop" (previous). Every showing starts a new game; the game ends through
// "stop", Escape or the board's end timer with the summary, whose answer
// starts a new game here or closes the screen.
//
// Everything the window shows is composed on PlotnoRobocze and copied to the
// window's canvas, whole or by rectangle.
class TfmPodpisywanie : public platform::Form {
  Q_OBJECT
 public:
  // Needs only the screen-mode globals. Raises CBlad(1) when the background
  // or a button picture cannot be loaded, with nothing left behind.
  TfmPodpisywanie();
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

  // Changes whenever a game begins or ends on this screen. Code that lets
  // pending events run compares it before and after to learn whether its
  // game is still the one being played.
  quint64 NumerGry() const { return numerGry_; }

  QImage Tlo;
  QRect ProstokatKlienta;
  platform::Canvas PlotnoTla;       // the background alone
  platform::Canvas PlotnoRobocze;   // what the window shows
  platform::Canvas PlotnoPodkladu;  // the backdrop of the current drag
  std::unique_ptr<CPrzyciskC> PrzyciskPomoc;
  std::unique_ptr<CPrzyciskC> PrzyciskStop;
  std::unique_ptr<CPrzyciskC> PrzyciskNast;
  std::unique_ptr<CPrzyciskC> PrzyciskPop;

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

  quint64 numerGry_ = 0;
};

extern TfmPodpisywanie* fmPodpisywanie;
