// JPEG decoding of the program's largest artwork, through our DecodeJpeg and
// through a tight loop over the plain IJG API of the same libjpeg-turbo into a
// reused buffer: the ratio is what our wrapper costs (the QImage it returns,
// the error manager, the size check). Prints megapixels per second.
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

extern "C" {
#include <jpeglib.h>
}

#include "platform/jpeg.h"

namespace {

using Clock = std::chrono::steady_clock;

// The raw library: header, BGRX output as our decoder asks for, scanlines
// into one buffer kept across calls.
void RawDecode(const QByteArray& data, std::vector<unsigned char>& buffer) {
  jpeg_decompress_struct cinfo;
  jpeg_error_mgr err;
  cinfo.err = jpeg_std_error(&err);
  jpeg_create_decompress(&cinfo);
  jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(data.constData()), static_cast<unsigned long>(data.size()));
  jpeg_read_header(&cinfo, TRUE);
  cinfo.out_color_space = JCS_EXT_BGRX;
  jpeg_start_decompress(&cinfo);
  const size_t stride = size_t(cinfo.output_width) * 4;
  buffer.resize(stride * cinfo.output_height);
  while (cinfo.output_scanline < cinfo.output_height) {
    JSAMPROW row = buffer.data() + stride * cinfo.output_scanline;
    jpeg_read_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_decompress(&cinfo);
  jpeg_destroy_decompress(&cinfo);
}

// Best of several rounds of at least `roundMs` each, in decodes per second:
// the best round is the one least disturbed by other work on the machine.
double BestRate(const std::function<void()>& decode, int rounds, int roundMs) {
  double best = 0;
  for (int r = 0; r < rounds; ++r) {
    int n = 0;
    const auto start = Clock::now();
    double seconds = 0;
    do {
      decode();
      ++n;
      seconds = std::chrono::duration<double>(Clock::now() - start).count();
    } while (seconds * 1000 < roundMs);
    best = std::max(best, n / seconds);
  }
  return best;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QString dataDir = qEnvironmentVariable("FONIKRA_DATA_DIR");
  // The largest ".xji" of the artwork.
  QString path;
  qint64 largest = -1;
  for (QDirIterator it(dataDir, {QStringLiteral("*.xji")}, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
    const QFileInfo info(it.next());
    if (info.size() > largest) {
      largest = info.size();
      path = info.filePath();
    }
  }
  QFile file(path);
  if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "bench_jpeg: no artwork under FONIKRA_DATA_DIR\n");
    return 1;
  }
  const QByteArray data = file.readAll();
  const QImage probe = platform::DecodeJpeg(data);
  const double megapixels = double(probe.width()) * probe.height() / 1e6;

  std::vector<unsigned char> buffer;
  double ours = 0;
  double raw = 0;
  // Interleaved, so that both see the same machine.
  for (int i = 0; i < 3; ++i) {
    raw = std::max(raw, BestRate([&] { RawDecode(data, buffer); }, 3, 300));
    ours = std::max(ours, BestRate([&] { (void)platform::DecodeJpeg(data); }, 3, 300));
  }
  std::printf("artwork: %s, %d x %d, %lld bytes\n", qPrintable(QFileInfo(path).fileName()), probe.width(),
              probe.height(), static_cast<long long>(data.size()));
  std::printf("FIGURE jpeg_ours %.1f MP/s\n", ours * megapixels);
  std::printf("FIGURE jpeg_raw %.1f MP/s\n", raw * megapixels);
  std::printf("FIGURE jpeg_ratio %.3f ours/raw\n", ours / raw);
  return 0;
}
