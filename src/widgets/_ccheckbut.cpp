#include "widgets/_ccheckbut.h"

#include "shell/_cblad.h"
#include "shell/_dllengine.h"

CCheckBut::CCheckBut(const session::ContentRoot& content, platform::Form* form, const QString& base,
                     platform::Canvas* canvas, int x, int y, const platform::Action& action)
    : canvas_(canvas), x_(x), y_(y) {
  try {
    on_ = LoadNamedPicture(content, base + QStringLiteral("_A"));
    off_ = LoadNamedPicture(content, base + QStringLiteral("_D"));
  } catch (const platform::Exception&) {
    throw CBlad(1);
  }
  input_ = new platform::ImageControl(form);
  input_->setGeometry(x, y, off_.width(), off_.height());
  input_->OnClick = action.OnExecute;
  input_->setVisible(true);
}

CCheckBut::~CCheckBut() { delete input_.data(); }

void CCheckBut::Paint() { canvas_->Draw(x_, y_, state_ ? on_ : off_); }

void CCheckBut::Show() {
  if (input_) input_->setVisible(true);
}

void CCheckBut::Hide() {
  if (input_) input_->setVisible(false);
}

void CCheckBut::SetState(bool on) {
  state_ = on;
  Paint();
}

void CCheckBut::Toggle() {
  state_ = !state_;
  Paint();
}
