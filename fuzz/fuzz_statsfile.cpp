// Arbitrary bytes as the statistics file: the reader either refuses them with
// a reason or returns every whole record that can be a game (the others
// counted and warned about), and the CSV of what it returned has
// one line per game after the headings.
#include <QBuffer>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "history/statscsv.h"
#include "history/statsfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
  const history::StatsFile file = history::ReadStatsBytes(bytes, QStringLiteral("prgst6.stt"));
  if (!file.Ok()) {
    if (!file.records.isEmpty()) std::abort();
    return 0;
  }
  const qint64 body = bytes.size() - statrec::kHeaderSize;
  if (file.records.size() + file.skippedRecords != body / statrec::kRecordSize) std::abort();
  if (file.ignoredBytes != body % statrec::kRecordSize) std::abort();
  if ((file.ignoredBytes > 0 || file.skippedRecords > 0) == file.warning.isEmpty()) std::abort();

  const QList<QStringList> rows = history::StatsTable(file.records);
  QBuffer csv;
  csv.open(QIODevice::WriteOnly);
  if (!history::WriteCsv(rows, csv)) std::abort();
  // No field of a game needs quoting, so every line ends a row.
  if (csv.data().count("\r\n") != rows.size()) std::abort();
  return 0;
}
