// Arbitrary bytes as Data/words.txt: every word that comes out keeps the
// rules the games rely on, whatever the damaged lines around it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "words/segmentation.h"
#include "words/wordbits.h"
#include "words/wordlist.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto words = words::ParseWordList(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
  for (const SPaczka& w : words) {
    if (w.Nazwa.isEmpty()) std::abort();
    for (QChar c : w.Nazwa) {
      if (c.unicode() > 127 || !c.isLetter()) std::abort();
    }
    if ((w.Flagi & words::kAnySoundMask) == 0 || (w.Flagi & words::kPositionMask) == 0) std::abort();
    if ((w.Flagi & ~(words::kAnySoundMask | words::kPositionMask)) != 0) std::abort();
    // The labelling board makes one tile per token and sizes its list by the key.
    const auto tokens = words::ScanSegmentation(w.Podzial);
    if (tokens.empty() || tokens.size() > size_t(w.Nazwa.size())) std::abort();
    bool marked = false;
    for (const auto& t : tokens) marked = marked || t.marked;
    if (!marked) std::abort();
  }
  return 0;
}
