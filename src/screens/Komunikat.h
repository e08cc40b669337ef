#pragma once

#include <QPointer>
#include <QString>
#include <memory>

#include "platform/canvas.h"
#include "platform/form.h"
#include "session/contentroot.h"
#include "platform/timer.h"

class QLabel;
class CPrzyciskP;

// The child's own message box: a rounded, painted panel with a line or two of
// large text chosen by code and one "stop" button. Shown modally over the
// main menu; the caller sets the code first. The panel has no caption bar,
// so pressing anywhere on it drags it.
class TfmKomunikat : public platform::Form {
  Q_OBJECT
 public:
  static constexpr int kWidth = 420;
  static constexpr int kHeight = 250;

  // Raises CBlad(1) when its background or button artwork cannot be loaded.
  // Shown centred over `owner` (the main menu).
  explicit TfmKomunikat(const session::ContentRoot& content, QWidget* owner = nullptr);
  ~TfmKomunikat() override;

  // The text for a message code; an unknown code gives "Błąd.".
  static QString MessageText(int code);
  // Puts the code's text into the label; does not show the window.
  void SetMessage(int code);

  platform::Action A_Stop;
  QLabel* vL_Komunikat = nullptr;
  CPrzyciskP* StopButton() const { return stop_.get(); }

 protected:
  void FormShow() override;
  // Takes no keys; closing it from outside is its "stop".
  void FormCloseRequest() override { A_Stop.Execute(this); }
  void FormPaint() override;
  void FormMouseDown(platform::MouseButton button, int shift, int x, int y) override;

 private:
  QPointer<QWidget> owner_;
  session::ContentRoot content_;
  platform::Canvas tlo_;
  std::unique_ptr<CPrzyciskP> stop_;
};
