#pragma once

#include <functional>

// The menu's voice recorder. The menu keeps a fixed protocol with it: it
// closes it on every paint and after Start, closes and switches it off while
// a game screen is shown and switches it on again afterwards.
//
// The menu itself offers no recording: the child records in the games
// (widgets/micbutton.h, the recorder in recorder/) and the adult in the
// results window. This one never opens a sound device, so the protocol's
// closes and switches cannot cut into a recording made elsewhere: every
// operation that would act on an open device returns at once, and the
// completion handlers are kept for the protocol but never run.
//
// The operations bear Polish names like the class: Zatrzymaj (stop), Zamknij
// (close), ZamknijIWylacz (close and switch off), Wlacz (switch on).
class CNagrywanie {
 public:
  using Handler = std::function<void()>;

  // The menu passes its completion handler for both.
  CNagrywanie(Handler poOdtworzeniu, Handler poNagraniu);
  // Closes first; safe while closed.
  ~CNagrywanie();
  CNagrywanie(const CNagrywanie&) = delete;
  CNagrywanie& operator=(const CNagrywanie&) = delete;

  // Ends a recording or a playback under way; nothing while closed.
  void Zatrzymaj();
  // Stops what is under way, then closes the device; nothing while closed.
  void Zamknij();
  // Before a game screen: close, then switch off.
  void ZamknijIWylacz();
  // After a game screen.
  void Wlacz();

  bool Wlaczony() const { return wlaczony_; }
  bool Otwarty() const { return otwarty_; }
  bool Nagrywa() const { return nagrywa_; }
  bool Odtwarza() const { return odtwarza_; }

 private:
  bool wlaczony_ = true;
  Handler poNagraniu_;
  bool nagrywa_ = false;
  Handler poOdtworzeniu_;
  bool odtwarza_ = false;
  bool otwarty_ = false;
};
