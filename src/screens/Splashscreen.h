#pragma once

#include <QImage>

#include "platform/form.h"
#include "session/contentroot.h"

// The picture shown while the program starts; the main menu removes it.
class TfmSplash : public platform::Form {
  Q_OBJECT
 public:
  // Raises CBlad(1) when the picture is missing or cannot be decoded.
  explicit TfmSplash(const session::ContentRoot& content);

  static QString PicturePath(const session::ContentRoot& content);

 protected:
  void FormPaint() override;

 private:
  QImage bitmap_;
};
