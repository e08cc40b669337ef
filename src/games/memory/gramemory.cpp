#include "games/memory/gramemory.h"

#include <QFileInfo>

#include "games/memory/rules.h"
#include "platform/jpeg.h"
#include "platform/system.h"
#include "results/_cstatrec.h"
#include "shell/_specfunc.h"
#include "words/random.h"
#include "words/_cslowa.h"

namespace {

// A missing or undecodable picture is no error here: the card falls back.
QImage LoadOptional(const QString& path) {
  if (!QFileInfo(path).isFile()) return {};
  try {
    return platform::ToSurfaceFormat(platform::LoadJpegFile(path));
  } catch (const platform::Exception&) {
    return {};
  }
}

QString SizeSuffix(int screenMode) { return screenMode == 1 ? QStringLiteral("_ms.xji") : QStringLiteral("_mb.xji"); }

// A plain card with a thin frame, so that it reads as a card even on a
// light board.
QImage Blank(QSize size, QColor colour) {
  platform::Canvas card(size, colour);
  card.FrameRect(QRect(QPoint(0, 0), size), QColor(120, 120, 120));
  card.FrameRect(QRect(QPoint(1, 1), size - QSize(2, 2)), QColor(120, 120, 120));
  return card.Image();
}

// A plain white face and a plain dark back still tell a turned card from a
// hidden one.
const QColor kBlankFace(255, 255, 255);
const QColor kBlankBack(70, 90, 140);

}  // namespace

// --- CObrazyKart -------------------------------------------------------------

CObrazyKart::CObrazyKart(int screenMode)
    : screenMode_(screenMode),
      rewers_(LoadOptional(QStringLiteral("Data/Sio/blkcard0.xji"))),
      maska_(LoadOptional(QStringLiteral("Data/Bio/_matr") + SizeSuffix(screenMode))) {}

QImage CObrazyKart::Duzy(const QString& nazwa) {
  auto it = duze_.find(nazwa);
  if (it == duze_.end()) it = duze_.insert(nazwa, LoadOptional(QStringLiteral("Data/Bio/") + nazwa + SizeSuffix(screenMode_)));
  return it.value();
}

// --- CKarta ------------------------------------------------------------------

CKarta::CKarta(graMemory* plansza, const CSlowa* slowa, qint16 indeks, CObrazyKart& obrazy) : plansza_(plansza) {
  if (slowa) {
    const CSlowa::SPaczka& slowo = slowa->Wylosowane.at(size_t(indeks));
    Nazwa = slowo.Nazwa;
    Awers = platform::ToSurfaceFormat(slowo.Obrazek);
  }
  Rewers = obrazy.Rewers();

  // The card's size is its face's; without a face, its back's.
  QSize rozmiar(kSzerokosc, kWysokosc);
  if (!Awers.isNull()) {
    rozmiar = Awers.size();
  } else if (!Rewers.isNull()) {
    rozmiar = Rewers.size();
  }
  if (Awers.isNull()) Awers = Blank(rozmiar, kBlankFace);
  if (Rewers.isNull()) Rewers = Blank(rozmiar, kBlankBack);

  // Without its own file, the mask is the back and the large picture the
  // mask.
  Maska = obrazy.Maska().isNull() ? Rewers : obrazy.Maska();
  const QImage duzy = obrazy.Duzy(Nazwa);
  Duzy = duzy.isNull() ? Maska : duzy;

  Obraz = new platform::ImageControl(&plansza_->Ekran->Okno());
  Obraz->setGeometry(0, 0, Awers.width(), Awers.height());
  Obraz->OnClick = [this](QObject* sender) { ObrazClick(sender); };
  Obraz->setVisible(true);

  TimerTrafiona = std::make_unique<platform::Timer>();
  TimerTrafiona->SetInterval(kTrafionaMs);
  TimerTrafiona->SetEnabled(false);
  TimerTrafiona->OnTimer = [this] { TimerTrafionaTimer(); };
  TimerChybiona = std::make_unique<platform::Timer>();
  TimerChybiona->SetInterval(kChybionaMs);
  TimerChybiona->SetEnabled(false);
  TimerChybiona->OnTimer = [this] { TimerChybionaTimer(); };
}

CKarta::~CKarta() {
  if (Obraz) {
    Obraz->OnClick = nullptr;
    delete Obraz.data();
  }
}

void CKarta::UstawPozycje(qint16 x, qint16 y) {
  if (Obraz) Obraz->move(x, y);
}

void CKarta::RysujRewers(platform::Canvas& canvas) const {
  if (Obraz) canvas.Draw(Obraz->Left(), Obraz->Top(), Rewers);
}

void CKarta::RysujAwers(platform::Canvas& canvas) const {
  if (Obraz) canvas.Draw(Obraz->Left(), Obraz->Top(), Awers);
}

void CKarta::PokazPare() {
  platform::Canvas& canvas = plansza_->Ekran->Kompozycja();
  const QPoint at = memoryrules::LargePictureOrigin(screenMode);
  canvas.SetCopyMode(platform::CopyMode::SrcPaint);
  canvas.Draw(at.x(), at.y(), Maska);
  canvas.SetCopyMode(platform::CopyMode::SrcAnd);
  canvas.Draw(at.x(), at.y(), Duzy);
  canvas.SetCopyMode(platform::CopyMode::SrcCopy);
}

bool CKarta::Powiedz() {
  PlayWordSound(Nazwa);
  return true;
}

void CKarta::ObrazClick(QObject*) {
  graMemory& g = *plansza_;
  CStatRec* statRec = g.Statystyki();
  // Every card the child turns (or tries to) shows the game is being played.
  if (statRec) statRec->NoteActivity();
  if (!g.Aktywna || !NaPlanszy()) return;
  CEkranMemory& ekran = *g.Ekran;
  if (g.Odkryte == 0) {
    g.Pierwsza = this;
    g.Odkryte = 1;
    RysujAwers(ekran.Kompozycja());
    ekran.OdswiezTeraz();
    return;
  }
  if (g.Pierwsza == this) return;

  // The second card of the turn: no click counts until its timer has run.
  RysujAwers(ekran.Kompozycja());
  g.Aktywna = false;
  g.Odkryte = 2;
  if (g.CzyPara(g.Pierwsza, this)) {
    if (statRec) statRec->AddCorrect();
    g.Pozostalo = qint16(g.Pozostalo - 2);
    PokazPare();
    TimerTrafiona->SetInterval(ekran.PokazMikrofon(Nazwa) ? kTrafionaNagranieMs : kTrafionaMs);
    ekran.OdswiezTeraz();
    Powiedz();
    TimerTrafiona->SetEnabled(true);
  } else {
    if (statRec) statRec->AddWrong();
    TimerChybiona->SetEnabled(true);
  }
  g.Odkryte = 0;
  ekran.OdswiezTeraz();
}

void CKarta::TimerTrafionaTimer() {
  graMemory& g = *plansza_;
  TimerTrafiona->SetEnabled(false);
  if (g.Wycofana()) return;
  if (Obraz) Obraz->setVisible(false);
  if (g.Pierwsza && g.Pierwsza->Obraz) g.Pierwsza->Obraz->setVisible(false);
  g.Pierwsza = nullptr;
  CEkranMemory& ekran = *g.Ekran;
  ekran.RysujEkran();
  g.Aktywna = true;
  // Ends the game, which may start another and withdraw this board: the
  // last thing done here.
  if (g.Pozostalo == 0) ekran.KoniecGry();
}

void CKarta::TimerChybionaTimer() {
  graMemory& g = *plansza_;
  TimerChybiona->SetEnabled(false);
  if (g.Wycofana()) return;
  platform::Canvas& canvas = g.Ekran->Kompozycja();
  RysujRewers(canvas);
  if (g.Pierwsza) g.Pierwsza->RysujRewers(canvas);
  g.Ekran->OdswiezTeraz();
  g.Pierwsza = nullptr;
  g.Aktywna = true;
}

// --- graMemory ---------------------------------------------------------------

graMemory::graMemory(CEkranMemory& ekran, CSlowa* slowa, CStatRec* statRec, qint16 pary)
    : Ekran(&ekran), statRec_(statRec) {
  const int sloty = memoryrules::SlotsForPairs(pary);
  const int slowaWylosowane = slowa ? int(slowa->Wylosowane.size()) : 0;
  const std::vector<int> rozdanie = memoryrules::DealCards(sloty, slowaWylosowane, [] { return RandomNext(); });
  CObrazyKart obrazy(screenMode);
  Karty.resize(rozdanie.size());
  for (size_t k = 0; k < rozdanie.size(); ++k) {
    if (rozdanie[k] < 0) continue;
    Karty[k] = std::make_unique<CKarta>(this, slowa, qint16(rozdanie[k]), obrazy);
    ++Pozostalo;
  }
}

graMemory::~graMemory() = default;

void graMemory::Rysuj(platform::Canvas& canvas) {
  const auto siatka = memoryrules::GridFor(int(Karty.size()), screenMode);
  if (!siatka) return;
  for (size_t k = 0; k < Karty.size(); ++k) {
    CKarta* karta = Karty[k].get();
    if (!karta || !karta->NaPlanszy()) continue;
    const QPoint at = memoryrules::SlotPosition(*siatka, int(k));
    karta->UstawPozycje(qint16(at.x()), qint16(at.y()));
    karta->RysujRewers(canvas);
  }
}

void graMemory::Pomoc() {
  if (Pierwsza) return;
  std::vector<std::optional<QString>> nazwy(Karty.size());
  bool jestKarta = false;
  for (size_t k = 0; k < Karty.size(); ++k) {
    if (Karty[k] && Karty[k]->NaPlanszy()) {
      nazwy[k] = Karty[k]->Nazwa;
      jestKarta = true;
    }
  }
  if (!jestKarta) return;
  if (statRec_) statRec_->AddHint();
  const auto para = memoryrules::PickHintPair(nazwy, RandomNext());
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
  platform::SleepMs(500);
  b.RysujRewers(okno);
  c.RysujRewers(okno);
  Ekran->PokazOkno(b.Prostokat());
  Ekran->PokazOkno(c.Prostokat());
}

bool graMemory::CzyKoniec() const { return Odkryte == Pozostalo; }

bool graMemory::CzyPara(const CKarta* a, const CKarta* b) const {
  return a && b && a != b && a->NaPlanszy() && b->NaPlanszy() && a->Nazwa == b->Nazwa;
}

void graMemory::Wycofaj() {
  for (auto& karta : Karty) {
    if (!karta) continue;
    karta->TimerTrafiona->SetEnabled(false);
    karta->TimerChybiona->SetEnabled(false);
    if (karta->Obraz) karta->Obraz->setVisible(false);
  }
  Aktywna = false;
  wycofana_ = true;
}
