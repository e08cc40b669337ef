#include "platform/system.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QUrl>
#include <chrono>

#include "platform/wait.h"

namespace platform {

namespace {

// Days from 1970-01-01 to a civil date (proleptic Gregorian calendar).
qint64 DaysFromCivil(qint64 y, unsigned m, unsigned d) {
  y -= m <= 2;
  const qint64 era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<qint64>(doe) - 719468;
}

void CivilFromDays(qint64 z, qint64& y, unsigned& m, unsigned& d) {
  z += 719468;
  const qint64 era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  y = static_cast<qint64>(yoe) + era * 400;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  d = doy - (153 * mp + 2) / 5 + 1;
  m = mp + (mp < 10 ? 3 : -9);
  y += m <= 2;
}

// 1601-01-01 lies this many days before 1970-01-01.
constexpr qint64 kDaysFrom1601To1970 = 134774;
constexpr qint64 kTicksPerMs = 10000;
constexpr qint64 kMsPerDay = 86400000;

class RealClock : public Clock {
 public:
  SystemTime UtcNow() override {
    const qint64 ms = QDateTime::currentMSecsSinceEpoch();
    return FromFileTime((ms + kDaysFrom1601To1970 * kMsPerDay) * kTicksPerMs);
  }
  qint64 LocalSeconds() override {
    const QDateTime now = QDateTime::currentDateTime();
    return now.toSecsSinceEpoch() + now.offsetFromUtc();
  }
  qint64 MonotonicMs() override {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
  }
};


}  // namespace

qint64 ToFileTime(const SystemTime& t) {
  const qint64 days = DaysFromCivil(t.year, t.month, t.day) + kDaysFrom1601To1970;
  const qint64 ms = days * kMsPerDay + qint64(t.hour) * 3600000 + qint64(t.minute) * 60000 +
                    qint64(t.second) * 1000 + t.milliseconds;
  return ms * kTicksPerMs;
}

SystemTime FromFileTime(qint64 fileTime) {
  qint64 ms = fileTime / kTicksPerMs;
  qint64 days = ms / kMsPerDay;
  qint64 rest = ms % kMsPerDay;
  if (rest < 0) {
    rest += kMsPerDay;
    --days;
  }
  qint64 y;
  unsigned m, d;
  const qint64 unixDays = days - kDaysFrom1601To1970;
  CivilFromDays(unixDays, y, m, d);
  SystemTime t;
  t.year = quint16(y);
  t.month = quint16(m);
  t.day = quint16(d);
  // 1970-01-01 was a Thursday (4).
  t.dayOfWeek = quint16(((unixDays % 7) + 11) % 7);
  t.hour = quint16(rest / 3600000);
  t.minute = quint16(rest / 60000 % 60);
  t.second = quint16(rest / 1000 % 60);
  t.milliseconds = quint16(rest % 1000);
  return t;
}

Clock& SystemClock() {
  static RealClock clock;
  return clock;
}

QSize PrimaryScreenSize() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return {};
  // Physical pixels, as the display is set up, whatever the scaling.
  return screen->size() * screen->devicePixelRatio();
}

void ShowMessageBox(QWidget* owner, const QString& text, const QString& caption, MessageIcon icon) {
  QMessageBox box(icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::Information, caption, text,
                  QMessageBox::Ok, owner);
  // Messages quote file and children's names; a message box would take
  // anything that looks like markup for rich text.
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

bool OpenUrl(const QString& url, std::function<void()> failed) {
  bool started = false;
  {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // xdg-open starts fine and only then finds no browser or mail program;
    // its exit code tells, so it is watched rather than fired and forgotten.
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (!opener.isEmpty()) {
      auto* process = new QProcess(qApp);
      process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
      QObject::connect(process, &QProcess::finished, process, [process, failed](int code, QProcess::ExitStatus status) {
        if ((status != QProcess::NormalExit || code != 0) && failed) failed();
        process->deleteLater();
      });
      process->start(opener, {url});
      started = process->waitForStarted();
      if (!started) process->deleteLater();
    } else {
      started = QDesktopServices::openUrl(QUrl(url));
    }
#else
    started = QDesktopServices::openUrl(QUrl(url));
#endif
  }
  if (!started && failed) failed();
  return started;
}

QString ProgramDir() {
  return QCoreApplication::applicationDirPath();
}

}  // namespace platform
