#include "games/memory/memory.h"

#include <new>

#include "games/gamewindow.h"
#include "platform/exception.h"
#include "games/memory/layout.h"
#include "games/memory/rules.h"
#include "platform/wait.h"
#include "results/_cstatrec.h"
#include "results/endofgame.h"
#include "shell/_cblad.h"
#include "shell/_specfunc.h"
#include "widgets/_cprzycisk.h"
#include "catalogue/_cslowa.h"
#include "words/_custgry.h"

namespace {
constexpr qint32 kGraMemory = 2;
constexpr int kEscape = 27;
}  // namespace

TfmMemory::TfmMemory(const session::Session& session, CSlowa* slowa, CStatRec* statRec, EndOfGame& koniec)
    : session_(session), slowa_(slowa), statRec_(statRec), koniec_(koniec) {
  const int w = session_.geometry.screenWidth;
  const int h = session_.geometry.screenHeight;
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
    tloObraz_ = games::LoadBackground(session_, QStringLiteral("mT_Mem"));
    games::SetUpGameWindow(*this, session_);
    ekran_ = QRect(0, 0, w, h);
    tlo_.Resize(QSize(w, h));
    tlo_.Draw(0, 0, tloObraz_);
    kompozycja_.Resize(QSize(w, h));
    kompozycja_.CopyRect(ekran_, tlo_, ekran_);
    pomoc_ = std::make_unique<CPrzyciskC>(session_.content, this, QStringLiteral("pomoc"), &kompozycja_, w - w / 10, h * 23 / 30, A_Pomoc);
    stop_ = std::make_unique<CPrzyciskC>(session_.content, this, QStringLiteral("stop"), &kompozycja_, w - w / 10 + 4, h - h / 9, A_Stop);
  } catch (const platform::Exception&) {
    throw CBlad(1);
  } catch (const std::bad_alloc&) {
    throw CBlad(1);
  }
  // Below the large picture on its left, the light to the right of the button.
  const QPoint obraz = memory::LargePictureOrigin(session_.geometry.screenMode);
  const QSize duzy = session_.geometry.screenMode == 1 ? QSize(180, 220) : QSize(240, 290);
  const QPoint przycisk(obraz.x(), obraz.y() + duzy.height() + 12);
  mikrofon_ = std::make_unique<CMikrofon>(session_, 
      *this, kompozycja_, tlo_,
      CMikrofon::Miejsca{przycisk, przycisk + QPoint(100, 30),
                         QRect(obraz.x() + 6, obraz.y() + duzy.height() / 2 - 17, duzy.width() - 12, 34)},
      [this] {
        // Whatever would end the turn waits for the recording.
        std::vector<platform::Timer*> zegary;
        if (plansza_) {
          for (const auto& karta : plansza_->Karty) {
            if (!karta) continue;
            zegary.push_back(karta->TimerTrafiona.get());
            zegary.push_back(karta->TimerChybiona.get());
          }
        }
        return zegary;
      });
}

TfmMemory::~TfmMemory() {
  mikrofon_.reset();
  plansza_.reset();
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
  if (isVisible()) RepaintArea(r);
}

void TfmMemory::FormShow() { A_NowaGra.Execute(this); }

void TfmMemory::FormPaint() { WindowCanvas().CopyRect(ekran_, kompozycja_, ekran_); }

void TfmMemory::FormKeyPress(int key) {
  if (statRec_) statRec_->NoteActivity();
  if (key == kEscape) A_Stop.Execute(this);
  if (CMikrofon::CzyKlawisz(key)) mikrofon_->Nagraj();
}

bool TfmMemory::PokazMikrofon(const QString& slowo) { return mikrofon_->Pokaz(slowo); }

void TfmMemory::FormMouseWheel() {
  if (statRec_) statRec_->NoteActivity();
}

void TfmMemory::A_NowaGraExecute(QObject*) {
  ZwolnijPlansze();
  const int pary = memory::PairsForLevel(session_.settings.memorySettings.poziom);
  // The game goes on with whatever could be drawn and loaded.
  if (slowa_) {
    slowa_->Losuj(pary);
    slowa_->WczytajObrazkiMemory();
  }
  plansza_ = std::make_unique<graMemory>(*this, session_, slowa_, statRec_, qint16(pary));
  if (statRec_) statRec_->StartGame(kGraMemory, session_.settings.memorySettings);
  A_EkranPaint.Execute(this);
}

void TfmMemory::A_EkranPaintExecute(QObject*) {
  mikrofon_->Ukryj();
  kompozycja_.CopyRect(ekran_, tlo_, ekran_);
  pomoc_->Paint();
  stop_->Paint();
  if (plansza_) plansza_->Rysuj(kompozycja_);
  OdswiezTeraz();
}

void TfmMemory::A_PomocExecute(QObject*) {
  if (statRec_) statRec_->NoteActivity();
  if (plansza_) plansza_->Pomoc();
}

void TfmMemory::A_StopExecute(QObject*) {
  const bool wszystkie = plansza_ && plansza_->CzyKoniec();
  // The game is over from here on, whatever the summary answers.
  if (plansza_) plansza_->Wycofaj();
  mikrofon_->Ukryj();
  koniec_.Finish(wszystkie, *this, A_NowaGra);
}

void TfmMemory::ZwolnijPlansze() {
  if (plansza_) plansza_->Wycofaj();
  platform::DeleteLater(std::move(plansza_), this);
}
