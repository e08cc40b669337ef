#include "games/memory/karta.h"

#include <QFileInfo>

#include "games/memory/layout.h"
#include "platform/jpeg.h"
#include "shell/_specfunc.h"
#include "catalogue/_cslowa.h"

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

CObrazyKart::CObrazyKart(const session::ContentRoot& content, int screenMode)
    : content_(content),
      screenMode_(screenMode),
      rewers_(LoadOptional(content.Path(QStringLiteral("Sio/blkcard0.xji")))),
      maska_(LoadOptional(content.Path(QStringLiteral("Bio/_matr") + SizeSuffix(screenMode)))) {}

QImage CObrazyKart::Duzy(const QString& nazwa) {
  auto it = duze_.find(nazwa);
  if (it == duze_.end()) it = duze_.insert(nazwa, LoadOptional(content_.Path(QStringLiteral("Bio/") + nazwa + SizeSuffix(screenMode_))));
  return it.value();
}

// --- CKarta ------------------------------------------------------------------

CKarta::CKarta(platform::Form& okno, const CSlowa* slowa, qint16 indeks, CObrazyKart& obrazy) {
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

  Obraz = new platform::ImageControl(&okno);
  Obraz->setGeometry(0, 0, Awers.width(), Awers.height());
  Obraz->setVisible(true);

  TimerTrafiona = std::make_unique<platform::Timer>();
  TimerTrafiona->SetInterval(kTrafionaMs);
  TimerTrafiona->SetEnabled(false);
  TimerChybiona = std::make_unique<platform::Timer>();
  TimerChybiona->SetInterval(kChybionaMs);
  TimerChybiona->SetEnabled(false);
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

void CKarta::PokazPare(platform::Canvas& kompozycja, int screenMode) const {
  const QPoint at = memory::LargePictureOrigin(screenMode);
  kompozycja.SetCopyMode(platform::CopyMode::SrcPaint);
  kompozycja.Draw(at.x(), at.y(), Maska);
  kompozycja.SetCopyMode(platform::CopyMode::SrcAnd);
  kompozycja.Draw(at.x(), at.y(), Duzy);
  kompozycja.SetCopyMode(platform::CopyMode::SrcCopy);
}

bool CKarta::Powiedz(platform::SoundOutput& dzwiek, const recorder::VoiceLibrary& glosy) {
  PlayWordSound(dzwiek, glosy, Nazwa);
  return true;
}
