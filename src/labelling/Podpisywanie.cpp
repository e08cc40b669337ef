#include "labelling/Podpisywanie.h"

#include "labelling/_grapodpisywanie.h"
#include "platform/jpeg.h"
#include "results/Koniecgry.h"
#include "results/_cstatrec.h"
#include "shell/_cblad.h"
#include "shell/_custgry.h"
#include "shell/_specfunc.h"
#include "words/_cslowa.h"

TfmPodpisywanie* fmPodpisywanie = nullptr;

namespace {
// The labelling game's number in the statistics file.
constexpr qint32 kNumerGry = 1;
}  // namespace

TfmPodpisywanie::TfmPodpisywanie() {
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
  connect(this, &platform::Form::Closed, this, [this] { WylaczKoniec(); });

  try {
    Tlo = platform::LoadJpegFile(QStringLiteral("Data/Intf/Spec/mT_Pod") + ArtSuffix() + QStringLiteral("1.xji"));
  } catch (const platform::Exception&) {
    throw CBlad(1);
  }
  if (screenMode == 3) {
    SetBordered(QStringLiteral("Mini Fonikra Cz.I"), false);
    // An ordinary window over the menu, not in a corner of a large screen.
    SetCentredOnOwner(true);
  } else {
    SetBorderless();
  }
  const int W = screenWidth;
  const int H = screenHeight;
  SetClientSize(W, H);
  PlaceAt(0, 0);
  ProstokatKlienta = QRect(0, 0, W, H);

  PlotnoTla.Resize(QSize(W, H));
  PlotnoTla.Draw(0, 0, Tlo);
  PlotnoRobocze.Resize(QSize(W, H));
  PlotnoPodkladu.Resize(QSize(W, H));

  try {
    PrzyciskPomoc =
        std::make_unique<CPrzyciskC>(this, QStringLiteral("pomoc"), &PlotnoRobocze, W - W / 10, H / 7, A_Pomoc);
    PrzyciskStop = std::make_unique<CPrzyciskC>(this, QStringLiteral("stop"), &PlotnoRobocze, W - W / 10 + 4,
                                                H / 7 + H / 8, A_Stop);
    PrzyciskNast = std::make_unique<CPrzyciskC>(this, QStringLiteral("nast"), &PlotnoRobocze, W - W / 10,
                                                H / 7 + (2 * H) / 8, A_Nastepny);
    PrzyciskPop = std::make_unique<CPrzyciskC>(this, QStringLiteral("pop"), &PlotnoRobocze, W - W / 10,
                                               H / 7 + (3 * H) / 8, A_Poprzedni);
  } catch (const platform::Exception&) {
    PrzyciskPop.reset();
    PrzyciskNast.reset();
    PrzyciskStop.reset();
    PrzyciskPomoc.reset();
    if (plansza && plansza->Ekran() == this) {
      delete plansza;
      plansza = nullptr;
    }
    throw CBlad(1);
  }
}

TfmPodpisywanie::~TfmPodpisywanie() {
  if (plansza && plansza->Ekran() == this) {
    delete plansza;
    plansza = nullptr;
  }
}

void TfmPodpisywanie::NotujAktywnosc() {
  if (statRec) statRec->NoteActivity();
}

void TfmPodpisywanie::WylaczKoniec() {
  if (plansza && plansza->TimerKoniec) plansza->TimerKoniec->SetEnabled(false);
}

void TfmPodpisywanie::PokazNawigacje() {
  if (plansza->CzyOstatnie()) PrzyciskNast->Hide(); else PrzyciskNast->Show();
  if (plansza->CzyPierwsze()) PrzyciskPop->Hide(); else PrzyciskPop->Show();
}

void TfmPodpisywanie::A_NowaGraExecute() {
  ++numerGry_;
  delete plansza;
  plansza = nullptr;
  // The board counts its tasks from the draw, so the draw comes first. The
  // menu starts the game only when enough words fit the settings.
  if (slowa) slowa->Losuj(5 * podpisywanieSettings.poziom);
  plansza = new graPodpisywanie(this);
  if (screenMode == 1) {
    plansza->UstawObraz(274, 140);
    if (slowa) slowa->WczytajObrazkiPodpisywania(QStringLiteral("_ups.xji"));
  } else {
    plansza->UstawObraz(348, 172);
    if (slowa) slowa->WczytajObrazkiPodpisywania(QStringLiteral("_upb.xji"));
  }
  plansza->PrzygotujZadanie();
  if (statRec) statRec->StartGame(kNumerGry, podpisywanieSettings);
  A_EkranPaint.Execute(this);
}

void TfmPodpisywanie::RysujZadanie() {
  if (!plansza) return;
  const QRect& K = ProstokatKlienta;
  PlotnoTla.Draw(0, 0, Tlo);
  PlotnoRobocze.CopyRect(K, PlotnoTla, K);
  PlotnoPodkladu.CopyRect(K, PlotnoRobocze, K);
  plansza->UstawPlotna(&PlotnoRobocze, &PlotnoPodkladu);
  PrzyciskStop->Paint();
  PokazNawigacje();
  if (plansza->CzyRozwiazane()) PrzyciskPomoc->Hide(); else PrzyciskPomoc->Show();
  plansza->RysujObraz();
  plansza->NoweUlozenie();
  WindowCanvas().CopyRect(K, PlotnoRobocze, K);
  // The tiles are not on the work surface yet: the next paint draws them.
  Invalidate();
}

void TfmPodpisywanie::Przejdz(bool naprzod) {
  NotujAktywnosc();
  WylaczKoniec();
  if (!plansza) return;
  if (!(naprzod ? plansza->Nastepne() : plansza->Poprzednie())) return;
  if (!plansza->CzyRozwiazane()) {
    plansza->PrzygotujZadanie();
    A_EkranPaint.Execute(this);
    return;
  }
  // A solved word is shown solved: every tile in its slot, none grabbable.
  const QRect& K = ProstokatKlienta;
  PlotnoTla.Draw(0, 0, Tlo);
  PlotnoRobocze.CopyRect(K, PlotnoTla, K);
  plansza->PrzygotujZadanie();
  PrzyciskStop->Paint();
  PokazNawigacje();
  PrzyciskPomoc->Hide();
  plansza->RysujObraz();
  plansza->PokazRozwiazanie();
  WindowCanvas().CopyRect(K, PlotnoRobocze, K);
}

void TfmPodpisywanie::A_PomocExecute() {
  NotujAktywnosc();
  WylaczKoniec();
  if (!plansza) return;
  const QRect& K = ProstokatKlienta;
  PlotnoTla.Draw(0, 0, Tlo);
  PlotnoRobocze.CopyRect(K, PlotnoTla, K);
  plansza->PrzygotujZadanie();
  PrzyciskPomoc->Paint();
  PrzyciskStop->Paint();
  PokazNawigacje();
  plansza->Podpowiedz();
  RysujZadanie();
}

void TfmPodpisywanie::A_PowiedzExecute() {
  NotujAktywnosc();
  WylaczKoniec();
  if (plansza) plansza->Powiedz();
}

void TfmPodpisywanie::A_StopExecute() {
  WylaczKoniec();
  // The game was already ended and its summary is open.
  if (fmKoniecGry && fmKoniecGry->isVisible()) return;
  // The game is over from here on, whatever the summary answers.
  ++numerGry_;
  if (statRec) {
    statRec->StopGame();
    statRec->WriteRecord(plansza && plansza->CzyWszystkie());
  }
  if (!fmKoniecGry) return;
  switch (fmKoniecGry->ShowModal()) {
    case TfmKoniecGry::kPlayAgain: A_NowaGra.Execute(this); break;
    case TfmKoniecGry::kClose: Close(); break;
    default: break;
  }
}

void TfmPodpisywanie::FormPaint() {
  if (plansza) plansza->RysujGloski();
  WindowCanvas().CopyRect(ProstokatKlienta, PlotnoRobocze, ProstokatKlienta);
}

void TfmPodpisywanie::FormShow() { A_NowaGra.Execute(this); }

void TfmPodpisywanie::FormKeyPress(int key) {
  NotujAktywnosc();
  if (key == 27) A_Stop.Execute(this);
}

void TfmPodpisywanie::FormMouseDown(platform::MouseButton, int, int, int) { NotujAktywnosc(); }

void TfmPodpisywanie::FormMouseWheel() { NotujAktywnosc(); }

void TfmPodpisywanie::FormDblClick(int x, int y) {
  NotujAktywnosc();
  WylaczKoniec();
  if (!plansza || !plansza->CzyRozwiazane()) return;
  if (plansza->OtworzPonownie(x, y)) RysujZadanie();
}
