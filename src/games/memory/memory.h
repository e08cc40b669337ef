#pragma once

#include <QImage>
#include <QRect>
#include <memory>
#include <vector>

#include "games/memory/gramemory.h"
#include "platform/canvas.h"
#include "platform/form.h"
#include "session/session.h"
#include "platform/timer.h"
#include "widgets/micbutton.h"

class CPrzyciskC;
class CSlowa;
class CStatRec;
class EndOfGame;

// The Memory screen: the background, the "pomoc" and "stop" buttons and the
// board of cards. Everything it shows is composed in its composition buffer
// and copied to the window whole. Every showing starts a new game; the end of
// a game saves the record and opens the summary.
class TfmMemory : public platform::Form, public CEkranMemory {
  Q_OBJECT
 public:
  // Deals from the catalogue, counts in the store (either may be absent)
  // and ends every game through `koniec`. Raises CBlad(1), with everything
  // made so far freed, when the artwork cannot be loaded.
  TfmMemory(const session::Session& session, CSlowa* slowa, CStatRec* statRec, EndOfGame& koniec);
  ~TfmMemory() override;

  platform::Action A_Stop;
  platform::Action A_NowaGra;
  platform::Action A_Pomoc;
  platform::Action A_EkranPaint;

  // The background artwork as drawn at (0, 0); never changed.
  const platform::Canvas& Tlo() const { return tlo_; }
  // What the board needs of its screen.
  platform::Form& Okno() override { return *this; }
  platform::Canvas& Kompozycja() override { return kompozycja_; }
  void OdswiezTeraz() override;
  void PokazOkno(const QRect& r) override;
  void RysujEkran() override { A_EkranPaint.Execute(this); }
  void KoniecGry() override { A_Stop.Execute(this); }
  bool PokazMikrofon(const QString& slowo) override;

  CPrzyciskC* PrzyciskPomoc() const { return pomoc_.get(); }
  CPrzyciskC* PrzyciskStop() const { return stop_.get(); }
  graMemory* Plansza() const { return plansza_.get(); }
  // Beside a found pair's large picture: the child records the word (also N).
  CMikrofon* Mikrofon() const { return mikrofon_.get(); }

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
  // The board goes from the event loop: one of its handlers may be what
  // got here.
  void ZwolnijPlansze();

  QRect ekran_;
  QImage tloObraz_;
  platform::Canvas tlo_;
  platform::Canvas kompozycja_;
  std::unique_ptr<CPrzyciskC> pomoc_;
  std::unique_ptr<CPrzyciskC> stop_;
  const session::Session& session_;
  CSlowa* slowa_;
  CStatRec* statRec_;
  EndOfGame& koniec_;
  std::unique_ptr<graMemory> plansza_;
  std::unique_ptr<CMikrofon> mikrofon_;
};
