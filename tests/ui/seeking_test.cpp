#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMouseEvent>

#include "tests/support/window_fixture.h"
#include "widgets/bitmap_slider.h"
#include "widgets/gradient_progress.h"
#include "widgets/integer_edit.h"
#include "widgets/picture_image.h"
#include "widgets/skin_label.h"
#include "widgets/starfield.h"

namespace {

constexpr int kAudio = 1;

using State = PlayerState;

// Opens a file of `length` units in audio mode, brings the window into `state`, puts the device
// at `position`, lets one tick show it (while playing) and forgets the commands so far.
void enter(WindowFixture& f, State state, qint32 length, qint32 position) {
  f.backend->lengthMs = length;
  f.openViaDialog(QStringLiteral("/m/lied.wav"), kAudio);
  if (state == State::Paused) {
    f.run([&] { f.w().PauseClick(); });
  } else if (state == State::Stopped) {
    f.run([&] { f.w().StopClick(); });
  }
  f.backend->positionMs = position;
  if (state == State::Playing) {
    f.run([&] { f.w().TimerTimer(); });
  }
  ASSERT_TRUE(f.errors->messages.isEmpty()) << nameOf(state);
  f.backend->commands.clear();
}

// The pictures of the two pairs: Play, Play_on, Pause, Pause_on.
struct Pictures {
  bool play, playOn, pause, pauseOn;
  bool operator==(const Pictures&) const = default;
};
std::ostream& operator<<(std::ostream& os, const Pictures& p) {
  return os << "Play " << p.play << ", Play_on " << p.playOn << ", Pause " << p.pause << ", Pause_on "
            << p.pauseOn;
}
Pictures picturesOf(TMainFenster& w) {
  return {shown(w.Play), shown(w.Play_on), shown(w.Pause), shown(w.Pause_on)};
}

const Pictures kPausedPictures{false, true, false, true};
const Pictures kStoppedPictures{true, false, true, false};

}  // namespace

// A skip needs more than 99 units in its direction. When it fits the device halts at the new
// place, the label and the bar show the device, the window shows the paused pictures with the
// timer off and the starfield still, and the slider and the volume hint keep their old values.
TEST(SkipButtons, SkipOnlyWhenMoreThan99UnitsAreLeft) {
  struct Case {
    const char* button;
    State from;
    qint32 position;
    QStringList commands;  // empty: no skip
  };
  const Case cases[] = {
      {"Zuruck", State::Playing, 99, {}},
      {"Zuruck", State::Playing, 100, {"seek 0"}},
      {"Zuruck", State::Playing, 750, {"seek 650"}},
      {"Zuruck", State::Paused, 100, {"seek 0"}},
      {"Zuruck", State::Stopped, 0, {}},
      {"Weiter", State::Playing, 900, {"seek 1000"}},
      {"Weiter", State::Playing, 901, {}},
      {"Weiter", State::Playing, 0, {"seek 100"}},
      {"Weiter", State::Paused, 900, {"seek 1000"}},
      {"Weiter", State::Stopped, 0, {"seek 100"}},
  };
  for (const Case& c : cases) {
    WindowFixture f;
    enter(f, c.from, 1000, c.position);
    TMainFenster& w = f.w();
    const std::string where =
        std::string(c.button) + " from " + nameOf(c.from) + " at " + std::to_string(c.position);
    const Pictures picturesBefore = picturesOf(w);
    const bool timerBefore = w.Timer->isActive();
    const bool sternBefore = w.Stern->active();
    const QString captionBefore = w.ByteProg->caption();
    const qint32 sliderBefore = w.Slider1->position();
    const QString hintBefore = w.VolLev->hint();
    f.run([&] {
      if (QLatin1String(c.button) == QLatin1String("Zuruck")) {
        w.ZuruckMouseDown(Qt::LeftButton, Qt::NoModifier, 5, 5);
      } else {
        w.WeiterMouseDown(Qt::LeftButton, Qt::NoModifier, 5, 5);
      }
    });
    EXPECT_TRUE(f.errors->messages.isEmpty()) << where;
    EXPECT_EQ(f.backend->commands, c.commands) << where;
    EXPECT_EQ(w.Slider1->position(), sliderBefore) << where;
    EXPECT_EQ(w.VolLev->hint(), hintBefore) << where;
    if (c.commands.isEmpty()) {
      EXPECT_EQ(picturesOf(w), picturesBefore) << where;
      EXPECT_EQ(w.Timer->isActive(), timerBefore) << where;
      EXPECT_EQ(w.Stern->active(), sternBefore) << where;
      EXPECT_EQ(w.ByteProg->caption(), captionBefore) << where;
      continue;
    }
    const qint32 target = f.backend->positionMs;
    EXPECT_EQ(w.ByteProg->caption(), QString::number(target)) << where;
    EXPECT_EQ(w.Progress->position(), target) << where;
    EXPECT_EQ(w.Progress->caption(), QStringLiteral(" 0: %1").arg(target / 1000)) << where;
    EXPECT_EQ(picturesOf(w), kPausedPictures) << where;
    EXPECT_FALSE(w.Timer->isActive()) << where;
    EXPECT_FALSE(w.Stern->active()) << where;
  }
}

// Any press on the enabled skip pictures skips, whatever the button; the second press of a
// double click skips again.
TEST(SkipButtons, EveryPressThroughTheWindowSkips) {
  struct Case {
    const char* name;
    Qt::MouseButton button;
    bool doubleClick;
    qint32 startAt;
    QPoint at;
    QStringList commands;
  };
  const QPoint zuruck(160, 52);
  const QPoint weiter(203, 52);
  const Case cases[] = {
      {"Zuruck, left", Qt::LeftButton, false, 5000, zuruck, {"seek 4900"}},
      {"Zuruck, right", Qt::RightButton, false, 5000, zuruck, {"seek 4900"}},
      {"Zuruck, middle", Qt::MiddleButton, false, 5000, zuruck, {"seek 4900"}},
      {"Zuruck, double click", Qt::LeftButton, true, 5000, zuruck, {"seek 4900", "seek 4800"}},
      {"Weiter, right", Qt::RightButton, false, 5000, weiter, {"seek 5100"}},
      {"Weiter, double click", Qt::LeftButton, true, 5000, weiter, {"seek 5100", "seek 5200"}},
  };
  for (const Case& c : cases) {
    WindowFixture f;
    enter(f, State::Playing, 10000, c.startAt);
    f.press(c.at, c.button);
    f.release(c.at, c.button);
    if (c.doubleClick) {
      f.doubleClick(c.at, c.button);
      f.release(c.at, c.button);
    }
    EXPECT_EQ(f.backend->commands, c.commands) << c.name;
    EXPECT_FALSE(f.w().FDragging) << c.name;
  }
}

// Slider1Changed seeks to the slider, shows the slider's value in the label and the bar, and
// then plays or halts by the pictures: playing plays on, paused stays halted, stopped plays and
// pauses at once. At 0 the stopped pictures show whatever the device does.
TEST(Slider1Changed, SeeksAndPlaysOrHaltsByThePictures) {
  struct Case {
    State from;
    qint32 slider;
    bool pendingStart;  // a start position of 750 waits from the editor
    QStringList commands;
    Pictures after;
    bool timer;
    const char* time;
  };
  const Pictures playing{false, true, true, true};
  const Case cases[] = {
      {State::Playing, 4000, false, {"seek 4000", "play"}, playing, true, " 0: 4"},
      {State::Paused, 4000, false, {"seek 4000"}, kPausedPictures, false, " 0: 4"},
      {State::Stopped, 4000, false, {"seek 4000", "play", "pause"}, kPausedPictures, false, " 0: 4"},
      // The pending start position is played from and paused at; the displays show the drag.
      {State::Stopped, 4000, true, {"seek 4000", "play from 750", "pause"}, kPausedPictures, false, " 0: 4"},
      // At the right end the play rewinds first.
      {State::Playing, 10000, false, {"seek 10000", "seek start", "play"}, playing, true, " 0:10"},
      {State::Playing, 0, false, {"seek 0", "play"}, kStoppedPictures, true, " 0: 0"},
      {State::Paused, 0, false, {"seek 0"}, kStoppedPictures, false, " 0: 0"},
      {State::Stopped, 0, false, {"seek 0", "play", "pause"}, kStoppedPictures, false, " 0: 0"},
  };
  for (const Case& c : cases) {
    WindowFixture f;
    enter(f, c.from, 10000, 2000);
    TMainFenster& w = f.w();
    if (c.pendingStart) {
      w.Player.setFromPosition(750);
    }
    const std::string where = std::string(nameOf(c.from)) + ", slider at " + std::to_string(c.slider) +
                              (c.pendingStart ? ", start pending" : "");
    const bool sternBefore = w.Stern->active();
    w.Slider1->setPosition(c.slider);
    f.run([&] { w.Slider1Changed(); });
    EXPECT_TRUE(f.errors->messages.isEmpty()) << where;
    EXPECT_EQ(f.backend->commands, c.commands) << where;
    EXPECT_EQ(picturesOf(w), c.after) << where;
    EXPECT_EQ(w.Timer->isActive(), c.timer) << where;
    EXPECT_EQ(w.ByteProg->caption(), QString::number(c.slider)) << where;
    EXPECT_EQ(w.Progress->position(), c.slider) << where;
    EXPECT_EQ(w.Progress->caption(), QLatin1String(c.time)) << where;
    EXPECT_EQ(w.VolLev->hint(), QStringLiteral("Volume: 50% / Progress: %1%").arg(c.slider / 100)) << where;
    EXPECT_EQ(w.Stern->active(), sternBefore) << where;
  }
}

// The real slider, dragged with the left button, raises Slider1Changed once per qualifying move.
TEST(Slider1Changed, ADragOfTheRealSliderSeeksAtEveryMove) {
  WindowFixture f;
  enter(f, State::Playing, 10000, 2000);
  BitmapSlider* slider = f.w().Slider1;
  slider->show();
  const int y = slider->core().thumbTop() + slider->core().frameSize().height() / 2;
  const QPoint start(slider->core().thumbLeft() + 2, y);
  sendMouse(slider, QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
  sendMouse(slider, QEvent::MouseMove, QPoint(slider->width() / 2, y), Qt::NoButton, Qt::LeftButton);
  const qint32 middle = slider->position();
  sendMouse(slider, QEvent::MouseMove, QPoint(slider->width() - 1, y), Qt::NoButton, Qt::LeftButton);
  sendMouse(slider, QEvent::MouseButtonRelease, QPoint(slider->width() - 1, y), Qt::LeftButton, Qt::NoButton);
  EXPECT_GT(middle, 2000);
  EXPECT_LT(middle, 10000);
  EXPECT_EQ(f.backend->commands,
            (QStringList{QStringLiteral("seek %1").arg(middle), "play", "seek 10000", "seek start", "play"}));
  EXPECT_TRUE(f.w().Timer->isActive());
  EXPECT_TRUE(f.errors->messages.isEmpty());
}

// Opening the editor takes the last displayed position, pauses the device with the timer off
// and the paused pictures, but leaves the starfield alone; closing it only stores the start
// position for the next play.
TEST(DotClick, OpensTheEditorFromTheLabelAndClosingStoresTheStart) {
  struct Case {
    State from;
    const char* label;
    qint32 editorValue;
  };
  const Case cases[] = {
      {State::Playing, "750", 750},     {State::Paused, "750", 750}, {State::Stopped, "750", 750},
      {State::Playing, "99999", 10000},  // the editor limits the value to the media length
      {State::Playing, " 42 ", 42},
  };
  for (const Case& c : cases) {
    WindowFixture f;
    enter(f, c.from, 10000, 2000);
    TMainFenster& w = f.w();
    const std::string where = std::string(nameOf(c.from)) + ", label '" + c.label + "'";
    w.ByteProg->setCaption(QLatin1String(c.label));
    const bool sternBefore = w.Stern->active();
    f.run([&] { w.DotClick(); });
    EXPECT_TRUE(f.errors->messages.isEmpty()) << where;
    EXPECT_EQ(f.backend->commands, QStringList{"pause"}) << where;
    EXPECT_TRUE(shown(w.StartEdit)) << where;
    EXPECT_EQ(w.StartEdit->value(), c.editorValue) << where;
    EXPECT_FALSE(w.Timer->isActive()) << where;
    EXPECT_EQ(picturesOf(w), kPausedPictures) << where;
    EXPECT_EQ(w.Stern->active(), sternBefore) << where;

    f.backend->commands.clear();
    f.run([&] { w.DotClick(); });
    EXPECT_FALSE(shown(w.StartEdit)) << where;
    EXPECT_TRUE(f.backend->commands.isEmpty()) << where;  // closing plays nothing
    EXPECT_EQ(picturesOf(w), kPausedPictures) << where;
    f.run([&] { w.Pause_onClick(); });
    EXPECT_EQ(f.backend->commands, QStringList{QStringLiteral("play from %1").arg(c.editorValue)}) << where;
  }
}

// A label that is not a decimal integer: the error names it, the editor is already shown with
// its previous value, and the device, the timer and the pictures keep their state.
TEST(DotClick, ALabelThatIsNoIntegerRaisesTheConversionError) {
  WindowFixture f;
  enter(f, State::Playing, 10000, 2000);
  TMainFenster& w = f.w();
  w.StartEdit->setValue(321);
  w.ByteProg->setCaption(QStringLiteral("abc"));
  const Pictures before = picturesOf(w);
  f.run([&] { w.DotClick(); });
  EXPECT_EQ(f.errors->messages, QStringList{QStringLiteral("'abc' ist kein gültiger Integerwert")});
  EXPECT_TRUE(shown(w.StartEdit));
  EXPECT_EQ(w.StartEdit->value(), 321);
  EXPECT_TRUE(f.backend->commands.isEmpty());
  EXPECT_TRUE(w.Timer->isActive());
  EXPECT_EQ(picturesOf(w), before);
}

// The editor left open across Stop and Play: the next Dot click closes it and stores a start
// position without moving the current playback.
TEST(DotClick, AnEditorLeftOpenAcrossStopAndPlayStoresForTheNextPlay) {
  WindowFixture f;
  enter(f, State::Playing, 10000, 2000);
  TMainFenster& w = f.w();
  f.run([&] { w.DotClick(); });
  w.StartEdit->setValue(600);
  f.run([&] { w.StopClick(); });
  f.run([&] { w.PlayClick(); });
  ASSERT_TRUE(shown(w.StartEdit));
  f.backend->commands.clear();
  f.run([&] { w.DotClick(); });
  EXPECT_TRUE(f.backend->commands.isEmpty());
  EXPECT_TRUE(w.Timer->isActive());
  f.run([&] { w.StopClick(); });
  f.run([&] { w.PlayClick(); });
  EXPECT_EQ(f.backend->commands, (QStringList{"stop", "seek 0", "play from 600"}));
  EXPECT_TRUE(f.errors->messages.isEmpty());
}
