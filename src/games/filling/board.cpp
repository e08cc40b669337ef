#include "games/filling/board.h"

#include <QFileInfo>
#include <algorithm>
#include <utility>

#include "games/labelling/layout.h"
#include "platform/jpeg.h"
#include "platform/wait.h"
#include "recorder/voicelibrary.h"
#include "results/_cstatrec.h"
#include "shell/_specfunc.h"
#include "words/random.h"

namespace filling {

namespace {

// The gap's answer tiles are drawn as the labelling game draws a practised sound.
const QString kCzerwona = QStringLiteral("_red");
// How long "Pomoc" shows the right tile in the gap.
constexpr int kPodpowiedzMs = 1200;

QRect Prostokat(const platform::Canvas& plotno) { return QRect(QPoint(0, 0), plotno.Size()); }

}  // namespace

QPoint PicturePlace(int W) { return W <= 800 ? QPoint(274, 140) : QPoint(348, 172); }

QPoint AnswerPlace(int which, int W, int H) {
  // Below the slot row, side by side about the middle, a tile's width apart.
  const int y = labelling::SlotRowOrigin(1, W, H).y() + 80;
  return QPoint(W / 2 + (which == 0 ? -CPusGloska::kBok - 30 : 30), std::min(y, H - CPusGloska::kBok - 10));
}

Board::Board(ScreenHost& ekran, const session::Session& session, std::vector<Task> tasks, CStatRec* statRec)
    : ekran_(ekran), session_(session), statRec_(statRec), zasady_(std::move(tasks)) {
  const QString matowka = session_.content.Path(session_.geometry.screenMode == 1 ? QStringLiteral("Bio/_matr_ups.xji")
                                                                                  : QStringLiteral("Bio/_matr_upb.xji"));
  try {
    if (QFileInfo(matowka).isFile()) maska_ = platform::LoadJpegFile(matowka);
  } catch (const platform::Exception&) {
    maska_ = QImage();  // the picture is still drawn, on the background
  }
}

Board::~Board() { Wyczysc(); }

QString Board::Slowo() const {
  const Task* task = zasady_.CurrentTask();
  return task ? task->key : QString();
}

std::vector<CPrzGloska*> Board::Odpowiedzi() const { return odpowiedzi_; }

void Board::UstawPlotna(platform::Canvas* robocze, platform::Canvas* podkladu) {
  plotnoRobocze_ = robocze;
  plotnoPodkladu_ = podkladu;
}

void Board::Wyczysc() {
  przeciagana_ = nullptr;
  luka_ = nullptr;
  odpowiedzi_.clear();
  miejsca_.clear();
  puste_.clear();
  przesuwane_.clear();
}

CPrzGloska* Board::Dodaj(const QString& gloska, const QString& przyrostek) {
  przesuwane_.push_back(std::make_unique<CPrzGloska>(session_.content, this, gloska, przyrostek));
  return przesuwane_.back().get();
}

void Board::PrzygotujZadanie() {
  Wyczysc();
  obrazek_ = QImage();
  const Task* task = zasady_.CurrentTask();
  if (!task) return;
  const QString suffix = session_.geometry.screenMode == 1 ? QStringLiteral("_ups.xji") : QStringLiteral("_upb.xji");
  try {
    obrazek_ = platform::LoadJpegFile(session_.content.Path(QStringLiteral("Bio/") + task->key + suffix));
  } catch (const platform::Exception&) {
    obrazek_ = QImage();  // a word without its picture is still heard and spelled
  }
  const int W = session_.geometry.screenWidth;
  const int H = session_.geometry.screenHeight;
  const int n = int(task->tokens.size());
  for (int i = 0; i < n; ++i) {
    auto slot = std::make_unique<CPusGloska>();
    const QPoint p = labelling::SlotPosition(i, n, W, H);
    slot->UstawPozycje(p.x(), p.y());
    if (i == task->gap) {
      luka_ = slot.get();
    } else {
      CPrzGloska* gloska = Dodaj(task->tokens[size_t(i)].phoneme, QString());
      gloska->UstawPozycje(p.x(), p.y());
      gloska->Ukryj();
      slot->UstawGloske(gloska);
    }
    puste_.push_back(std::move(slot));
  }
  if (zasady_.IsSolved()) {
    CPrzGloska* prawa = Dodaj(task->right, kCzerwona);
    prawa->UstawPozycje(luka_->X, luka_->Y);
    prawa->Ukryj();
    luka_->UstawGloske(prawa);
    return;
  }
  // Which side the right tile waits on is drawn, so that the place tells nothing.
  const bool prawaZLewej = RandomNext() % 2 == 0;
  for (int k = 0; k < 2; ++k) {
    const bool prawa = (k == 0) == prawaZLewej;
    CPrzGloska* gloska = Dodaj(prawa ? task->right : task->wrong, kCzerwona);
    const QPoint p = AnswerPlace(k, W, H);
    gloska->UstawPozycje(p.x(), p.y());
    odpowiedzi_.push_back(gloska);
    miejsca_.push_back(p);
  }
}

void Board::RysujObraz() {
  if (!plotnoRobocze_) return;
  platform::Canvas& plotno = *plotnoRobocze_;
  const QPoint at = PicturePlace(session_.geometry.screenWidth);
  plotno.SetCopyMode(platform::CopyMode::SrcPaint);
  plotno.Draw(at.x(), at.y(), maska_);
  plotno.SetCopyMode(platform::CopyMode::SrcAnd);
  plotno.Draw(at.x(), at.y(), obrazek_);
  plotno.SetCopyMode(platform::CopyMode::SrcCopy);
}

void Board::RysujPuste() {
  if (!plotnoRobocze_) return;
  for (const auto& slot : puste_) slot->RysujRamke(*plotnoRobocze_);
}

void Board::Komponuj() {
  if (!plotnoRobocze_) return;
  const QRect calosc = Prostokat(*plotnoRobocze_);
  plotnoRobocze_->CopyRect(calosc, ekran_.TloPlanszy(), calosc);
  ekran_.RysujPrzyciski();
  RysujObraz();
  RysujPuste();
}

void Board::RysujGloski() {
  for (const auto& gloska : przesuwane_) {
    if (gloska.get() != przeciagana_) gloska->Rysuj();
  }
}

void Board::NotujAktywnosc() {
  if (statRec_) statRec_->NoteActivity();
}

CPusGloska* Board::Chwyc(CPrzGloska& gloska) {
  chwycona_ = gloska.Pozycja();
  // Drawn last, so on top of the other answer when the two are dragged over each other.
  auto it = std::find_if(przesuwane_.begin(), przesuwane_.end(), [&](const auto& g) { return g.get() == &gloska; });
  if (it != przesuwane_.end()) std::rotate(it, it + 1, przesuwane_.end());
  if (plotnoRobocze_ && plotnoPodkladu_) {
    // The backdrop of the drag: everything but the tile taken.
    przeciagana_ = &gloska;
    Komponuj();
    RysujGloski();
    const QRect calosc = Prostokat(*plotnoRobocze_);
    ekran_.PodkladPlanszy().CopyRect(calosc, *plotnoRobocze_, calosc);
    plotnoPodkladu_ = &ekran_.PodkladPlanszy();
    przeciagana_ = nullptr;
  }
  return nullptr;
}

CPusGloska* Board::SlotWZasiegu(QPoint tile) const {
  if (!luka_ || wycofana_) return nullptr;
  // A tile released where it was taken was clicked: it goes into the gap.
  if (labelling::InSnapReach(luka_->Pozycja(), tile) || tile == chwycona_) return luka_;
  return nullptr;
}

void Board::Odloz(CPrzGloska& gloska) {
  const auto it = std::find(odpowiedzi_.begin(), odpowiedzi_.end(), &gloska);
  if (luka_ && luka_->Gloska() == &gloska) luka_->UstawGloske(nullptr);
  if (it != odpowiedzi_.end()) {
    const QPoint dom = miejsca_[size_t(it - odpowiedzi_.begin())];
    gloska.UstawPozycje(dom.x(), dom.y());
  }
  Komponuj();
  Okno().Repaint();
}

void Board::Zamknij(CPrzGloska& zostaje) {
  for (CPrzGloska* gloska : odpowiedzi_) {
    gloska->Ukryj();
    if (gloska == &zostaje) continue;
    // Gone from the board: it is no longer drawn, and the next task frees it.
    const auto it = std::find_if(przesuwane_.begin(), przesuwane_.end(), [&](const auto& g) { return g.get() == gloska; });
    if (it != przesuwane_.end()) {
      std::unique_ptr<CPrzGloska> zdjeta = std::move(*it);
      przesuwane_.erase(it);
      platform::DeleteLater(std::move(zdjeta), &Okno());
    }
  }
  odpowiedzi_.clear();
  miejsca_.clear();
  zostaje.UstawPozycje(luka_->X, luka_->Y);
  luka_->UstawGloske(&zostaje);
  Komponuj();
  Okno().Repaint();
}

void Board::Sprawdz() {
  if (!luka_ || !luka_->Gloska() || wycofana_) return;
  CPrzGloska& polozona = *luka_->Gloska();
  const Task* task = zasady_.CurrentTask();
  switch (zasady_.Answer(polozona.Nazwa)) {
    case Rules::Outcome::Ignored:
      return;
    case Rules::Outcome::Right:
      if (statRec_) statRec_->AddCorrect();
      Zamknij(polozona);
      PlayInterfaceSound(session_.services, session_.content, 0, true);
      session_.services.sleep(300);
      Powiedz();
      break;
    case Rules::Outcome::Wrong:
      if (statRec_) statRec_->AddWrong();
      PlayInterfaceSound(session_.services, session_.content, 1, true);
      Odloz(polozona);
      // Heard again, so that the child hears the difference.
      Powiedz();
      return;
    case Rules::Outcome::WrongLast: {
      if (statRec_) statRec_->AddWrong();
      PlayInterfaceSound(session_.services, session_.content, 1, true);
      Odloz(polozona);
      const auto prawa = std::find_if(odpowiedzi_.begin(), odpowiedzi_.end(),
                                      [&](CPrzGloska* g) { return g->Nazwa == task->right; });
      if (prawa != odpowiedzi_.end()) Zamknij(**prawa);
      session_.services.sleep(300);
      Powiedz();
      break;
    }
  }
  if (!wycofana_) ekran_.Rozwiazane();
}

void Board::Podpowiedz() {
  const Task* task = zasady_.CurrentTask();
  if (!task || zasady_.IsSolved() || !luka_) return;
  const auto prawa =
      std::find_if(odpowiedzi_.begin(), odpowiedzi_.end(), [&](CPrzGloska* g) { return g->Nazwa == task->right; });
  if (prawa == odpowiedzi_.end()) return;
  if (statRec_) statRec_->AddHint();
  if (plotnoRobocze_) {
    Komponuj();
    RysujGloski();
    plotnoRobocze_->Draw(luka_->X, luka_->Y, (*prawa)->Bitmapa);
    const QRect calosc = Prostokat(*plotnoRobocze_);
    Okno().WindowCanvas().CopyRect(calosc, *plotnoRobocze_, calosc);
  }
  Powiedz(true);
  platform::WaitPainting(kPodpowiedzMs);
  // The gap empty again.
  Komponuj();
  Okno().Repaint();
}

void Board::Powiedz(bool wolno) {
  const QString key = Slowo();
  if (key.isEmpty()) return;
  const recorder::VoiceLibrary voices(session_.files, session_.content);
  // Slowly when the content has the word so and no adult's model speaks it instead.
  const QString powoli = session_.content.Path(QStringLiteral("Smd/") + key + QStringLiteral("_w.pw"));
  if (wolno && !voices.HasModel(key) && QFileInfo(powoli).isFile()) {
    recorder::Play(*session_.services.sound, powoli);
    return;
  }
  if (!PlayWordSound(*session_.services.sound, voices, key)) session_.services.sleep(1000);
}

void Board::ZacznijMowic() {
  const QString key = Slowo();
  if (key.isEmpty()) return;
  const QString path = recorder::VoiceLibrary(session_.files, session_.content).WordSoundPath(key);
  if (QFileInfo(path).isFile()) session_.services.sound->PlayAsync(path);
}

void Board::Wycofaj() {
  wycofana_ = true;
  przeciagana_ = nullptr;
  for (const auto& gloska : przesuwane_) gloska->Ukryj();
}

}  // namespace filling
