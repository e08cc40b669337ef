// The results window over a long history: 100 000 games opened (file read,
// table, filters and chart made, the window painted) and the table sorted
// once by another column. Prints the best of a few runs in milliseconds and
// the process's peak resident memory, which includes Qt's own.
#include <QApplication>
#include <QFile>
#include <QTableView>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>

#include "support/services.h"
#include "longhistory.h"
#include "resultswindow/resultswindow.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kGames = 100000;
constexpr int kRuns = 3;

double PeakResidentMb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024.0;  // kilobytes on Linux
}

double MsSince(Clock::time_point t0) { return std::chrono::duration<double, std::milli>(Clock::now() - t0).count(); }

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QTemporaryDir dir;
  QFile file(dir.filePath(QStringLiteral("prgst6.stt")));
  {
    const QByteArray bytes = bench::LongHistory(kGames);
    if (!dir.isValid() || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
      std::fprintf(stderr, "bench_results: cannot write the statistics file\n");
      return 1;
    }
    file.close();
  }
  const double baseMb = PeakResidentMb();

  double openMs = 1e18, sortMs = 1e18;
  int rows = 0;
  for (int r = 0; r < kRuns; ++r) {
    Clock::time_point t0 = Clock::now();
    auto window = std::make_unique<ResultsWindow>(ResultsSetup{.baseFolder = dir.path(), .inUseFolder = dir.path(), .services = testing::Services()});
    window->show();
    QApplication::processEvents();
    openMs = std::min(openMs, MsSince(t0));
    rows = window->Table()->model()->rowCount();

    t0 = Clock::now();
    window->Table()->sortByColumn(resultswindow::kCorrect, Qt::AscendingOrder);
    QApplication::processEvents();
    sortMs = std::min(sortMs, MsSince(t0));
  }
  if (rows != kGames) {
    std::fprintf(stderr, "bench_results: the window shows %d games instead of %d\n", rows, kGames);
    return 1;
  }
  std::printf("results window: %d games; peak memory before opening %.1f MB\n", kGames, baseMb);
  std::printf("FIGURE results_open_100k %.1f ms\n", openMs);
  std::printf("FIGURE results_sort_100k %.1f ms\n", sortMs);
  std::printf("FIGURE results_peak_rss_100k %.1f MB\n", PeakResidentMb());
  return 0;
}
