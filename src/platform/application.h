#pragma once

#include <QApplication>

namespace platform {

// The application object. An error raised inside an event handler while the
// event loop runs is shown in a message box with its text, and the loop goes
// on, instead of unwinding through the toolkit.
class Application : public QApplication {
 public:
  Application(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace platform
