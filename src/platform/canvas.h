#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <functional>

namespace platform {

// How pixels of a drawn picture combine with what is already on a canvas.
enum class CopyMode {
  SrcCopy,   // destination = source
  SrcPaint,  // destination = destination OR source
  SrcAnd,    // destination = destination AND source
};

// A drawing surface over a QImage in Format_RGB32, with the copy mode of the
// classic raster canvas. Drawing a mask with SrcPaint and then a picture with
// SrcAnd puts the picture over the background without its white ground.
class Canvas {
 public:
  Canvas() = default;
  explicit Canvas(QSize size, QColor fill = Qt::black);

  void Resize(QSize size, QColor fill = Qt::black);
  QSize Size() const { return image_.size(); }
  int Width() const { return image_.width(); }
  int Height() const { return image_.height(); }
  QImage& Image() { return image_; }
  const QImage& Image() const { return image_; }

  void SetCopyMode(CopyMode mode) { mode_ = mode; }
  CopyMode GetCopyMode() const { return mode_; }

  // Draws the whole picture with its top-left at (x, y), in the current mode.
  void Draw(int x, int y, const QImage& picture);
  // Draws the picture scaled into the rectangle, in the current mode.
  void StretchDraw(const QRect& target, const QImage& picture);
  // Copies the source rectangle of another canvas into the target rectangle
  // of this one (scaled if the sizes differ), in the current mode.
  void CopyRect(const QRect& target, const Canvas& source, const QRect& sourceRect);
  // A one-pixel outline on the edge pixels of the rectangle (its last column
  // and row included).
  void FrameRect(const QRect& target, QColor color);
  void FillRect(const QRect& target, QColor color);

  // Called with every rectangle that changed; a window uses it to refresh.
  std::function<void(const QRect&)> OnChanged;

 private:
  void Changed(const QRect& r);

  QImage image_;
  CopyMode mode_ = CopyMode::SrcCopy;
};

// Converts any loaded picture to the one surface format the canvases use.
QImage ToSurfaceFormat(const QImage& picture);

}  // namespace platform
