#include "screens/Splashscreen.h"

#include <QFileInfo>

#include "locations/filelocations.h"
#include "platform/jpeg.h"
#include "platform/system.h"
#include "shell/_cblad.h"

QString TfmSplash::PicturePath() {
  // Found in the content folder (beside the program or installed), so that
  // a start from another folder (a shortcut, a menu entry) still shows it.
  return locations::Current().contentRoot + QStringLiteral("/Data/Intf/Spec/mT_Splh.xji");
}

TfmSplash::TfmSplash() {
  const QString path = PicturePath();
  if (!QFileInfo::exists(path)) throw CBlad(1);
  try {
    bitmap_ = platform::LoadJpegFile(path);
  } catch (const platform::ImageError&) {
    throw CBlad(1);
  }
  SetBorderless();
  SetClientSize(599, 347);
  CenterOnScreen();
}

void TfmSplash::FormPaint() {
  // Stretched to the same rectangle whatever the picture's own size.
  WindowCanvas().StretchDraw(QRect(0, 0, 600, 348), bitmap_);
}
