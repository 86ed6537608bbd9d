#include <gtest/gtest.h>

#include "tests/support/window_fixture.h"
#include "ui/display_panel.h"
#include "ui/player_control.h"
#include "widgets/bitmap_slider.h"
#include "widgets/gradient_progress.h"
#include "widgets/integer_edit.h"
#include "widgets/picture_image.h"
#include "widgets/skin_label.h"
#include "widgets/starfield.h"

namespace {}  // namespace

TEST(OpenClick, AsksTheDialogWithTitleFiltersAndTheLastConfirmedFile) {
  WindowFixture f;
  f.openViaDialog(QStringLiteral("/musik/eins.mp3"), 1);
  f.run([&] { f.w().OpenClick(); });  // cancelled
  ASSERT_EQ(f.dialog->requests.size(), 2u);
  const OpenDialogRequest& first = f.dialog->requests[0];
  EXPECT_EQ(first.title, QStringLiteral("Mediendatei öffnen - Quorvi"));
  ASSERT_EQ(first.nameFilters.size(), 2);
  EXPECT_TRUE(first.nameFilters[0].startsWith(QStringLiteral("Audio (ASF/AU/MIDI/MP3/RMI/SND/WAV/WMA) (")));
  EXPECT_TRUE(first.nameFilters[0].contains(QStringLiteral("*.mp3")));
  EXPECT_TRUE(first.nameFilters[0].contains(QStringLiteral("*.MP3")));
  EXPECT_TRUE(first.nameFilters[1].startsWith(
      QStringLiteral("Video (AVI/IVF/M1V/M3U/MMM/MOV/MP2/MP2V/MPV2/MPA/MPE/MPEG/MPG/WMV) (")));
  EXPECT_TRUE(first.nameFilters[1].contains(QStringLiteral("*.mpeg")));
  EXPECT_EQ(first.filterIndex, 1);
  EXPECT_TRUE(first.fileName.isEmpty());
  EXPECT_EQ(f.dialog->requests[1].fileName, QStringLiteral("/musik/eins.mp3"));
}

TEST(OpenClick, RunsTheOpenSequenceWithTheModeOfTheConfirmedFilter) {
  struct Case {
    const char* mode;
    int filterIndex;
    bool withVideo;
    QStringList commands;
    bool starfieldRunning;
    bool logoShown;
    bool pictureInPanel;
  };
  const Case cases[] = {
      {"audio", 1, false, {"open /m/a.wav", "play", "timeformat 1"}, true, false, false},
      {"audio, file with a picture",
       1,
       true,
       {"open /m/a.wav", "surface", "play", "surface", "timeformat 1"},
       true,
       false,
       false},
      {"video",
       2,
       true,
       {"open /m/a.wav", "surface", "play", "surface", "rect 0,0,160,120", "timeformat 0"},
       false,
       true,
       true},
      {"video filter, file without a picture",
       2,
       false,
       {"open /m/a.wav", "play", "timeformat 0"},
       false,
       true,
       true},
  };
  for (const Case& c : cases) {
    WindowFixture f;
    f.backend->lengthMs = 180000;
    f.backend->withVideo = c.withVideo;
    f.openViaDialog(QStringLiteral("/m/a.wav"), c.filterIndex);
    TMainFenster& w = f.w();
    EXPECT_TRUE(f.errors->messages.isEmpty()) << c.mode;
    EXPECT_EQ(f.backend->commands, c.commands) << c.mode;
    EXPECT_EQ(w.OpenDlg.filterIndex(), c.filterIndex) << c.mode;
    EXPECT_EQ(w.Stern->active(), c.starfieldRunning) << c.mode;
    EXPECT_EQ(shown(w.Stern), c.starfieldRunning) << c.mode;
    EXPECT_EQ(shown(w.Tamblo), c.logoShown) << c.mode;
    EXPECT_EQ(w.Player.display(), c.pictureInPanel ? static_cast<VideoSurface*>(w.Display)
                                                   : static_cast<VideoSurface*>(w.PlayerWindow))
        << c.mode;
    for (QWidget* control :
         {static_cast<QWidget*>(w.Pause), static_cast<QWidget*>(w.Pause_on), static_cast<QWidget*>(w.Stop),
          static_cast<QWidget*>(w.Zuruck), static_cast<QWidget*>(w.Weiter), static_cast<QWidget*>(w.Slider1),
          static_cast<QWidget*>(w.Dot)}) {
      EXPECT_TRUE(control->isEnabled()) << c.mode;
    }
    EXPECT_EQ(w.Progress->maximum(), 180000) << c.mode;
    EXPECT_EQ(w.Slider1->maximum(), 180000) << c.mode;
    EXPECT_EQ(w.StartEdit->maxValue(), 180000) << c.mode;
    EXPECT_EQ(w.ByteProg->hint(), QStringLiteral("Total: 180000")) << c.mode;
    EXPECT_TRUE(w.Timer->isActive()) << c.mode;
    EXPECT_TRUE(shown(w.Play_on)) << c.mode;
    EXPECT_FALSE(shown(w.Play)) << c.mode;
  }
}

TEST(OpenClick, CancellingChangesNothingWhilePlaying) {
  WindowFixture f;
  f.openViaDialog(QStringLiteral("/m/a.wav"), 2);
  f.backend->commands.clear();
  f.run([&] { f.w().OpenClick(); });
  EXPECT_TRUE(f.backend->commands.isEmpty());
  EXPECT_EQ(f.w().OpenDlg.filterIndex(), 2);
  EXPECT_EQ(f.w().Player.fileName(), QStringLiteral("/m/a.wav"));
  EXPECT_TRUE(f.w().Timer->isActive());
}

TEST(OpenClick, ASecondFileReplacesTheFirst) {
  WindowFixture f;
  f.backend->lengthMs = 1000;
  f.openViaDialog(QStringLiteral("/m/a.wav"));
  f.run([&] { f.w().Play_onClick(); });  // paused: the pause pair shows Pause_on
  f.backend->commands.clear();
  f.backend->lengthMs = 2000;
  f.openViaDialog(QStringLiteral("/m/b.wav"));
  EXPECT_EQ(f.backend->commands.mid(0, 3),
            QStringList({QStringLiteral("close"), QStringLiteral("open /m/b.wav"), QStringLiteral("play")}));
  EXPECT_EQ(f.w().Progress->maximum(), 2000);
  EXPECT_EQ(f.w().Slider1->maximum(), 2000);
  EXPECT_EQ(f.w().ByteProg->hint(), QStringLiteral("Total: 2000"));
  EXPECT_TRUE(f.w().Timer->isActive());
  EXPECT_TRUE(shown(f.w().Play_on));
  EXPECT_TRUE(shown(f.w().Pause_on));  // the open sequence leaves the pause pair alone
  EXPECT_FALSE(shown(f.w().Pause));
}

TEST(OpenClick, AFailedOpenReportsKeepsTheNameAndLeavesTheWindowAsItWas) {
  WindowFixture f;
  f.backend->openResult = 102;
  f.openViaDialog(QStringLiteral("/m/fehlt.wav"));
  ASSERT_EQ(f.errors->messages.size(), 1);
  EXPECT_EQ(f.errors->messages[0], FakeMediaBackend::textFor(102));
  EXPECT_EQ(f.backend->commands, QStringList({QStringLiteral("open /m/fehlt.wav")}));
  EXPECT_EQ(f.w().Player.fileName(), QStringLiteral("/m/fehlt.wav"));
  EXPECT_FALSE(f.w().Stop->isEnabled());
  EXPECT_FALSE(f.w().Timer->isActive());
  EXPECT_TRUE(shown(f.w().Play));
  EXPECT_FALSE(f.w().Stern->active());

  // Play no longer offers the dialog: the device has nothing open.
  f.click(QPoint(31, 52));
  EXPECT_EQ(f.dialog->requests.size(), 1u);
  ASSERT_EQ(f.errors->messages.size(), 2);
  EXPECT_EQ(f.errors->messages[1], QStringLiteral("Kein MCI-Gerät geöffnet"));

  // Open is the way back.
  f.backend->openResult = 0;
  f.openViaDialog(QStringLiteral("/m/da.wav"));
  EXPECT_EQ(f.errors->messages.size(), 2);
  EXPECT_TRUE(f.w().Player.isOpen());
  EXPECT_TRUE(f.w().Timer->isActive());
}

TEST(OpenClick, AnUnknownErrorCodeHasTheGenericText) {
  WindowFixture f;
  f.backend->openResult = 55;
  f.backend->unknownCode = 55;
  f.openViaDialog(QStringLiteral("/m/x.wav"));
  ASSERT_EQ(f.errors->messages.size(), 1);
  EXPECT_EQ(f.errors->messages[0], QStringLiteral("Unbekannter Fehler-Code"));
}

TEST(PlayClick, WithoutAFileOffersTheDialogAndAlwaysRunsTheStarfieldStep) {
  struct Case {
    const char* what;
    std::optional<OpenDialogChoice> answer;
    QStringList commands;
    bool starfieldRunning;
  };
  const Case cases[] = {
      {"cancelled, audio filter", std::nullopt, {}, true},
      {"confirmed, audio",
       OpenDialogChoice{QStringLiteral("/m/a.wav"), 1},
       {"open /m/a.wav", "surface", "play", "timeformat 1"},
       true},
      {"confirmed, video",
       OpenDialogChoice{QStringLiteral("/m/v.y4m"), 2},
       {"open /m/v.y4m", "surface", "play", "rect 0,0,160,120", "timeformat 0"},
       false},
  };
  for (const Case& c : cases) {
    WindowFixture f;
    f.backend->withVideo = true;
    f.backend->lengthMs = 3000;
    f.dialog->answers.push_back(c.answer);
    f.click(QPoint(31, 52));  // the Play picture
    EXPECT_EQ(f.dialog->requests.size(), 1u) << c.what;
    EXPECT_EQ(f.backend->commands, c.commands) << c.what;
    EXPECT_EQ(f.w().Stern->active(), c.starfieldRunning) << c.what;
    EXPECT_EQ(shown(f.w().Stern), c.starfieldRunning) << c.what;
    EXPECT_FALSE(shown(f.w().Tamblo)) << c.what;
    // This path never moves the picture away from the panel.
    EXPECT_EQ(f.w().Player.display(), static_cast<VideoSurface*>(f.w().Display)) << c.what;
  }
}

TEST(OpenSequence, UsesAStartPositionStoredBeforeTheOpen) {
  WindowFixture f;
  f.backend->lengthMs = 5000;
  f.openViaDialog(QStringLiteral("/m/a.wav"));
  f.w().Player.setFromPosition(750);
  f.backend->commands.clear();
  f.openViaDialog(QStringLiteral("/m/b.wav"));
  EXPECT_TRUE(f.backend->commands.contains(QStringLiteral("play from 750")));
}
