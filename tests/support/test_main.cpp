#include "app/application.h"
#include <clocale>

#include <gtest/gtest.h>

// Every test binary runs inside the program's application object, like the program. The platform is chosen by
// the environment (offscreen for logic tests; an X server for the real-window tests).
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  Application app(argc, argv);
  // libmpv needs the C numeric locale; Qt sets the user's locale when the application starts.
  std::setlocale(LC_NUMERIC, "C");
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
