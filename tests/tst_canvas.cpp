// Copy modes, the mask technique and rectangle copies on the drawing surface.
#include <QtTest>

#include "platform/canvas.h"

using platform::Canvas;
using platform::CopyMode;

namespace {

QImage Solid(QSize size, QRgb colour) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(colour);
  return image;
}

QRgb Pixel(const Canvas& c, int x, int y) { return c.Image().pixel(x, y) & 0xFFFFFF; }

}  // namespace

class CanvasTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void copyModesCombinePixelsBitwise() {
    Canvas c(QSize(4, 1), QColor(0x30, 0x0F, 0xF0));
    c.SetCopyMode(CopyMode::SrcPaint);
    c.Draw(0, 0, Solid(QSize(1, 1), qRgb(0x0C, 0xF0, 0x0F)));
    QCOMPARE(Pixel(c, 0, 0), 0x3CFFFFu);
    c.SetCopyMode(CopyMode::SrcAnd);
    c.Draw(1, 0, Solid(QSize(1, 1), qRgb(0x10, 0x0F, 0x0F)));
    QCOMPARE(Pixel(c, 1, 0), 0x100F00u);
    c.SetCopyMode(CopyMode::SrcCopy);
    c.Draw(2, 0, Solid(QSize(1, 1), qRgb(1, 2, 3)));
    QCOMPARE(Pixel(c, 2, 0), 0x010203u);
    QCOMPARE(Pixel(c, 3, 0), 0x300FF0u);  // untouched
  }

  void maskThenPictureKeepsBackgroundWhereTransparent() {
    // Mask white where opaque; picture white where transparent.
    Canvas c(QSize(2, 1), QColor(0x20, 0x40, 0x60));
    QImage mask(2, 1, QImage::Format_RGB32);
    mask.setPixel(0, 0, qRgb(255, 255, 255));
    mask.setPixel(1, 0, qRgb(0, 0, 0));
    QImage picture(2, 1, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(200, 10, 10));
    picture.setPixel(1, 0, qRgb(255, 255, 255));
    c.SetCopyMode(CopyMode::SrcPaint);
    c.Draw(0, 0, mask);
    c.SetCopyMode(CopyMode::SrcAnd);
    c.Draw(0, 0, picture);
    QCOMPARE(Pixel(c, 0, 0), 0xC80A0Au);
    QCOMPARE(Pixel(c, 1, 0), 0x204060u);
  }

  void drawingOutsideTheSurfaceIsClipped() {
    Canvas c(QSize(3, 3), Qt::black);
    QRect changed;
    c.OnChanged = [&](const QRect& r) { changed = r; };
    c.Draw(2, 2, Solid(QSize(5, 5), qRgb(9, 9, 9)));
    QCOMPARE(Pixel(c, 2, 2), 0x090909u);
    QCOMPARE(Pixel(c, 1, 1), 0u);
    QCOMPARE(changed, QRect(2, 2, 1, 1));
    c.Draw(-4, -4, Solid(QSize(5, 5), qRgb(7, 7, 7)));
    QCOMPARE(Pixel(c, 0, 0), 0x070707u);
    QCOMPARE(Pixel(c, 1, 0), 0x000000u);
  }

  void copyRectMovesARectangleBetweenSurfaces() {
    Canvas from(QSize(10, 10), Qt::white);
    from.FillRect(QRect(2, 3, 2, 2), QColor(1, 2, 3));
    Canvas to(QSize(10, 10), Qt::black);
    to.CopyRect(QRect(5, 5, 2, 2), from, QRect(2, 3, 2, 2));
    QCOMPARE(Pixel(to, 5, 5), 0x010203u);
    QCOMPARE(Pixel(to, 6, 6), 0x010203u);
    QCOMPARE(Pixel(to, 7, 7), 0u);
    QCOMPARE(Pixel(to, 4, 5), 0u);
    // A copy partly outside both surfaces copies the part that exists.
    to.CopyRect(QRect(8, 8, 5, 5), from, QRect(0, 0, 5, 5));
    QCOMPARE(Pixel(to, 9, 9), 0xFFFFFFu);
  }

  void frameRectDrawsOnlyTheEdgePixels() {
    Canvas c(QSize(8, 8), Qt::black);
    c.FrameRect(QRect(QPoint(1, 1), QPoint(5, 4)), QColor(255, 0, 0));
    QCOMPARE(Pixel(c, 1, 1), 0xFF0000u);
    QCOMPARE(Pixel(c, 5, 4), 0xFF0000u);
    QCOMPARE(Pixel(c, 5, 1), 0xFF0000u);
    QCOMPARE(Pixel(c, 3, 2), 0u);  // inside stays
    QCOMPARE(Pixel(c, 6, 4), 0u);
    QCOMPARE(Pixel(c, 5, 5), 0u);
  }

  void stretchDrawScalesIntoTheTarget() {
    Canvas c(QSize(10, 10), Qt::black);
    c.StretchDraw(QRect(0, 0, 10, 10), Solid(QSize(2, 2), qRgb(50, 60, 70)));
    QCOMPARE(Pixel(c, 0, 0), 0x323C46u);
    QCOMPARE(Pixel(c, 9, 9), 0x323C46u);
  }
};

QTEST_GUILESS_MAIN(CanvasTest)
#include "tst_canvas.moc"
