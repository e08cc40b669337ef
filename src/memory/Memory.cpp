#include "memory/Memory.h"

#include <QTimer>
#include <new>

#include "memory/_gramemory.h"
#include "memory/rules.h"
#include "platform/jpeg.h"
#include "results/Koniecgry.h"
#include "results/_cstatrec.h"
#include "shell/_cblad.h"
#include "shell/_custgry.h"
#include "shell/_specfunc.h"
#include "shell/startup.h"
#include "widgets/_cprzycisk.h"
#include "words/_cslowa.h"

TfmMemory* fmMemory = nullptr;

namespace {
constexpr qint32 kGraMemory = 2;
constexpr int kEscape = 27;
}  // namespace

TfmMemory::TfmMemory() {
  const int w = screenWidth;
  const int h = screenHeight;
  A_Stop.OnExecute = [this](QObject* sender) { A_StopExecute(sender); };
  A_NowaGra.OnExecute = [this](QObject* sender) { A_NowaGraExecute(sender); };
  A_Pomoc.OnExecute = [this](QObject* sender) { A_PomocExecute(sender); };
  A_EkranPaint.OnExecute = [this](QObject* sender) { A_EkranPaintExecute(sender); };
  // A game left by closing the screen is over: a pair's timer still running
  // must not end it a second time, with a record and a summary over the menu.
  connect(this, &platform::Form::Closed, this, [this] {
    if (plansza_) plansza_->Wycofaj();
  });
  // Whatever was made before a failure is freed by the members' own
  // destructors on the way out.
  try {
    tloObraz_ = platform::LoadJpegFile(QStringLiteral("Data/Intf/Spec/mT_Mem") + ArtSuffix() + QStringLiteral(".xji"));
    if (screenMode == 3) {
      SetBordered(QString::fromUtf16(kProgramTitle), false);
    // An ordinary window over the menu, not in a corner of a large screen.
    SetCentredOnOwner(true);
    } else {
      SetBorderless();
    }
    SetClientSize(w, h);
    PlaceAt(0, 0);
    ekran_ = QRect(0, 0, w, h);
    tlo_.Resize(QSize(w, h));
    tlo_.Draw(0, 0, tloObraz_);
    kompozycja_.Resize(QSize(w, h));
    kompozycja_.CopyRect(ekran_, tlo_, ekran_);
    pomoc_ = std::make_unique<CPrzyciskC>(this, QStringLiteral("pomoc"), &kompozycja_, w - w / 10, h * 23 / 30, A_Pomoc);
    stop_ = std::make_unique<CPrzyciskC>(this, QStringLiteral("stop"), &kompozycja_, w - w / 10 + 4, h - h / 9, A_Stop);
  } catch (const platform::Exception&) {
    throw CBlad(1);
  } catch (const std::bad_alloc&) {
    throw CBlad(1);
  }
}

TfmMemory::~TfmMemory() {
  if (gra == plansza_.get()) gra = nullptr;
  plansza_.reset();
  wycofane_.clear();
  pomoc_.reset();
  stop_.reset();
}

void TfmMemory::OdswiezTeraz() {
  WindowCanvas().CopyRect(ekran_, kompozycja_, ekran_);
  // Shown now, not at the next paint: a word may be spoken right after and
  // the program handles no events meanwhile.
  if (isVisible()) repaint();
}

void TfmMemory::PokazOkno(const QRect& r) {
  if (isVisible() && !r.isEmpty()) repaint(r);
}

void TfmMemory::FormShow() { A_NowaGra.Execute(this); }

void TfmMemory::FormPaint() { WindowCanvas().CopyRect(ekran_, kompozycja_, ekran_); }

void TfmMemory::FormKeyPress(int key) {
  if (statRec) statRec->NoteActivity();
  if (key == kEscape) A_Stop.Execute(this);
}

void TfmMemory::FormMouseWheel() {
  if (statRec) statRec->NoteActivity();
}

void TfmMemory::A_NowaGraExecute(QObject*) {
  ZwolnijPlansze();
  const int pary = memoryrules::PairsForLevel(memorySettings.poziom);
  // The game goes on with whatever could be drawn and loaded.
  if (slowa) {
    slowa->Losuj(pary);
    slowa->WczytajObrazkiMemory();
  }
  plansza_ = std::make_unique<graMemory>(this, qint16(pary));
  gra = plansza_.get();
  if (statRec) statRec->StartGame(kGraMemory, memorySettings);
  A_EkranPaint.Execute(this);
}

void TfmMemory::A_EkranPaintExecute(QObject*) {
  kompozycja_.CopyRect(ekran_, tlo_, ekran_);
  pomoc_->Paint();
  stop_->Paint();
  if (plansza_) plansza_->Rysuj(kompozycja_);
  OdswiezTeraz();
}

void TfmMemory::A_PomocExecute(QObject*) {
  if (statRec) statRec->NoteActivity();
  if (plansza_) plansza_->Pomoc();
}

void TfmMemory::A_StopExecute(QObject*) {
  // The last pair's timer may run out while the summary is already open.
  if (fmKoniecGry && fmKoniecGry->isVisible()) return;
  if (statRec) {
    statRec->StopGame();
    statRec->WriteRecord(plansza_ && plansza_->CzyKoniec());
  }
  const int wynik = fmKoniecGry ? fmKoniecGry->ShowModal() : TfmKoniecGry::kClose;
  if (wynik == TfmKoniecGry::kPlayAgain) {
    A_NowaGra.Execute(this);
  } else if (wynik == TfmKoniecGry::kClose) {
    Close();
  }
}

void TfmMemory::ZwolnijPlansze() {
  if (!plansza_) return;
  if (gra == plansza_.get()) gra = nullptr;
  if (!plansza_->Zajeta()) {
    plansza_.reset();
    return;
  }
  plansza_->Wycofaj();
  wycofane_.push_back(std::move(plansza_));
  QTimer::singleShot(0, this, [this] { UsunWycofane(); });
}

void TfmMemory::UsunWycofane() {
  std::erase_if(wycofane_, [](const std::unique_ptr<graMemory>& p) { return !p->Zajeta(); });
  if (!wycofane_.empty()) QTimer::singleShot(100, this, [this] { UsunWycofane(); });
}
