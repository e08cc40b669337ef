#pragma once

#include <QString>
#include <stdexcept>

namespace platform {

// Base of every error the program raises on purpose: framework code that
// catches these sees all of them as one family.
class Exception : public std::runtime_error {
 public:
  explicit Exception(const QString& message) : std::runtime_error(message.toStdString()), message_(message) {}
  const QString& Message() const { return message_; }

 private:
  QString message_;
};

}  // namespace platform
