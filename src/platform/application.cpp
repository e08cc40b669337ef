#include "platform/application.h"

#include "platform/exception.h"
#include "platform/system.h"

namespace platform {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const Exception& e) {
    ShowMessageBox(activeWindow(), e.Message(), applicationName(), MessageIcon::Error);
  } catch (const std::exception& e) {
    ShowMessageBox(activeWindow(), QString::fromLocal8Bit(e.what()), applicationName(), MessageIcon::Error);
  }
  return false;
}

}  // namespace platform
