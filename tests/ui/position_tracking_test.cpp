#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include "playback/media_device_error.h"
#include "tests/support/window_fixture.h"
#include "widgets/bitmap_slider.h"
#include "widgets/gradient_progress.h"
#include "widgets/picture_image.h"
#include "widgets/skin_label.h"
#include "widgets/starfield.h"

namespace {

constexpr int kAudio = 1;
constexpr int kVideo = 2;
constexpr quint8 kPresetSpeed = 33;  // a starfield speed no tick of these tests would write

// Opens a file of `length` units in `mode` and forgets the commands of the open.
void openPlaying(WindowFixture& f, qint32 length, int mode) {
  f.backend->lengthMs = length;
  f.openViaDialog(QStringLiteral("/m/lied.mp3"), mode);
  ASSERT_TRUE(f.errors->messages.isEmpty());
  f.backend->commands.clear();
}

// Runs the real event loop until `done` holds; the deadline only bounds a failing test.
template <typename Done>
bool processEventsUntil(Done done, int deadlineMs) {
  QElapsedTimer clock;
  clock.start();
  while (!done() && clock.elapsed() < deadlineMs) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  return done();
}

}  // namespace

// A tick copies the device position into the label, the bar, its time text and the slider, and
// writes the padded hint; the starfield's speed follows the share played only while it runs.
TEST(TimerTimer, CopiesThePositionIntoTheDisplays) {
  struct Case {
    const char* name;
    int mode;
    qint32 position;
    qint32 length;
    int volumeSlider;
    const char* byteProg;
    const char* time;
    const char* hint;
    quint8 maxSpeed;
  };
  const Case cases[] = {
      {"1 min 5 s", kAudio, 65000, 600000, 64, "65000", " 1: 5", "Volume: 50% / Progress: 10%", 20},
      {"7 % played", kAudio, 7000, 100000, 64, "7000", " 0: 7", "Volume: 50% / Progress:  7%", 14},
      {"just before the end", kAudio, 99999, 100000, 127, "99999", " 1:39", "Volume: 100% / Progress: 99%",
       198},
      {"quiet, at the start", kAudio, 0, 100000, 6, "0", " 0: 0", "Volume:  5% / Progress:  0%", 0},
      {"three-digit minutes", kAudio, 6000000, 7200000, 0, "6000000", "100: 0", "Volume:  0% / Progress: 83%",
       166},
      {"video: the starfield keeps its speed", kVideo, 7000, 100000, 64, "7000", " 0: 7",
       "Volume: 50% / Progress:  7%", kPresetSpeed},
  };
  for (const Case& c : cases) {
    WindowFixture f;
    openPlaying(f, c.length, c.mode);
    TMainFenster& w = f.w();
    w.Stern->setMaxSpeed(kPresetSpeed);
    w.Slider2->setPosition(c.volumeSlider);
    int slider1Changes = 0;
    QObject::connect(w.Slider1, &BitmapSlider::changed, [&] { ++slider1Changes; });
    f.backend->positionMs = c.position;
    f.run([&] { w.TimerTimer(); });
    EXPECT_TRUE(f.errors->messages.isEmpty()) << c.name;
    EXPECT_EQ(w.ByteProg->caption(), QLatin1String(c.byteProg)) << c.name;
    EXPECT_EQ(w.Progress->position(), c.position) << c.name;
    EXPECT_EQ(w.Progress->caption(), QLatin1String(c.time)) << c.name;
    EXPECT_EQ(w.Slider1->position(), c.position) << c.name;
    EXPECT_EQ(w.VolLev->hint(), QLatin1String(c.hint)) << c.name;
    EXPECT_EQ(w.Stern->maxSpeed(), c.maxSpeed) << c.name;
    EXPECT_EQ(slider1Changes, 0) << c.name;  // the tick's write never seeks
    EXPECT_TRUE(f.backend->commands.isEmpty()) << c.name;
    EXPECT_TRUE(w.Timer->isActive()) << c.name;
    EXPECT_FALSE(shown(w.Play)) << c.name;
  }
}

// The tick ends playback only when the reported position equals the length exactly; then it
// stops the device where it is, resets the displays with the unpadded hint, stops the starfield
// without hiding it, shows the logo and Play, and switches itself off.
TEST(TimerTimer, EndOfTheMediaNeedsExactEquality) {
  struct Case {
    const char* name;
    int mode;
    qint32 position;
    qint32 length;
    bool ends;
  };
  const Case cases[] = {
      {"audio, at the end", kAudio, 100000, 100000, true},
      {"video, at the end", kVideo, 100000, 100000, true},
      {"one unit short", kAudio, 99999, 100000, false},
      {"past the reported length", kAudio, 100001, 100000, false},
      {"empty media", kAudio, 0, 0, true},
  };
  for (const Case& c : cases) {
    WindowFixture f;
    openPlaying(f, c.length, c.mode);
    TMainFenster& w = f.w();
    const bool sternShownBefore = shown(w.Stern);
    f.backend->positionMs = c.position;
    f.run([&] { w.TimerTimer(); });
    EXPECT_TRUE(f.errors->messages.isEmpty()) << c.name;
    if (!c.ends) {
      EXPECT_TRUE(f.backend->commands.isEmpty()) << c.name;
      EXPECT_TRUE(w.Timer->isActive()) << c.name;
      EXPECT_FALSE(shown(w.Play)) << c.name;
      EXPECT_EQ(w.Stern->active(), c.mode == kAudio) << c.name;
      continue;
    }
    EXPECT_EQ(f.backend->commands, QStringList{"stop"}) << c.name;  // no rewind
    EXPECT_EQ(f.backend->positionMs, c.position) << c.name;
    EXPECT_EQ(w.Slider1->position(), 0) << c.name;
    EXPECT_EQ(w.Progress->position(), 0) << c.name;
    EXPECT_EQ(w.Progress->caption(), QStringLiteral("0:0")) << c.name;
    EXPECT_EQ(w.ByteProg->caption(), QStringLiteral("0")) << c.name;
    EXPECT_EQ(w.VolLev->hint(), QStringLiteral("Volume: 50% / Progress: 0%")) << c.name;
    EXPECT_FALSE(w.Stern->active()) << c.name;
    EXPECT_EQ(shown(w.Stern), sternShownBefore) << c.name;
    EXPECT_TRUE(shown(w.Tamblo)) << c.name;
    EXPECT_TRUE(shown(w.Play)) << c.name;
    EXPECT_FALSE(shown(w.Play_on)) << c.name;
    EXPECT_TRUE(shown(w.Pause)) << c.name;
    EXPECT_TRUE(shown(w.Pause_on)) << c.name;  // the pause pair keeps its pictures
    EXPECT_FALSE(w.Timer->isActive()) << c.name;
  }
}

// After the end the device still stands at the end; the next Play rewinds and plays, and the
// timer runs again.
TEST(TimerTimer, PlayAfterTheEndStartsFromTheBeginning) {
  WindowFixture f;
  openPlaying(f, 5000, kAudio);
  f.backend->positionMs = 5000;
  f.run([&] { f.w().TimerTimer(); });
  f.backend->commands.clear();
  f.run([&] { f.w().PlayClick(); });
  EXPECT_EQ(f.backend->commands, (QStringList{"seek start", "play"}));
  EXPECT_TRUE(f.w().Timer->isActive());
  EXPECT_TRUE(f.w().Stern->active());
  EXPECT_FALSE(shown(f.w().Tamblo));
  f.backend->positionMs = 1000;
  f.run([&] { f.w().TimerTimer(); });
  EXPECT_EQ(f.w().ByteProg->caption(), QStringLiteral("1000"));
  EXPECT_EQ(f.w().VolLev->hint(), QStringLiteral("Volume: 50% / Progress: 20%"));
}

// A failed open while media plays leaves the timer running with no device: the next tick
// switches the timer off and reports the missing device once, not every 10 ms.
TEST(TimerTimer, ATickWithoutAnOpenDeviceSwitchesTheTimerOffAndReportsOnce) {
  WindowFixture f;
  openPlaying(f, 100000, kAudio);
  f.backend->positionMs = 3000;
  f.backend->openResult = 7;
  f.openViaDialog(QStringLiteral("/m/kaputt.mp3"), kAudio);
  ASSERT_EQ(f.errors->messages, QStringList{FakeMediaBackend::textFor(7)});
  ASSERT_TRUE(f.w().Timer->isActive());
  const QString noDevice = QString::fromUtf8(kNoDeviceOpenText);
  // The real timer ticks through the event loop, where the error box reports what escapes.
  ASSERT_TRUE(processEventsUntil([&] { return f.errors->messages.size() >= 2; }, 2000));
  EXPECT_EQ(f.errors->messages.value(1), noDevice);
  EXPECT_FALSE(f.w().Timer->isActive());
  // The tick still wrote the position (0 without a device) before the length query raised.
  EXPECT_EQ(f.w().ByteProg->caption(), QStringLiteral("0"));
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < 100) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  EXPECT_EQ(f.errors->messages.size(), 2);
}
