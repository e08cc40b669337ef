#pragma once

#include <QImage>

#include "platform/form.h"
#include "platform/timer.h"

// The main window. It shows the menu artwork of the screen mode, removes the
// splash 2000 ms after it is first shown, leaves on Escape and writes the
// configuration when it is destroyed.
class TfmMain : public platform::Form {
  Q_OBJECT
 public:
  TfmMain();
  ~TfmMain() override;

  platform::Action A_Stop;

 protected:
  void FormShow() override;
  void FormPaint() override;
  void FormKeyPress(int key) override;

 private:
  void A_StopExecute(QObject* sender);

  QImage background_;
};

extern TfmMain* fmMain;
