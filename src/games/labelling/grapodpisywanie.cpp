#include "games/labelling/grapodpisywanie.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPainter>
#include <algorithm>
#include <utility>

#include "games/labelling/layout.h"
#include "platform/jpeg.h"
#include "platform/system.h"
#include "results/_cstatrec.h"
#include "shell/_dllengine.h"
#include "shell/_specfunc.h"
#include "words/random.h"

namespace {

const QColor kCzerwona(255, 0, 0);
const QColor kZolta(255, 255, 0);

QRect Prostokat(platform::Canvas& plotno) { return QRect(QPoint(0, 0), plotno.Size()); }

// Stands in for a tile picture the image library does not have: the
// phoneme on a plain square of the slot's size.
QImage ZapasowyObrazek(const QString& gloska, bool wyrozniona) {
  QImage obrazek(CPusGloska::kBok, CPusGloska::kBok, QImage::Format_RGB32);
  obrazek.fill(Qt::white);
  QPainter p(&obrazek);
  p.setPen(QPen(Qt::black, 2));
  p.drawRect(obrazek.rect().adjusted(1, 1, -2, -2));
  QFont font = p.font();
  font.setPixelSize(28);
  font.setBold(true);
  p.setFont(font);
  p.setPen(wyrozniona ? kCzerwona : QColor(Qt::black));
  p.drawText(obrazek.rect(), Qt::AlignCenter, gloska);
  return obrazek;
}

}  // namespace

// --- COGloska ----------------------------------------------------------------

COGloska::~COGloska() { delete Obraz.data(); }

void COGloska::UstawPozycje(int x, int y) {
  X = qint16(x);
  Y = qint16(y);
  if (Obraz && Obraz->pos() != QPoint(X, Y)) {
    Obraz->move(X, Y);
    // A moved tile area makes the window repaint, which draws the tiles.
    if (ekran_) ekran_->Invalidate();
  }
}

bool COGloska::CzyBlisko(int x, int y) const { return labelling::Near(Pozycja(), QPoint(x, y)); }

void COGloska::Rysuj() {
  if (plansza_ && plansza_->PlotnoRobocze) plansza_->PlotnoRobocze->Draw(X, Y, Bitmapa);
}

void COGloska::Ukryj() {
  if (Obraz && Obraz->Visible()) {
    Obraz->setVisible(false);
    if (ekran_) ekran_->Invalidate();
  }
}

void COGloska::Pokaz() {
  if (Obraz && !Obraz->Visible()) {
    Obraz->setVisible(true);
    if (ekran_) ekran_->Invalidate();
  }
}

void COGloska::Przesun(int x, int y) {
  if (!plansza_ || !plansza_->PlotnoRobocze || !plansza_->PlotnoPodkladu || !ekran_) return;
  platform::Canvas& robocze = *plansza_->PlotnoRobocze;
  const QRect stary(X, Y, Bitmapa.width(), Bitmapa.height());
  robocze.CopyRect(stary, *plansza_->PlotnoPodkladu, stary);
  X = qint16(x);
  Y = qint16(y);
  robocze.Draw(X, Y, Bitmapa);
  // Only the old place is refreshed on the window; a small step keeps the
  // new place inside its 5-px margin.
  const QRect odswiez = stary.adjusted(-5, -5, 5, 5);
  ekran_->WindowCanvas().CopyRect(odswiez, robocze, odswiez);
}

// --- CPrzGloska --------------------------------------------------------------

CPrzGloska::CPrzGloska(graPodpisywanie* plansza, const QString& gloska, const QString& przyrostek) {
  plansza_ = plansza;
  ekran_ = &plansza->Okno();
  Nazwa = gloska;
  try {
    Bitmapa = LoadNamedPicture(LetterFileName(gloska) + przyrostek);
  } catch (const platform::Exception&) {
    Bitmapa = ZapasowyObrazek(gloska, !przyrostek.isEmpty());
  }
  Obraz = new platform::ImageControl(ekran_);
  Obraz->setGeometry(0, 0, Bitmapa.width(), Bitmapa.height());
  Obraz->setCursor(Qt::PointingHandCursor);
  Obraz->OnMouseDown = [this](platform::MouseButton b, int shift, int x, int y) { ObrazMouseDown(b, shift, x, y); };
  Obraz->OnMouseMove = [this](int shift, int x, int y) { ObrazMouseMove(shift, x, y); };
  Obraz->OnMouseUp = [this](platform::MouseButton b, int, int, int) { ObrazMouseUp(b); };
  Obraz->OnDblClick = [this](QObject*) { ObrazDblClick(); };
  Obraz->OnPressLost = [this] { ObrazPressLost(); };
  Obraz->setVisible(true);
}

void CPrzGloska::ObrazMouseDown(platform::MouseButton button, int, int x, int y) {
  if (plansza_ && plansza_->Statystyki()) plansza_->Statystyki()->NoteActivity();
  if (button != platform::MouseButton::Left || !plansza_ || !plansza_->PlotnoRobocze) return;
  start_ = Pozycja();
  opuszczona_ = nullptr;
  for (auto& slot : plansza_->Puste) {
    if (slot->Gloska() == this) {
      opuszczona_ = slot.get();
      slot->UstawGloske(nullptr);
      plansza_->RysujPuste(*plansza_->PlotnoRobocze);
      ekran_->Repaint();
    }
  }
  // Drawn last, so on top of every tile it overlaps.
  auto& lista = plansza_->Przesuwane;
  for (auto& gloska : lista) {
    if (gloska.get() == this) {
      std::swap(gloska, lista.back());
      break;
    }
  }
  plansza_->PoczatekPrzeciagania(this);
  chwyt_ = QPoint(x, y);
}

void CPrzGloska::ObrazMouseMove(int shift, int x, int y) {
  if (shift != platform::kLeft || !Obraz) return;
  // The input area stays put during the drag, so its place plus the local
  // point is the pointer in client coordinates.
  const QPoint klient = Obraz->pos() + QPoint(x, y);
  Przesun(qint16(qint16(klient.x()) - qint16(chwyt_.x())), qint16(qint16(klient.y()) - qint16(chwyt_.y())));
}

void CPrzGloska::ObrazMouseUp(platform::MouseButton button) {
  if (plansza_ && plansza_->Statystyki()) plansza_->Statystyki()->NoteActivity();
  if (button != platform::MouseButton::Left || !plansza_ || !plansza_->PlotnoRobocze) return;
  graPodpisywanie* plansza = plansza_;
  // Wholly inside the window, where it can be seen and grabbed again.
  const QPoint wewnatrz = labelling::KeepInside(Pozycja(), Bitmapa.size(),
                                                QSize(ekran_->ClientWidth(), ekran_->ClientHeight()));
  if (wewnatrz != Pozycja()) Przesun(wewnatrz.x(), wewnatrz.y());
  UstawPozycje(X, Y);
  CPusGloska* cel = nullptr;
  for (auto& slot : plansza->Puste) {
    if (labelling::InSnapReach(slot->Pozycja(), Pozycja())) {
      cel = slot.get();
      break;
    }
  }
  if (!cel) return;
  const int sx = cel->X;
  const int sy = cel->Y;
  if (!cel->Nazwa.isEmpty()) {
    // Filled: the tile waits straight above it.
    Przesun(sx, sy - 60);
    UstawPozycje(X, Y);
    plansza->RysujPuste(*plansza->PlotnoRobocze);
    ekran_->Repaint();
    return;
  }
  Przesun(sx, sy);
  cel->UstawGloske(this);
  plansza->Odkryj(*cel);
  plansza->RysujPuste(*plansza->PlotnoRobocze);
  UstawPozycje(X, Y);
  ekran_->Repaint();
  // May destroy this tile: nothing of it is touched afterwards.
  plansza->Sprawdz();
}

void CPrzGloska::ObrazPressLost() {
  if (!plansza_ || !plansza_->PlotnoRobocze) return;
  Przesun(start_.x(), start_.y());
  UstawPozycje(X, Y);
  if (opuszczona_ && opuszczona_->Nazwa.isEmpty()) {
    opuszczona_->UstawGloske(this);
    plansza_->RysujPuste(*plansza_->PlotnoRobocze);
  }
  opuszczona_ = nullptr;
  ekran_->Repaint();
}

void CPrzGloska::ObrazDblClick() {
  if (plansza_ && plansza_->Statystyki()) plansza_->Statystyki()->NoteActivity();
  if (!plansza_ || !plansza_->PlotnoRobocze) return;
  for (auto& slot : plansza_->Puste) {
    if (slot->Nazwa == Nazwa && slot->Pozycja() == Pozycja()) {
      slot->UstawGloske(nullptr);
      plansza_->RysujPuste(*plansza_->PlotnoRobocze);
      ekran_->Repaint();
    }
  }
}

// --- CPusGloska --------------------------------------------------------------

void CPusGloska::UstawGloske(CPrzGloska* gloska) {
  gloska_ = gloska;
  Nazwa = gloska ? gloska->Nazwa : QString();
}

void CPusGloska::RysujRamke(platform::Canvas& plotno) const {
  const QColor kolor = Nazwa.isEmpty() ? kCzerwona : kZolta;
  for (int i = 1; i <= 5; ++i) {
    // Right and bottom are exclusive: the last pixel is at X + 55 + i - 1.
    plotno.FrameRect(QRect(QPoint(X - i, Y - i), QPoint(X + kBok + i - 1, Y + kBok + i - 1)), kolor);
  }
}

// --- graPodpisywanie ---------------------------------------------------------

graPodpisywanie::graPodpisywanie(CEkranPodpisywania& ekran, CSlowa* slowa, CStatRec* statRec)
    : ekran_(ekran), slowa_(slowa), statRec_(statRec) {
  Ostatnie = slowa_ ? qint32(slowa_->Wylosowane.size()) - 1 : -1;
  const QString matowka = screenMode == 1 ? QStringLiteral("Data/Bio/_matr_ups.xji")
                                          : QStringLiteral("Data/Bio/_matr_upb.xji");
  if (QFileInfo(matowka).isFile()) {
    try {
      Maska = platform::LoadJpegFile(matowka);
    } catch (const platform::Exception&) {
      // Without a matte the picture is still drawn; it only cannot be hit.
      Maska = QImage();
    }
  }
  TimerKoniec = new platform::Timer(&ekran_.Okno());
  TimerKoniec->SetInterval(kKoniecMs);
  TimerKoniec->SetEnabled(false);
  TimerKoniec->OnTimer = [this] { TimerKoniecTimer(); };
}

graPodpisywanie::~graPodpisywanie() {
  Wyczysc();
  delete TimerKoniec.data();
}

CSlowa::SPaczka* graPodpisywanie::Biezace() const {
  if (!slowa_ || Zadanie < 0 || size_t(Zadanie) >= slowa_->Wylosowane.size()) return nullptr;
  return &slowa_->Wylosowane[size_t(Zadanie)];
}

void graPodpisywanie::UstawObraz(int x, int y) {
  ObrazX = x;
  ObrazY = y;
}

void graPodpisywanie::PrzygotujZadanie() {
  Wyczysc();
  Odpowiedz.clear();
  const CSlowa::SPaczka* slowo = Biezace();
  if (!slowo) return;
  Slowo = slowo->Nazwa;
  for (const labelling::Token& token : labelling::ScanSegmentation(slowo->Podzial)) {
    Przesuwane.push_back(
        std::make_unique<CPrzGloska>(this, token.phoneme, token.marked ? QStringLiteral("_red") : QString()));
    Odpowiedz += token.phoneme;
  }
  Przesuwane.shrink_to_fit();
  for (size_t i = 0; i < Przesuwane.size(); ++i) Puste.push_back(std::make_unique<CPusGloska>());
}

void graPodpisywanie::UstawPlotna(platform::Canvas* robocze, platform::Canvas* podkladu) {
  PlotnoRobocze = robocze;
  PlotnoPodkladu = podkladu;
}

void graPodpisywanie::RysujObraz() {
  if (!PlotnoRobocze) return;
  platform::Canvas& plotno = *PlotnoRobocze;
  plotno.SetCopyMode(platform::CopyMode::SrcPaint);
  plotno.Draw(ObrazX, ObrazY, Maska);
  plotno.SetCopyMode(platform::CopyMode::SrcAnd);
  if (const CSlowa::SPaczka* slowo = Biezace()) plotno.Draw(ObrazX, ObrazY, slowo->ObrazekDuzy);
  plotno.SetCopyMode(platform::CopyMode::SrcCopy);
}

void graPodpisywanie::RysujPuste(platform::Canvas& plotno) {
  const int n = int(Puste.size());
  for (int i = 0; i < n; ++i) {
    const QPoint p = labelling::SlotPosition(i, n, screenWidth, screenHeight);
    Puste[size_t(i)]->UstawPozycje(p.x(), p.y());
    Puste[size_t(i)]->RysujRamke(plotno);
  }
}

void graPodpisywanie::Odkryj(const CPusGloska& wypelniony) {
  const auto ramka = [](const COGloska& slot) {
    return QRect(slot.X - 5, slot.Y - 5, CPusGloska::kBok + 10, CPusGloska::kBok + 10);
  };
  std::vector<QRect> sloty;
  for (const auto& slot : Puste) sloty.push_back(ramka(*slot));
  std::vector<CPrzGloska*> luzem;
  std::vector<QRect> miejsca;
  for (const auto& gloska : Przesuwane) {
    const bool wSlocie = std::any_of(Puste.begin(), Puste.end(), [&](const auto& slot) { return slot->Gloska() == gloska.get(); });
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
  if (!przeniesione || !PlotnoRobocze) return;
  // Composed afresh without the tiles, as for a drag: the old pictures go,
  // and the next paint draws every tile where it is now.
  const QRect calosc = Prostokat(*PlotnoRobocze);
  PlotnoRobocze->CopyRect(calosc, ekran_.TloPlanszy(), calosc);
  ekran_.RysujPrzyciski(CzyOstatnie(), CzyPierwsze());
  RysujObraz();
}

void graPodpisywanie::Rozrzuc() {
  std::vector<QPoint> miejsca;
  miejsca.reserve(Przesuwane.size());
  for (const auto& gloska : Przesuwane) miejsca.push_back(gloska->Pozycja());
  labelling::Scatter(miejsca, screenWidth, screenHeight, [] { return RandomNext(); });
  for (size_t i = 0; i < Przesuwane.size(); ++i) Przesuwane[i]->UstawPozycje(miejsca[i].x(), miejsca[i].y());
  Przeciagana = nullptr;
}

void graPodpisywanie::RysujGloski() {
  for (const auto& gloska : Przesuwane) {
    if (gloska.get() != Przeciagana) gloska->Rysuj();
  }
}

void graPodpisywanie::UkryjGloski() {
  Przeciagana = nullptr;
  for (const auto& gloska : Przesuwane) gloska->Ukryj();
}

void graPodpisywanie::NoweUlozenie() {
  Rozrzuc();
  const int n = int(Puste.size());
  for (int i = 0; i < n; ++i) {
    const QPoint p = labelling::SlotPosition(i, n, screenWidth, screenHeight);
    CPusGloska& slot = *Puste[size_t(i)];
    slot.UstawPozycje(p.x(), p.y());
    slot.UstawGloske(nullptr);
    if (PlotnoRobocze) slot.RysujRamke(*PlotnoRobocze);
    Przesuwane[size_t(i)]->Pokaz();
  }
}

void graPodpisywanie::PokazRozwiazanie() {
  Przeciagana = nullptr;
  const int n = int(Puste.size());
  for (int i = 0; i < n; ++i) {
    const QPoint p = labelling::SlotPosition(i, n, screenWidth, screenHeight);
    CPusGloska& slot = *Puste[size_t(i)];
    CPrzGloska& gloska = *Przesuwane[size_t(i)];
    slot.UstawPozycje(p.x(), p.y());
    slot.UstawGloske(&gloska);
    if (PlotnoRobocze) slot.RysujRamke(*PlotnoRobocze);
    gloska.UstawPozycje(p.x(), p.y());
    gloska.Ukryj();
    gloska.Rysuj();
  }
}

void graPodpisywanie::Sprawdz() {
  QString ulozone;
  for (const auto& slot : Puste) {
    if (slot->Nazwa.isEmpty()) return;
    ulozone += slot->Nazwa;
  }
  if (ulozone != Odpowiedz) {
    if (statRec_) statRec_->AddWrong();
    PlayInterfaceSound(1, true);
    return;
  }
  if (statRec_) statRec_->AddCorrect();
  PlayInterfaceSound(0, true);
  platform::SleepMs(300);
  PlayWordSound(Slowo);
  if (CSlowa::SPaczka* slowo = Biezace()) slowo->Flagi &= quint16(~CSlowa::kZnacznik);
  UkryjGloski();
  ekran_.UkryjPomoc();

  // Clicks and keys that waited through the sounds run now; they may end the
  // game or start another, which withdraws this board (it stays in memory
  // until this handler has returned).
  QCoreApplication::processEvents();
  if (wycofana_) return;

  if (CzyWszystkie()) TimerKoniec->SetEnabled(true);
}

void graPodpisywanie::Podpowiedz() {
  RysujObraz();
  PokazRozwiazanie();
  if (PlotnoRobocze) {
    const QRect calosc = Prostokat(*PlotnoRobocze);
    ekran_.Okno().WindowCanvas().CopyRect(calosc, *PlotnoRobocze, calosc);
  }
  Powiedz();
  if (statRec_) statRec_->AddHint();
  NoweUlozenie();
}

void graPodpisywanie::Powiedz() {
  if (!PlayWordSound(Slowo)) platform::SleepMs(1000);
}

void graPodpisywanie::PoczatekPrzeciagania(CPrzGloska* gloska) {
  if (!PlotnoRobocze) return;
  Przeciagana = gloska;
  platform::Canvas& robocze = *PlotnoRobocze;
  const QRect calosc = Prostokat(robocze);
  robocze.CopyRect(calosc, ekran_.TloPlanszy(), calosc);
  ekran_.RysujPrzyciski(CzyOstatnie(), CzyPierwsze());
  RysujObraz();
  RysujPuste(robocze);
  RysujGloski();
  ekran_.PodkladPlanszy().CopyRect(calosc, robocze, calosc);
  PlotnoPodkladu = &ekran_.PodkladPlanszy();
  Przeciagana = nullptr;
}

bool graPodpisywanie::Nastepne() {
  if (CzyOstatnie()) return false;
  ++Zadanie;
  return true;
}

bool graPodpisywanie::Poprzednie() {
  if (CzyPierwsze()) return false;
  --Zadanie;
  return true;
}

bool graPodpisywanie::CzyRozwiazane() const {
  const CSlowa::SPaczka* slowo = Biezace();
  return !slowo || (slowo->Flagi & CSlowa::kZnacznik) == 0;
}

bool graPodpisywanie::CzyWszystkie() const {
  if (!slowa_) return true;
  for (const CSlowa::SPaczka& slowo : slowa_->Wylosowane) {
    if (slowo.Flagi & CSlowa::kZnacznik) return false;
  }
  return true;
}

bool graPodpisywanie::OtworzPonownie(int x, int y) {
  CSlowa::SPaczka* slowo = Biezace();
  if (!slowo) return false;
  if (ObrazX < x && x < ObrazX + Maska.width() && ObrazY < y && y < ObrazY + Maska.height()) {
    slowo->Flagi |= CSlowa::kZnacznik;
    return true;
  }
  return false;
}

void graPodpisywanie::Wyczysc() {
  Przeciagana = nullptr;
  Puste.clear();
  Przesuwane.clear();
}

void graPodpisywanie::TimerKoniecTimer() {
  TimerKoniec->SetEnabled(false);
  if (wycofana_) return;
  // Ends the game: the last thing done here.
  ekran_.KoniecCzasu();
}

void graPodpisywanie::Wycofaj() {
  wycofana_ = true;
  if (TimerKoniec) TimerKoniec->SetEnabled(false);
  UkryjGloski();
}
