#pragma once

#include <QImage>
#include <QPointer>
#include <QRect>

#include "platform/canvas.h"
#include "platform/form.h"
#include "platform/imagecontrol.h"
#include "platform/timer.h"
#include "session/contentroot.h"

// The four pictures of an image button, loaded by base name: "_A" hover,
// "_D" normal, "_M" mask (white where opaque), "_" pressed. Raises CBlad(1)
// when any of them cannot be loaded.
struct CPrzyciskObrazy {
  CPrzyciskObrazy(const session::ContentRoot& content, const QString& base);
  QImage hover, normal, mask, pressed;
};

// An image button that paints into a screen's back buffer (the game screens).
// Its input area is a fixed 70 x 60 image control; a state change is drawn
// into the back buffer and only the button's rectangle is copied to the
// window. A click runs the action's handler with the input area as sender.
class CPrzyciskC {
 public:
  enum class Stan { Normal, Hover, Pressed };

  CPrzyciskC(const session::ContentRoot& content, platform::Form* form, const QString& base, platform::Canvas* target,
             int x, int y, const platform::Action& action);
  ~CPrzyciskC();
  CPrzyciskC(const CPrzyciskC&) = delete;
  CPrzyciskC& operator=(const CPrzyciskC&) = delete;

  // Draws the current state into the back buffer at the button's place.
  void Paint();
  // Makes the input area visible, then Paint().
  void Show();
  // Makes the input area invisible; draws nothing.
  void Hide();

  Stan CurrentState() const { return stan_; }
  platform::ImageControl* Image() const { return image_; }
  QRect Rect() const;

 private:
  bool OnMessage(const platform::Message& message);
  const QImage& StatePicture() const;

  CPrzyciskObrazy obrazy_;
  Stan stan_ = Stan::Normal;
  QPointer<platform::ImageControl> image_;
  platform::Canvas* target_;
  platform::Form* form_;
};

// An image button that is itself a control and paints straight onto its
// window's canvas, restoring what lies behind it from the screen's background
// canvas (menus and dialogs). Its size is that of its mask. While `FActive` is
// false it ignores every message.
class CPrzyciskP : public platform::ImageControl {
  Q_OBJECT
 public:
  using Stan = CPrzyciskC::Stan;

  CPrzyciskP(const session::ContentRoot& content, platform::Form* form, const QString& base, platform::Canvas* target,
             const platform::Canvas* background, int x, int y, const platform::Action& action);
  ~CPrzyciskP() override;

  bool FActive = true;
  Stan CurrentState() const { return stan_; }

 private:
  bool WndProc(const platform::Message& message);
  void Compose(Stan stan);

  CPrzyciskObrazy obrazy_;
  Stan stan_ = Stan::Normal;
  platform::Form* form_;
  platform::Canvas* target_;
  const platform::Canvas* background_;
  QRect screenRect_;
  platform::Canvas offscreen_;
};
