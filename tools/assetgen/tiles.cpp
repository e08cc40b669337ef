#include "tiles.h"

#include <QHash>
#include <QPainter>

#include "asseterror.h"
#include "words/letterfilename.h"
#include "style.h"

using namespace palette;

QStringList TileTexts(const QList<WordEntry>& words) {
  QStringList texts = QString::fromUtf8("a ą b c ć d e ę f g h i j k l ł m n ń o ó p r s ś t u w y z ź ż sz cz rz ch dz dż dź")
                          .split(QLatin1Char(' '));
  for (const WordEntry& w : words) {
    for (const words::Token& t : w.tokens) {
      if (!texts.contains(t.phoneme)) texts.append(t.phoneme);
    }
  }
  return texts;
}

QImage Tile(const QString& text, bool red) {
  QImage img = NewPicture(55, 55, kPanel);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  DrawPanel(p, QRectF(1, 2, 53, 53), 10, Mix(kYellowDeep, kPanel, 0.3));
  DrawPanel(p, QRectF(1, 1, 53, 52), 10, QColor(0xff, 0xfd, 0xf6), Mix(kBlue, Qt::white, 0.25), 2.5);
  // One baseline for every tile, placed so that the tallest and the deepest
  // Polish letters both fit: letters of different tiles line up in a word.
  const QFont font = TextFont(36, true);
  QPainterPath reference;
  reference.addText(0, 0, font, QStringLiteral("dłżźąjy"));
  const QRectF ref = reference.boundingRect();
  QPainterPath path;
  path.addText(0, 0, font, text);
  path.setFillRule(Qt::WindingFill);  // overlapping glyph contours must not leave holes
  const qreal width = path.boundingRect().width();
  if (width > 45) {
    // Wide digraphs shrink about the same baseline.
    const qreal scale = 45 / width;
    path = QTransform::fromScale(scale, scale).map(path);
  }
  const QRectF ink = path.boundingRect();
  const qreal baseline = 27.5 - (ref.top() + ref.bottom()) / 2;
  p.fillPath(path.translated(27.5 - ink.center().x(), baseline), red ? kLetterRed : kInk);
  return img;
}

void RenderTiles(const QList<WordEntry>& words, const PictureSink& sink) {
  QHash<QString, QString> owners;
  for (const QString& text : TileTexts(words)) {
    const QString stem = LetterFileName(text);
    if (owners.contains(stem)) {
      throw AssetError(QStringLiteral("tiles \"%1\" and \"%2\" would share the file %3.png").arg(owners[stem], text, stem));
    }
    owners.insert(stem, text);
    sink(QStringLiteral("Pict/") + stem + QStringLiteral(".png"), Tile(text, false));
    sink(QStringLiteral("Pict/") + stem + QStringLiteral("_red.png"), Tile(text, true));
  }
}
