#include "platform/screenwindow.h"

#include "platform/form.h"

namespace platform {

void SetUpScreenWindow(Form& form, const ScreenWindow& window) {
  if (window.bordered) {
    form.SetBordered(window.caption, window.systemMenu);
    form.SetCentredOnOwner(window.overOwner);
    form.SetFollowsView(true);
  } else {
    form.SetBorderless();
  }
  form.SetClientSize(window.size.width(), window.size.height());
  if (window.bordered && !window.overOwner) {
    form.CenterOnScreen();
  } else {
    form.PlaceAt(0, 0);
  }
}

}  // namespace platform
