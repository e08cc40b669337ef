#include "platform/canvas.h"

#include <QPainter>
#include <cstring>

namespace platform {

namespace {

QPainter::CompositionMode CompositionFor(CopyMode mode) {
  switch (mode) {
    case CopyMode::SrcPaint: return QPainter::RasterOp_SourceOrDestination;
    case CopyMode::SrcAnd: return QPainter::RasterOp_SourceAndDestination;
    case CopyMode::SrcCopy: break;
  }
  return QPainter::CompositionMode_Source;
}

// Plain row copies between RGB32 images: the hot path of every redraw and drag
// step, so it avoids setting up a painter.
void CopyRows(QImage& dst, const QPoint& to, const QImage& src, QRect from) {
  QRect target(to, from.size());
  const QRect clipped = target.intersected(dst.rect());
  if (clipped.isEmpty()) return;
  from.translate(clipped.topLeft() - target.topLeft());
  from.setSize(clipped.size());
  from = from.intersected(src.rect());
  if (from.isEmpty()) return;
  const qsizetype bytes = qsizetype(from.width()) * 4;
  for (int row = 0; row < from.height(); ++row) {
    std::memcpy(dst.scanLine(clipped.top() + row) + qsizetype(clipped.left()) * 4,
                src.constScanLine(from.top() + row) + qsizetype(from.left()) * 4, bytes);
  }
}

}  // namespace

QImage ToSurfaceFormat(const QImage& picture) {
  if (picture.format() == QImage::Format_RGB32) return picture;
  return picture.convertToFormat(QImage::Format_RGB32);
}

Canvas::Canvas(QSize size, QColor fill) { Resize(size, fill); }

void Canvas::Resize(QSize size, QColor fill) {
  image_ = QImage(size, QImage::Format_RGB32);
  image_.fill(fill);
}

void Canvas::Changed(const QRect& r) {
  if (OnChanged) {
    const QRect visible = r.intersected(image_.rect());
    if (!visible.isEmpty()) OnChanged(visible);
  }
}

void Canvas::Draw(int x, int y, const QImage& picture) {
  if (picture.isNull() || image_.isNull()) return;
  if (mode_ == CopyMode::SrcCopy && picture.format() == QImage::Format_RGB32) {
    CopyRows(image_, QPoint(x, y), picture, picture.rect());
  } else {
    QPainter p(&image_);
    p.setCompositionMode(CompositionFor(mode_));
    p.drawImage(x, y, ToSurfaceFormat(picture));
  }
  Changed(QRect(QPoint(x, y), picture.size()));
}

void Canvas::StretchDraw(const QRect& target, const QImage& picture) {
  if (picture.isNull() || image_.isNull() || target.isEmpty()) return;
  if (target.size() == picture.size()) {
    Draw(target.x(), target.y(), picture);
    return;
  }
  QPainter p(&image_);
  p.setCompositionMode(CompositionFor(mode_));
  p.drawImage(target, ToSurfaceFormat(picture));
  p.end();
  Changed(target);
}

void Canvas::CopyRect(const QRect& target, const Canvas& source, const QRect& sourceRect) {
  if (source.image_.isNull() || image_.isNull() || target.isEmpty()) return;
  if (mode_ == CopyMode::SrcCopy && target.size() == sourceRect.size()) {
    CopyRows(image_, target.topLeft(), source.image_, sourceRect);
  } else {
    QPainter p(&image_);
    p.setCompositionMode(CompositionFor(mode_));
    p.drawImage(target, source.image_, sourceRect);
  }
  Changed(target);
}

void Canvas::FrameRect(const QRect& target, QColor color) {
  if (image_.isNull() || target.isEmpty()) return;
  const QRgb c = color.rgb();
  const QRect r = target;
  const QRect clip = image_.rect();
  auto put = [&](int x, int y) {
    if (clip.contains(x, y)) reinterpret_cast<QRgb*>(image_.scanLine(y))[x] = c;
  };
  for (int x = r.left(); x <= r.right(); ++x) {
    put(x, r.top());
    put(x, r.bottom());
  }
  for (int y = r.top(); y <= r.bottom(); ++y) {
    put(r.left(), y);
    put(r.right(), y);
  }
  Changed(target);
}

void Canvas::FillRect(const QRect& target, QColor color) {
  if (image_.isNull() || target.isEmpty()) return;
  QPainter p(&image_);
  p.fillRect(target, color);
  p.end();
  Changed(target);
}

}  // namespace platform
