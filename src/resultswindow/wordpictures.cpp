#include "resultswindow/wordpictures.h"

#include <QFileInfo>

#include "platform/jpeg.h"
#include "recorder/voicelibrary.h"
#include "words/segmentation.h"
#include "words/spaczka.h"

namespace resultswindow {

QPixmap WordPictures::Of(const QString& key) {
  // A key is part of a file name: only the catalogue's plain keys.
  if (!recorder::IsWordKey(key)) return {};
  auto it = loaded_.constFind(key);
  if (it != loaded_.constEnd()) return *it;
  QPixmap picture;
  const QString path = content_.Path(QStringLiteral("Sio/s") + key + QStringLiteral(".xji"));
  if (QFileInfo(path).isFile()) {
    try {
      picture = QPixmap::fromImage(platform::LoadJpegFile(path));
    } catch (const platform::ImageError&) {
      // A broken picture leaves the word with its name alone.
    }
  }
  loaded_.insert(key, picture);
  return picture;
}

QString WrittenWord(const SPaczka& word) {
  const QString spelling = words::Spelling(words::ScanSegmentation(word.Podzial));
  return spelling.isEmpty() ? word.Nazwa : spelling;
}

}  // namespace resultswindow
