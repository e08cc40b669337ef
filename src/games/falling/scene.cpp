#include "games/falling/scene.h"

#include <QPainter>
#include <QPainterPath>
#include <QSet>
#include <cmath>
#include <utility>

namespace falling {

namespace {

const QColor kMark(40, 170, 70);  // green: the pictures have yellow borders of their own
const QColor kSparkle(255, 200, 40);

}  // namespace

Scene::Scene(platform::Canvas& surface, QImage background, QRect area, Rules rules, int side,
             std::function<QImage(const QString& key)> picture, QImage matte)
    : surface_(surface),
      background_(std::move(background)),
      area_(area),
      rules_(std::move(rules)),
      side_(side),
      picture_(std::move(picture)),
      matte_(std::move(matte)) {}

QRect Scene::OnSurface(const QRectF& place) const {
  return QRect(area_.left() + int(std::lround(place.left())), area_.top() + int(std::lround(place.top())),
               int(std::lround(place.width())), int(std::lround(place.height())))
      .intersected(area_);
}

const QImage& Scene::PictureOf(const QString& key) {
  auto it = pictures_.find(key);
  if (it != pictures_.end()) return *it;
  QImage picture = picture_ ? picture_(key) : QImage();
  if (!picture.isNull() && matte_.size() == picture.size()) {
    picture = picture.convertToFormat(QImage::Format_ARGB32);
    const QImage alpha = matte_.convertToFormat(QImage::Format_Grayscale8);
    for (int y = 0; y < picture.height(); ++y) {
      QRgb* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
      const uchar* a = alpha.constScanLine(y);
      for (int x = 0; x < picture.width(); ++x) row[x] = qRgba(qRed(row[x]), qGreen(row[x]), qBlue(row[x]), a[x]);
    }
  }
  if (!picture.isNull() && side_ > 0) {
    picture = picture.scaled(side_, side_, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                  .convertToFormat(QImage::Format_ARGB32_Premultiplied);
  }
  return *pictures_.insert(key, picture);
}

void Scene::DrawPicture(const Picture& p, const QRect& at) {
  // `at` is clipped to the area; the picture keeps its own place above it.
  const QRect full(area_.left() + int(std::lround(p.place.left())), area_.top() + int(std::lround(p.place.top())),
                   int(std::lround(p.place.width())), int(std::lround(p.place.height())));
  const QImage& picture = PictureOf(p.word.key);
  QPainter painter(&surface_.Image());
  painter.setClipRect(at);
  if (picture.isNull()) {
    painter.fillRect(full, Qt::white);
  } else {
    const QPoint corner = full.center() - QPoint(picture.width() / 2, picture.height() / 2) + QPoint(1, 1);
    painter.drawImage(corner, picture);
  }
  if (p.marked) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kMark, 6));
    painter.drawRoundedRect(QRectF(full).adjusted(3, 3, -3, -3), 10, 10);
  }
}

void Scene::DrawAll() {
  QPainter(&surface_.Image()).drawImage(0, 0, background_);
  drawn_.clear();
  drawnMarked_.clear();
  for (const Picture& p : rules_.InAir()) {
    const QRect at = OnSurface(p.place);
    DrawPicture(p, at);
    drawn_.insert(p.id, at);
    drawnMarked_.insert(p.id, p.marked);
  }
}

void Scene::Wipe(const QRect& r) {
  if (r.isEmpty()) return;
  QPainter painter(&surface_.Image());
  painter.drawImage(r, background_, r);
  painter.end();
  for (const Picture& p : rules_.InAir()) {
    const QRect at = drawn_.value(p.id);
    if (at.intersects(r)) DrawPicture(p, at.intersected(r));
  }
}

std::vector<QRect> Scene::Redraw() {
  std::vector<QRect> changed;
  QSet<int> present;
  // The old places first, all of them, then the new: a picture never
  // overlaps another, but its old place may lie under a neighbour's new one.
  QHash<int, QRect> now;
  for (const Picture& p : rules_.InAir()) {
    present.insert(p.id);
    const QRect at = OnSurface(p.place);
    now.insert(p.id, at);
    const QRect before = drawn_.value(p.id);
    if (before == at && drawnMarked_.value(p.id) == p.marked) continue;
    if (!before.isEmpty()) {
      QPainter(&surface_.Image()).drawImage(before, background_, before);
      changed.push_back(before.united(at));
    } else if (!at.isEmpty()) {
      changed.push_back(at);
    }
  }
  for (auto it = drawn_.begin(); it != drawn_.end(); ++it) {
    if (present.contains(it.key()) || it.value().isEmpty()) continue;
    QPainter(&surface_.Image()).drawImage(it.value(), background_, it.value());
    changed.push_back(it.value());
  }
  drawn_ = now;
  drawnMarked_.clear();
  for (const Picture& p : rules_.InAir()) {
    DrawPicture(p, now.value(p.id));
    drawnMarked_.insert(p.id, p.marked);
  }
  return changed;
}

std::vector<QRect> Scene::Frame(int ms, std::vector<Event>* events) {
  std::vector<Event> happened = rules_.Advance(ms);
  if (events) *events = std::move(happened);
  return Redraw();
}

std::vector<QRect> Scene::Catch(QPoint p, std::vector<Event>* events) {
  std::vector<Event> happened = rules_.Catch(QPointF(p - area_.topLeft()));
  for (const Event& e : happened) {
    if (e.kind == Event::CaughtRight || e.kind == Event::CaughtWrong) lastCaught_ = drawn_.value(e.id);
  }
  if (events) *events = std::move(happened);
  return Redraw();
}

QRect Scene::Sparkle(const QRect& where) {
  const QRect r = where.adjusted(-12, -12, 12, 12).intersected(area_);
  QPainter painter(&surface_.Image());
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(kSparkle);
  const QPointF c = QRectF(where).center();
  const double radius = where.width() * 0.45;
  for (int i = 0; i < 8; ++i) {
    // Small four-pointed stars on a ring round the picture's place.
    const double a = i * M_PI / 4;
    const QPointF s = c + QPointF(std::cos(a), std::sin(a)) * radius;
    const double big = where.width() * (i % 2 ? 0.09 : 0.14), small = big * 0.3;
    QPainterPath star;
    star.moveTo(s + QPointF(0, -big));
    star.lineTo(s + QPointF(small, -small));
    star.lineTo(s + QPointF(big, 0));
    star.lineTo(s + QPointF(small, small));
    star.lineTo(s + QPointF(0, big));
    star.lineTo(s + QPointF(-small, small));
    star.lineTo(s + QPointF(-big, 0));
    star.lineTo(s + QPointF(-small, -small));
    star.closeSubpath();
    painter.drawPath(star);
  }
  return r;
}

}  // namespace falling
