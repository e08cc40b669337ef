#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

#include "wordpictures.h"

// The vector icons the word pictures are drawn from: an Iconify JSON icon set
// (icons.json: every icon's SVG body on a common view box, plus aliases that
// name another icon) and its info.json with the licence.
class IconSet {
 public:
  // Reads <folder>/icons.json and <folder>/info.json. Throws AssetError when
  // either is missing or malformed, or the licence is not MIT (the notice we
  // ship would then be wrong).
  static IconSet Read(const QString& folder);
  // From the text of icons.json alone, for tests.
  static IconSet Parse(const QByteArray& iconsJson, const QString& sourceName);

  bool Has(const QString& name) const;
  // A complete SVG document of the icon. Throws AssetError for an unknown name.
  QByteArray Svg(const QString& name) const;
  // Fails, naming every word concerned, when a word's icon is not in the set.
  void CheckWords(const QList<WordEntry>& words) const;

  const QString& Author() const { return author_; }
  const QString& LicenceUrl() const { return licenceUrl_; }

 private:
  struct Icon {
    QString body;
    int width = 0;
    int height = 0;
  };
  QString Resolve(const QString& name) const;

  QString source_;
  QHash<QString, Icon> icons_;
  QHash<QString, QString> aliases_;
  QString author_;
  QString licenceUrl_;
};

// Draws the word's icon, as large as the box allows, centred, with no text
// (a written word would give the answer away).
WordPainter IconPainter(const IconSet& icons);
