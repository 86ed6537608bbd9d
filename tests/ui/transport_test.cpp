#include <gtest/gtest.h>

#include <functional>

#include "playback/media_device_error.h"
#include "tests/support/window_fixture.h"
#include "widgets/bitmap_slider.h"
#include "widgets/gradient_progress.h"
#include "widgets/integer_edit.h"
#include "widgets/picture_image.h"
#include "widgets/skin_label.h"
#include "widgets/starfield.h"

namespace {

constexpr int kAudio = 1;
constexpr int kVideo = 2;
constexpr qint32 kLength = 10000;
constexpr qint32 kPlayedTo = 4000;

using State = PlayerState;

// Brings a fresh window into `state` through the handlers themselves, with the device somewhere
// in the middle of the media, and forgets the commands that took it there.
void enter(WindowFixture& f, State state, int filterIndex) {
  if (state != State::Start) {
    f.backend->lengthMs = kLength;
    f.openViaDialog(QStringLiteral("/m/lied.wav"), filterIndex);
    f.backend->positionMs = kPlayedTo;
  }
  if (state == State::Paused) {
    f.run([&] { f.w().PauseClick(); });
  } else if (state == State::Stopped) {
    f.run([&] { f.w().StopClick(); });
  }
  ASSERT_TRUE(f.errors->messages.isEmpty()) << nameOf(state);
  f.backend->commands.clear();
}

// Which picture of each pair shows, and the rest of what a transport handler changes.
struct Look {
  bool play, playOn, pause, pauseOn;
  bool timer;
  bool sternActive, sternShown, logoShown;
};

Look lookOf(TMainFenster& w) {
  return {shown(w.Play),       shown(w.Play_on),  shown(w.Pause), shown(w.Pause_on),
          w.Timer->isActive(), w.Stern->active(), shown(w.Stern), shown(w.Tamblo)};
}

void expectLook(TMainFenster& w, const Look& want, const std::string& where) {
  const Look got = lookOf(w);
  EXPECT_EQ(got.play, want.play) << where << ": Play";
  EXPECT_EQ(got.playOn, want.playOn) << where << ": Play_on";
  EXPECT_EQ(got.pause, want.pause) << where << ": Pause";
  EXPECT_EQ(got.pauseOn, want.pauseOn) << where << ": Pause_on";
  EXPECT_EQ(got.timer, want.timer) << where << ": Timer";
  EXPECT_EQ(got.sternActive, want.sternActive) << where << ": Stern.Active";
  EXPECT_EQ(got.sternShown, want.sternShown) << where << ": Stern shown";
  EXPECT_EQ(got.logoShown, want.logoShown) << where << ": Tamblo shown";
}

using Handler = void (TMainFenster::*)();

}  // namespace

// Every transport handler from every state, in both modes: the device commands in order and the
// pictures, timer, starfield and logo afterwards.
TEST(TransportHandlers, StateTransitions) {
  struct Case {
    int mode;
    State from;
    const char* handlerName;
    Handler handler;
    QStringList commands;
    Look after;
    bool noDeviceError;
  };
  const QString noDevice = QString::fromUtf8(kNoDeviceOpenText);
  //                  play  on     pause  on     timer  active shown  logo
  const Look playing{false, true, true, true, true, true, true, false};
  const Look paused{false, true, false, true, false, false, true, false};
  const Look stopped{true, false, true, false, false, false, false, true};
  const Look videoPaused{false, true, false, true, false, false, false, true};
  const Look videoStopped{true, false, true, false, false, false, false, true};
  const Look startLook{true, true, true, true, false, false, true, true};
  const Case cases[] = {
      // Start: nothing is open. PlayClick asks the dialog (cancelled here) and still runs the
      // starfield step; every other handler fails at its first device call.
      {kAudio,
       State::Start,
       "PlayClick",
       &TMainFenster::PlayClick,
       {},
       {true, true, true, true, false, true, true, false},
       false},
      {kVideo,
       State::Start,
       "PlayClick",
       &TMainFenster::PlayClick,
       {},
       {true, true, true, true, false, false, false, false},
       false},
      {kAudio, State::Start, "Play_onClick", &TMainFenster::Play_onClick, {}, startLook, true},
      {kAudio, State::Start, "PauseClick", &TMainFenster::PauseClick, {}, startLook, true},
      {kAudio, State::Start, "StopClick", &TMainFenster::StopClick, {}, startLook, true},
      // Pause_onClick runs the starfield step before the play that fails.
      {kAudio,
       State::Start,
       "Pause_onClick",
       &TMainFenster::Pause_onClick,
       {},
       {true, true, true, true, false, true, true, true},
       true},

      // Playing.
      {kAudio, State::Playing, "PlayClick", &TMainFenster::PlayClick, {"play"}, playing, false},
      {kAudio, State::Playing, "Play_onClick", &TMainFenster::Play_onClick, {"pause"}, paused, false},
      {kAudio, State::Playing, "PauseClick", &TMainFenster::PauseClick, {"pause"}, paused, false},
      {kAudio,
       State::Playing,
       "Pause_onClick",
       &TMainFenster::Pause_onClick,
       {"play"},
       {false, true, true, false, true, true, true, false},
       false},
      {kAudio, State::Playing, "StopClick", &TMainFenster::StopClick, {"stop", "seek 0"}, stopped, false},
      {kVideo, State::Playing, "Play_onClick", &TMainFenster::Play_onClick, {"pause"}, videoPaused, false},
      {kVideo,
       State::Playing,
       "StopClick",
       &TMainFenster::StopClick,
       {"stop", "seek 0"},
       videoStopped,
       false},

      // Paused.
      {kAudio,
       State::Paused,
       "PlayClick",
       &TMainFenster::PlayClick,
       {"play"},
       {false, true, false, true, true, true, true, false},
       false},
      {kAudio,
       State::Paused,
       "Play_onClick",
       &TMainFenster::Play_onClick,
       {"play"},
       {false, true, true, false, true, true, true, false},
       false},
      {kAudio, State::Paused, "PauseClick", &TMainFenster::PauseClick, {"pause"}, paused, false},
      {kAudio,
       State::Paused,
       "Pause_onClick",
       &TMainFenster::Pause_onClick,
       {"play"},
       {false, true, true, false, true, true, true, false},
       false},
      {kAudio, State::Paused, "StopClick", &TMainFenster::StopClick, {"stop", "seek 0"}, stopped, false},
      {kVideo,
       State::Paused,
       "Pause_onClick",
       &TMainFenster::Pause_onClick,
       {"play"},
       {false, true, true, false, true, false, false, true},
       false},

      // Stopped: the starfield is hidden and the logo shows.
      {kAudio,
       State::Stopped,
       "PlayClick",
       &TMainFenster::PlayClick,
       {"play"},
       {false, true, true, false, true, true, true, false},
       false},
      {kAudio,
       State::Stopped,
       "Play_onClick",
       &TMainFenster::Play_onClick,
       {"pause"},
       {true, false, false, true, false, false, false, true},
       false},
      {kAudio, State::Stopped, "PauseClick", &TMainFenster::PauseClick, {}, stopped, false},
      {kAudio,
       State::Stopped,
       "Pause_onClick",
       &TMainFenster::Pause_onClick,
       {"play"},
       {true, false, true, false, true, true, true, true},
       false},
      {kAudio, State::Stopped, "StopClick", &TMainFenster::StopClick, {"stop", "seek 0"}, stopped, false},
      // In video mode PlayClick hides the logo, and StopClick, finding the starfield hidden,
      // leaves it hidden.
      {kVideo,
       State::Stopped,
       "PlayClick",
       &TMainFenster::PlayClick,
       {"play"},
       {false, true, true, false, true, false, false, false},
       false},
  };
  for (const Case& c : cases) {
    WindowFixture f;
    f.w().OpenDlg.setFilterIndex(c.mode);
    enter(f, c.from, c.mode);
    const std::string where =
        std::string(c.mode == kAudio ? "audio, " : "video, ") + nameOf(c.from) + ", " + c.handlerName;
    f.run([&] { (f.w().*c.handler)(); });
    EXPECT_EQ(f.backend->commands, c.commands) << where;
    expectLook(f.w(), c.after, where);
    EXPECT_EQ(f.errors->messages, c.noDeviceError ? QStringList{noDevice} : QStringList{}) << where;
  }
}

TEST(TransportHandlers, StopResetsTheDisplaysWithItsOwnTexts) {
  WindowFixture f;
  enter(f, State::Playing, kAudio);
  f.w().TimerTimer();
  ASSERT_EQ(f.w().ByteProg->caption(), QStringLiteral("4000"));
  f.run([&] { f.w().StopClick(); });
  EXPECT_EQ(f.w().ByteProg->caption(), QStringLiteral("0"));
  EXPECT_EQ(f.w().Progress->position(), 0);
  EXPECT_EQ(f.w().Progress->caption(), QStringLiteral("0:0"));
  EXPECT_EQ(f.w().Slider1->position(), 0);
  EXPECT_EQ(f.w().VolLev->hint(), QStringLiteral("Volume: 50% / Progress: 0%"));
}

// The video-mode StopClick leaves the logo as it was: shown after an open, hidden after a
// PlayClick.
TEST(TransportHandlers, StopInVideoModeLeavesTheLogoAsItWas) {
  WindowFixture f;
  f.w().OpenDlg.setFilterIndex(kVideo);
  enter(f, State::Stopped, kVideo);
  f.run([&] { f.w().PlayClick(); });
  ASSERT_FALSE(shown(f.w().Tamblo));
  f.run([&] { f.w().StopClick(); });
  EXPECT_FALSE(shown(f.w().Tamblo));
  EXPECT_FALSE(shown(f.w().Stern));
}

// A start position taken over by the editor waits for the next play, whichever handler issues
// it, and is used once.
TEST(TransportHandlers, PendingStartPositionIsUsedByTheNextPlayOnly) {
  struct Case {
    const char* name;
    std::function<void(TMainFenster&)> between;
    Handler resume;
    QStringList commands;
  };
  const Case cases[] = {
      {"Stop between, then Play",
       [](TMainFenster& w) { w.StopClick(); },
       &TMainFenster::PlayClick,
       {"stop", "seek 0", "play from 750", "pause", "play"}},
      {"resumed with Pause_on",
       [](TMainFenster&) {},
       &TMainFenster::Pause_onClick,
       {"play from 750", "pause", "play"}},
      {"resumed with Play_on",
       [](TMainFenster&) {},
       &TMainFenster::Play_onClick,
       {"play from 750", "pause", "play"}},
  };
  for (const Case& c : cases) {
    WindowFixture f;
    enter(f, State::Playing, kAudio);
    TMainFenster& w = f.w();
    f.run([&] { w.DotClick(); });  // opens the editor and pauses
    w.StartEdit->setValue(750);
    f.run([&] { w.DotClick(); });  // closes it: the start position is stored
    f.backend->commands.clear();
    f.run([&] { c.between(w); });
    f.run([&] { (w.*c.resume)(); });
    // A second pause and resume: the start position is spent, the device plays where it is.
    f.run([&] { w.PauseClick(); });
    f.run([&] { w.Pause_onClick(); });
    EXPECT_EQ(f.backend->commands, c.commands) << c.name;
    EXPECT_TRUE(f.errors->messages.isEmpty()) << c.name;
  }
}

// Resuming with an open editor commits it: the editor closes, Dot starts its click cycle again,
// and the device plays from the edited value. With the editor closed nothing of that happens.
TEST(TransportHandlers, ResumeCommitsAnOpenStartEditor) {
  struct Case {
    const char* name;
    Handler resume;
    bool editorOpen;
    QStringList commands;
    TPicState dotState;
  };
  const Case cases[] = {
      {"Play_on, editor open", &TMainFenster::Play_onClick, true, {"play from 1234"}, TPicState::stDefault},
      {"Pause_on, editor open", &TMainFenster::Pause_onClick, true, {"play from 1234"}, TPicState::stDefault},
      {"Play_on, editor closed", &TMainFenster::Play_onClick, false, {"play"}, TPicState::stClicked1},
      {"Pause_on, editor closed", &TMainFenster::Pause_onClick, false, {"play"}, TPicState::stClicked1},
  };
  for (const Case& c : cases) {
    WindowFixture f;
    enter(f, State::Playing, kAudio);
    TMainFenster& w = f.w();
    f.click(w.Dot);  // a real click: DotClick opens the editor, Dot shows its first clicked picture
    ASSERT_TRUE(shown(w.StartEdit)) << c.name;
    ASSERT_EQ(w.Dot->state(), TPicState::stClicked1) << c.name;
    w.StartEdit->setValue(1234);
    if (!c.editorOpen) {
      w.StartEdit->hide();  // closed without storing anything
    }
    f.backend->commands.clear();
    f.run([&] { (w.*c.resume)(); });
    EXPECT_EQ(f.backend->commands, c.commands) << c.name;
    EXPECT_FALSE(shown(w.StartEdit)) << c.name;
    EXPECT_EQ(w.Dot->state(), c.dotState) << c.name;
    EXPECT_TRUE(w.Timer->isActive()) << c.name;
  }
}

// A file name whose open failed: PlayClick fails at its play and changes nothing else, not even
// the starfield step or the logo.
TEST(TransportHandlers, PlayAfterAFailedOpenReportsTheMissingDeviceAndChangesNothing) {
  WindowFixture f;
  f.backend->openResult = 7;
  f.openViaDialog(QStringLiteral("/m/kaputt.wav"), kAudio);
  ASSERT_EQ(f.errors->messages, QStringList{FakeMediaBackend::textFor(7)});
  const Look before = lookOf(f.w());
  f.backend->commands.clear();
  f.run([&] { f.w().PlayClick(); });
  EXPECT_EQ(f.errors->messages.value(1), QString::fromUtf8(kNoDeviceOpenText));
  EXPECT_TRUE(f.backend->commands.isEmpty());
  expectLook(f.w(), before, "after the failed play");
  EXPECT_EQ(f.dialog->requests.size(), 1u);  // a file name is set: no dialog
}

// PlayClick without a file name takes the dialog path; an accepted dialog opens and plays.
TEST(TransportHandlers, PlayWithoutAFileOpensThroughTheDialog) {
  WindowFixture f;
  f.backend->lengthMs = kLength;
  f.dialog->answers.push_back(OpenDialogChoice{QStringLiteral("/m/neu.wav"), kAudio});
  f.run([&] { f.w().PlayClick(); });
  EXPECT_TRUE(f.errors->messages.isEmpty());
  EXPECT_EQ(f.backend->commands, (QStringList{"open /m/neu.wav", "play", "timeformat 1"}));
  expectLook(f.w(), {false, true, true, true, true, true, true, false}, "opened by PlayClick");
}

// Clicks go through the window's routing to the upper visible picture of each pair.
TEST(TransportHandlers, ClicksReachTheUpperVisiblePictureOfEachPair) {
  struct Step {
    const char* what;
    QPoint at;
    QStringList commands;
    bool timer;
  };
  const QPoint playPair(31, 52);
  const QPoint pausePair(74, 52);
  const QPoint stop(117, 52);
  const Step steps[] = {
      {"Play_on pauses", playPair, {"pause"}, false},
      {"Play_on resumes", playPair, {"play"}, true},
      {"Pause pauses", pausePair, {"pause"}, false},
      {"Pause_on resumes", pausePair, {"play"}, true},
      {"Stop stops", stop, {"stop", "seek 0"}, false},
      {"Pause does nothing while stopped", pausePair, {}, false},
      {"Play plays", playPair, {"play"}, true},
  };
  WindowFixture f;
  enter(f, State::Playing, kAudio);
  for (const Step& s : steps) {
    f.backend->commands.clear();
    f.click(s.at);
    EXPECT_EQ(f.backend->commands, s.commands) << s.what;
    EXPECT_EQ(f.w().Timer->isActive(), s.timer) << s.what;
  }
  EXPECT_TRUE(f.errors->messages.isEmpty());
}
