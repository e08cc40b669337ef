#include "games/labelling/podpisywanie.h"

#include "games/gamewindow.h"
#include "platform/exception.h"
#include "platform/wait.h"
#include "results/_cstatrec.h"
#include "results/endofgame.h"
#include "shell/_cblad.h"
#include "shell/_specfunc.h"
#include "catalogue/_cslowa.h"
#include "words/_custgry.h"

namespace {
// The labelling game's number in the statistics file.
constexpr qint32 kNumerGry = 1;
}  // namespace

TfmPodpisywanie::TfmPodpisywanie(const session::Session& session, CSlowa* slowa, CStatRec* statRec,
                                 EndOfGame& koniec)
    : session_(session), slowa_(slowa), statRec_(statRec), koniec_(koniec) {
  // The buttons copy their action's handler when they are made.
  A_Stop.OnExecute = [this](QObject*) { A_StopExecute(); };
  A_NowaGra.OnExecute = [this](QObject*) { A_NowaGraExecute(); };
  A_Pomoc.OnExecute = [this](QObject*) { A_PomocExecute(); };
  A_Nastepny.OnExecute = [this](QObject*) { Przejdz(true); };
  A_Poprzedni.OnExecute = [this](QObject*) { Przejdz(false); };
  A_EkranPaint.OnExecute = [this](QObject*) { RysujZadanie(); };
  A_Powiedz.OnExecute = [this](QObject*) { A_PowiedzExecute(); };
  // A closed screen keeps no timer of its game running: the end timer of a
  // finished game must not end it again over whatever is shown next.
  connect(this, &platform::Form::Closed, this, [this] { WycofajPlansze(); });

  Tlo = games::LoadBackground(session_, QStringLiteral("mT_Pod"), QStringLiteral("1"));
  const int W = session_.geometry.screenWidth;
  const int H = session_.geometry.screenHeight;
  games::SetUpGameWindow(*this, session_);
  ProstokatKlienta = QRect(0, 0, W, H);

  PlotnoTla.Resize(QSize(W, H));
  PlotnoTla.Draw(0, 0, Tlo);
  PlotnoRobocze.Resize(QSize(W, H));
  PlotnoPodkladu.Resize(QSize(W, H));

  try {
    PrzyciskPomoc =
        std::make_unique<CPrzyciskC>(session_.content, this, QStringLiteral("pomoc"), &PlotnoRobocze, W - W / 10, H / 7, A_Pomoc);
    PrzyciskStop = std::make_unique<CPrzyciskC>(session_.content, this, QStringLiteral("stop"), &PlotnoRobocze, W - W / 10 + 4,
                                                H / 7 + H / 8, A_Stop);
    PrzyciskNast = std::make_unique<CPrzyciskC>(session_.content, this, QStringLiteral("nast"), &PlotnoRobocze, W - W / 10,
                                                H / 7 + (2 * H) / 8, A_Nastepny);
    PrzyciskPop = std::make_unique<CPrzyciskC>(session_.content, this, QStringLiteral("pop"), &PlotnoRobocze, W - W / 10,
                                               H / 7 + (3 * H) / 8, A_Poprzedni);
  } catch (const platform::Exception&) {
    PrzyciskPop.reset();
    PrzyciskNast.reset();
    PrzyciskStop.reset();
    PrzyciskPomoc.reset();
    throw CBlad(1);
  }
  // Beside the word's picture, the light above the button.
  const QRect obraz = session_.geometry.screenMode == 1 ? QRect(274, 140, 252, 290) : QRect(348, 172, 328, 380);
  const QPoint przycisk(obraz.right() + 24, obraz.center().y() - 30);
  Mikrofon = std::make_unique<CMikrofon>(session_, 
      *this, PlotnoRobocze, PlotnoTla,
      CMikrofon::Miejsca{przycisk, przycisk + QPoint(35, -40), QRect(obraz.left() + 10, obraz.bottom() - 60, obraz.width() - 20, 34)},
      [this] { return std::vector<platform::Timer*>{plansza_ ? plansza_->TimerKoniec() : nullptr}; });
}

TfmPodpisywanie::~TfmPodpisywanie() = default;

void TfmPodpisywanie::NotujAktywnosc() {
  if (statRec_) statRec_->NoteActivity();
}

void TfmPodpisywanie::WylaczKoniec() {
  if (plansza_ && plansza_->TimerKoniec()) plansza_->TimerKoniec()->SetEnabled(false);
}

void TfmPodpisywanie::WycofajPlansze() {
  if (plansza_) plansza_->Wycofaj();
  Mikrofon->Ukryj();
}

void TfmPodpisywanie::PokazNawigacje() {
  if (plansza_->CzyOstatnie()) PrzyciskNast->Hide(); else PrzyciskNast->Show();
  if (plansza_->CzyPierwsze()) PrzyciskPop->Hide(); else PrzyciskPop->Show();
}

void TfmPodpisywanie::RysujPrzyciski(bool ostatnie, bool pierwsze) {
  PrzyciskPomoc->Paint();
  PrzyciskStop->Paint();
  if (ostatnie) PrzyciskNast->Hide(); else PrzyciskNast->Show();
  if (pierwsze) PrzyciskPop->Hide(); else PrzyciskPop->Show();
}

void TfmPodpisywanie::UkryjPomoc() {
  PrzyciskPomoc->Hide();
  // Its picture goes with it: a solved word shows no help that cannot be pressed.
  const QRect pomoc = PrzyciskPomoc->Rect();
  PlotnoRobocze.CopyRect(pomoc, PlotnoTla, pomoc);
  if (plansza_) Mikrofon->Pokaz(plansza_->Slowo());
}

void TfmPodpisywanie::A_NowaGraExecute() {
  // The old board may be running the handler that got here: it goes later.
  WycofajPlansze();
  platform::DeleteLater(std::move(plansza_), this);
  // The board counts its tasks from the draw, so the draw comes first. The
  // menu starts the game only when enough words fit the settings.
  if (slowa_) slowa_->Losuj(5 * session_.settings.podpisywanieSettings.poziom);
  plansza_ = std::make_unique<graPodpisywanie>(*this, session_, slowa_, statRec_);
  if (session_.geometry.screenMode == 1) {
    plansza_->UstawObraz(274, 140);
    if (slowa_) slowa_->WczytajObrazkiPodpisywania(QStringLiteral("_ups.xji"));
  } else {
    plansza_->UstawObraz(348, 172);
    if (slowa_) slowa_->WczytajObrazkiPodpisywania(QStringLiteral("_upb.xji"));
  }
  plansza_->PrzygotujZadanie();
  if (statRec_) statRec_->StartGame(kNumerGry, session_.settings.podpisywanieSettings);
  A_EkranPaint.Execute(this);
}

void TfmPodpisywanie::RysujZadanie() {
  if (!plansza_) return;
  Mikrofon->Ukryj();
  const QRect& K = ProstokatKlienta;
  PlotnoTla.Draw(0, 0, Tlo);
  PlotnoRobocze.CopyRect(K, PlotnoTla, K);
  PlotnoPodkladu.CopyRect(K, PlotnoRobocze, K);
  plansza_->UstawPlotna(&PlotnoRobocze, &PlotnoPodkladu);
  PrzyciskStop->Paint();
  PokazNawigacje();
  if (plansza_->CzyRozwiazane()) PrzyciskPomoc->Hide(); else PrzyciskPomoc->Show();
  plansza_->RysujObraz();
  plansza_->NoweUlozenie();
  WindowCanvas().CopyRect(K, PlotnoRobocze, K);
  // The tiles are not on the work surface yet: the next paint draws them.
  Invalidate();
}

void TfmPodpisywanie::Przejdz(bool naprzod) {
  NotujAktywnosc();
  WylaczKoniec();
  if (!plansza_) return;
  if (!(naprzod ? plansza_->Nastepne() : plansza_->Poprzednie())) return;
  if (!plansza_->CzyRozwiazane()) {
    plansza_->PrzygotujZadanie();
    A_EkranPaint.Execute(this);
    return;
  }
  // A solved word is shown solved: every tile in its slot, none grabbable.
  const QRect& K = ProstokatKlienta;
  PlotnoTla.Draw(0, 0, Tlo);
  PlotnoRobocze.CopyRect(K, PlotnoTla, K);
  plansza_->PrzygotujZadanie();
  PrzyciskStop->Paint();
  PokazNawigacje();
  PrzyciskPomoc->Hide();
  plansza_->RysujObraz();
  plansza_->PokazRozwiazanie();
  Mikrofon->Pokaz(plansza_->Slowo());
  WindowCanvas().CopyRect(K, PlotnoRobocze, K);
}

void TfmPodpisywanie::A_PomocExecute() {
  NotujAktywnosc();
  WylaczKoniec();
  if (!plansza_) return;
  const QRect& K = ProstokatKlienta;
  PlotnoTla.Draw(0, 0, Tlo);
  PlotnoRobocze.CopyRect(K, PlotnoTla, K);
  plansza_->PrzygotujZadanie();
  PrzyciskPomoc->Paint();
  PrzyciskStop->Paint();
  PokazNawigacje();
  plansza_->Podpowiedz();
  RysujZadanie();
}

void TfmPodpisywanie::A_PowiedzExecute() {
  NotujAktywnosc();
  WylaczKoniec();
  if (plansza_) plansza_->Powiedz();
}

void TfmPodpisywanie::A_StopExecute() {
  const bool wszystkie = plansza_ && plansza_->CzyWszystkie();
  // The game is over from here on, whatever the summary answers.
  WycofajPlansze();
  koniec_.Finish(wszystkie, *this, A_NowaGra);
}

void TfmPodpisywanie::FormPaint() {
  if (plansza_) plansza_->RysujGloski();
  WindowCanvas().CopyRect(ProstokatKlienta, PlotnoRobocze, ProstokatKlienta);
}

void TfmPodpisywanie::FormShow() { A_NowaGra.Execute(this); }

void TfmPodpisywanie::FormKeyPress(int key) {
  NotujAktywnosc();
  if (key == 27) A_Stop.Execute(this);
  if (CMikrofon::CzyKlawisz(key)) Mikrofon->Nagraj();
}

void TfmPodpisywanie::FormMouseDown(platform::MouseButton, int, int, int) { NotujAktywnosc(); }

void TfmPodpisywanie::FormMouseWheel() { NotujAktywnosc(); }

void TfmPodpisywanie::FormDblClick(int x, int y) {
  NotujAktywnosc();
  WylaczKoniec();
  if (!plansza_ || !plansza_->CzyRozwiazane()) return;
  if (plansza_->OtworzPonownie(x, y)) RysujZadanie();
}
