// Arbitrary bytes as a child's profil.ini, read as the list of children reads
// it: what comes out is a name fit to show and a picture key fit for a file
// name, or no profile at all.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "profiles/profiles.h"
#include "recorder/voicelibrary.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
  QString name, picture;
  if (!profiles::ParseInfo(bytes, QStringLiteral("Ola"), &name, &picture)) return 0;
  if (name.isEmpty() || name.size() > profiles::kMaxNameLength) std::abort();
  if (name != name.simplified() || profiles::ShownName(name) != name) std::abort();
  for (char16_t mark : {u'\u200E', u'\u200F', u'\u061C', u'\u202A', u'\u202B', u'\u202C', u'\u202D', u'\u202E',
                        u'\u2066', u'\u2067', u'\u2068', u'\u2069'})
    if (name.contains(QChar(mark))) std::abort();
  if (!picture.isEmpty() && !recorder::IsWordKey(picture)) std::abort();
  return 0;
}
