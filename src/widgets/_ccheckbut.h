#pragma once

#include <QImage>
#include <QPointer>

#include "platform/canvas.h"
#include "session/contentroot.h"
#include "platform/form.h"
#include "platform/imagecontrol.h"
#include "platform/timer.h"

// An on/off picture of the main menu ("_A" on, "_D" off) with a transparent
// input area the size of the off picture. It never changes its own state: the
// action it runs on a click decides, through Toggle() or SetState().
class CCheckBut {
 public:
  CCheckBut(const session::ContentRoot& content, platform::Form* form, const QString& base, platform::Canvas* canvas,
            int x, int y, const platform::Action& action);
  ~CCheckBut();
  CCheckBut(const CCheckBut&) = delete;
  CCheckBut& operator=(const CCheckBut&) = delete;

  // Draws the picture of the current state (a plain copy).
  void Paint();
  // Makes the input area visible; draws nothing.
  void Show();
  // Makes the input area invisible; draws nothing.
  void Hide();
  void SetState(bool on);
  void Toggle();

  bool State() const { return state_; }
  int X() const { return x_; }
  int Y() const { return y_; }
  platform::ImageControl* Input() const { return input_; }

 private:
  QImage on_;
  QImage off_;
  QPointer<platform::ImageControl> input_;
  platform::Canvas* canvas_;
  int x_;
  int y_;
  bool state_ = false;
};
