// Decoding of the JPEG and bitmap artwork, and the named-picture library:
// every broken input is an error the program can catch, never a dead process.
#include <QtTest>

#include "pictres/pictres.h"
#include "platform/jpeg.h"

namespace {

QByteArray EncodeJpeg(const QImage& image) {
  QByteArray data;
  QBuffer buffer(&data);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "JPG", 95);
  return data;
}

QImage Gradient(int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) image.setPixel(x, y, qRgb(x * 255 / w, y * 255 / h, 128));
  return image;
}

void WriteFile(const QString& path, const QByteArray& data) {
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write(data);
}

}  // namespace

class ImagesTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void decodesAJpegIntoTheSurfaceFormat() {
    const QImage source = Gradient(64, 48);
    const QImage image = platform::DecodeJpeg(EncodeJpeg(source));
    QCOMPARE(image.size(), QSize(64, 48));
    QCOMPARE(image.format(), QImage::Format_RGB32);
    // Lossy, but close to the source.
    const QColor a = image.pixelColor(40, 30), b = source.pixelColor(40, 30);
    QVERIFY(qAbs(a.red() - b.red()) < 12 && qAbs(a.green() - b.green()) < 12 && qAbs(a.blue() - b.blue()) < 12);
  }

  void brokenJpegDataRaisesAnError_data() {
    QTest::addColumn<QByteArray>("data");
    const QByteArray good = EncodeJpeg(Gradient(32, 32));
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("not a jpeg") << QByteArray("GIF89a this is not a picture at all");
    QTest::newRow("marker only") << QByteArray("\xFF\xD8", 2);
    QTest::newRow("header cut short") << good.left(40);
    QByteArray forged = good;
    // Width and height of the frame header set to 65500 x 65500.
    const int sof = forged.indexOf(QByteArray("\xFF\xC0", 2));
    QVERIFY(sof > 0);
    forged[sof + 5] = char(0xFF); forged[sof + 6] = char(0xDC);
    forged[sof + 7] = char(0xFF); forged[sof + 8] = char(0xDC);
    QTest::newRow("forged huge size") << forged;
    QByteArray badTables = good;
    const int dqt = badTables.indexOf(QByteArray("\xFF\xDB", 2));
    badTables[dqt + 2] = char(0xFF);  // segment length past the end
    QTest::newRow("bad segment length") << badTables;
  }
  void brokenJpegDataRaisesAnError() {
    QFETCH(QByteArray, data);
    QVERIFY_THROWS_EXCEPTION(platform::ImageError, platform::DecodeJpeg(data));
  }

  void truncatedScanDataStillDecodes() {
    // A picture cut off in its pixel data is shown as far as it goes, as the
    // usual decoders do: it is not a fatal fault of the file.
    const QByteArray good = EncodeJpeg(Gradient(64, 64));
    const QImage image = platform::DecodeJpeg(good.left(good.size() * 2 / 3));
    QCOMPARE(image.size(), QSize(64, 64));
  }

  void filesAreReadByContentWhateverTheirExtension() {
    QTemporaryDir dir;
    const QImage source = Gradient(20, 10);
    WriteFile(dir.filePath("pic.xji"), EncodeJpeg(source));
    QCOMPARE(platform::LoadJpegFile(dir.filePath("pic.xji")).size(), QSize(20, 10));
    QVERIFY(source.save(dir.filePath("tab.xbi"), "BMP"));
    const QImage bmp = platform::LoadBmpFile(dir.filePath("tab.xbi"));
    QCOMPARE(bmp.format(), QImage::Format_RGB32);
    QCOMPARE(bmp.pixel(3, 4), source.pixel(3, 4));
    QVERIFY_THROWS_EXCEPTION(platform::ImageError, platform::LoadJpegFile(dir.filePath("missing.xji")));
    QVERIFY_THROWS_EXCEPTION(platform::ImageError, platform::LoadBmpFile(dir.filePath("pic.xji")));
  }

  void namedPicturesComeFromThePictureFolder() {
    QTemporaryDir dir;
    const QString old = QDir::currentPath();
    QDir::setCurrent(dir.path());
    QDir().mkpath("Data/Pict");
    QImage red(7, 5, QImage::Format_RGB32);
    red.fill(Qt::red);
    QVERIFY(red.save("Data/Pict/stop_.png"));
    WriteFile("Data/Pict/broken_A.png", "\x89PNG garbage");

    QImage bitmap;
    OpenBmpFile("Data/Pict", "stop_", bitmap);
    QCOMPARE(bitmap.size(), QSize(7, 5));
    QCOMPARE(bitmap.format(), QImage::Format_RGB32);

    QImage untouched(1, 1, QImage::Format_RGB32);
    QVERIFY_THROWS_EXCEPTION(platform::ImageError, OpenBmpFile("Data/Pict", "stop", untouched));
    QVERIFY_THROWS_EXCEPTION(platform::ImageError, OpenBmpFile("Data/Pict", "broken_A", untouched));
    QVERIFY_THROWS_EXCEPTION(platform::ImageError, OpenBmpFile("Data/Pict", "../Pict/stop_", untouched));
    QVERIFY_THROWS_EXCEPTION(platform::ImageError, OpenBmpFile("Data/Pict", "", untouched));
    QCOMPARE(untouched.size(), QSize(1, 1));
    QDir::setCurrent(old);
  }
};

QTEST_GUILESS_MAIN(ImagesTest)
#include "tst_images.moc"
