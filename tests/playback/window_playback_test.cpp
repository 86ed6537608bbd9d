// The main window's playback handlers driving the real libmpv backend on generated media.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTemporaryDir>
#include <QThread>
#include <functional>
#include <memory>

#include "app/application.h"
#include "playback/media_device_error.h"
#include "playback/mpv_backend.h"
#include "tests/support/media_files.h"
#include "tests/support/recording_error_box.h"
#include "tests/support/window_fixture.h"
#include "ui/skin.h"
#include "widgets/bitmap_slider.h"
#include "widgets/gradient_progress.h"
#include "widgets/picture_image.h"
#include "widgets/skin_label.h"
#include "widgets/starfield.h"

namespace {

constexpr int kBoundMs = 10000;  // bounds the waits below; a healthy run needs a fraction
constexpr double kSeconds = 3.0;
constexpr qint32 kLengthMs = 3000;

// Runs the event loop (the position timer, libmpv's queued events) until `done` holds.
bool runUntil(const std::function<bool()>& done) {
  const QDeadlineTimer deadline(kBoundMs);
  while (!done()) {
    if (deadline.hasExpired()) {
      return false;
    }
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QThread::msleep(1);
  }
  return true;
}

void runFor(int ms) {
  const QDeadlineTimer deadline(ms);
  while (!deadline.hasExpired()) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QThread::msleep(1);
  }
}

// The real window class with the real libmpv backend; the dialog is scripted and errors are
// recorded. The window is never shown.
class RealPlaybackWindow {
 public:
  RealPlaybackWindow() {
    auto fakeDialog = std::make_unique<ScriptedFileDialog>();
    dialog = fakeDialog.get();
    MainFensterServices services;
    services.mediaBackend = std::make_unique<MpvBackend>();
    services.fileDialog = std::move(fakeDialog);
    services.urlOpener = std::make_unique<RecordingUrlOpener>();
    auto box = std::make_unique<RecordingErrorBox>();
    errors = box.get();
    Application::instance()->setErrorBox(std::move(box));
    window = std::make_unique<TMainFenster>(Skin::load(), std::move(services));
    window->quitApplication = [] {};
  }
  ~RealPlaybackWindow() {
    window.reset();
    Application::instance()->setErrorBox(std::make_unique<MessageErrorBox>());
  }

  TMainFenster& w() { return *window; }
  void run(const std::function<void()>& handler) { Application::instance()->runHandler(handler); }
  void openViaDialog(const QString& file) {
    dialog->answers.push_back(OpenDialogChoice{file, 1});
    run([this] { window->OpenClick(); });
  }
  qint32 shownPosition() { return window->ByteProg->caption().toInt(); }

  ScriptedFileDialog* dialog = nullptr;
  RecordingErrorBox* errors = nullptr;
  std::unique_ptr<TMainFenster> window;
};

class WindowPlayback : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    wav = writeToneWav(dir.path(), QStringLiteral("ton.wav"), kSeconds);
  }
  QTemporaryDir dir;
  QString wav;
};

}  // namespace

// Opened through the dialog, the tone plays while the timer shows the position advance; at
// the end the window is stopped again, and Play then plays from the beginning.
TEST_F(WindowPlayback, PlaysToTheEndReturnsToStoppedAndPlaysAgainFromTheStart) {
  RealPlaybackWindow r;
  TMainFenster& w = r.w();
  r.openViaDialog(wav);
  ASSERT_TRUE(r.errors->messages.isEmpty()) << r.errors->messages.join(QLatin1Char('\n')).toStdString();
  EXPECT_TRUE(w.Timer->isActive());
  EXPECT_EQ(w.Progress->maximum(), kLengthMs);
  EXPECT_TRUE(w.Stern->active());

  ASSERT_TRUE(runUntil([&] { return r.shownPosition() > 300; }));
  const qint32 first = r.shownPosition();
  ASSERT_TRUE(runUntil([&] { return r.shownPosition() > first + 300; }));
  EXPECT_GT(w.Slider1->position(), 0);
  EXPECT_GT(w.Progress->position(), 0);

  ASSERT_TRUE(runUntil([&] { return !w.Timer->isActive(); })) << "the end was never noticed";
  EXPECT_TRUE(r.errors->messages.isEmpty());
  EXPECT_TRUE(shown(w.Play));
  EXPECT_FALSE(shown(w.Play_on));
  EXPECT_TRUE(shown(w.Pause));
  EXPECT_FALSE(w.Stern->active());
  EXPECT_TRUE(shown(w.Tamblo));
  EXPECT_EQ(w.ByteProg->caption(), QStringLiteral("0"));
  EXPECT_EQ(w.Progress->caption(), QStringLiteral("0:0"));
  EXPECT_EQ(w.Player.position(), kLengthMs);  // stopped where it ended, not rewound

  r.run([&] { w.PlayClick(); });
  EXPECT_TRUE(r.errors->messages.isEmpty());
  EXPECT_TRUE(w.Timer->isActive());
  EXPECT_LT(w.Player.position(), 1000);
  ASSERT_TRUE(runUntil([&] { return r.shownPosition() > 200; }));
  EXPECT_LT(r.shownPosition(), 2500);
  r.run([&] { w.StopClick(); });
  EXPECT_TRUE(r.errors->messages.isEmpty());
}

// A skip halts the device exactly 100 ms away from where it was; resuming plays on from there.
TEST_F(WindowPlayback, SkipsHaltTheRealDeviceAHundredMillisecondsAway) {
  RealPlaybackWindow r;
  TMainFenster& w = r.w();
  r.openViaDialog(wav);
  ASSERT_TRUE(r.errors->messages.isEmpty());
  ASSERT_TRUE(runUntil([&] { return r.shownPosition() > 500; }));

  r.run([&] { w.WeiterMouseDown(Qt::RightButton, Qt::NoModifier, 0, 0); });
  EXPECT_FALSE(w.Timer->isActive());
  EXPECT_TRUE(shown(w.Pause_on));
  EXPECT_FALSE(shown(w.Pause));
  const qint32 afterForward = w.Player.position();
  EXPECT_EQ(r.shownPosition(), afterForward);
  runFor(200);
  EXPECT_EQ(w.Player.position(), afterForward);  // halted

  r.run([&] { w.ZuruckMouseDown(Qt::LeftButton, Qt::NoModifier, 0, 0); });
  EXPECT_EQ(w.Player.position(), afterForward - 100);
  EXPECT_EQ(r.shownPosition(), afterForward - 100);

  r.run([&] { w.Pause_onClick(); });
  EXPECT_TRUE(w.Timer->isActive());
  ASSERT_TRUE(runUntil([&] { return r.shownPosition() > afterForward + 100; }));
  EXPECT_TRUE(r.errors->messages.isEmpty());
  r.run([&] { w.StopClick(); });
}

// Dragging the slider seeks the real device; it plays on while playing, stays halted while
// paused, and ends paused at the dragged place when stopped.
TEST_F(WindowPlayback, SliderSeeksAndPlaysOrHaltsByTheState) {
  RealPlaybackWindow r;
  TMainFenster& w = r.w();
  r.openViaDialog(wav);
  ASSERT_TRUE(r.errors->messages.isEmpty());

  struct Step {
    const char* state;
    std::function<void()> enter;
    qint32 to;
    bool playsOn;
  };
  const Step steps[] = {
      {"playing", [] {}, 2000, true},
      {"paused", [&] { w.PauseClick(); }, 1000, false},
      {"stopped", [&] { w.StopClick(); }, 1500, false},
  };
  for (const Step& s : steps) {
    r.run(s.enter);
    w.Slider1->setPosition(s.to);
    r.run([&] { w.Slider1Changed(); });
    EXPECT_TRUE(r.errors->messages.isEmpty()) << s.state;
    EXPECT_EQ(w.Timer->isActive(), s.playsOn) << s.state;
    EXPECT_EQ(r.shownPosition(), s.to) << s.state;
    if (s.playsOn) {
      ASSERT_TRUE(runUntil([&] { return w.Player.position() > s.to + 200; })) << s.state;
    } else {
      const qint32 halted = w.Player.position();
      if (s.state == std::string("paused")) {
        EXPECT_EQ(halted, s.to);  // a seek alone halts exactly there
      }
      runFor(200);
      EXPECT_EQ(w.Player.position(), halted) << s.state;
      EXPECT_TRUE(shown(w.Pause_on)) << s.state;
      EXPECT_TRUE(shown(w.Play_on)) << s.state;
    }
  }
  r.run([&] { w.StopClick(); });
}

// A drag in the stopped state plays and pauses at once; the device halts at the dragged place,
// although libmpv's clock right after that play still lags the seek target by the audio
// output's buffer (about 200 ms here).
TEST_F(WindowPlayback, StoppedDragHaltsTheDeviceAtTheDraggedPlace) {
  RealPlaybackWindow r;
  TMainFenster& w = r.w();
  r.openViaDialog(wav);
  ASSERT_TRUE(r.errors->messages.isEmpty());
  r.run([&] { w.StopClick(); });
  w.Slider1->setPosition(1500);
  r.run([&] { w.Slider1Changed(); });
  EXPECT_EQ(w.Player.position(), 1500);
  EXPECT_EQ(r.shownPosition(), 1500);
}

// A file that cannot be opened while another plays: the error is shown, the next tick finds no
// device and reports it once with the timer off, and a good file then opens and plays.
TEST_F(WindowPlayback, AFailedOpenLeavesTheWindowUsable) {
  RealPlaybackWindow r;
  TMainFenster& w = r.w();
  r.openViaDialog(wav);
  ASSERT_TRUE(r.errors->messages.isEmpty());
  r.openViaDialog(dir.filePath(QStringLiteral("fehlt.wav")));
  ASSERT_EQ(r.errors->messages.size(), 1);
  ASSERT_TRUE(runUntil([&] { return !w.Timer->isActive(); }));
  runFor(100);
  EXPECT_EQ(r.errors->messages,
            (QStringList{r.errors->messages.value(0), QString::fromUtf8(kNoDeviceOpenText)}));

  r.openViaDialog(wav);
  EXPECT_EQ(r.errors->messages.size(), 2);
  EXPECT_TRUE(w.Timer->isActive());
  ASSERT_TRUE(runUntil([&] { return r.shownPosition() > 300; }));
  r.run([&] { w.StopClick(); });
  EXPECT_EQ(r.errors->messages.size(), 2);
  EXPECT_TRUE(shown(w.Play));
}
