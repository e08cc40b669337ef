#include "games/labelling/grapodpisywanie.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>
#include <utility>

#include "games/labelling/layout.h"
#include "platform/jpeg.h"
#include "platform/system.h"
#include "recorder/voicelibrary.h"
#include "results/_cstatrec.h"
#include "shell/_specfunc.h"
#include "catalogue/_cslowa.h"
#include "words/random.h"

namespace {

QRect Prostokat(platform::Canvas& plotno) { return QRect(QPoint(0, 0), plotno.Size()); }

}  // namespace

graPodpisywanie::graPodpisywanie(CEkranPodpisywania& ekran, const session::Session& session, CSlowa* slowa,
                                 CStatRec* statRec)
    : ekran_(ekran),
      session_(session),
      slowa_(slowa),
      statRec_(statRec),
      zasady_(slowa ? labelling::Rules::ForWords(slowa->Wylosowane) : labelling::Rules()) {
  const QString matowka = session_.content.Path(session_.geometry.screenMode == 1 ? QStringLiteral("Bio/_matr_ups.xji")
                                                                                : QStringLiteral("Bio/_matr_upb.xji"));
  if (QFileInfo(matowka).isFile()) {
    try {
      maska_ = platform::LoadJpegFile(matowka);
    } catch (const platform::Exception&) {
      // Without a matte the picture is still drawn; it only cannot be hit.
      maska_ = QImage();
    }
  }
  timerKoniec_ = new platform::Timer(&ekran_.Okno());
  timerKoniec_->SetInterval(kKoniecMs);
  timerKoniec_->SetEnabled(false);
  timerKoniec_->OnTimer = [this] { TimerKoniecTimer(); };
}

graPodpisywanie::~graPodpisywanie() {
  Wyczysc();
  delete timerKoniec_.data();
}

const QImage* graPodpisywanie::ObrazekZadania() const {
  // The pictures are loaded into the catalogue after the board is made.
  const int zadanie = zasady_.Current();
  if (!slowa_ || zadanie < 0 || size_t(zadanie) >= slowa_->Wylosowane.size()) return nullptr;
  return &slowa_->Wylosowane[size_t(zadanie)].ObrazekDuzy;
}

void graPodpisywanie::UstawObraz(int x, int y) {
  obrazX_ = x;
  obrazY_ = y;
}

void graPodpisywanie::PrzygotujZadanie() {
  Wyczysc();
  const labelling::Task* zadanie = zasady_.CurrentTask();
  if (!zadanie) return;
  for (const labelling::Token& token : zadanie->tiles) {
    przesuwane_.push_back(
        std::make_unique<CPrzGloska>(session_.content, this, token.phoneme, token.marked ? QStringLiteral("_red") : QString()));
  }
  przesuwane_.shrink_to_fit();
  for (size_t i = 0; i < przesuwane_.size(); ++i) puste_.push_back(std::make_unique<CPusGloska>());
}

void graPodpisywanie::UstawPlotna(platform::Canvas* robocze, platform::Canvas* podkladu) {
  plotnoRobocze_ = robocze;
  plotnoPodkladu_ = podkladu;
}

void graPodpisywanie::RysujObraz() {
  if (!plotnoRobocze_) return;
  platform::Canvas& plotno = *plotnoRobocze_;
  plotno.SetCopyMode(platform::CopyMode::SrcPaint);
  plotno.Draw(obrazX_, obrazY_, maska_);
  plotno.SetCopyMode(platform::CopyMode::SrcAnd);
  if (const QImage* obrazek = ObrazekZadania()) plotno.Draw(obrazX_, obrazY_, *obrazek);
  plotno.SetCopyMode(platform::CopyMode::SrcCopy);
}

void graPodpisywanie::RysujPuste() {
  if (!plotnoRobocze_) return;
  const int n = int(puste_.size());
  for (int i = 0; i < n; ++i) {
    const QPoint p = labelling::SlotPosition(i, n, session_.geometry.screenWidth, session_.geometry.screenHeight);
    puste_[size_t(i)]->UstawPozycje(p.x(), p.y());
    puste_[size_t(i)]->RysujRamke(*plotnoRobocze_);
  }
}

void graPodpisywanie::Odkryj(const CPusGloska& wypelniony) {
  const auto ramka = [](const COGloska& slot) {
    return QRect(slot.X - 5, slot.Y - 5, CPusGloska::kBok + 10, CPusGloska::kBok + 10);
  };
  std::vector<QRect> sloty;
  for (const auto& slot : puste_) sloty.push_back(ramka(*slot));
  std::vector<CPrzGloska*> luzem;
  std::vector<QRect> miejsca;
  for (const auto& gloska : przesuwane_) {
    const bool wSlocie = std::any_of(puste_.begin(), puste_.end(), [&](const auto& slot) { return slot->Gloska() == gloska.get(); });
    if (wSlocie) continue;
    luzem.push_back(gloska.get());
    miejsca.push_back(QRect(gloska->Pozycja(), gloska->Bitmapa.size()));
  }
  const std::vector<QPoint> nowe =
      labelling::Uncover(ramka(wypelniony), sloty, miejsca, QSize(Okno().ClientWidth(), Okno().ClientHeight()));
  bool przeniesione = false;
  for (size_t i = 0; i < luzem.size(); ++i) {
    if (nowe[i] == luzem[i]->Pozycja()) continue;
    luzem[i]->UstawPozycje(nowe[i].x(), nowe[i].y());
    przeniesione = true;
  }
  if (!przeniesione || !plotnoRobocze_) return;
  // Composed afresh without the tiles, as for a drag: the old pictures go,
  // and the next paint draws every tile where it is now.
  const QRect calosc = Prostokat(*plotnoRobocze_);
  plotnoRobocze_->CopyRect(calosc, ekran_.TloPlanszy(), calosc);
  ekran_.RysujPrzyciski(CzyOstatnie(), CzyPierwsze());
  RysujObraz();
}

void graPodpisywanie::Rozrzuc() {
  std::vector<QPoint> miejsca;
  miejsca.reserve(przesuwane_.size());
  for (const auto& gloska : przesuwane_) miejsca.push_back(gloska->Pozycja());
  labelling::Scatter(miejsca, session_.geometry.screenWidth, session_.geometry.screenHeight, [] { return RandomNext(); });
  for (size_t i = 0; i < przesuwane_.size(); ++i) przesuwane_[i]->UstawPozycje(miejsca[i].x(), miejsca[i].y());
  przeciagana_ = nullptr;
}

void graPodpisywanie::RysujGloski() {
  for (const auto& gloska : przesuwane_) {
    if (gloska.get() != przeciagana_) gloska->Rysuj();
  }
}

void graPodpisywanie::UkryjGloski() {
  przeciagana_ = nullptr;
  for (const auto& gloska : przesuwane_) gloska->Ukryj();
}

void graPodpisywanie::NoweUlozenie() {
  Rozrzuc();
  const int n = int(puste_.size());
  for (int i = 0; i < n; ++i) {
    const QPoint p = labelling::SlotPosition(i, n, session_.geometry.screenWidth, session_.geometry.screenHeight);
    CPusGloska& slot = *puste_[size_t(i)];
    slot.UstawPozycje(p.x(), p.y());
    slot.UstawGloske(nullptr);
    if (plotnoRobocze_) slot.RysujRamke(*plotnoRobocze_);
    przesuwane_[size_t(i)]->Pokaz();
  }
}

void graPodpisywanie::PokazRozwiazanie() {
  przeciagana_ = nullptr;
  const int n = int(puste_.size());
  for (int i = 0; i < n; ++i) {
    const QPoint p = labelling::SlotPosition(i, n, session_.geometry.screenWidth, session_.geometry.screenHeight);
    CPusGloska& slot = *puste_[size_t(i)];
    CPrzGloska& gloska = *przesuwane_[size_t(i)];
    slot.UstawPozycje(p.x(), p.y());
    slot.UstawGloske(&gloska);
    if (plotnoRobocze_) slot.RysujRamke(*plotnoRobocze_);
    gloska.UstawPozycje(p.x(), p.y());
    gloska.Ukryj();
    gloska.Rysuj();
  }
}

void graPodpisywanie::Sprawdz() {
  QStringList ulozone;
  for (const auto& slot : puste_) ulozone << slot->Nazwa;
  const labelling::Verdict werdykt = zasady_.Judge(ulozone);
  if (werdykt == labelling::Verdict::Incomplete) return;
  if (werdykt == labelling::Verdict::Wrong) {
    if (statRec_) statRec_->AddWrong();
    PlayInterfaceSound(session_.services, session_.content, 1, true);
    return;
  }
  if (statRec_) statRec_->AddCorrect();
  PlayInterfaceSound(session_.services, session_.content, 0, true);
  session_.services.sleep(300);
  PlayWordSound(*session_.services.sound, recorder::VoiceLibrary(session_.files, session_.content), Slowo());
  zasady_.Solve();
  UkryjGloski();
  ekran_.UkryjPomoc();

  // Clicks and keys that waited through the sounds run now; they may end the
  // game or start another, which withdraws this board (it stays in memory
  // until this handler has returned).
  QCoreApplication::processEvents();
  if (wycofana_) return;

  if (CzyWszystkie()) timerKoniec_->SetEnabled(true);
}

void graPodpisywanie::Podpowiedz() {
  RysujObraz();
  PokazRozwiazanie();
  if (plotnoRobocze_) {
    const QRect calosc = Prostokat(*plotnoRobocze_);
    ekran_.Okno().WindowCanvas().CopyRect(calosc, *plotnoRobocze_, calosc);
  }
  Powiedz();
  if (statRec_) statRec_->AddHint();
  NoweUlozenie();
}

void graPodpisywanie::Powiedz() {
  if (!PlayWordSound(*session_.services.sound, recorder::VoiceLibrary(session_.files, session_.content), Slowo())) session_.services.sleep(1000);
}

void graPodpisywanie::PoczatekPrzeciagania(CPrzGloska* gloska) {
  if (!plotnoRobocze_) return;
  przeciagana_ = gloska;
  platform::Canvas& robocze = *plotnoRobocze_;
  const QRect calosc = Prostokat(robocze);
  robocze.CopyRect(calosc, ekran_.TloPlanszy(), calosc);
  ekran_.RysujPrzyciski(CzyOstatnie(), CzyPierwsze());
  RysujObraz();
  RysujPuste();
  RysujGloski();
  ekran_.PodkladPlanszy().CopyRect(calosc, robocze, calosc);
  plotnoPodkladu_ = &ekran_.PodkladPlanszy();
  przeciagana_ = nullptr;
}

void graPodpisywanie::NotujAktywnosc() {
  if (statRec_) statRec_->NoteActivity();
}

CPusGloska* graPodpisywanie::Chwyc(CPrzGloska& gloska) {
  CPusGloska* opuszczona = nullptr;
  for (auto& slot : puste_) {
    if (slot->Gloska() == &gloska) {
      opuszczona = slot.get();
      slot->UstawGloske(nullptr);
      RysujPuste();
      Okno().Repaint();
    }
  }
  // Drawn last, so on top of every tile it overlaps.
  for (auto& inna : przesuwane_) {
    if (inna.get() == &gloska) {
      std::swap(inna, przesuwane_.back());
      break;
    }
  }
  PoczatekPrzeciagania(&gloska);
  return opuszczona;
}

CPusGloska* graPodpisywanie::SlotWZasiegu(QPoint tile) const {
  for (const auto& slot : puste_) {
    if (labelling::InSnapReach(slot->Pozycja(), tile)) return slot.get();
  }
  return nullptr;
}

void graPodpisywanie::Zdejmij(const CPrzGloska& gloska) {
  for (auto& slot : puste_) {
    if (slot->Nazwa == gloska.Nazwa && slot->Pozycja() == gloska.Pozycja()) {
      slot->UstawGloske(nullptr);
      RysujPuste();
      Okno().Repaint();
    }
  }
}

bool graPodpisywanie::OtworzPonownie(int x, int y) {
  if (!zasady_.CurrentTask()) return false;
  if (obrazX_ < x && x < obrazX_ + maska_.width() && obrazY_ < y && y < obrazY_ + maska_.height()) {
    zasady_.Reopen();
    return true;
  }
  return false;
}

void graPodpisywanie::Wyczysc() {
  przeciagana_ = nullptr;
  puste_.clear();
  przesuwane_.clear();
}

void graPodpisywanie::TimerKoniecTimer() {
  timerKoniec_->SetEnabled(false);
  if (wycofana_) return;
  // Ends the game: the last thing done here.
  ekran_.KoniecCzasu();
}

void graPodpisywanie::Wycofaj() {
  wycofana_ = true;
  if (timerKoniec_) timerKoniec_->SetEnabled(false);
  UkryjGloski();
}
