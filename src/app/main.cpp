#include "platform/application.h"
#include "app/startup.h"

int main(int argc, char** argv) {
  platform::Application app(argc, argv);
  return RunMiniFonikra();
}
