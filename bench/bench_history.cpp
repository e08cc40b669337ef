// The command-line export of a long history: 100 000 games read from a
// statistics file and written as CSV, the whole export as the user runs it
// (read, decode, format, write through a temporary file). Prints the best of
// several runs in milliseconds, wall-clock and CPU, and the reading alone.
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>

#include "history/statscsv.h"
#include "history/statsfile.h"
#include "longhistory.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kGames = 100000;
constexpr int kRuns = 5;

// Best of several runs, in wall-clock and in process CPU milliseconds: on a
// busy machine the CPU figure is the steadier of the two.
struct Best {
  double wallMs = 1e18;
  double cpuMs = 1e18;
};

template <typename F>
Best BestOf(F run) {
  Best best;
  for (int r = 0; r < kRuns; ++r) {
    const auto t0 = Clock::now();
    const std::clock_t c0 = std::clock();
    run();
    const double cpu = 1000.0 * double(std::clock() - c0) / CLOCKS_PER_SEC;
    best.wallMs = std::min(best.wallMs, std::chrono::duration<double, std::milli>(Clock::now() - t0).count());
    best.cpuMs = std::min(best.cpuMs, cpu);
  }
  return best;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QTemporaryDir dir;
  const QString stats = dir.filePath(QStringLiteral("prgst6.stt"));
  const QString csv = dir.filePath(QStringLiteral("wyniki.csv"));
  QFile file(stats);
  const QByteArray bytes = bench::LongHistory(kGames);
  if (!dir.isValid() || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
    std::fprintf(stderr, "bench_history: cannot write the statistics file\n");
    return 1;
  }
  file.close();

  QString said;
  QTextStream out(&said);
  QTextStream err(&said);
  int code = 0;
  const Best exported = BestOf([&] { code |= history::ExportStatsCsv(stats, csv, out, err); });
  qsizetype records = 0;
  const Best read = BestOf([&] { records = history::ReadStatsFile(stats).records.size(); });
  if (code != 0 || records != kGames) {
    std::fprintf(stderr, "bench_history: the export failed: %s\n", qPrintable(said));
    return 1;
  }
  std::printf("history: %d games, %lld bytes in, %lld bytes of CSV out\n", kGames, static_cast<long long>(bytes.size()),
              static_cast<long long>(QFile(csv).size()));
  std::printf("FIGURE history_csv_100k %.1f ms\n", exported.wallMs);
  std::printf("FIGURE history_csv_100k_cpu %.1f ms\n", exported.cpuMs);
  std::printf("FIGURE history_read_100k %.1f ms\n", read.wallMs);
  return 0;
}
