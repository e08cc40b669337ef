#include "games/memory/gramemory.h"

#include "recorder/voicelibrary.h"

#include "games/memory/layout.h"
#include "platform/system.h"
#include "results/_cstatrec.h"
#include "shell/_specfunc.h"
#include "catalogue/_cslowa.h"
#include "words/random.h"

namespace {

std::vector<QString> Klucze(const CSlowa* slowa) {
  std::vector<QString> klucze;
  if (slowa) {
    for (const CSlowa::SPaczka& slowo : slowa->Wylosowane) klucze.push_back(slowo.Nazwa);
  }
  return klucze;
}

}  // namespace

graMemory::graMemory(CEkranMemory& ekran, const session::Session& session, CSlowa* slowa, CStatRec* statRec,
                     qint16 pary)
    : Zasady(pary, Klucze(slowa), [] { return RandomNext(); }), Ekran(&ekran), session_(session), statRec_(statRec) {
  CObrazyKart obrazy(session_.content, session_.geometry.screenMode);
  Karty.resize(size_t(Zasady.SlotCount()));
  for (int k = 0; k < Zasady.SlotCount(); ++k) {
    if (Zasady.Word(k) < 0) continue;
    auto karta = std::make_unique<CKarta>(Ekran->Okno(), slowa, qint16(Zasady.Word(k)), obrazy);
    karta->Obraz->OnClick = [this, k](QObject*) { Kliknij(k); };
    karta->TimerTrafiona->OnTimer = [this, k] { ParaZnaleziona(k); };
    karta->TimerChybiona->OnTimer = [this, k] { ParaChybiona(k); };
    Karty[size_t(k)] = std::move(karta);
  }
}

graMemory::~graMemory() = default;

void graMemory::Rysuj(platform::Canvas& canvas) {
  const auto siatka = memory::GridFor(int(Karty.size()), session_.geometry.screenMode);
  if (!siatka) return;
  for (size_t k = 0; k < Karty.size(); ++k) {
    CKarta* karta = Karty[k].get();
    if (!karta || !Zasady.OnBoard(int(k))) continue;
    const QPoint at = memory::SlotPosition(*siatka, int(k));
    karta->UstawPozycje(qint16(at.x()), qint16(at.y()));
    karta->RysujRewers(canvas);
  }
}

void graMemory::Kliknij(int slot) {
  // Every card the child turns (or tries to) shows the game is being played.
  if (statRec_) statRec_->NoteActivity();
  const memory::Rules::Turn turn = Zasady.TurnCard(slot);
  if (turn == memory::Rules::Turn::Ignored) return;
  CKarta& karta = *Karty[size_t(slot)];
  platform::Canvas& kompozycja = Ekran->Kompozycja();
  karta.RysujAwers(kompozycja);
  if (turn == memory::Rules::Turn::First) {
    Ekran->OdswiezTeraz();
    return;
  }
  // The second card of the turn: no click counts until its timer has run.
  if (turn == memory::Rules::Turn::Match) {
    if (statRec_) statRec_->AddCorrect();
    karta.PokazPare(kompozycja, session_.geometry.screenMode);
    karta.TimerTrafiona->SetInterval(Ekran->PokazMikrofon(karta.Nazwa) ? CKarta::kTrafionaNagranieMs
                                                                        : CKarta::kTrafionaMs);
    Ekran->OdswiezTeraz();
    karta.Powiedz(*session_.services.sound, recorder::VoiceLibrary(session_.files, session_.content));
    karta.TimerTrafiona->SetEnabled(true);
  } else {
    if (statRec_) statRec_->AddWrong();
    karta.TimerChybiona->SetEnabled(true);
  }
  Zasady.ChoiceShown();
  Ekran->OdswiezTeraz();
}

void graMemory::ParaZnaleziona(int slot) {
  Karty[size_t(slot)]->TimerTrafiona->SetEnabled(false);
  if (Wycofana()) return;
  const auto pierwsza = Zasady.First();
  const auto druga = Zasady.Second();
  const bool ostatnia = Zasady.EndTurn();
  Pokaz(druga);
  Pokaz(pierwsza);
  Ekran->RysujEkran();
  // Ends the game, which may start another and withdraw this board: the
  // last thing done here.
  if (ostatnia) Ekran->KoniecGry();
}

void graMemory::ParaChybiona(int slot) {
  Karty[size_t(slot)]->TimerChybiona->SetEnabled(false);
  if (Wycofana()) return;
  platform::Canvas& kompozycja = Ekran->Kompozycja();
  Karty[size_t(slot)]->RysujRewers(kompozycja);
  if (const auto pierwsza = Zasady.First()) Karty[size_t(*pierwsza)]->RysujRewers(kompozycja);
  Ekran->OdswiezTeraz();
  Zasady.EndTurn();
}

void graMemory::Pokaz(std::optional<int> slot) {
  if (!slot) return;
  CKarta* karta = Karty[size_t(*slot)].get();
  if (karta && karta->Obraz) karta->Obraz->setVisible(Zasady.OnBoard(*slot));
}

void graMemory::Pomoc() {
  if (!Zasady.CanHint()) return;
  if (statRec_) statRec_->AddHint();
  const auto para = Zasady.Hint(RandomNext());
  if (!para) return;

  CKarta& b = *Karty[size_t(para->first)];
  CKarta& c = *Karty[size_t(para->second)];
  // Straight on the window, past the composition buffer: the next repaint
  // of the screen leaves no trace of the hint.
  platform::Canvas& okno = Ekran->Okno().WindowCanvas();
  b.RysujAwers(okno);
  c.RysujAwers(okno);
  Ekran->PokazOkno(b.Prostokat());
  Ekran->PokazOkno(c.Prostokat());
  session_.services.sleep(500);
  b.RysujRewers(okno);
  c.RysujRewers(okno);
  Ekran->PokazOkno(b.Prostokat());
  Ekran->PokazOkno(c.Prostokat());
}

void graMemory::Wycofaj() {
  Zasady.Withdraw();
  for (auto& karta : Karty) {
    if (!karta) continue;
    karta->TimerTrafiona->SetEnabled(false);
    karta->TimerChybiona->SetEnabled(false);
    if (karta->Obraz) karta->Obraz->setVisible(false);
  }
}
