#include <clocale>

#include <gtest/gtest.h>

#include "app/application.h"

// Every test binary runs inside the program's application object, like the program. The
// platform is chosen by the environment (offscreen for logic tests; the real-window tests start
// the program on an X server of their own), and libmpv plays through its silent output unless
// told otherwise, so no sound card is needed.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  if (qEnvironmentVariableIsEmpty("QUORVI_AUDIO_OUTPUT")) {
    qputenv("QUORVI_AUDIO_OUTPUT", "null");
  }
  Application app(argc, argv);
  // libmpv needs the C numeric locale; Qt sets the user's locale when the application starts.
  std::setlocale(LC_NUMERIC, "C");
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
