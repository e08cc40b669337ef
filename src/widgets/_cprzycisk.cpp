#include "widgets/_cprzycisk.h"

#include "shell/_cblad.h"
#include "shell/_dllengine.h"

namespace {

QImage LoadOrFail(const session::ContentRoot& content, const QString& name) {
  try {
    return LoadNamedPicture(content, name);
  } catch (const platform::Exception&) {
    throw CBlad(1);
  }
}

// The state a message selects, if any: a repaint or the mouse leaving shows
// normal, a left press shows pressed, a release or the mouse entering shows
// hover.
bool PickState(platform::MessageKind kind, CPrzyciskC::Stan& stan) {
  using K = platform::MessageKind;
  switch (kind) {
    case K::Paint:
    case K::MouseLeave: stan = CPrzyciskC::Stan::Normal; return true;
    case K::LButtonDown: stan = CPrzyciskC::Stan::Pressed; return true;
    case K::LButtonUp:
    case K::MouseEnter: stan = CPrzyciskC::Stan::Hover; return true;
    default: return false;
  }
}

const QImage& PictureFor(const CPrzyciskObrazy& o, CPrzyciskC::Stan stan) {
  switch (stan) {
    case CPrzyciskC::Stan::Hover: return o.hover;
    case CPrzyciskC::Stan::Pressed: return o.pressed;
    case CPrzyciskC::Stan::Normal: break;
  }
  return o.normal;
}

// Mask with OR, state with AND: opaque pixels show the state, transparent
// ones keep what was under them.
void DrawMasked(platform::Canvas& canvas, int x, int y, const QImage& mask, const QImage& picture) {
  canvas.SetCopyMode(platform::CopyMode::SrcPaint);
  canvas.Draw(x, y, mask);
  canvas.SetCopyMode(platform::CopyMode::SrcAnd);
  canvas.Draw(x, y, picture);
  canvas.SetCopyMode(platform::CopyMode::SrcCopy);
}

}  // namespace

CPrzyciskObrazy::CPrzyciskObrazy(const session::ContentRoot& content, const QString& base)
    : hover(LoadOrFail(content, base + QStringLiteral("_A"))),
      normal(LoadOrFail(content, base + QStringLiteral("_D"))),
      mask(LoadOrFail(content, base + QStringLiteral("_M"))),
      pressed(LoadOrFail(content, base + QStringLiteral("_"))) {}

// --- CPrzyciskC --------------------------------------------------------------

CPrzyciskC::CPrzyciskC(const session::ContentRoot& content, platform::Form* form, const QString& base,
                       platform::Canvas* target, int x, int y, const platform::Action& action)
    : obrazy_(content, base), target_(target), form_(form) {
  image_ = new platform::ImageControl(form);
  image_->setGeometry(x, y, 70, 60);
  image_->setVisible(true);
  image_->OnClick = action.OnExecute;
  image_->Hook = [this](const platform::Message& m) { return OnMessage(m); };
}

CPrzyciskC::~CPrzyciskC() {
  if (image_) {
    image_->Hook = nullptr;
    image_->OnClick = nullptr;
    delete image_.data();
  }
}

QRect CPrzyciskC::Rect() const { return image_ ? image_->geometry() : QRect(); }

const QImage& CPrzyciskC::StatePicture() const { return PictureFor(obrazy_, stan_); }

void CPrzyciskC::Paint() {
  if (!image_) return;
  DrawMasked(*target_, image_->Left(), image_->Top(), obrazy_.mask, StatePicture());
}

void CPrzyciskC::Show() {
  if (!image_) return;
  image_->setVisible(true);
  Paint();
}

void CPrzyciskC::Hide() {
  if (image_) image_->setVisible(false);
}

bool CPrzyciskC::OnMessage(const platform::Message& m) {
  using K = platform::MessageKind;
  if (m.kind == K::MouseEnter && !form_->IsActiveForm()) return false;
  if (m.kind == K::LButtonDblClk) return false;
  Stan stan;
  if (image_->Visible() && PickState(m.kind, stan)) {
    stan_ = stan;
    Paint();
    const QRect r = Rect();
    form_->WindowCanvas().CopyRect(r, *target_, r);
  }
  return true;
}

// --- CPrzyciskP --------------------------------------------------------------

CPrzyciskP::CPrzyciskP(const session::ContentRoot& content, platform::Form* form, const QString& base,
                       platform::Canvas* target, const platform::Canvas* background, int x, int y,
                       const platform::Action& action)
    : platform::ImageControl(form), obrazy_(content, base), form_(form), target_(target), background_(background) {
  setGeometry(x, y, obrazy_.mask.width(), obrazy_.mask.height());
  OnClick = action.OnExecute;
  offscreen_.Resize(size());
  screenRect_ = geometry();
  // Visible from the start, without drawing anything yet: the window's own
  // painting makes the button paint itself.
  setVisible(true);
  Hook = [this](const platform::Message& m) { return WndProc(m); };
}

CPrzyciskP::~CPrzyciskP() { Hook = nullptr; }

void CPrzyciskP::Compose(Stan stan) {
  stan_ = stan;
  const QRect local(QPoint(0, 0), screenRect_.size());
  offscreen_.CopyRect(local, *background_, screenRect_);
  DrawMasked(offscreen_, 0, 0, obrazy_.mask, PictureFor(obrazy_, stan));
  target_->CopyRect(screenRect_, offscreen_, local);
}

bool CPrzyciskP::WndProc(const platform::Message& m) {
  using K = platform::MessageKind;
  if ((m.kind == K::MouseEnter && !form_->IsActiveForm()) || !FActive) return false;
  Stan stan;
  if (Visible() && PickState(m.kind, stan)) Compose(stan);
  if (m.kind == K::VisibleChanged) {
    if (Visible()) {
      Compose(Stan::Normal);
    } else {
      target_->CopyRect(screenRect_, *background_, screenRect_);
    }
    return false;
  }
  return true;
}
