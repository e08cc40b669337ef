#pragma once

#include <QHash>
#include <QImage>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QtGlobal>
#include <memory>

#include "platform/canvas.h"
#include "platform/form.h"
#include "platform/imagecontrol.h"
#include "platform/timer.h"
#include "session/contentroot.h"

class CSlowa;
namespace platform {
class SoundOutput;
}
namespace recorder {
class VoiceLibrary;
}

// The pictures every card of one deal shares, read once per deal rather than
// once per card: the card back, the mask of the large picture and each word's
// large picture. A missing or unreadable file gives a null picture.
class CObrazyKart {
 public:
  CObrazyKart(const session::ContentRoot& content, int screenMode);
  const QImage& Rewers() const { return rewers_; }
  const QImage& Maska() const { return maska_; }
  QImage Duzy(const QString& nazwa);

 private:
  session::ContentRoot content_;
  int screenMode_;
  QImage rewers_;
  QImage maska_;
  QHash<QString, QImage> duze_;
};

// One card as the child sees it: its face and back, the large picture shown
// when its pair is found, an invisible click target on the screen and the two
// timers that end a turn. The board decides what a click and a timer do; a
// card is on the board while its click target is visible.
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

  // Card for the drawn word `indeks` of the catalogue, its click target on
  // `okno`. Never fails: a picture that cannot be had is replaced so that the
  // card can still be clicked and turned.
  CKarta(platform::Form& okno, const CSlowa* slowa, qint16 indeks, CObrazyKart& obrazy);
  ~CKarta();
  CKarta(const CKarta&) = delete;
  CKarta& operator=(const CKarta&) = delete;

  void UstawPozycje(qint16 x, qint16 y);
  void RysujRewers(platform::Canvas& canvas) const;
  void RysujAwers(platform::Canvas& canvas) const;
  // The large picture through its mask, on the screen's composition buffer.
  void PokazPare(platform::Canvas& kompozycja, int screenMode) const;
  // Speaks the word and returns when it has been spoken; silent without a
  // sound file.
  bool Powiedz(platform::SoundOutput& dzwiek, const recorder::VoiceLibrary& glosy);

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
};
