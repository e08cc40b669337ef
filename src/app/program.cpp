#include "app/program.h"

#include "games/registry.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "games/falling/screen.h"
#include "games/filling/screen.h"
#include "games/labelling/podpisywanie.h"
#include "games/labelling/grapodpisywanie.h"
#include "games/memory/gramemory.h"
#include "locations/filelocations.h"
#include "games/memory/memory.h"
#include "resultswindow/resultswindow.h"
#include "results/Koniecgry.h"
#include "results/_cstatrec.h"
#include "results/endofgame.h"
#include "screens/Komunikat.h"
#include "screens/KtoCwiczy.h"
#include "screens/Oprogramie.h"
#include "screens/Reklama.h"
#include "widgets/childcard.h"
#include "screens/Splashscreen.h"
#include "catalogue/_cslowa.h"
#include "stats/statsformat.h"

Program::Program(const platform::Services& services, const session::ContentRoot& content) {
  session_.services = services;
  session_.content = content;
}

Program::~Program() {
  DestroyCatalogueAndStore();
  DestroySplash();
  DestroyChooser();
  DestroyScreens();
}

void Program::CreateSplash() {
  fmSplash_ = std::make_unique<TfmSplash>(session_.content);
  fmSplash_->SetViewChoice(&session_.view);
  ekrany_.fmSplash = fmSplash_.get();
  ekrany_.UsunSplash = [this] { DestroySplash(); };
}

void Program::DestroySplash() {
  ekrany_.fmSplash = nullptr;
  fmSplash_.reset();
}

void Program::CreateChooser(const std::vector<profiles::Profile>& children) {
  std::function<void()> removeSplash;
  if (fmSplash_) removeSplash = [this] { DestroySplash(); };
  fmKtoCwiczy_ = std::make_unique<TfmKtoCwiczy>(session_, children, removeSplash);
  fmKtoCwiczy_->SetViewChoice(&session_.view);
}

void Program::DestroyChooser() { fmKtoCwiczy_.reset(); }

void Program::CreateCatalogueAndStore() {
  slowa_ = std::make_unique<CSlowa>(session_.content, *session_.services.clock);
  statRec_ = std::make_unique<CStatRec>(*session_.services.clock, statrec::kProgramNumber, session_.files.folder);
}

void Program::DestroyCatalogueAndStore() {
  statRec_.reset();
  slowa_.reset();
}

void Program::SetChild(const QString& name, const QString& picture) {
  childName_ = name;
  childPicture_ = picture;
}

void Program::CreateScreens() {
  koniec_ = std::make_unique<EndOfGame>(statRec_.get());
  ekrany_.PokazWyniki = [this] { ShowResults(); };
  fmMain_ = std::make_unique<TfmMain>(session_, slowa_.get(), ekrany_);
  fmMemory_ = std::make_unique<TfmMemory>(session_, slowa_.get(), statRec_.get(), *koniec_);
  ekrany_.gry[games::kMemory] = fmMemory_.get();
  fmPodpisywanie_ = std::make_unique<TfmPodpisywanie>(session_, slowa_.get(), statRec_.get(), *koniec_);
  ekrany_.gry[games::kPodpisywanie] = fmPodpisywanie_.get();
  fmUzupelnianie_ = std::make_unique<filling::Screen>(session_, slowa_.get(), statRec_.get(), *koniec_);
  ekrany_.gry[games::kUzupelnianie] = fmUzupelnianie_.get();
  fmSpadajace_ = std::make_unique<falling::Screen>(session_, slowa_.get(), statRec_.get(), *koniec_);
  ekrany_.gry[games::kSpadajace] = fmSpadajace_.get();
  fmOProgramie_ = std::make_unique<TfmOProgramie>(session_, fmMain_.get());
  ekrany_.fmOProgramie = fmOProgramie_.get();
  fmKoniecGry_ = std::make_unique<TfmKoniecGry>(session_.content, statRec_.get(), fmMain_.get());
  koniec_->SetSummary(fmKoniecGry_.get());
  if (!childName_.isEmpty()) {
    const QImage picture = childcard::WordPicture(session_.content, childPicture_);
    fmMain_->UstawDziecko(childName_, picture);
    fmKoniecGry_->UstawDziecko(childName_, picture);
  }
  fmKomunikat_ = std::make_unique<TfmKomunikat>(session_.content, fmMain_.get());
  ekrany_.fmKomunikat = fmKomunikat_.get();
  fmReklama_ = std::make_unique<TfmReklama>(session_);
  ekrany_.fmReklama = fmReklama_.get();
  // F11 switches the view on every screen of the run.
  for (platform::Form* form : std::initializer_list<platform::Form*>{
           fmMain_.get(), fmMemory_.get(), fmPodpisywanie_.get(), fmUzupelnianie_.get(), fmSpadajace_.get(), fmOProgramie_.get(), fmKoniecGry_.get(),
           fmKomunikat_.get(), fmReklama_.get()}) {
    form->SetViewChoice(&session_.view);
  }
}

void Program::DestroyScreens() {
  ekrany_.PokazWyniki = nullptr;
  ekrany_.gry.clear();
  ekrany_.fmOProgramie = nullptr;
  ekrany_.fmKomunikat = nullptr;
  ekrany_.fmReklama = nullptr;
  fmReklama_.reset();
  fmKomunikat_.reset();
  if (koniec_) koniec_->SetSummary(nullptr);
  fmKoniecGry_.reset();
  fmOProgramie_.reset();
  fmSpadajace_.reset();
  fmUzupelnianie_.reset();
  fmPodpisywanie_.reset();
  fmMemory_.reset();
  fmMain_.reset();
  koniec_.reset();
}

void Program::ShowResults() {
  if (!fmMain_) return;
  // Read afresh at every opening: the games just played are in it. The
  // child of this run is the one whose file the store writes.
  ResultsSetup setup;
  setup.baseFolder = session_.files.baseFolder;
  setup.inUseFolder = session_.files.folder;
  setup.content = session_.content;
  setup.voicesFolder = session_.files.voices;
  setup.services = session_.services;
  if (slowa_) setup.words = &slowa_->Slownik();
  ResultsWindow window(setup, fmMain_.get());
  // Over the full-screen view a window of its own size would look lost.
  if (session_.view.On()) window.setWindowState(window.windowState() | Qt::WindowMaximized);
  window.exec();
}

void Program::EndFromOutside() {
  // First: no window opened from here on waits for the child.
  QCoreApplication::exit(0);
  if (!koniec_) return;
  if (fmPodpisywanie_ && fmPodpisywanie_->isVisible()) {
    koniec_->Record(plansza() && plansza()->CzyWszystkie());
  } else if (fmMemory_ && fmMemory_->isVisible()) {
    koniec_->Record(gra() && gra()->CzyKoniec());
  } else if (fmSpadajace_ && fmSpadajace_->isVisible()) {
    koniec_->Record(fmSpadajace_->Scena() && fmSpadajace_->Scena()->rules().IsOver());
  } else if (fmUzupelnianie_ && fmUzupelnianie_->isVisible()) {
    koniec_->Record(fmUzupelnianie_->Plansza() && fmUzupelnianie_->Plansza()->Zasady().AllSolved());
  }
}

graMemory* Program::gra() const { return fmMemory_ ? fmMemory_->Plansza() : nullptr; }

graPodpisywanie* Program::plansza() const { return fmPodpisywanie_ ? fmPodpisywanie_->Plansza() : nullptr; }
