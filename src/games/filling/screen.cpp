#include "games/filling/screen.h"

#include "catalogue/_cslowa.h"
#include "games/gamewindow.h"
#include "platform/exception.h"
#include "games/registry.h"
#include "platform/wait.h"
#include "results/_cstatrec.h"
#include "results/endofgame.h"
#include "shell/_cblad.h"
#include "shell/_specfunc.h"
#include "words/random.h"

namespace filling {

Screen::Screen(const session::Session& session, CSlowa* slowa, CStatRec* statRec, EndOfGame& koniec)
    : session_(session), slowa_(slowa), statRec_(statRec), koniec_(koniec) {
  A_Stop.OnExecute = [this](QObject*) { Stop(); };
  A_NowaGra.OnExecute = [this](QObject*) { NowaGra(); };
  A_Pomoc.OnExecute = [this](QObject*) { Pomoc(); };
  A_Nastepny.OnExecute = [this](QObject*) { Przejdz(true); };
  A_Poprzedni.OnExecute = [this](QObject*) { Przejdz(false); };
  connect(this, &platform::Form::Closed, this, [this] { WycofajPlansze(); });

  tlo_ = games::LoadBackground(session_, QStringLiteral("mT_Uzu"), QStringLiteral("1"));
  const int W = session_.geometry.screenWidth;
  const int H = session_.geometry.screenHeight;
  games::SetUpGameWindow(*this, session_);
  try {
    const int x = W - W / 10;
    pomoc_ = std::make_unique<CPrzyciskC>(session_.content, this, QStringLiteral("pomoc"), &plotnoRobocze_, x, H / 7, A_Pomoc);
    stop_ = std::make_unique<CPrzyciskC>(session_.content, this, QStringLiteral("stop"), &plotnoRobocze_, x + 4, H / 7 + H / 8, A_Stop);
    nast_ = std::make_unique<CPrzyciskC>(session_.content, this, QStringLiteral("nast"), &plotnoRobocze_, x, H / 7 + (2 * H) / 8,
                                         A_Nastepny);
    pop_ = std::make_unique<CPrzyciskC>(session_.content, this, QStringLiteral("pop"), &plotnoRobocze_, x, H / 7 + (3 * H) / 8,
                                        A_Poprzedni);
  } catch (const platform::Exception&) {
    pop_.reset();
    nast_.reset();
    stop_.reset();
    pomoc_.reset();
    throw CBlad(1);
  }
  timerDalej_ = new platform::Timer(this);
  timerDalej_->SetInterval(kDalejMs);
  timerDalej_->SetEnabled(false);
  timerDalej_->OnTimer = [this] { Dalej(); };
  // Beside the word's picture, as in the labelling game.
  const QRect obraz(PicturePlace(W), session_.geometry.screenMode == 1 ? QSize(252, 290) : QSize(328, 380));
  const QPoint przycisk(obraz.right() + 24, obraz.center().y() - 30);
  mikrofon_ = std::make_unique<CMikrofon>(
      session_, *this, plotnoRobocze_, plotnoTla_,
      CMikrofon::Miejsca{przycisk, przycisk + QPoint(35, -40), QRect(obraz.left() + 10, obraz.bottom() - 60, obraz.width() - 20, 34)},
      [this] { return std::vector<platform::Timer*>{timerDalej_.data()}; });
}

Screen::~Screen() {
  plansza_.reset();
  delete timerDalej_.data();
}

void Screen::NotujAktywnosc() {
  if (statRec_) statRec_->NoteActivity();
}

void Screen::WycofajPlansze() {
  if (timerDalej_) timerDalej_->SetEnabled(false);
  if (plansza_) plansza_->Wycofaj();
  if (mikrofon_) mikrofon_->Ukryj();
}

void Screen::RysujPrzyciski() {
  stop_->Paint();
  const Rules* zasady = plansza_ ? &plansza_->Zasady() : nullptr;
  if (!zasady || zasady->IsSolved()) pomoc_->Hide(); else pomoc_->Show();
  if (!zasady || zasady->IsLast()) nast_->Hide(); else nast_->Show();
  if (!zasady || zasady->IsFirst()) pop_->Hide(); else pop_->Show();
}

void Screen::NowaGra() {
  // The surfaces are made at the first game, not with the screen: a run
  // that never opens this game keeps their memory.
  if (plotnoTla_.Size() != tlo_.size()) {
    plotnoTla_.Resize(tlo_.size());
    plotnoTla_.Draw(0, 0, tlo_);
    plotnoRobocze_.Resize(tlo_.size());
    plotnoPodkladu_.Resize(tlo_.size());
  }
  // The old board may be running the handler that got here: it goes later.
  WycofajPlansze();
  platform::DeleteLater(std::move(plansza_), this);
  std::vector<Task> tasks;
  if (slowa_) tasks = Choose(slowa_->Dostepne, session_.settings.uzupelnianieSettings, [] { return RandomNext(); });
  plansza_ = std::make_unique<Board>(*this, session_, std::move(tasks), statRec_);
  plansza_->UstawPlotna(&plotnoRobocze_, &plotnoPodkladu_);
  if (statRec_) statRec_->StartGame(games::kUzupelnianie, session_.settings.uzupelnianieSettings);
  PokazZadanie();
}

void Screen::PokazZadanie() {
  if (!plansza_) return;
  mikrofon_->Ukryj();
  plansza_->PrzygotujZadanie();
  plansza_->Komponuj();
  const bool rozwiazane = plansza_->Zasady().IsSolved();
  if (rozwiazane) mikrofon_->Pokaz(plansza_->Slowo());
  plansza_->RysujGloski();
  const QRect calosc(0, 0, ClientWidth(), ClientHeight());
  WindowCanvas().CopyRect(calosc, plotnoRobocze_, calosc);
  Invalidate();
  // Heard while the child already looks and reaches: a key or a press does
  // not wait for the word, and the next sound stops it.
  if (!rozwiazane) plansza_->ZacznijMowic();
}

void Screen::Rozwiazane() {
  pomoc_->Hide();
  const QRect pomoc = pomoc_->Rect();
  plotnoRobocze_.CopyRect(pomoc, plotnoTla_, pomoc);
  Invalidate();
  if (plansza_) mikrofon_->Pokaz(plansza_->Slowo());
  timerDalej_->SetEnabled(true);
}

void Screen::Dalej() {
  timerDalej_->SetEnabled(false);
  if (!plansza_ || plansza_->Wycofana()) return;
  if (plansza_->Zasady().AllSolved()) {
    Stop();
    return;
  }
  // The next task not solved yet, after this one and then from the start.
  Rules& zasady = plansza_->Zasady();
  const int from = zasady.Current();
  do {
    if (!zasady.Next()) {
      while (zasady.Previous()) {
      }
    }
  } while (zasady.IsSolved() && zasady.Current() != from);
  PokazZadanie();
}

void Screen::Przejdz(bool naprzod) {
  NotujAktywnosc();
  timerDalej_->SetEnabled(false);
  if (!plansza_) return;
  if (!(naprzod ? plansza_->Zasady().Next() : plansza_->Zasady().Previous())) return;
  PokazZadanie();
}

void Screen::Pomoc() {
  NotujAktywnosc();
  if (plansza_) plansza_->Podpowiedz();
}

void Screen::Stop() {
  const bool wszystkie = plansza_ && plansza_->Zasady().AllSolved();
  WycofajPlansze();
  koniec_.Finish(wszystkie, *this, A_NowaGra);
}

void Screen::FormPaint() {
  if (plansza_) plansza_->RysujGloski();
  const QRect calosc(0, 0, ClientWidth(), ClientHeight());
  WindowCanvas().CopyRect(calosc, plotnoRobocze_, calosc);
}

void Screen::FormShow() { A_NowaGra.Execute(this); }

void Screen::FormKeyPress(int key) {
  NotujAktywnosc();
  if (key == 27) A_Stop.Execute(this);
  if (CMikrofon::CzyKlawisz(key)) mikrofon_->Nagraj();
}

void Screen::FormMouseDown(platform::MouseButton, int, int, int) { NotujAktywnosc(); }

void Screen::FormMouseWheel() { NotujAktywnosc(); }

}  // namespace filling
