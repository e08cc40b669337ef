#include "widgets/_cobiektgraficzny.h"

#include "shell/_cblad.h"
#include "shell/_dllengine.h"

CObiektGraficzny::CObiektGraficzny(const session::ContentRoot& content, const QString& name) {
  try {
    picture_ = LoadNamedPicture(content, name);
  } catch (const platform::Exception&) {
    throw CBlad(1);
  }
  width_ = picture_.width();
  height_ = picture_.height();
}
