#include "interfaceart.h"

#include <QLinearGradient>
#include <QPainter>

#include "menutabs.h"
#include "style.h"

using namespace palette;

namespace {

const QSize kSmall(800, 600);

// White letters with a deep blue rim: readable on sky, hills and panels.
TextStyle TitleStyle(qreal pixelSize) {
  TextStyle s;
  s.pixelSize = pixelSize;
  s.color = kWhite;
  s.outline = kBlueDeep;
  s.outlineWidth = qMax<qreal>(2.5, pixelSize * 0.085);
  s.shadow = true;
  return s;
}

TextStyle InkStyle(qreal pixelSize, const QColor& color = kInk, bool bold = true) {
  TextStyle s;
  s.pixelSize = pixelSize;
  s.color = color;
  s.bold = bold;
  return s;
}

// A translucent white stand behind a picture the program draws through a matte.
void DrawStand(QPainter& p, const QRectF& picture, qreal margin) {
  const QRectF r = picture.adjusted(-margin, -margin, margin, margin);
  DrawPanel(p, r.translated(0, 4), 26, QColor(0, 0, 0, 28));
  DrawPanel(p, r, 26, QColor(255, 255, 255, 120), QColor(255, 255, 255, 200), 3);
}

void DrawBalloon(QPainter& p, const QPointF& c, qreal r, const QColor& colour) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(255, 255, 255, 200), qMax<qreal>(1.5, r * 0.05)));
  QPainterPath string;
  string.moveTo(c.x(), c.y() + r * 1.2);
  string.cubicTo(c.x() - r * 0.3, c.y() + r * 1.8, c.x() + r * 0.3, c.y() + r * 2.3, c.x(), c.y() + r * 2.9);
  p.setBrush(Qt::NoBrush);
  p.drawPath(string);
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawEllipse(c, r, r * 1.2);
  QPolygonF knot;
  knot << QPointF(c.x(), c.y() + r * 1.15) << QPointF(c.x() - r * 0.14, c.y() + r * 1.32)
       << QPointF(c.x() + r * 0.14, c.y() + r * 1.32);
  p.drawPolygon(knot);
  p.setBrush(QColor(255, 255, 255, 110));
  p.drawEllipse(QPointF(c.x() - r * 0.35, c.y() - r * 0.45), r * 0.22, r * 0.3);
  p.restore();
}

}  // namespace

QImage SplashPicture() {
  QImage img = NewPicture(600, 348, kSky);
  QPainter p(&img);
  const QRectF all(img.rect());
  DrawSky(p, all, 1);
  DrawHills(p, all, 232, 1);
  DrawLine(p, QRectF(20, 34, 560, 86), QStringLiteral("Mini Fonikra Cz.I"), TitleStyle(64));
  const QRectF pill(60, 140, 480, 50);
  DrawPanel(p, pill.translated(0, 3), 25, QColor(0, 0, 0, 30));
  DrawPanel(p, pill, 25, kPanel, kYellowDeep, 3);
  DrawLine(p, pill.adjusted(18, 6, -18, -6), QStringLiteral("Ćwiczymy głoski SZ, Ż/RZ, CZ, DŻ"), InkStyle(26));
  DrawLine(p, QRectF(150, 286, 300, 40), QStringLiteral("Wczytywanie…"), TitleStyle(26));
  return img;
}

QImage DialogBackground() {
  QImage img = NewPicture(420, 250, kBlue);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  // The window is cut to a rounded shape; the blue rim fills whatever of the
  // corners the cut leaves, and the calm panel carries the text and button.
  const QRectF panel(7, 7, 406, 236);
  DrawPanel(p, panel, 18, kPanel);
  QPainterPath clip;
  clip.addRoundedRect(panel, 18, 18);
  p.setClipPath(clip);
  p.fillRect(QRectF(7, 7, 406, 42), kYellow);
  p.fillRect(QRectF(7, 49, 406, 3), kYellowDeep);
  p.setClipping(false);
  DrawStar(p, QPointF(180, 28), 12, kCoral, kWhite, 1.5);
  DrawStar(p, QPointF(210, 28), 14, kWhite, kYellowDeep, 1.5);
  DrawStar(p, QPointF(240, 28), 12, kGreen, kWhite, 1.5);
  return img;
}

QImage MenuBackground(QSize size) {
  const int W = size.width(), H = size.height();
  QImage img = NewPicture(W, H, kSky);
  QPainter p(&img);
  const QRectF all(img.rect());
  DrawSky(p, all, 0);
  DrawHills(p, all, H * 0.70, 0);
  DrawLine(p, QRectF(0, H * 0.02, W, H / 6 - 16 - H * 0.02), QStringLiteral("Mini Fonikra Cz.I"), TitleStyle(H * 0.11));

  // The panel holds the three captions and rows of choices; its colour is
  // the one the check buttons and captions paint around themselves.
  const int left = (W / 33) * 9;
  const int right = left + 3 * (W / 8) + 90;
  const QRectF panel(left - 30, H / 6 - 14, right - left + 60, (7 * H) / 12 + 44 + 14 - (H / 6 - 14));
  DrawPanel(p, panel.translated(0, 5), 30, QColor(0, 0, 0, 35));
  DrawPanel(p, panel, 30, kPanel, kYellowDeep, 5);
  return img;
}

QImage ChooserBackground(QSize size) {
  const int W = size.width(), H = size.height();
  QImage img = NewPicture(W, H, kSky);
  QPainter p(&img);
  const QRectF all(img.rect());
  DrawSky(p, all, 2);
  DrawHills(p, all, H * 0.70, 0);
  const qreal u = H / 600.0;
  // Balloons in the corners of the title's band, clear of the children's
  // buttons below it.
  DrawBalloon(p, QPointF(W * 0.07, H * 0.06), 22 * u, kCoral);
  DrawBalloon(p, QPointF(W * 0.13, H * 0.09), 17 * u, kYellow);
  DrawBalloon(p, QPointF(W * 0.93, H * 0.07), 20 * u, kGreen);
  DrawLine(p, QRectF(W * 0.16, H * 0.02, W * 0.68, H / 6 - 16 - H * 0.02), QStringLiteral("Kto dziś ćwiczy?"),
           TitleStyle(H * 0.11));
  return img;
}

QImage MemoryBackground(QSize size) {
  const int W = size.width(), H = size.height();
  const bool small = size == kSmall;
  QImage img = NewPicture(W, H, kSky);
  QPainter p(&img);
  const QRectF all(img.rect());
  DrawSky(p, all, 1);
  DrawHills(p, all, H * 0.80, 1);
  // The card table covers every grid the deal can use, with a margin that
  // keeps the corner cards clear of its rounded corners.
  const QRectF table = small ? QRectF(80, 76, 460, 454) : QRectF(168, 168, 464, 460);
  DrawPanel(p, table.translated(0, 5), 24, QColor(0, 0, 0, 35));
  DrawPanel(p, table, 24, kPanel, kYellowDeep, 5);
  const QRectF title = small ? QRectF(table.left(), 6, table.width(), 64) : QRectF(table.left(), 36, table.width(), 110);
  DrawLine(p, title, QStringLiteral("Memory"), TitleStyle(small ? 58 : 84));
  // The stand where a found pair's large picture appears.
  DrawStand(p, small ? QRectF(583, 188, 180, 220) : QRectF(743, 235, 240, 290), small ? 10 : 12);
  return img;
}

// The labelling game's background, and with `strip` false the filling
// game's, whose tiles never leave the bottom band.
QImage TileGameBackground(QSize size, const QString& name, bool strip) {
  const int W = size.width(), H = size.height();
  const bool small = size == kSmall;
  QImage img = NewPicture(W, H, kSky);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF all(img.rect());
  DrawSky(p, all, 2);
  DrawHills(p, all, H * 0.56, 2);

  // The tray: the left strip and the bottom band where tiles are scattered,
  // with the slot row in the band. Tiles paint their corners in its colour.
  const qreal stripRight = strip ? W / 5 + 75 + 10 : W / 10 - 14;
  const qreal bandTop = H - H / 4 - 10;
  // Both parts run off the screen's edges, so no rounded corner of the tray
  // lies where a tile can be dropped.
  QPainterPath tray;
  if (strip) tray.addRoundedRect(QRectF(-40, -40, stripRight + 40, H + 80), 26, 26);
  tray.addRoundedRect(QRectF(-40, bandTop, W + 80, H + 40 - bandTop), 26, 26);
  tray.setFillRule(Qt::WindingFill);
  tray = tray.simplified();
  p.fillPath(tray.translated(0, 4), QColor(0, 0, 0, 35));
  p.fillPath(tray, kPanel);
  p.strokePath(tray, QPen(kYellowDeep, 5));

  const QRectF title = small ? QRectF(stripRight + 14, 14, W - W / 10 - 14 - stripRight - 14, 74)
                             : QRectF(stripRight + 18, 22, W - W / 10 - 18 - stripRight - 18, 100);
  DrawLine(p, title, name, TitleStyle(small ? 54 : 74));
  DrawStand(p, small ? QRectF(274, 140, 252, 290) : QRectF(348, 172, 328, 380), 10);
  return img;
}

QImage FallingBackground(QSize size) {
  const int W = size.width(), H = size.height();
  const bool small = size == kSmall;
  QImage img = NewPicture(W, H, kSky);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF all(img.rect());
  DrawSky(p, all, 1);
  // The ground the pictures fall onto: grass along the bottom.
  DrawHills(p, all, H - H / 10 - H * 0.06, 2);
  const QRectF title = small ? QRectF(W / 10, 10, W - W / 5 - 14, 70) : QRectF(W / 10, 16, W - W / 5 - 18, 96);
  DrawLine(p, title, QString::fromUtf8("Spadające"), TitleStyle(small ? 50 : 68));
  return img;
}

QImage AboutBackground(QSize size) {
  const int W = size.width(), H = size.height();
  QImage img = NewPicture(W, H, kBlueDeep);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const qreal u = H / 600.0;
  // Scattered stars and dots along the edges, none in the middle.
  struct Dot { qreal x, y, r; int kind; };
  static const Dot kDots[] = {
      {0.05, 0.08, 14, 0}, {0.14, 0.16, 8, 1}, {0.09, 0.34, 10, 2}, {0.04, 0.58, 12, 0}, {0.10, 0.80, 9, 1},
      {0.06, 0.93, 13, 2}, {0.95, 0.07, 12, 1}, {0.86, 0.13, 9, 0}, {0.93, 0.30, 14, 2}, {0.96, 0.52, 9, 0},
      {0.90, 0.74, 12, 1}, {0.95, 0.92, 14, 0}, {0.22, 0.05, 7, 2}, {0.78, 0.04, 8, 2}, {0.28, 0.94, 9, 0},
      {0.72, 0.95, 9, 2},
  };
  const QColor colours[3] = {kYellow, kCoral, kGreenLight};
  for (const Dot& d : kDots) {
    const QPointF c(W * d.x, H * d.y);
    if (d.kind == 0) {
      DrawStar(p, c, d.r * u * 1.2, colours[0]);
    } else {
      p.setPen(Qt::NoPen);
      p.setBrush(colours[d.kind]);
      p.drawEllipse(c, d.r * u * 0.7, d.r * u * 0.7);
    }
  }
  TextStyle title = TitleStyle(H * 0.10);
  title.color = kYellow;
  DrawLine(p, QRectF(0, H * 0.03, W, H * 0.13), QStringLiteral("O programie"), title);
  // The middle carries white text and the logo: one flat, darker colour.
  const QRectF panel(W * 0.14, H * 0.18, W * 0.72, H * 0.59);
  DrawPanel(p, panel, 30 * u, kNightPanel, Mix(kNightPanel, kWhite, 0.25), 3 * u);
  return img;
}

QImage ClosingPicture(QSize size) {
  const int W = size.width(), H = size.height();
  QImage img = NewPicture(W, H, kSky);
  QPainter p(&img);
  const QRectF all(img.rect());
  DrawSky(p, all, 0);
  DrawHills(p, all, H * 0.66, 0);
  const qreal u = H / 600.0;
  // Balloons float beside the message, never over it.
  DrawBalloon(p, QPointF(W * 0.07, H * 0.30), 30 * u, kCoral);
  DrawBalloon(p, QPointF(W * 0.12, H * 0.56), 26 * u, kYellow);
  DrawBalloon(p, QPointF(W * 0.88, H * 0.57), 28 * u, kGreen);
  DrawBalloon(p, QPointF(W * 0.94, H * 0.31), 24 * u, kCoral);
  DrawLine(p, QRectF(W * 0.1, H * 0.14, W * 0.8, H * 0.2), QStringLiteral("Do zobaczenia!"), TitleStyle(H * 0.15));
  const QRectF pill(W * 0.16, H * 0.40, W * 0.68, H * 0.11);
  DrawPanel(p, pill.translated(0, 4 * u), pill.height() / 2, QColor(0, 0, 0, 30));
  DrawPanel(p, pill, pill.height() / 2, kPanel, kYellowDeep, 3 * u);
  DrawLine(p, pill.adjusted(pill.height() * 0.45, 6 * u, -pill.height() * 0.45, -6 * u),
           QStringLiteral("Dziękujemy za wspólne ćwiczenia."), InkStyle(H * 0.05));
  return img;
}

QImage SummaryBackground(int rating) {
  QImage img = NewPicture(600, 450, kBlue);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  // The window shows (5, 5)-(600, 450) with rounded corners; the blue rim
  // fills what the cut leaves of the corners.
  const QRectF inner(14, 14, 578, 428);
  QPainterPath shape;
  shape.addRoundedRect(inner, 34, 34);
  p.setClipPath(shape);
  DrawSky(p, inner, rating);
  DrawHills(p, inner, 392, rating);
  p.setClipping(false);
  p.strokePath(shape, QPen(Mix(kBlue, kWhite, 0.3), 2));

  static const QString kHeadings[3] = {QStringLiteral("Spróbuj jeszcze raz!"), QStringLiteral("Dobrze!"),
                                       QStringLiteral("Doskonale!")};
  static const QColor kRims[3] = {kCoralDark, kBlueDeep, kGreenDark};
  const int stars = qBound(0, rating, 2) + 1;
  for (int i = 0; i < 3; ++i) {
    const bool earned = i < stars;
    const qreal r = i == 1 ? 27 : 22;
    DrawStar(p, QPointF(240 + i * 60, i == 1 ? 42 : 48), r, earned ? kYellow : Mix(kBlue, kSkyTop, 0.5),
             earned ? kYellowDeep : kWhite, 2);
  }
  TextStyle heading = TitleStyle(58);
  heading.outline = kRims[qBound(0, rating, 2)];
  DrawLine(p, QRectF(40, 76, 520, 78), kHeadings[qBound(0, rating, 2)], heading);
  // Plain ground under the results.
  const QRectF results(70, 166, 460, 166);
  DrawPanel(p, results.translated(0, 4), 22, QColor(0, 0, 0, 30));
  DrawPanel(p, results, 22, kPanel, kYellowDeep, 4);
  return img;
}

void RenderInterfaceArt(const PictureSink& sink) {
  const QString dir = QStringLiteral("Intf/Spec/");
  sink(dir + QStringLiteral("mT_Splh.xji"), SplashPicture());
  sink(dir + QStringLiteral("mKom_kp.xji"), DialogBackground());

  for (const MenuTabPlaces& m : {kMenuTabsSmall, kMenuTabsBig}) {
    const QString s = QLatin1String(m.suffix);
    const QImage menu = MenuBackground(m.screen);
    sink(dir + QStringLiteral("mT_Kto") + s + QStringLiteral(".xji"), ChooserBackground(m.screen));
    sink(dir + QStringLiteral("mT_m0") + s + QStringLiteral(".xji"), menu);
    RenderMenuTabs(menu, m, sink);
    sink(dir + QStringLiteral("mT_Mem") + s + QStringLiteral(".xji"), MemoryBackground(m.screen));
    sink(dir + QStringLiteral("mT_Pod") + s + QStringLiteral("1.xji"), TileGameBackground(m.screen, QStringLiteral("Podpisywanie"), true));
    sink(dir + QStringLiteral("mT_Uzu") + s + QStringLiteral("1.xji"), TileGameBackground(m.screen, QString::fromUtf8("Uzupełnianie"), false));
    sink(dir + QStringLiteral("mT_Spa") + s + QStringLiteral("1.xji"), FallingBackground(m.screen));
    sink(dir + QStringLiteral("mT_OPro") + s + QStringLiteral(".xji"), AboutBackground(m.screen));
    sink(dir + QStringLiteral("comm") + s + QStringLiteral(".xji"), ClosingPicture(m.screen));
  }
  sink(dir + QStringLiteral("mStatsB.xji"), SummaryBackground(0));
  sink(dir + QStringLiteral("mStatsM.xji"), SummaryBackground(1));
  sink(dir + QStringLiteral("mStatsG.xji"), SummaryBackground(2));
}
