// Start-up to a ready main menu (every screen made, all artwork decoded),
// with the splash's fixed wait faked away, at 800 x 600 and 1024 x 768; and
// the peak resident memory of the process once the menu is up. Each size runs
// in a process of its own, so that its memory figure is its own.
#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "app/startup.h"
#include "menu/Main.h"
#include "screens/Reklama.h"
#include "support/programdir.h"
#include "support/seams.h"
#include "widgets/_cprzycisk.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kRuns = 15;

// A window of the program as the desktop sees it, when it is on screen.
template <typename T>
T* ShownWindow() {
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (auto* window = qobject_cast<T*>(w); window && window->isVisible()) return window;
  }
  return nullptr;
}

double PeakResidentMb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024.0;  // kilobytes on Linux
}

// One start: the time until the menu shows, and the process's peak memory
// at that moment. Leaves through Escape and the closing screen.
struct Start {
  double ms = -1;
  double peakMb = 0;
};

Start RunOnce(QSize display) {
  testing::ProgramDir dir;
  if (!dir.UseBuiltContent()) return {};
  testing::FakeScreen screen(display);
  testing::FakeMessageBox box;
  testing::FakeSleep sleep;
  testing::FakeSound sound;

  Start result;
  const auto begin = Clock::now();
  // A zero timer runs on every pass of the event loop: the first pass that
  // sees the menu shown ends the measurement.
  // Leaving: a timer of its own clicks the closing screen's button, since a
  // timer does not fire again while its handler is still running.
  QTimer poll;
  QTimer closer;
  poll.setInterval(0);
  closer.setInterval(0);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    TfmMain* menu = ShownWindow<TfmMain>();
    if (!menu) return;
    result.ms = std::chrono::duration<double, std::milli>(Clock::now() - begin).count();
    result.peakMb = PeakResidentMb();
    poll.stop();
    closer.start();
    QTest::keyClick(menu, Qt::Key_Escape);
  });
  QObject::connect(&closer, &QTimer::timeout, [&] {
    TfmReklama* closing = ShownWindow<TfmReklama>();
    if (!closing) return;
    closer.stop();
    QTest::mouseClick(closing->findChild<CPrzyciskP*>(), Qt::LeftButton, {}, QPoint(10, 10));
  });
  poll.start();
  RunMiniFonikra(testing::Services());
  return result;
}

int MeasureSize(int argc, char** argv, QSize display) {
  QTemporaryDir lockDir;  // the single-instance lock lives in the temporary folder
  qputenv("TMPDIR", lockDir.path().toLocal8Bit());
  QApplication app(argc, argv);
  std::vector<double> times;
  double firstPeak = 0;
  for (int i = 0; i <= kRuns; ++i) {
    const Start s = RunOnce(display);
    if (s.ms < 0) {
      std::fprintf(stderr, "bench_startup: the menu never came up at %dx%d\n", display.width(), display.height());
      return 1;
    }
    if (i == 0) {
      firstPeak = s.peakMb;  // the first start, as the user has it
    } else {
      times.push_back(s.ms);  // later starts find the files in the page cache
    }
  }
  std::sort(times.begin(), times.end());
  const char* tag = display.width() == 800 ? "800x600" : "1024x768";
  std::printf("FIGURE startup_%s %.1f ms (median of %d; min %.1f, max %.1f)\n", tag, times[times.size() / 2], kRuns,
              times.front(), times.back());
  std::printf("FIGURE peak_rss_%s %.1f MB (at the first ready menu; %.1f MB after %d more starts)\n", tag, firstPeak,
              PeakResidentMb(), kRuns);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  int failed = 0;
  for (QSize display : {QSize(800, 600), QSize(1024, 768)}) {
    std::fflush(stdout);
    const pid_t pid = fork();
    if (pid == 0) {
      const int rc = MeasureSize(argc, argv, display);
      std::fflush(stdout);
      _exit(rc);
    }
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) failed = 1;
  }
  return failed;
}
