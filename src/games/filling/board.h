#pragma once

#include <QImage>
#include <QPoint>
#include <QString>
#include <memory>
#include <vector>

#include "games/filling/rules.h"
#include "games/labelling/tiles.h"
#include "platform/canvas.h"
#include "platform/form.h"
#include "session/session.h"

class CStatRec;

namespace filling {

// What the board needs of its screen; the screen implements it.
class ScreenHost {
 public:
  virtual ~ScreenHost() = default;
  // The window: the tiles' input areas lie on it, its canvas is what shows.
  virtual platform::Form& Okno() = 0;
  // The background alone, and the backdrop kept for a drag.
  virtual platform::Canvas& TloPlanszy() = 0;
  virtual platform::Canvas& PodkladPlanszy() = 0;
  // Paints the buttons the task shows on the work surface.
  virtual void RysujPrzyciski() = 0;
  // The task shown was just solved, by the child or by the second wrong try.
  virtual void Rozwiazane() = 0;
};

// Where the pieces of a task stand: the word's picture and the two answer
// tiles below the slot row, for a screen of W x H.
QPoint PicturePlace(int W);
QPoint AnswerPlace(int which, int W, int H);

// One game of filling on the screen: the word's tiles in their slots with
// the gap empty, its picture, and the two answer tiles the child drags (or
// clicks) into the gap. The rules judge; the board draws, speaks and counts.
class Board : public labelling::TileHost {
 public:
  Board(ScreenHost& ekran, const session::Session& session, std::vector<Task> tasks, CStatRec* statRec);
  ~Board() override;
  Board(const Board&) = delete;
  Board& operator=(const Board&) = delete;

  void UstawPlotna(platform::Canvas* robocze, platform::Canvas* podkladu);
  // Builds the current task's tiles: the word's in their slots, and either
  // the two answer tiles in their places (in an order drawn at random) or,
  // for a solved task, the right one in the gap.
  void PrzygotujZadanie();
  // The work surface composed afresh: background, buttons, picture, frames.
  // The tiles are drawn by the next paint, which the caller asks for.
  void Komponuj();
  // Every tile still in play draws itself on the work surface.
  void RysujGloski();
  // The word said again, slowly, with the right tile shown in the gap for a
  // moment; counted as a hint.
  void Podpowiedz();
  void Powiedz(bool wolno = false);
  // Starts the word and returns at once.
  void ZacznijMowic();
  // The game is over: no tile can be taken any more.
  void Wycofaj();
  bool Wycofana() const { return wycofana_; }

  Rules& Zasady() { return zasady_; }
  const Rules& Zasady() const { return zasady_; }
  QString Slowo() const;
  // The answer tiles in play (none once the task is solved) and the gap.
  std::vector<CPrzGloska*> Odpowiedzi() const;
  const CPusGloska* Luka() const { return luka_; }
  const std::vector<std::unique_ptr<CPusGloska>>& Puste() const { return puste_; }

  // What the tiles need of their board.
  platform::Form& Okno() const override { return ekran_.Okno(); }
  void NotujAktywnosc() override;
  platform::Canvas* Robocze() const override { return plotnoRobocze_; }
  platform::Canvas* Podklad() const override { return plotnoPodkladu_; }
  CPusGloska* Chwyc(CPrzGloska& gloska) override;
  // The gap, for a tile dropped near it or clicked where it lay.
  CPusGloska* SlotWZasiegu(QPoint tile) const override;
  void Zdejmij(const CPrzGloska&) override {}
  void RysujPuste() override;
  void Odkryj(const CPusGloska&) override {}
  // Judges the tile just laid into the gap.
  void Sprawdz() override;

 private:
  void Wyczysc();
  void RysujObraz();
  CPrzGloska* Dodaj(const QString& gloska, const QString& przyrostek);
  // The answer tile back where it waited, its picture gone from the gap.
  void Odloz(CPrzGloska& gloska);
  // Only `zostaje` stays of the answer tiles, in the gap, and can no longer
  // be taken.
  void Zamknij(CPrzGloska& zostaje);

  ScreenHost& ekran_;
  const session::Session& session_;
  CStatRec* statRec_;
  Rules zasady_;
  QImage maska_;
  QImage obrazek_;  // the current word's picture
  std::vector<std::unique_ptr<CPrzGloska>> przesuwane_;  // the word's tiles, then the answers
  std::vector<std::unique_ptr<CPusGloska>> puste_;
  std::vector<CPrzGloska*> odpowiedzi_;  // the answer tiles in play
  std::vector<QPoint> miejsca_;          // where each of them waits
  CPusGloska* luka_ = nullptr;
  CPrzGloska* przeciagana_ = nullptr;
  QPoint chwycona_;  // where the tile taken last lay when it was taken
  platform::Canvas* plotnoRobocze_ = nullptr;   // not owned
  platform::Canvas* plotnoPodkladu_ = nullptr;  // not owned
  bool wycofana_ = false;
};

}  // namespace filling
