#include "widgets/micbutton.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

#include "platform/exception.h"
#include "platform/system.h"
#include "recorder/recorder.h"
#include "shell/_dllengine.h"
#include "shell/palette.h"
#include "widgets/_cprzycisk.h"

namespace {

// Half a pulse of the light.
constexpr int kPulsMs = 400;
// How long a failed microphone is said; the game waits that long.
constexpr int kUsterkaMs = 1500;

}  // namespace

CMikrofon::CMikrofon(const session::Session& session, platform::Form& okno, platform::Canvas& kompozycja, const platform::Canvas& tlo, Miejsca miejsca,
                     std::function<std::vector<platform::Timer*>()> zegary)
    : session_(session), okno_(okno), kompozycja_(kompozycja), tlo_(tlo), miejsca_(miejsca), zegary_(std::move(zegary)) {
  akcja_.OnExecute = [this](QObject*) { Nagraj(); };
}

CMikrofon::~CMikrofon() = default;

bool CMikrofon::Utworz() {
  if (przycisk_) return true;
  // The art is looked for once: a folder without it keeps the games as
  // they were.
  if (probowano_) return false;
  probowano_ = true;
  try {
    const QString size = session_.geometry.ArtSuffix();
    maska_ = LoadNamedPicture(session_.content, QStringLiteral("nagr") + size + QStringLiteral("_M"));
    swiatla_[0] = LoadNamedPicture(session_.content, QStringLiteral("nagr1") + size);
    swiatla_[1] = LoadNamedPicture(session_.content, QStringLiteral("nagr2") + size);
    przycisk_ = std::make_unique<CPrzyciskC>(session_.content, &okno_, QStringLiteral("mikr"), &kompozycja_, miejsca_.przycisk.x(),
                                             miejsca_.przycisk.y(), akcja_);
  } catch (const platform::Exception&) {
    przycisk_.reset();
    return false;
  }
  przycisk_->Hide();
  return true;
}

bool CMikrofon::Pokaz(const QString& slowo) {
  if (!recorder::ChildRecorderOffered(session_.settings.MicrophoneEnabled(), *session_.services.microphone) || !Utworz()) {
    Ukryj();
    return false;
  }
  slowo_ = slowo;
  przycisk_->Show();
  return true;
}

void CMikrofon::Ukryj() {
  if (przycisk_) przycisk_->Hide();
}

bool CMikrofon::Widoczny() const { return przycisk_ && przycisk_->Image() && przycisk_->Image()->isVisible(); }

QRect CMikrofon::ProstokatSwiatla() const {
  QRect r(QPoint(0, 0), maska_.size());
  r.moveCenter(miejsca_.swiatlo);
  return r;
}

void CMikrofon::Odswiez(const QRect& r) {
  okno_.WindowCanvas().CopyRect(r, kompozycja_, r);
  if (okno_.isVisible()) okno_.update(r);
}

void CMikrofon::Swiatlo(int faza) {
  if (faza == faza_) return;
  faza_ = faza;
  const QPoint at = ProstokatSwiatla().topLeft();
  kompozycja_.CopyRect(ProstokatSwiatla(), tlo_, ProstokatSwiatla());
  kompozycja_.SetCopyMode(platform::CopyMode::SrcPaint);
  kompozycja_.Draw(at.x(), at.y(), maska_);
  kompozycja_.SetCopyMode(platform::CopyMode::SrcAnd);
  kompozycja_.Draw(at.x(), at.y(), swiatla_[faza]);
  kompozycja_.SetCopyMode(platform::CopyMode::SrcCopy);
  Odswiez(ProstokatSwiatla());
}

void CMikrofon::ZgasSwiatlo() {
  faza_ = -1;
  kompozycja_.CopyRect(ProstokatSwiatla(), tlo_, ProstokatSwiatla());
  Odswiez(ProstokatSwiatla());
}

void CMikrofon::Usterka() {
  const QRect r = miejsca_.komunikat;
  // Said over the picture, which comes back afterwards.
  const QImage pod = kompozycja_.Image().copy(r);
  {
    QImage tekst(r.size(), QImage::Format_RGB32);
    tekst.fill(QColor(255, 250, 235));
    QPainter p(&tekst);
    p.setPen(QPen(QColor(200, 60, 40), 2));
    p.drawRect(tekst.rect().adjusted(1, 1, -2, -2));
    QFont font = p.font();
    font.setPixelSize(16);
    font.setBold(true);
    p.setFont(font);
    p.drawText(tekst.rect(), Qt::AlignCenter, QStringLiteral("Mikrofon nie działa"));
    p.end();
    kompozycja_.Draw(r.x(), r.y(), tekst);
  }
  Odswiez(r);
  session_.services.sleep(kUsterkaMs);
  kompozycja_.Draw(r.x(), r.y(), pod);
  Odswiez(r);
}

QRect CMikrofon::ProstokatDymka() const {
  // Two lines where the failure's one fits: grown about its centre.
  return miejsca_.komunikat.adjusted(0, -12, 0, 12);
}

void CMikrofon::Cisza(bool pokaz) {
  const QRect r = ProstokatDymka();
  if (!pokaz) {
    if (!podDymkiem_.isNull()) kompozycja_.Draw(r.x(), r.y(), podDymkiem_);
    podDymkiem_ = QImage();
    Odswiez(r);
    return;
  }
  podDymkiem_ = kompozycja_.Image().copy(r);
  // A friendly bubble over the picture, its corners showing what is under it.
  QImage dymek = podDymkiem_;
  QPainter p(&dymek);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(palette::kYellowDeep, 3));
  p.setBrush(palette::kCream);
  p.drawRoundedRect(QRectF(dymek.rect()).adjusted(1.5, 1.5, -1.5, -1.5), 14, 14);
  QFont font = p.font();
  font.setPixelSize(r.width() < 220 ? 13 : 16);
  font.setBold(true);
  p.setFont(font);
  p.setPen(palette::kInk);
  p.drawText(dymek.rect().adjusted(8, 2, -8, -2), Qt::AlignCenter | Qt::TextWordWrap,
             QStringLiteral("Nic nie było słychać. Spróbuj jeszcze raz!"));
  p.end();
  kompozycja_.Draw(r.x(), r.y(), dymek);
  Odswiez(r);
}

void CMikrofon::Nagraj() {
  if (!Widoczny() || recorder::Running()) return;
  // The game may be replaced while the sounds play: the timers are guarded.
  std::vector<QPointer<platform::Timer>> wstrzymane;
  for (platform::Timer* zegar : zegary_ ? zegary_() : std::vector<platform::Timer*>{}) {
    if (zegar && zegar->Enabled()) {
      zegar->SetEnabled(false);
      wstrzymane.emplace_back(zegar);
    }
  }
  QPointer<platform::ImageControl> przycisk = przycisk_->Image();
  recorder::Hooks hooks;
  hooks.light = [this](int ms) {
    if (ms < 0) ZgasSwiatlo(); else Swiatlo((ms / kPulsMs) % 2);
  };
  hooks.isStopPress = [przycisk](QObject* cel, QEvent* e) {
    if (e->type() == QEvent::KeyPress) return static_cast<QKeyEvent*>(e)->key() == Qt::Key_N;
    return e->type() == QEvent::MouseButtonPress && cel == przycisk.data() &&
           static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton;
  };
  hooks.failed = [this] { Usterka(); };
  hooks.nothingHeard = [this](bool pokaz) { Cisza(pokaz); };
  Swiatlo(0);
  recorder::RecordChild(session_.services, recorder::VoiceLibrary(session_.files, session_.content), slowo_, hooks);
  ZgasSwiatlo();
  // A microphone unplugged meanwhile takes its button along; one that only
  // failed to open is offered again.
  if (!recorder::ChildRecorderOffered(session_.settings.MicrophoneEnabled(), *session_.services.microphone)) Ukryj();
  // Afresh: the child has had the whole recording to look at the picture.
  for (const auto& zegar : wstrzymane) {
    if (zegar) zegar->SetEnabled(true);
  }
}
