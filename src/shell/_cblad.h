#pragma once

#include <QString>

#include "platform/exception.h"

class QWidget;
namespace platform {
struct Services;
}

// The program's one fatal error. Its code alone decides what the user reads:
//   1 resources missing, 2 display too small, 3 statistics file not created,
//   4 configuration file not accessible.
class CBlad : public platform::Exception {
 public:
  explicit CBlad(qint16 code) : platform::Exception(QStringLiteral("Blad")), code(code) {}

  // The message for a code; an unknown code gives an empty text.
  static QString MessageText(qint16 code);
  static QString Caption();

  // Shows the message in a modal system box with the error icon, owned by
  // `owner` (the main window when there is one). Does not end the program.
  void Show(const platform::Services& services, QWidget* owner = nullptr) const;

  qint16 code;
};
