// Arbitrary text as a word's segmentation ("_sz,k,o,ł,a,"): every phoneme is
// non-empty, holds no comma, a text the word lists accept is cut the same way
// by the board, and the slot row and scatter work for that many tiles on both
// screen sizes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include <QSize>

#include "games/labelling/layout.h"
#include "words/segmentation.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
  const std::vector<words::Token> tokens = words::ScanSegmentation(text);
  for (const words::Token& t : tokens) {
    if (t.phoneme.isEmpty() || t.phoneme.contains(QLatin1Char(','))) std::abort();
  }
  const words::CheckedSegmentation checked = words::CheckSegmentation(text);
  if (checked.fault == words::SegmentationFault::None && checked.tokens != tokens) std::abort();
  const int n = int(tokens.size());
  if (n == 0 || n > 12) return 0;
  quint32 state = quint32(size) * 2654435761u;
  const labelling::RandomSource next = [&state] {
    state = state * 1103515245u + 12345u;
    return qint32((state >> 1) & 0x7fffffff);
  };
  for (const QSize screen : {QSize(800, 600), QSize(1024, 768)}) {
    std::vector<QPoint> tiles;
    for (int i = 0; i < n; ++i) tiles.push_back(labelling::SlotPosition(i, n, screen.width(), screen.height()));
    labelling::Scatter(tiles, screen.width(), screen.height(), next, 50);
  }
  return 0;
}
