#pragma once

#include <QImage>
#include <array>
#include <functional>
#include <map>
#include <memory>

#include "platform/canvas.h"
#include "platform/form.h"
#include "games/registry.h"
#include "session/session.h"
#include "platform/imagecontrol.h"
#include "platform/timer.h"

class CCheckBut;
class CNagrywanie;
class CObiektGraficzny;
class CPrzyciskP;
class CSlowa;
class CUstGry;
class TfmKomunikat;

// The main menu: one page per game on a tab strip, with three rows of
// choices (amount of work, sounds, word positions) that edit the settings
// record of the current tab, and buttons for the about box, leaving and
// starting the chosen game. Closing it ends the program.
class TfmMain : public platform::Form {
  Q_OBJECT
 public:
  // The windows the menu opens and the splash it removes. Start-up makes
  // them after the menu and fills this in as it goes; the menu reads it only
  // once it is shown.
  struct Ekrany {
    // The game screens by the registry's game number.
    std::map<qint32, platform::Form*> gry;
    platform::Form* fmOProgramie = nullptr;
    platform::Form* fmReklama = nullptr;
    TfmKomunikat* fmKomunikat = nullptr;
    // Up until the menu removes it, 2000 ms after the menu is first shown.
    platform::Form* fmSplash = nullptr;
    std::function<void()> UsunSplash;
    // Opens the results window over the menu and returns when it is
    // closed, so that no game can start meanwhile.
    std::function<void()> PokazWyniki;
  };

  // Selects words from `slowa` before a game starts. Raises CBlad(1) when
  // its artwork cannot be loaded.
  TfmMain(session::Session& session, CSlowa* slowa, const Ekrany& ekrany);
  ~TfmMain() override;

  platform::Action A_Start, A_Stop, A_Oprogramie, A_Wyniki;
  platform::Action A_Zakladka1, A_Zakladka2, A_Zakladka3, A_Zakladka4, A_Zakladka5;
  platform::Action A_SZ, A_ZRZ, A_CZ, A_DZZ;
  platform::Action A_Naglos, A_Srodglos, A_Wyglos;
  platform::Action A_Malo, A_Srednio, A_Duzo;
  platform::Action MPStop;
  // Recording actions of the menu; the menu offers no recording of its own
  // (the games and the results window record), so nothing runs them.
  platform::Action A_Rec_Rec, A_Rec_Play, NagRekordyUp, NagRekordyDown;

  // The tab strip: a picture-less input area over the tab pictures; and the
  // tabs of the filling game beside it, on the right, and of the falling
  // game, on the left.
  platform::ImageControl* g_Menu = nullptr;
  platform::ImageControl* g_Menu3 = nullptr;
  platform::ImageControl* g_Menu4 = nullptr;  // the falling game's, on the left

  // The child practising this run, named on a card in the top-left corner
  // over the sky; an empty name (a guest) shows none.
  void UstawDziecko(const QString& imie, const QImage& obrazek);
  QRect KartaDziecka() const { return kartaDziecka_; }

  // The settings record a tab edits; nullptr for tabs outside 1 to 4.
  CUstGry* SettingsForTab(int tab) const;
  // The tab a press at x on the tab strip selects in a screen mode, or 0.
  static int TabAt(int mode, int x);

  // Read access for tests and for the screens that sit on top of the menu.
  CPrzyciskP* AboutButton() const { return about_.get(); }
  CPrzyciskP* ExitButton() const { return exit_.get(); }
  CPrzyciskP* StartButton() const { return start_.get(); }
  CPrzyciskP* ResultsButton() const { return results_.get(); }
  CCheckBut* AmountButton(int i) const { return amounts_[size_t(i)].get(); }
  CCheckBut* SoundButton(int i) const { return sounds_[size_t(i)].get(); }
  // The sound buttons of the filling game's tab, which name pairs ("SZ – S").
  CCheckBut* PairButton(int i) const { return pairs_[size_t(i)].get(); }
  CCheckBut* PositionButton(int i) const { return positions_[size_t(i)].get(); }
  const CObiektGraficzny* Caption(int i) const { return captions_[size_t(i)].get(); }
  CNagrywanie* Recorder() const { return recorder_.get(); }
  qint16 PreviousTab() const { return poprzedniaZakladka_; }

 protected:
  void FormShow() override;
  void FormPaint() override;
  void FormKeyPress(int key) override;

 private:
  void BindActions();
  void Build();
  // The page of tab 1 to 4 with the choices of its record.
  void DrawPage(int tab);
  void g_MenuMouseDown(platform::MouseButton button, int shift, int x, int y);
  // A press selected `tab` (0: none); the page is drawn when it changed.
  void SwitchTab(int tab);
  // The sound button of the current tab at `index`.
  CCheckBut& SoundButtonOfTab(int index) const;
  void A_StartExecute();
  void A_StopExecute();
  void A_OprogramieExecute();
  void ToggleSound(int index, int bit);
  void TogglePosition(int index, int bit);
  void ChooseAmount(int level);
  void MPStopExecute();
  // Shows a game screen modally when enough words fit the record, or
  // message 3 when too few do.
  void StartGame(const games::Game& game, CUstGry& settings, platform::Form* screen);

  platform::Canvas tlo_;  // the background, which the image buttons restore from
  QImage page1_;
  QImage page2_;
  QImage page0_;              // the strip with neither of its tabs chosen
  QImage tab3On_, tab3Off_;   // the filling game's tab, chosen or not
  QImage tab4On_, tab4Off_;   // the falling game's
  std::unique_ptr<CPrzyciskP> about_, exit_, start_, results_;
  std::array<std::unique_ptr<CCheckBut>, 3> amounts_;
  std::array<std::unique_ptr<CCheckBut>, 4> sounds_;
  std::array<std::unique_ptr<CCheckBut>, 4> pairs_;
  std::array<std::unique_ptr<CCheckBut>, 3> positions_;
  // Row captions: number of tasks, sounds, position.
  std::array<std::unique_ptr<CObiektGraficzny>, 3> captions_;
  std::unique_ptr<CNagrywanie> recorder_;
  qint16 poprzedniaZakladka_ = 1;
  QRect kartaDziecka_;
  session::Session& session_;
  CSlowa* slowa_;
  const Ekrany& ekrany_;
};
