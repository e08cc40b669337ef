#pragma once

#include <QImage>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QtGlobal>

#include "platform/canvas.h"
#include "platform/form.h"
#include "platform/imagecontrol.h"
#include "session/contentroot.h"

class CPrzGloska;
class CPusGloska;

namespace labelling {

// What a tile needs of the board it lies on; the board implements it, so a
// tile knows neither the board's slots nor its surfaces.
class TileHost {
 public:
  virtual ~TileHost() = default;
  // The window the tiles' input areas lie on.
  virtual platform::Form& Okno() const = 0;
  virtual void NotujAktywnosc() = 0;
  // The work surface, none until the screen gives one, and the backdrop of
  // the current drag.
  virtual platform::Canvas* Robocze() const = 0;
  virtual platform::Canvas* Podklad() const = 0;
  // A press on a tile: the slot holding it is emptied and shown so, the tile
  // goes on top of the others and the drag backdrop is built. Returns the
  // slot it was taken from, if any.
  virtual CPusGloska* Chwyc(CPrzGloska& gloska) = 0;
  // The first slot within snap reach of a tile at `tile`.
  virtual CPusGloska* SlotWZasiegu(QPoint tile) const = 0;
  // Empties the slot the tile sits in exactly, by phoneme and place.
  virtual void Zdejmij(const CPrzGloska& gloska) = 0;
  // Lays out the slot row and draws every frame on the work surface.
  virtual void RysujPuste() = 0;
  // Loose tiles that the tile just put into `wypelniony` would hide move to
  // a free place nearby.
  virtual void Odkryj(const CPusGloska& wypelniony) = 0;
  // Checks the answer once every slot is filled; may end the game and
  // destroy the tile that asked.
  virtual void Sprawdz() = 0;
};

}  // namespace labelling

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
  labelling::TileHost* plansza_ = nullptr;  // the board the tile belongs to
  platform::Form* ekran_ = nullptr;         // the window its input area lies on
};

// A draggable phoneme tile.
class CPrzGloska : public COGloska {
 public:
  // The picture is the named image LetterFileName(phoneme) + suffix ("_red"
  // for the practised sound). A picture the image library cannot supply is
  // replaced by a plain tile with the phoneme written on it, so the word
  // stays playable. The input area takes the picture's size.
  CPrzGloska(const session::ContentRoot& content, labelling::TileHost* plansza, const QString& gloska,
             const QString& przyrostek = QString());

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
