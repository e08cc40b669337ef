#pragma once

#include <QHash>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <functional>
#include <vector>

#include "games/falling/rules.h"
#include "platform/canvas.h"

namespace falling {

// The falling game drawn: the rules' pictures over the background on one
// surface, moved frame by frame. A frame redraws only what moved: each
// picture's old place is wiped back to the background and the picture
// drawn at its new one, and the rectangles that changed are returned for
// the window to repaint. Nothing here waits or plays a sound.
class Scene {
 public:
  // `area` is the play area on the surface; `picture` gives a word's
  // picture (null when it has none), which is scaled once into a square of
  // the rules' picture side. Where the pictures' `matte` (white where a
  // picture shows, black around its rounded card) is black, the sky shows.
  Scene(platform::Canvas& surface, QImage background, QRect area, Rules rules, int side,
        std::function<QImage(const QString& key)> picture, QImage matte = QImage());

  // The background and every picture in the air, whole.
  void DrawAll();
  // Moves time on by `ms` and redraws what moved; `events` receives what
  // happened. Returns the rectangles of the surface that changed.
  std::vector<QRect> Frame(int ms, std::vector<Event>* events = nullptr);
  // A press at `p` on the surface; the picture caught is wiped at once.
  std::vector<QRect> Catch(QPoint p, std::vector<Event>* events);
  // A caught right picture's sparkle, drawn over where it was; wiped by the
  // next Wipe of that rectangle.
  QRect Sparkle(const QRect& where);
  // The background back over `r`, and the pictures in the air that overlap it.
  void Wipe(const QRect& r);
  // The rectangle a picture of the rules takes on the surface.
  QRect OnSurface(const QRectF& place) const;
  // Where the picture caught last was drawn.
  QRect LastCaught() const { return lastCaught_; }

  Rules& rules() { return rules_; }
  const Rules& rules() const { return rules_; }
  QRect Area() const { return area_; }

 private:
  const QImage& PictureOf(const QString& key);
  void DrawPicture(const Picture& p, const QRect& at);
  std::vector<QRect> Redraw();

  platform::Canvas& surface_;
  QImage background_;
  QRect area_;
  Rules rules_;
  int side_;
  std::function<QImage(const QString&)> picture_;
  QImage matte_;
  QHash<QString, QImage> pictures_;
  QHash<int, QRect> drawn_;       // where each picture in the air was last drawn
  QHash<int, bool> drawnMarked_;  // whether it was drawn marked
  QRect lastCaught_;
};

}  // namespace falling
