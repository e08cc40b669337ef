#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <functional>

// Baseline JPEG through libjpeg, 4:4:4 so that coloured edges and the mattes
// stay crisp. Throws AssetError.
QByteArray EncodeJpeg(const QImage& image, int quality = 90);

// Receives every rendered picture under its path relative to the Data folder;
// the extension decides the file kind.
using PictureSink = std::function<void(const QString& relativePath, const QImage& image)>;

// Writes pictures into a Data folder: ".xji" as JPEG, ".xbi" as a 24-bit
// Windows bitmap, ".png" as an RGB PNG. Folders are made as needed; a file is
// replaced atomically, and nothing else in the folder is touched.
class PictureWriter {
 public:
  explicit PictureWriter(QString dataDir);
  void Write(const QString& relativePath, const QImage& image);
  int Count() const { return count_; }

 private:
  QString dataDir_;
  int count_ = 0;
};

// Writes bytes to a file through a temporary file, making its folder.
void WriteDataFile(const QString& path, const QByteArray& bytes);
