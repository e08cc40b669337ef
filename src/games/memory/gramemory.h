#pragma once

#include <QHash>
#include <QImage>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QtGlobal>
#include <memory>
#include <vector>

#include "platform/canvas.h"
#include "platform/form.h"
#include "platform/imagecontrol.h"
#include "platform/timer.h"

class CSlowa;
class CStatRec;
class graMemory;

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

// The pictures every card of one deal shares, read once per deal rather than
// once per card: the card back, the mask of the large picture and each word's
// large picture. A missing or unreadable file gives a null picture.
class CObrazyKart {
 public:
  explicit CObrazyKart(int screenMode);
  const QImage& Rewers() const { return rewers_; }
  const QImage& Maska() const { return maska_; }
  QImage Duzy(const QString& nazwa);

 private:
  int screenMode_;
  QImage rewers_;
  QImage maska_;
  QHash<QString, QImage> duze_;
};

// One card: its face and back, the large picture shown when its pair is
// found, an invisible click target on the screen and the two timers that end
// a turn. A card is on the board while its click target is visible.
class CKarta {
 public:
  static constexpr int kTrafionaMs = 2000;
  // While the microphone button is offered beside the large picture: time
  // for a child to reach it.
  static constexpr int kTrafionaNagranieMs = 5000;
  static constexpr int kChybionaMs = 1200;
  // Size of a card whose pictures are all missing.
  static constexpr int kSzerokosc = 80;
  static constexpr int kWysokosc = 100;

  // Card for the drawn word `indeks` of the catalogue. Never fails: a
  // picture that cannot be had is replaced so that the card can still be
  // clicked and turned.
  CKarta(graMemory* plansza, const CSlowa* slowa, qint16 indeks, CObrazyKart& obrazy);
  ~CKarta();
  CKarta(const CKarta&) = delete;
  CKarta& operator=(const CKarta&) = delete;

  void UstawPozycje(qint16 x, qint16 y);
  void RysujRewers(platform::Canvas& canvas) const;
  void RysujAwers(platform::Canvas& canvas) const;
  // The large picture through its mask, on the screen's composition buffer.
  void PokazPare();
  // Speaks the word and returns when it has been spoken; silent without a
  // sound file.
  bool Powiedz();
  void ObrazClick(QObject* sender);
  void TimerTrafionaTimer();
  void TimerChybionaTimer();

  bool NaPlanszy() const { return Obraz && Obraz->Visible(); }
  QRect Prostokat() const { return Obraz ? Obraz->geometry() : QRect(); }

  std::unique_ptr<platform::Timer> TimerTrafiona;
  std::unique_ptr<platform::Timer> TimerChybiona;
  QString Nazwa;
  // Owned by the card; a child of the screen.
  QPointer<platform::ImageControl> Obraz;
  QImage Awers;
  QImage Rewers;
  QImage Maska;
  QImage Duzy;

 private:
  graMemory* plansza_;
};

// One game of Memory: two cards per drawn word in a grid of 6, 12 or 20
// slots, the turn in progress, and what is left on the board.
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
  graMemory(CEkranMemory& ekran, CSlowa* slowa, CStatRec* statRec, qint16 pary);
  ~graMemory();
  graMemory(const graMemory&) = delete;
  graMemory& operator=(const graMemory&) = delete;

  // Places every card on the board at its grid place, face down.
  void Rysuj(platform::Canvas& canvas);
  // Shows one pair on the window for half a second. Nothing while a card is
  // turned or a turn's timer runs, and nothing (not even a count) on a board
  // without cards.
  void Pomoc();
  bool CzyKoniec() const;
  bool CzyPara(const CKarta* a, const CKarta* b) const;

  // The game is over: every card off input and every timer stopped, for
  // good.
  void Wycofaj();
  bool Wycofana() const { return wycofana_; }
  CStatRec* Statystyki() const { return statRec_; }

  // Slots in grid order; null where no card was dealt.
  std::vector<std::unique_ptr<CKarta>> Karty;
  CEkranMemory* Ekran;
  CKarta* Pierwsza = nullptr;
  qint16 Pozostalo = 0;
  qint16 Odkryte = 0;
  bool Aktywna = true;

 private:
  CStatRec* statRec_;
  bool wycofana_ = false;
};
