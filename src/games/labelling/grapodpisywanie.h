#pragma once

#include <QImage>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <memory>
#include <vector>

#include "games/labelling/rules.h"
#include "games/labelling/tiles.h"
#include "platform/canvas.h"
#include "platform/form.h"
#include "platform/timer.h"
#include "session/session.h"

class CSlowa;
class CStatRec;

// What the board needs of its screen; the screen implements it, so that the
// board knows no screen and a test can drive a board with a small host.
class CEkranPodpisywania {
 public:
  virtual ~CEkranPodpisywania() = default;
  // The window: the tiles' input areas lie on it, its canvas is what shows.
  virtual platform::Form& Okno() = 0;
  // The background alone, and the backdrop kept for a drag.
  virtual platform::Canvas& TloPlanszy() = 0;
  virtual platform::Canvas& PodkladPlanszy() = 0;
  // Paints "pomoc" and "stop" on the work surface and shows "nast" and
  // "pop" unless the task is the last or the first.
  virtual void RysujPrzyciski(bool ostatnie, bool pierwsze) = 0;
  // A solved word: "pomoc" hidden, its picture gone from the work surface.
  virtual void UkryjPomoc() = 0;
  // The end timer ran out: the game ends as by "stop".
  virtual void KoniecCzasu() = 0;
};

// One game of labelling on the screen: the current word's tiles and slots,
// its picture and slots drawn onto the screen's work surface, the input of
// the tiles routed, the answer judged by the rules, and the end a minute
// after the last word is solved. The rules hold the tasks and what is solved.
//
// The screen owns its board and never destroys it under one of the board's
// own handlers: a board whose game is over is withdrawn (Wycofaj) and freed
// from the event loop. A handler that let other events run checks Wycofana()
// before it touches the board again.
class graPodpisywanie : public labelling::TileHost {
 public:
  static constexpr int kKoniecMs = 60000;

  // One task per word drawn so far, and the matte of the screen mode when it
  // exists. The catalogue and the store may be absent.
  graPodpisywanie(CEkranPodpisywania& ekran, const session::Session& session, CSlowa* slowa, CStatRec* statRec);
  ~graPodpisywanie() override;
  graPodpisywanie(const graPodpisywanie&) = delete;
  graPodpisywanie& operator=(const graPodpisywanie&) = delete;

  void UstawObraz(int x, int y);
  // Builds the current task: one tile and one slot per phoneme, tiles at
  // (0, 0), slots empty.
  void PrzygotujZadanie();
  void UstawPlotna(platform::Canvas* robocze, platform::Canvas* podkladu);
  // Matte with OR, then the word's picture with AND, on the work surface.
  void RysujObraz();
  // Every tile but the one being picked up draws itself, in list order.
  void RysujGloski();
  // Tiles scattered, slots emptied and drawn, tiles grabbable.
  void NoweUlozenie();
  // Every tile in its own slot, drawn, not grabbable.
  void PokazRozwiazanie();
  // A correct answer processes the pending events once, which may end the
  // game or replace this board.
  void Sprawdz() override;
  void Podpowiedz();
  void Powiedz();
  // The work surface without the grabbed tile, kept as the drag backdrop.
  void PoczatekPrzeciagania(CPrzGloska* gloska);

  bool CzyOstatnie() const { return zasady_.IsLast(); }
  bool CzyPierwsze() const { return zasady_.IsFirst(); }
  bool Nastepne() { return zasady_.Next(); }
  bool Poprzednie() { return zasady_.Previous(); }
  bool CzyRozwiazane() const { return zasady_.IsSolved(); }
  bool CzyWszystkie() const { return zasady_.AllSolved(); }
  // Opens the solved current word again when (x, y) lies inside the picture.
  bool OtworzPonownie(int x, int y);
  // The game is over: the end timer stops for good and no tile can be
  // grabbed any more.
  void Wycofaj();
  bool Wycofana() const { return wycofana_; }

  const labelling::Rules& Zasady() const { return zasady_; }
  // The key of the current word.
  QString Slowo() const { return zasady_.Key(); }
  QPoint Obraz() const { return QPoint(obrazX_, obrazY_); }
  platform::Timer* TimerKoniec() const { return timerKoniec_.data(); }
  // The tiles in drawing order, and the slots in row order.
  const std::vector<std::unique_ptr<CPrzGloska>>& Przesuwane() const { return przesuwane_; }
  const std::vector<std::unique_ptr<CPusGloska>>& Puste() const { return puste_; }

  // What the tiles need of their board.
  platform::Form& Okno() const override { return ekran_.Okno(); }
  void NotujAktywnosc() override;
  platform::Canvas* Robocze() const override { return plotnoRobocze_; }
  platform::Canvas* Podklad() const override { return plotnoPodkladu_; }
  CPusGloska* Chwyc(CPrzGloska& gloska) override;
  CPusGloska* SlotWZasiegu(QPoint tile) const override;
  void Zdejmij(const CPrzGloska& gloska) override;
  void RysujPuste() override;
  void Odkryj(const CPusGloska& wypelniony) override;

 private:
  // The current word's large picture; none when nothing was drawn.
  const QImage* ObrazekZadania() const;
  void Rozrzuc();
  void UkryjGloski();
  void Wyczysc();
  void TimerKoniecTimer();

  CEkranPodpisywania& ekran_;
  const session::Session& session_;
  CSlowa* slowa_;
  CStatRec* statRec_;
  labelling::Rules zasady_;
  QImage maska_;
  int obrazX_ = 0;
  int obrazY_ = 0;
  // Owned by the board, parented to the screen.
  QPointer<platform::Timer> timerKoniec_;
  std::vector<std::unique_ptr<CPrzGloska>> przesuwane_;
  std::vector<std::unique_ptr<CPusGloska>> puste_;
  CPrzGloska* przeciagana_ = nullptr;
  platform::Canvas* plotnoRobocze_ = nullptr;   // not owned
  platform::Canvas* plotnoPodkladu_ = nullptr;  // not owned
  bool wycofana_ = false;
};
