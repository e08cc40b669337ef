#pragma once

#include <QRect>
#include <QString>
#include <QtGlobal>
#include <memory>
#include <optional>
#include <vector>

#include "games/memory/karta.h"
#include "games/memory/rules.h"
#include "platform/canvas.h"
#include "platform/form.h"
#include "session/session.h"

class CSlowa;
class CStatRec;

// What the board needs of its screen; the screen implements it, so that the
// board knows no screen and a test can drive a board with a small host.
class CEkranMemory {
 public:
  virtual ~CEkranMemory() = default;
  // The window: the cards' click targets lie on it.
  virtual platform::Form& Okno() = 0;
  // Where the game composes what the window shows.
  virtual platform::Canvas& Kompozycja() = 0;
  // The composition, whole, on the window at once (a word may be spoken
  // right after, and the program handles no input meanwhile).
  virtual void OdswiezTeraz() = 0;
  // Shows at once what was drawn straight on the window canvas in `r`.
  virtual void PokazOkno(const QRect& r) = 0;
  // The whole screen composed anew and shown (A_EkranPaint).
  virtual void RysujEkran() = 0;
  // The last pair is gone: the game ends as by "stop".
  virtual void KoniecGry() = 0;
  // A found pair's large picture is on the composition: the child may
  // record the word while it shows. True when the button is offered.
  virtual bool PokazMikrofon(const QString& slowo) {
    (void)slowo;
    return false;
  }
};

// One game of Memory on the screen: a card for every dealt slot of its rules,
// drawn as the rules say, with the clicks and the turn's timers passed to
// them.
//
// The screen owns its board and never destroys it under one of the board's
// own handlers: a board whose game is over is withdrawn (Wycofaj) and freed
// from the event loop.
class graMemory {
 public:
  // Deals the catalogue's drawn words (at most `pary` of them) with the
  // program's generator, without seeding it. Any number of pairs but 3, 6
  // and 10 gives a board without slots. The catalogue and the store may be
  // absent.
  graMemory(CEkranMemory& ekran, const session::Session& session, CSlowa* slowa, CStatRec* statRec, qint16 pary);
  ~graMemory();
  graMemory(const graMemory&) = delete;
  graMemory& operator=(const graMemory&) = delete;

  // Places every card on the board at its grid place, face down.
  void Rysuj(platform::Canvas& canvas);
  // Shows one pair on the window for half a second. Nothing while a card is
  // turned or a turn's timer runs, and nothing (not even a count) on a board
  // without cards.
  void Pomoc();
  // What the game's record says: every pair found.
  bool CzyKoniec() const { return Zasady.Complete(); }

  // The game is over: every card off input and every timer stopped, for
  // good.
  void Wycofaj();
  bool Wycofana() const { return Zasady.Withdrawn(); }

  // The game itself; the cards show it.
  memory::Rules Zasady;
  // Slots in grid order; null where no card was dealt.
  std::vector<std::unique_ptr<CKarta>> Karty;
  CEkranMemory* Ekran;

 private:
  void Kliknij(int slot);
  // The end of a turn, when the second card's timer runs out.
  void ParaZnaleziona(int slot);
  void ParaChybiona(int slot);
  // A card's click target is visible while the rules keep it on the board.
  void Pokaz(std::optional<int> slot);

  const session::Session& session_;
  CStatRec* statRec_;
};
