#pragma once

#include <QImage>

#include "platform/canvas.h"
#include "session/contentroot.h"

// A named picture placed on a screen, without input (the menu's row captions).
class CObiektGraficzny {
 public:
  // Raises CBlad(1) when the picture cannot be loaded.
  CObiektGraficzny(const session::ContentRoot& content, const QString& name);

  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetPosition(int x, int y) {
    x_ = x;
    y_ = y;
  }
  int X() const { return x_; }
  int Y() const { return y_; }
  // Draws the picture at its position (a plain copy).
  void Paint(platform::Canvas& canvas) const { canvas.Draw(x_, y_, picture_); }

 private:
  int x_ = 0;
  int y_ = 0;
  int width_ = 0;
  int height_ = 0;
  QImage picture_;
};
