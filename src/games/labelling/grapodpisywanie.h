#pragma once

#include <QImage>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QtGlobal>
#include <memory>
#include <vector>

#include "platform/canvas.h"
#include "platform/form.h"
#include "platform/imagecontrol.h"
#include "platform/timer.h"
#include "words/_cslowa.h"

class CPusGloska;
class CStatRec;
class graPodpisywanie;

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

// A positioned piece of the labelling game: a phoneme tile or a slot. A tile
// is never painted by its control: its picture is drawn onto the board's work
// surface, and `Obraz` is an invisible input area lying over that picture.
class COGloska {
 public:
  COGloska() = default;
  ~COGloska();
  COGloska(const COGloska&) = delete;
  COGloska& operator=(const COGloska&) = delete;

  // Moves the piece, and its input area when it has one.
  void UstawPozycje(int x, int y);
  // True when (x, y) lies less than 65 px from the piece on both axes.
  bool CzyBlisko(int x, int y) const;
  void UstawNazwe(const QString& text) { Nazwa = text; }
  // Draws the picture at (X, Y) on the board's work surface.
  void Rysuj();
  // Makes the input area invisible (the picture stays drawn) or visible.
  void Ukryj();
  void Pokaz();
  // One drag step: the old rectangle is restored from the drag backdrop, the
  // picture drawn at (x, y), and the old rectangle grown by 5 px copied to
  // the window. The input area does not move.
  void Przesun(int x, int y);

  QPoint Pozycja() const { return QPoint(X, Y); }

  QImage Bitmapa;                          // null in a slot
  QPointer<platform::ImageControl> Obraz;  // none in a slot; owned
  // A tile's phoneme as written in the segmentation; a slot's is that of
  // the tile placed in it, empty while the slot is empty.
  QString Nazwa;
  qint16 X = 0;
  qint16 Y = 0;

 protected:
  graPodpisywanie* plansza_ = nullptr;  // the board the tile belongs to
  platform::Form* ekran_ = nullptr;     // the window its input area lies on
};

// A draggable phoneme tile.
class CPrzGloska : public COGloska {
 public:
  // The picture is the named image LetterFileName(phoneme) + suffix ("_red"
  // for the practised sound). A picture the image library cannot supply is
  // replaced by a plain tile with the phoneme written on it, so the word
  // stays playable. The input area takes the picture's size.
  CPrzGloska(graPodpisywanie* plansza, const QString& gloska, const QString& przyrostek = QString());

  // Left button only: empties the slot holding the tile, puts the tile on
  // top of the others and builds the drag backdrop.
  void ObrazMouseDown(platform::MouseButton button, int shift, int x, int y);
  // Moves the tile while the left button alone is held.
  void ObrazMouseMove(int shift, int x, int y);
  // Left button only: snaps into a slot in reach and, when that fills an
  // empty slot, has the board check the answer (the last thing it does: the
  // check may end the game and destroy this tile).
  void ObrazMouseUp(platform::MouseButton button);
  // Empties the slot the tile sits in exactly.
  void ObrazDblClick();
  // The drag ended without a release (focus lost, minimised, F11): the tile
  // goes back where it was taken from, into its slot again, and nothing is
  // checked.
  void ObrazPressLost();

 private:
  QPoint chwyt_;  // where the pointer took the tile, inside the tile
  QPoint start_;  // where the drag began
  CPusGloska* opuszczona_ = nullptr;  // the slot the drag took it out of
};

// A slot under the picture: a frame that holds at most one tile. It is
// filled exactly when its Nazwa is not empty.
class CPusGloska : public COGloska {
 public:
  // Takes the tile (its Nazwa with it), or none to empty the slot.
  void UstawGloske(CPrzGloska* gloska);
  CPrzGloska* Gloska() const { return gloska_; }
  // A 5-px band, red while empty and yellow while filled, around the 55 x 55
  // square whose top-left is (X, Y).
  void RysujRamke(platform::Canvas& plotno) const;

  static constexpr int kBok = 55;

 private:
  CPrzGloska* gloska_ = nullptr;  // not owned
};

// One game of labelling: one task per drawn word. It builds the current
// word's tiles and slots, draws picture and slots onto the screen's work
// surface, checks the answer, gives hints, keeps which words are solved (a
// drawn word still carries CSlowa::kZnacznik while it is open) and ends the
// game a minute after the last word is solved.
//
// The screen owns its board and never destroys it under one of the board's
// own handlers: a board whose game is over is withdrawn (Wycofaj) and freed
// from the event loop. A handler that let other events run checks Wycofana()
// before it touches the board again.
class graPodpisywanie {
 public:
  static constexpr int kKoniecMs = 60000;

  // Takes the number of tasks from the words drawn so far, and the matte of
  // the screen mode when it exists. The catalogue and the store may be
  // absent.
  graPodpisywanie(CEkranPodpisywania& ekran, CSlowa* slowa, CStatRec* statRec);
  ~graPodpisywanie();
  graPodpisywanie(const graPodpisywanie&) = delete;
  graPodpisywanie& operator=(const graPodpisywanie&) = delete;

  void UstawObraz(int x, int y);
  // Builds the current task: one tile and one slot per phoneme, tiles at
  // (0, 0), slots empty.
  void PrzygotujZadanie();
  void UstawPlotna(platform::Canvas* robocze, platform::Canvas* podkladu);
  // Matte with OR, then the word's picture with AND, on the work surface.
  void RysujObraz();
  // Lays out the slot row and draws every frame on the surface.
  void RysujPuste(platform::Canvas& plotno);
  void Rozrzuc();
  // Loose tiles that the tile just put into `wypelniony` would hide move to
  // a free place nearby.
  void Odkryj(const CPusGloska& wypelniony);
  // Every tile but the one being picked up draws itself, in list order.
  void RysujGloski();
  void UkryjGloski();
  // Tiles scattered, slots emptied and drawn, tiles grabbable.
  void NoweUlozenie();
  // Every tile in its own slot, drawn, not grabbable.
  void PokazRozwiazanie();
  // Checks the answer once every slot is filled. A correct answer processes
  // the pending events once, which may end the game or replace this board.
  void Sprawdz();
  void Podpowiedz();
  void Powiedz();
  // The work surface without the grabbed tile, kept as the drag backdrop.
  void PoczatekPrzeciagania(CPrzGloska* gloska);

  bool CzyOstatnie() const { return Zadanie == Ostatnie; }
  bool CzyPierwsze() const { return Zadanie == 0; }
  bool Nastepne();
  bool Poprzednie();
  bool CzyRozwiazane() const;
  bool CzyWszystkie() const;
  // Opens the solved current word again when (x, y) lies inside the picture.
  bool OtworzPonownie(int x, int y);
  void Wyczysc();
  void TimerKoniecTimer();
  // The game is over: the end timer stops for good and no tile can be
  // grabbed any more.
  void Wycofaj();
  bool Wycofana() const { return wycofana_; }

  CEkranPodpisywania& Ekran() const { return ekran_; }
  platform::Form& Okno() const { return ekran_.Okno(); }
  CStatRec* Statystyki() const { return statRec_; }

  qint16 Zadanie = 0;
  QString Odpowiedz;
  QString Slowo;
  qint32 Ostatnie = -1;
  QImage Maska;
  qint32 ObrazX = 0;
  qint32 ObrazY = 0;
  // Owned by the board, parented to the screen.
  QPointer<platform::Timer> TimerKoniec;
  std::vector<std::unique_ptr<CPrzGloska>> Przesuwane;
  std::vector<std::unique_ptr<CPusGloska>> Puste;
  CPrzGloska* Przeciagana = nullptr;
  platform::Canvas* PlotnoRobocze = nullptr;   // not owned
  platform::Canvas* PlotnoPodkladu = nullptr;  // not owned

 private:
  // The drawn word of the current task; none when nothing was drawn.
  CSlowa::SPaczka* Biezace() const;

  CEkranPodpisywania& ekran_;
  CSlowa* slowa_;
  CStatRec* statRec_;
  bool wycofana_ = false;
};
