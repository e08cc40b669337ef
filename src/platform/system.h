#pragma once

#include <QSize>
#include <QString>
#include <QtGlobal>
#include <functional>

class QWidget;

namespace platform {

// A calendar time split into fields, as the system clock reports it (UTC).
// The layout is the one written into the statistics file.
struct SystemTime {
  quint16 year = 0;
  quint16 month = 0;
  quint16 dayOfWeek = 0;  // 0 = Sunday
  quint16 day = 0;
  quint16 hour = 0;
  quint16 minute = 0;
  quint16 second = 0;
  quint16 milliseconds = 0;
  bool operator==(const SystemTime&) const = default;
};

// 100-nanosecond intervals since 1 January 1601 UTC.
qint64 ToFileTime(const SystemTime& t);
SystemTime FromFileTime(qint64 fileTime);

// Where the program reads the time. Replaced in tests by a fixed clock.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual SystemTime UtcNow() = 0;
  // Local time in whole seconds; seeds the random generator.
  virtual qint64 LocalSeconds() = 0;
  // A clock that never jumps, in milliseconds from an arbitrary origin.
  virtual qint64 MonotonicMs() = 0;
};

// The system's clock. The program reads the time through the clock it is
// given (platform/services.h), this one at start-up.
Clock& SystemClock();

// Size of the primary display in pixels.
QSize PrimaryScreenSize();

enum class MessageIcon { Information, Error };
// A modal system message box with one OK button.
void ShowMessageBox(QWidget* owner, const QString& text, const QString& caption, MessageIcon icon);

// Asks the desktop to open a web address, a mailto: link or a local file.
// `failed` runs when no program could open it: at once when nothing could
// be started, or later, from the event loop, when the desktop's opener
// reports that it found no program for it. False when it failed at once.
bool OpenUrl(const QString& url, std::function<void()> failed = {});

// The folder that holds the program file (its Data folder lies beside it).
QString ProgramDir();

}  // namespace platform
