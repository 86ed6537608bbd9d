#include <QCoreApplication>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include "app/engine_output_level.h"
#include "playback/mpv_backend.h"
#include "tests/support/window_fixture.h"
#include "ui/skin.h"
#include "widgets/bitmap_slider.h"
#include "widgets/picture_image.h"

namespace {

// A left-button drag of the slider's thumb to x (slider coordinates).
void dragTo(BitmapSlider* slider, int x) {
  sendMouse(slider, QEvent::MouseButtonPress, QPoint(8, 5), Qt::LeftButton, Qt::LeftButton);
  sendMouse(slider, QEvent::MouseMove, QPoint(x, 5), Qt::NoButton, Qt::LeftButton);
  sendMouse(slider, QEvent::MouseButtonRelease, QPoint(x, 5), Qt::LeftButton, Qt::NoButton);
}

quint32 bothChannels(quint32 word) {
  return word | (word << 16);
}

}  // namespace

TEST(VolumeSlider, ADragWritesTheLevelToBothChannelsAndRebuildsTheHint) {
  struct Case {
    int x;  // where the thumb is dragged to
    int position;
    quint32 channel;
    const char* hint;
  };
  const Case cases[] = {
      {9, 0, 0, "Volume: 0% / Progress: 0%"},
      {11, 1, 512, "Volume: 1% / Progress: 0%"},
      {8 + 214 - 4, 63, 32256, "Volume: 50% / Progress: 0%"},
      {8 + 214, 64, 32768, "Volume: 50% / Progress: 0%"},
      {432, 127, 65024, "Volume: 100% / Progress: 0%"},
  };
  for (const Case& c : cases) {
    WindowFixture f;
    f.run([&] { f.w().SwitchVolClick(); });
    dragTo(f.w().Slider2, c.x);
    EXPECT_EQ(f.w().Slider2->position(), c.position) << c.x;
    ASSERT_FALSE(f.wave->writes.empty()) << c.x;
    EXPECT_EQ(f.wave->writes.back().level, bothChannels(c.channel)) << c.x;
    EXPECT_EQ(f.w().VolLev->hint(), QLatin1String(c.hint)) << c.x;
  }
}

TEST(VolumeSlider, NothingIsWrittenUntilTheUserDrags) {
  WindowFixture f;
  f.run([&] { f.w().FormCreate(); });
  f.w().Slider2->setPosition(100);  // a write from code raises no change
  EXPECT_TRUE(f.wave->writes.empty());
  EXPECT_EQ(f.w().VolLev->hint(), QStringLiteral("Volume: 50% / Progress: 0%"));
}

TEST(VolumeSlider, AFailingOutputKeepsItsErrorAndTheHintIsStillRebuilt) {
  WindowFixture f;
  f.wave->setResult = WaveOut::kFailed;
  dragTo(f.w().Slider2, 432);
  EXPECT_EQ(f.w().Sound.Wave.lastError(), WaveOut::kFailed);
  EXPECT_TRUE(f.errors->messages.isEmpty());
  EXPECT_EQ(f.w().VolLev->hint(), QStringLiteral("Volume: 100% / Progress: 0%"));
}

TEST(VolumeSlider, WithoutAnOutputOnlyTheSliderAndHintChange) {
  WindowFixture f({}, /*withWaveOut=*/false);
  dragTo(f.w().Slider2, 9);
  EXPECT_EQ(f.w().Slider2->position(), 0);
  EXPECT_EQ(f.w().VolLev->hint(), QStringLiteral("Volume: 0% / Progress: 0%"));
  EXPECT_TRUE(f.errors->messages.isEmpty());
}

// The real output: the slider drives the media engine's own volume, which applies to the file
// playing and to files opened later.
TEST(VolumeSlider, DrivesTheEnginesOutputVolume) {
  auto backend = std::make_unique<MpvBackend>();
  MpvBackend* engine = backend.get();
  EngineOutputLevel level(*engine);
  MainFensterServices services;
  services.mediaBackend = std::move(backend);
  services.waveOut = std::make_unique<EngineWaveOut>(level);
  services.fileDialog = std::make_unique<ScriptedFileDialog>();
  TMainFenster window(Skin::load(), std::move(services));
  const double before = engine->outputVolume();

  dragTo(window.Slider2, 432);  // 127: 65024 of 65535 on each channel
  EXPECT_NEAR(engine->outputVolume(), 99.22, 0.01);
  dragTo(window.Slider2, 9);  // 0: silence
  EXPECT_NEAR(engine->outputVolume(), 0.0, 0.001);
  dragTo(window.Slider2, 8 + 214);  // 64
  EXPECT_NEAR(engine->outputVolume(), 50.0, 0.01);
  EXPECT_NE(before, engine->outputVolume());
}
