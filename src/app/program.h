#pragma once

#include <QString>
#include <memory>
#include <vector>

#include "menu/Main.h"
#include "session/session.h"

class CSlowa;
class CStatRec;
class EndOfGame;
class TfmKoniecGry;
class TfmKomunikat;
class TfmKtoCwiczy;
class TfmMemory;
class TfmOProgramie;
class TfmPodpisywanie;
class TfmReklama;
class TfmSplash;
class graMemory;
class graPodpisywanie;
namespace filling {
class Screen;
}
namespace falling {
class Screen;
}
namespace profiles {
struct Profile;
}

// The program's objects, owned in one place: the state of the run (where
// the content lies, the working screen, the child's files and settings),
// the splash while it is up, the word catalogue, the statistics store and
// the nine screens. Everything else receives what it uses from here
// through its constructor. Start-up, the tests, the benchmarks and the
// screenshot tool all make the program through this one object.
class Program {
 public:
  // Everything it makes asks the system through `services`.
  Program(const platform::Services& services, const session::ContentRoot& content);
  // Whatever is still there goes: the store, the catalogue, the splash,
  // the chooser, then the screens.
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // The splash; raises CBlad(1) when its picture is missing or broken.
  void CreateSplash();
  // Safe at any point and more than once.
  void DestroySplash();

  // The chooser of the child who practises today, for start-up while
  // profiles exist; it removes the splash as the menu would. Raises CBlad(1)
  // when its background is missing or broken.
  void CreateChooser(const std::vector<profiles::Profile>& children);
  void DestroyChooser();

  // The state of the run, filled in by start-up (the screen, then the
  // child's files and settings) before the catalogue and the screens are
  // made from it.
  session::Session& state() { return session_; }

  // The catalogue (its built-in words and the content's word list) and the
  // store of the child's statistics file; raises CBlad(3) when the
  // statistics file cannot be made.
  void CreateCatalogueAndStore();
  void DestroyCatalogueAndStore();

  // The child practising this run (its name and word picture's key), named
  // by the menu and the summary that CreateScreens makes; none for a guest.
  void SetChild(const QString& name, const QString& picture);

  // The nine screens in their order: main menu, Memory, labelling, filling, falling, about
  // box, summary, message dialog, closing screen. Raises CBlad(1) when
  // artwork is missing, leaving the screens made so far.
  void CreateScreens();
  // Whatever screens exist, in the reverse order; the main menu, which
  // writes the configuration as it goes, is the last.
  void DestroyScreens();

  // The results window over the menu (its child), until it is closed: the
  // menu's results button. It opens on the child of this run and manages
  // the profiles beside the default files and the words' voices.
  void ShowResults();

  // The program is ended from outside (a signal at log-out): every window's
  // loop ends, and a game being played is recorded as its "Stop" records
  // it, without a summary. The settings are written as the screens go.
  void EndFromOutside();

  CSlowa* slowa() const { return slowa_.get(); }
  CStatRec* statRec() const { return statRec_.get(); }
  TfmSplash* fmSplash() const { return fmSplash_.get(); }
  TfmKtoCwiczy* fmKtoCwiczy() const { return fmKtoCwiczy_.get(); }
  TfmMain* fmMain() const { return fmMain_.get(); }
  TfmMemory* fmMemory() const { return fmMemory_.get(); }
  TfmPodpisywanie* fmPodpisywanie() const { return fmPodpisywanie_.get(); }
  filling::Screen* fmUzupelnianie() const { return fmUzupelnianie_.get(); }
  falling::Screen* fmSpadajace() const { return fmSpadajace_.get(); }
  TfmOProgramie* fmOProgramie() const { return fmOProgramie_.get(); }
  TfmKoniecGry* fmKoniecGry() const { return fmKoniecGry_.get(); }
  TfmKomunikat* fmKomunikat() const { return fmKomunikat_.get(); }
  TfmReklama* fmReklama() const { return fmReklama_.get(); }
  // The boards of the games being played, held by their screens.
  graMemory* gra() const;
  graPodpisywanie* plansza() const;

 private:
  session::Session session_;
  QString childName_, childPicture_;
  std::unique_ptr<TfmSplash> fmSplash_;
  std::unique_ptr<TfmKtoCwiczy> fmKtoCwiczy_;
  std::unique_ptr<CSlowa> slowa_;
  std::unique_ptr<CStatRec> statRec_;
  std::unique_ptr<EndOfGame> koniec_;
  TfmMain::Ekrany ekrany_;
  std::unique_ptr<TfmMain> fmMain_;
  std::unique_ptr<TfmMemory> fmMemory_;
  std::unique_ptr<TfmPodpisywanie> fmPodpisywanie_;
  std::unique_ptr<filling::Screen> fmUzupelnianie_;
  std::unique_ptr<falling::Screen> fmSpadajace_;
  std::unique_ptr<TfmOProgramie> fmOProgramie_;
  std::unique_ptr<TfmKoniecGry> fmKoniecGry_;
  std::unique_ptr<TfmKomunikat> fmKomunikat_;
  std::unique_ptr<TfmReklama> fmReklama_;
};
