#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "platform/canvas.h"
#include "platform/form.h"
#include "platform/timer.h"
#include "session/session.h"

class CPrzyciskC;

// The microphone button of a game screen, beside a word's picture, with the
// recording light that pulses while the microphone listens. A press (or the
// key N) records the child, then the model word and the recording play; the
// game's timers that would move on wait meanwhile and start afresh after.
//
// Nothing shows when the recorder is not offered (no microphone, switched
// off in data.ini, or its pictures missing): the game is then exactly as
// without it.
class CMikrofon {
 public:
  struct Miejsca {
    QPoint przycisk;   // top-left of the 70 x 60 button
    QPoint swiatlo;    // centre of the light
    QRect komunikat;   // where a failed microphone is said (over the picture)
  };
  // `kompozycja` is what the window shows and `tlo` the screen's background
  // alone, from which the light's place is wiped. `zegary` gives the timers
  // to hold at the moment of the press.
  CMikrofon(const session::Session& session, platform::Form& okno, platform::Canvas& kompozycja, const platform::Canvas& tlo, Miejsca miejsca,
            std::function<std::vector<platform::Timer*>()> zegary);
  ~CMikrofon();
  CMikrofon(const CMikrofon&) = delete;
  CMikrofon& operator=(const CMikrofon&) = delete;

  // Offers recording `slowo`: the button is drawn on the composition and
  // shown on the window. False when the recorder is not offered.
  bool Pokaz(const QString& slowo);
  // Takes the button's input area away; the screen's next full redraw
  // removes its picture.
  void Ukryj();
  bool Widoczny() const;
  // The key that records, as a screen's key handler sees it.
  static bool CzyKlawisz(int key) { return key == 'n' || key == 'N'; }
  // Records now, when the button is shown; returns when the recording has
  // been played back.
  void Nagraj();

  CPrzyciskC* Przycisk() const { return przycisk_.get(); }
  QRect ProstokatSwiatla() const;
  // Where "nothing was heard" is shown over the picture.
  QRect ProstokatDymka() const;

 private:
  bool Utworz();
  void Swiatlo(int faza);
  void ZgasSwiatlo();
  void Usterka();
  void Cisza(bool pokaz);
  void Odswiez(const QRect& r);

  const session::Session& session_;
  platform::Form& okno_;
  platform::Canvas& kompozycja_;
  const platform::Canvas& tlo_;
  Miejsca miejsca_;
  std::function<std::vector<platform::Timer*>()> zegary_;
  platform::Action akcja_;
  std::unique_ptr<CPrzyciskC> przycisk_;
  QImage maska_;
  QImage swiatla_[2];
  QImage podDymkiem_;  // the picture under the bubble while it shows
  bool probowano_ = false;
  QString slowo_;
  int faza_ = -1;
};
