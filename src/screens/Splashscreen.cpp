#include "screens/Splashscreen.h"

#include <QFileInfo>

#include "platform/jpeg.h"
#include "platform/system.h"
#include "shell/_cblad.h"

QString TfmSplash::PicturePath(const session::ContentRoot& content) {
  return content.Path(QStringLiteral("Intf/Spec/mT_Splh.xji"));
}

TfmSplash::TfmSplash(const session::ContentRoot& content) {
  const QString path = PicturePath(content);
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
