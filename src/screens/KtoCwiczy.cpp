#include "screens/KtoCwiczy.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "platform/jpeg.h"
#include "platform/system.h"
#include "widgets/childcard.h"
#include "widgets/chooserlayout.h"
#include "shell/palette.h"
#include "shell/_cblad.h"
#include "shell/_specfunc.h"

namespace {

// Under the cards, as under the art's own panels.
const QColor kShadow(0, 0, 0, 40);

// The largest size up to `pixels` at which the line fits `width`.
QFont FittingFont(const QString& text, int pixels, int width) {
  QFont font = childcard::NameFont(pixels);
  for (int size = pixels; size >= 10; --size) {
    font.setPixelSize(size);
    if (QFontMetrics(font).horizontalAdvance(text) <= width) break;
  }
  return font;
}

void DrawText(QPainter& p, const QRect& box, const QString& text, int pixels, const QColor& colour) {
  const QFont font = FittingFont(text, pixels, box.width());
  p.setFont(font);
  p.setPen(colour);
  p.drawText(box, Qt::AlignCenter, QFontMetrics(font).elidedText(text, Qt::ElideRight, box.width()));
}

// Smaller than this a child no longer reads its own name.
int SmallestNamePixels(int screenWidth) { return screenWidth >= 1024 ? 15 : 13; }

// A child's name whole in `box`, on two lines when one is too narrow.
void DrawName(QPainter& p, const QRect& box, const QString& name, int largest, int smallest) {
  const chooser::NameLines fitted =
      chooser::FitName(name, box.width(), box.height(), largest, smallest,
                       childcard::NameAdvance);
  const QFont font = childcard::NameFont(fitted.pixels);
  const QFontMetrics metrics(font);
  p.setFont(font);
  p.setPen(palette::kInk);
  const int line = chooser::LineHeight(fitted.pixels);
  int top = box.top() + (box.height() - line * int(fitted.lines.size())) / 2;
  for (const QString& text : fitted.lines) {
    p.drawText(QRect(box.left(), top, box.width(), line), Qt::AlignCenter,
               metrics.elidedText(text, Qt::ElideRight, box.width()));
    top += line;
  }
}

// The height a name takes in a box `width` wide, at most `most`.
int NameHeight(const QString& name, int width, int most, int largest, int smallest) {
  const chooser::NameLines fitted =
      chooser::FitName(name, width, most, largest, smallest,
                       childcard::NameAdvance);
  return chooser::LineHeight(fitted.pixels) * int(fitted.lines.size());
}

void DrawCard(QPainter& p, const QRectF& body, qreal radius, const QColor& fill, const QColor& rim, qreal rimWidth) {
  p.setPen(Qt::NoPen);
  p.setBrush(kShadow);
  p.drawRoundedRect(body.translated(0, 4), radius, radius);
  p.setBrush(fill);
  p.setPen(QPen(rim, rimWidth));
  p.drawRoundedRect(body.adjusted(rimWidth / 2, rimWidth / 2, -rimWidth / 2, -rimWidth / 2), radius, radius);
}

}  // namespace

TfmKtoCwiczy::TfmKtoCwiczy(const session::Session& session, std::vector<profiles::Profile> dzieci,
                           std::function<void()> usunSplash)
    : session_(session), dzieci_(std::move(dzieci)), usunSplash_(std::move(usunSplash)) {
  QImage background;
  try {
    background = platform::LoadJpegFile(session_.content.Path(QStringLiteral("Intf/Spec/mT_Kto") + session_.geometry.ArtSuffix() + QStringLiteral(".xji")));
  } catch (const platform::Exception&) {
    throw CBlad(1);
  }
  for (const profiles::Profile& dziecko : dzieci_) obrazki_.push_back(childcard::WordPicture(session_.content, dziecko.picture));

  const QString caption = QString::fromUtf16(kProgramTitle);
  if (session_.geometry.screenMode == 3) {
    // Closing the window is Escape, as on the menu.
    SetBordered(caption, true);
    SetFollowsView(true);
  } else {
    SetBorderless();
    setWindowTitle(caption);
  }
  SetClientSize(session_.geometry.screenWidth, session_.geometry.screenHeight);
  if (session_.geometry.screenMode == 3) {
    CenterOnScreen();
  } else {
    PlaceAt(0, 0);
  }
  tlo_.Resize(QSize(session_.geometry.screenWidth, session_.geometry.screenHeight));
  tlo_.StretchDraw(QRect(0, 0, session_.geometry.screenWidth, session_.geometry.screenHeight), background);

  const int W = session_.geometry.screenWidth;
  const int H = session_.geometry.screenHeight;
  const int h = H * 95 / 1000;
  goscRect_ = QRect(W / 2 - W * 14 / 100, H * 85 / 100, W * 28 / 100, h);
  wsteczRect_ = QRect(goscRect_.left() - W / 50 - h, goscRect_.top(), h, h);
  dalejRect_ = QRect(goscRect_.right() + 1 + W / 50, goscRect_.top(), h, h);
  gosc_ = NowyObszar(kFokusGosc);
  wstecz_ = NowyObszar(kFokusWstecz);
  dalej_ = NowyObszar(kFokusDalej);
  UlozStrone(0, dzieci_.empty() ? kFokusGosc : 0);
}

TfmKtoCwiczy::~TfmKtoCwiczy() = default;

int TfmKtoCwiczy::LiczbaStron() const { return chooser::PageCount(int(dzieci_.size())); }

platform::ImageControl* TfmKtoCwiczy::PrzyciskDziecka(int naStronie) const {
  return naStronie >= 0 && naStronie < int(obszary_.size()) ? obszary_[size_t(naStronie)] : nullptr;
}

bool TfmKtoCwiczy::MaObrazek(int dziecko) const {
  return dziecko >= 0 && dziecko < int(obrazki_.size()) && !obrazki_[size_t(dziecko)].isNull();
}

platform::ImageControl* TfmKtoCwiczy::NowyObszar(int fokus) {
  auto* area = new platform::ImageControl(this);
  area->setGeometry(ProstokatFokusu(fokus));
  // The mouse and the keys share one highlight.
  area->Hook = [this, fokus](const platform::Message& m) {
    if (m.kind == platform::MessageKind::MouseEnter) UstawFokus(fokus);
    return true;
  };
  area->OnClick = [this, fokus](QObject*) { Nacisnij(fokus); };
  area->setVisible(true);
  return area;
}

QRect TfmKtoCwiczy::ProstokatFokusu(int fokus) const {
  if (fokus == kFokusGosc) return goscRect_;
  if (fokus == kFokusWstecz) return wsteczRect_;
  if (fokus == kFokusDalej) return dalejRect_;
  return fokus >= 0 && fokus < int(komorki_.size()) ? komorki_[size_t(fokus)] : QRect();
}

void TfmKtoCwiczy::UlozStrone(int strona, int fokus) {
  strona_ = qBound(0, strona, LiczbaStron() - 1);
  const int count = chooser::CountOnPage(int(dzieci_.size()), strona_);
  const int W = session_.geometry.screenWidth;
  const int H = session_.geometry.screenHeight;
  const QRect area(W * 5 / 100, H * 19 / 100, W * 90 / 100, H * 62 / 100);
  komorki_ = chooser::LayoutGrid(count, area, W * 24 / 100, W / 50).cells;

  for (platform::ImageControl* old : obszary_) {
    old->setVisible(false);
    old->deleteLater();
  }
  obszary_.clear();
  for (int i = 0; i < int(komorki_.size()); ++i) obszary_.push_back(NowyObszar(i));
  wstecz_->setVisible(strona_ > 0);
  dalej_->setVisible(strona_ + 1 < LiczbaStron());

  if ((fokus == kFokusWstecz && !wstecz_->Visible()) || (fokus == kFokusDalej && !dalej_->Visible())) fokus = 0;
  if (fokus >= 0 && fokus < kFokusGosc) fokus = qMin(fokus, int(komorki_.size()) - 1);
  fokus_ = fokus < 0 ? kFokusGosc : fokus;
  Invalidate();
}

void TfmKtoCwiczy::FormShow() {
  if (usunSplash_) {
    session_.services.sleep(2000);
    const auto usun = std::move(usunSplash_);
    usunSplash_ = nullptr;
    usun();
  }
}

void TfmKtoCwiczy::FormPaint() {
  WindowCanvas().Draw(0, 0, tlo_.Image());
  for (int i = 0; i < int(komorki_.size()); ++i) RysujPrzycisk(i);
  RysujPrzycisk(kFokusGosc);
  if (wstecz_->Visible()) RysujPrzycisk(kFokusWstecz);
  if (dalej_->Visible()) RysujPrzycisk(kFokusDalej);
}

void TfmKtoCwiczy::RysujPrzycisk(int fokus) {
  const QRect r = ProstokatFokusu(fokus);
  if (r.isEmpty()) return;
  // Drawn over its own piece of the background, so that a change of
  // highlight redraws the one button.
  QImage button = tlo_.Image().copy(r);
  QPainter p(&button);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  const bool lit = fokus == fokus_;
  const QRectF body = QRectF(0, 0, r.width(), r.height()).adjusted(3, 2, -3, -6);
  const qreal rim = lit ? qMax(4, r.width() / 28) : qMax(3, r.width() / 45);

  if (fokus == kFokusWstecz || fokus == kFokusDalej) {
    DrawCard(p, body, body.height() / 2, lit ? palette::kYellow : palette::kCream,
             lit ? palette::kCoral : palette::kYellowDeep, rim);
    const QPointF c = body.center();
    const qreal s = body.height() * 0.22;
    const qreal d = fokus == kFokusWstecz ? -1 : 1;
    QPolygonF arrow;
    arrow << QPointF(c.x() + d * s, c.y()) << QPointF(c.x() - d * s * 0.7, c.y() - s)
          << QPointF(c.x() - d * s * 0.7, c.y() + s);
    p.setPen(Qt::NoPen);
    p.setBrush(palette::kInk);
    p.drawPolygon(arrow);
  } else if (fokus == kFokusGosc) {
    DrawCard(p, body, body.height() / 2, lit ? palette::kYellow : palette::kSkyPale,
             lit ? palette::kCoral : palette::kBlue, rim);
    DrawText(p, body.toRect().adjusted(int(body.height() / 2), 2, -int(body.height() / 2), -2), QStringLiteral("Gość"),
             int(body.height() * 0.62), palette::kInk);
  } else {
    DrawCard(p, body, r.width() / 9.0, lit ? palette::kYellow : palette::kCream,
             lit ? palette::kCoral : palette::kYellowDeep, rim);
    const int child = strona_ * chooser::kPerPage + fokus;
    const QString& name = dzieci_[size_t(child)].name;
    const QImage& picture = obrazki_[size_t(child)];
    const int pad = r.width() * 8 / 100;
    if (picture.isNull()) {
      DrawName(p, body.toRect().adjusted(pad, pad, -pad, -pad), name, r.width() / 5, SmallestNamePixels(session_.geometry.screenWidth));
    } else {
      // A long name takes room from the picture, up to two fifths of the card.
      const int nameWidth = int(body.width()) - pad;
      const int largest = r.width() * 24 / 100 * 70 / 100;
      const int nameHeight = qMax(r.width() * 24 / 100, NameHeight(name, nameWidth, int(body.height()) * 2 / 5, largest, SmallestNamePixels(session_.geometry.screenWidth)));
      const QRect pictureBox = body.toRect().adjusted(pad, pad, -pad, -pad - nameHeight);
      QSize size = picture.size().scaled(pictureBox.size(), Qt::KeepAspectRatio);
      const QRect place(pictureBox.center().x() - size.width() / 2 + 1, pictureBox.center().y() - size.height() / 2 + 1,
                        size.width(), size.height());
      // Word pictures are cards with a rounded frame on the Memory table's
      // cream: cut along the frame so that a lit button shows no corners.
      QPainterPath rounded;
      const qreal corner = place.width() * 0.14;
      rounded.addRoundedRect(QRectF(place).adjusted(1, 1, -1, -1), corner, corner);
      p.save();
      p.setClipPath(rounded);
      p.drawImage(place, picture);
      p.restore();
      const QRect nameBox(int(body.left()) + pad / 2, pictureBox.bottom() + 1, int(body.width()) - pad,
                          int(body.bottom()) - pictureBox.bottom() - pad / 3);
      DrawName(p, nameBox, name, largest, SmallestNamePixels(session_.geometry.screenWidth));
    }
  }
  p.end();
  WindowCanvas().Draw(r.x(), r.y(), button);
}

void TfmKtoCwiczy::UstawFokus(int fokus) {
  if (fokus == fokus_) return;
  const int old = fokus_;
  fokus_ = fokus;
  RysujPrzycisk(old);
  RysujPrzycisk(fokus_);
}

void TfmKtoCwiczy::Nacisnij(int fokus) {
  if (fokus == kFokusGosc) {
    Wybierz(kGosc);
  } else if (fokus == kFokusWstecz) {
    if (strona_ > 0) UlozStrone(strona_ - 1, kFokusWstecz);
  } else if (fokus == kFokusDalej) {
    if (strona_ + 1 < LiczbaStron()) UlozStrone(strona_ + 1, kFokusDalej);
  } else if (fokus >= 0 && fokus < int(komorki_.size())) {
    Wybierz(strona_ * chooser::kPerPage + fokus);
  }
}

void TfmKtoCwiczy::Wybierz(int wybor) {
  wybor_ = wybor;
  SetModalResult(wybor == kWyjscie ? 0 : 1);
}

void TfmKtoCwiczy::PrzesunFokus(int klawisz) {
  using chooser::Direction;
  const Direction d = klawisz == Qt::Key_Left    ? Direction::Left
                      : klawisz == Qt::Key_Right ? Direction::Right
                      : klawisz == Qt::Key_Up    ? Direction::Up
                                                 : Direction::Down;
  // The page's buttons by where they lie: the children's, then the bottom
  // row's that are shown.
  std::vector<QRect> rects = komorki_;
  std::vector<int> foci;
  for (int i = 0; i < int(komorki_.size()); ++i) foci.push_back(i);
  for (int f : {kFokusGosc, kFokusWstecz, kFokusDalej}) {
    if (f == kFokusWstecz && !wstecz_->Visible()) continue;
    if (f == kFokusDalej && !dalej_->Visible()) continue;
    rects.push_back(ProstokatFokusu(f));
    foci.push_back(f);
  }
  const int from = int(std::find(foci.begin(), foci.end(), fokus_) - foci.begin());
  const int to = chooser::Neighbour(rects, from, d);
  if (to >= 0) {
    UstawFokus(foci[size_t(to)]);
    return;
  }
  // Past the last child of a row lies the next page, before the first the
  // previous one.
  const bool child = fokus_ >= 0 && fokus_ < int(komorki_.size());
  if (child && d == Direction::Right && strona_ + 1 < LiczbaStron()) UlozStrone(strona_ + 1, 0);
  if (child && d == Direction::Left && strona_ > 0) UlozStrone(strona_ - 1, chooser::kPerPage - 1);
}

void TfmKtoCwiczy::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
      PrzesunFokus(event->key());
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      if (!event->isAutoRepeat()) Nacisnij(fokus_);
      return;
    case Qt::Key_PageUp:
      if (strona_ > 0) UlozStrone(strona_ - 1, 0);
      return;
    case Qt::Key_PageDown:
      if (strona_ + 1 < LiczbaStron()) UlozStrone(strona_ + 1, 0);
      return;
    default:
      // Escape and the full-screen key as every screen takes them.
      platform::Form::keyPressEvent(event);
  }
}

void TfmKtoCwiczy::FormKeyPress(int key) {
  if (key == 27) Wybierz(kWyjscie);
}
