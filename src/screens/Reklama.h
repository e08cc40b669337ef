#pragma once

#include <memory>

#include "platform/canvas.h"
#include "platform/form.h"
#include "session/session.h"
#include "platform/timer.h"

class CPrzyciskP;

// The closing screen, shown when the child leaves the menu: a picture of the
// screen's size and one "wyjdz" button, the only way to close it. It takes no
// keys.
class TfmReklama : public platform::Form {
  Q_OBJECT
 public:
  // Raises CBlad(1) when its background or button cannot be loaded.
  explicit TfmReklama(const session::Session& session);
  ~TfmReklama() override;

  platform::Action A_Wyjdz;
  CPrzyciskP* ExitButton() const { return wyjdz_.get(); }

 protected:
  // Takes no keys; closing it from outside is its one button.
  void FormCloseRequest() override { A_Wyjdz.Execute(this); }
  void FormPaint() override;

 private:
  const session::Session& session_;
  platform::Canvas tlo_;
  std::unique_ptr<CPrzyciskP> wyjdz_;
};
