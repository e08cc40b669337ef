#include "games/labelling/tiles.h"

#include <QPainter>

#include "games/labelling/layout.h"
#include "platform/exception.h"
#include "shell/_dllengine.h"
#include "words/letterfilename.h"

namespace {

const QColor kCzerwona(255, 0, 0);
const QColor kZolta(255, 255, 0);

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
  if (plansza_ && plansza_->Robocze()) plansza_->Robocze()->Draw(X, Y, Bitmapa);
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
  if (!plansza_ || !plansza_->Robocze() || !plansza_->Podklad() || !ekran_) return;
  platform::Canvas& robocze = *plansza_->Robocze();
  const QRect stary(X, Y, Bitmapa.width(), Bitmapa.height());
  robocze.CopyRect(stary, *plansza_->Podklad(), stary);
  X = qint16(x);
  Y = qint16(y);
  robocze.Draw(X, Y, Bitmapa);
  // Only the old place is refreshed on the window; a small step keeps the
  // new place inside its 5-px margin.
  const QRect odswiez = stary.adjusted(-5, -5, 5, 5);
  ekran_->WindowCanvas().CopyRect(odswiez, robocze, odswiez);
}

// --- CPrzGloska --------------------------------------------------------------

CPrzGloska::CPrzGloska(const session::ContentRoot& content, labelling::TileHost* plansza, const QString& gloska,
                       const QString& przyrostek) {
  plansza_ = plansza;
  ekran_ = &plansza->Okno();
  Nazwa = gloska;
  try {
    Bitmapa = LoadNamedPicture(content, LetterFileName(gloska) + przyrostek);
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
  if (plansza_) plansza_->NotujAktywnosc();
  if (button != platform::MouseButton::Left || !plansza_ || !plansza_->Robocze()) return;
  start_ = Pozycja();
  opuszczona_ = plansza_->Chwyc(*this);
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
  if (plansza_) plansza_->NotujAktywnosc();
  if (button != platform::MouseButton::Left || !plansza_ || !plansza_->Robocze()) return;
  labelling::TileHost* plansza = plansza_;
  // Wholly inside the window, where it can be seen and grabbed again.
  const QPoint wewnatrz = labelling::KeepInside(Pozycja(), Bitmapa.size(),
                                                QSize(ekran_->ClientWidth(), ekran_->ClientHeight()));
  if (wewnatrz != Pozycja()) Przesun(wewnatrz.x(), wewnatrz.y());
  UstawPozycje(X, Y);
  CPusGloska* cel = plansza->SlotWZasiegu(Pozycja());
  if (!cel) return;
  const int sx = cel->X;
  const int sy = cel->Y;
  if (!cel->Nazwa.isEmpty()) {
    // Filled: the tile waits straight above it.
    Przesun(sx, sy - 60);
    UstawPozycje(X, Y);
    plansza->RysujPuste();
    ekran_->Repaint();
    return;
  }
  Przesun(sx, sy);
  cel->UstawGloske(this);
  plansza->Odkryj(*cel);
  plansza->RysujPuste();
  UstawPozycje(X, Y);
  ekran_->Repaint();
  // May destroy this tile: nothing of it is touched afterwards.
  plansza->Sprawdz();
}

void CPrzGloska::ObrazPressLost() {
  if (!plansza_ || !plansza_->Robocze()) return;
  Przesun(start_.x(), start_.y());
  UstawPozycje(X, Y);
  if (opuszczona_ && opuszczona_->Nazwa.isEmpty()) {
    opuszczona_->UstawGloske(this);
    plansza_->RysujPuste();
  }
  opuszczona_ = nullptr;
  ekran_->Repaint();
}

void CPrzGloska::ObrazDblClick() {
  if (plansza_) plansza_->NotujAktywnosc();
  if (!plansza_ || !plansza_->Robocze()) return;
  plansza_->Zdejmij(*this);
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
