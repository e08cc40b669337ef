#pragma once

#include <QSize>
#include <QString>

namespace platform {

class Form;

// How a screen of the program's whole size sits on the desktop: borderless
// in the corner, covering the screen, or an ordinary window with a border
// and a caption that follows the full-screen view.
struct ScreenWindow {
  QSize size;
  bool bordered = false;
  QString caption;
  // Bordered: the caption's menu, minimise and close buttons. A screen
  // opened over another leaves them out: its own button is the way out.
  bool systemMenu = false;
  // Bordered: centred over the window it is opened from at every showing,
  // rather than once on the screen.
  bool overOwner = false;
};

// Makes `form` such a window, before it is first shown.
void SetUpScreenWindow(Form& form, const ScreenWindow& window);

}  // namespace platform
