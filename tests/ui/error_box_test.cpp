#include <QTimer>
#include <stdexcept>

#include <gtest/gtest.h>

#include "app/application.h"
#include "app/error_box.h"
#include "playback/media_device_error.h"
#include "tests/support/recording_error_box.h"

TEST(ErrorBoxText, AppendsAPeriodOnlyAfterCharactersAboveThePeriod) {
  struct Case {
    const char* message;
    const char* shown;
  };
  const Case cases[] = {
      {"Fehler", "Fehler."},        // letter
      {"Code 7", "Code 7."},        // digit
      {"Achtung:", "Achtung:."},    // colon
      {"Wirklich?", "Wirklich?."},  // question mark
      {"Fertig.", "Fertig."},       // period
      {"Halt!", "Halt!"},           // exclamation mark
      {"eins,", "eins,"},           // comma
      {"Bindestrich-", "Bindestrich-"},
      {"(Klammer)", "(Klammer)"},
      {"Leer ", "Leer "},
      {"", ""},
      {"Gerät geöffnet", "Gerät geöffnet."},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(errorBoxText(QString::fromUtf8(c.message)), QString::fromUtf8(c.shown)) << c.message;
  }
}

TEST(ErrorBox, AnErrorInAHandlerIsReportedAndTheNextEventStillRuns) {
  auto* recorder = new RecordingErrorBox;
  Application::instance()->setErrorBox(std::unique_ptr<ErrorBox>(recorder));
  bool secondRan = false;
  bool restOfFirstRan = false;
  QTimer::singleShot(0, [&] {
    throw MediaDeviceError(QString::fromUtf8("Kein MCI-Gerät geöffnet"));
    restOfFirstRan = true;  // never reached: the rest of a failed handler does not run
  });
  QTimer::singleShot(0, [&] { secondRan = true; });
  for (int i = 0; i < 5 && !secondRan; ++i) {
    QCoreApplication::processEvents();
  }
  EXPECT_TRUE(secondRan);
  EXPECT_FALSE(restOfFirstRan);
  ASSERT_EQ(recorder->messages.size(), 1);
  EXPECT_EQ(recorder->messages.front(), QString::fromUtf8("Kein MCI-Gerät geöffnet"));

  // Handlers run outside an event (start-up) report the same way.
  Application::instance()->runHandler([] { throw std::runtime_error("Datei fehlt?"); });
  ASSERT_EQ(recorder->messages.size(), 2);
  EXPECT_EQ(recorder->messages.back(), QStringLiteral("Datei fehlt?"));
  Application::instance()->setErrorBox(std::make_unique<MessageErrorBox>());
}
