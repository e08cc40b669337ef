#pragma once

#include <QImage>
#include <QRect>
#include <memory>
#include <vector>

#include "platform/canvas.h"
#include "platform/form.h"
#include "platform/timer.h"

class CPrzyciskC;
class graMemory;

// The Memory screen: the background, the "pomoc" and "stop" buttons and the
// board of cards. Everything it shows is composed in its composition buffer
// and copied to the window whole. Every showing starts a new game; the end of
// a game saves the record and opens the summary.
class TfmMemory : public platform::Form {
  Q_OBJECT
 public:
  // Needs only the screen globals and the artwork; raises CBlad(1), with
  // everything made so far freed, when the artwork cannot be loaded.
  TfmMemory();
  ~TfmMemory() override;

  platform::Action A_Stop;
  platform::Action A_NowaGra;
  platform::Action A_Pomoc;
  platform::Action A_EkranPaint;

  // The background artwork as drawn at (0, 0); never changed.
  const platform::Canvas& Tlo() const { return tlo_; }
  // Where the game composes what the window shows.
  platform::Canvas& Kompozycja() { return kompozycja_; }
  // Copies the composition buffer onto the window, whole, and shows it at
  // once (the program may block right after, speaking a word).
  void OdswiezTeraz();
  // Shows at once what was drawn straight on the window canvas in `r`.
  void PokazOkno(const QRect& r);

  CPrzyciskC* PrzyciskPomoc() const { return pomoc_.get(); }
  CPrzyciskC* PrzyciskStop() const { return stop_.get(); }
  graMemory* Plansza() const { return plansza_.get(); }

 protected:
  void FormShow() override;
  void FormPaint() override;
  void FormKeyPress(int key) override;
  void FormMouseWheel() override;

 private:
  void A_StopExecute(QObject* sender);
  void A_NowaGraExecute(QObject* sender);
  void A_PomocExecute(QObject* sender);
  void A_EkranPaintExecute(QObject* sender);
  void ZwolnijPlansze();
  void UsunWycofane();

  QRect ekran_;
  QImage tloObraz_;
  platform::Canvas tlo_;
  platform::Canvas kompozycja_;
  std::unique_ptr<CPrzyciskC> pomoc_;
  std::unique_ptr<CPrzyciskC> stop_;
  std::unique_ptr<graMemory> plansza_;
  // Boards replaced while one of their own handlers was still running; freed
  // once it has returned.
  std::vector<std::unique_ptr<graMemory>> wycofane_;
};

extern TfmMemory* fmMemory;
