#include <gtest/gtest.h>

#include "playback/sound_control.h"
#include "playback/wave_out.h"
#include "tests/support/fake_wave_out.h"

TEST(SoundControl, WritesTheSliderLevelToBothChannels) {
  struct Case {
    quint8 slider;
    quint32 channel;
    double enginePercent;
  };
  const Case cases[] = {
      {0, 0, 0.0}, {1, 512, 0.78}, {63, 32256, 49.22}, {64, 32768, 50.0}, {127, 65024, 99.22},
  };
  for (const Case& c : cases) {
    FakeWaveOut out;
    out.outputs = {{}};
    SoundControl sound(&out);
    sound.Wave.setVolume(c.slider);
    ASSERT_EQ(out.writes.size(), 1u) << int(c.slider);
    EXPECT_EQ(out.writes[0].level, c.channel | (c.channel << 16)) << int(c.slider);
    EXPECT_NEAR(EngineWaveOut::percentOfLevel(out.writes[0].level), c.enginePercent, 0.01) << int(c.slider);
  }
}

TEST(SoundControl, ChoosesTheFirstOutputWithVolumeControlOnce) {
  FakeWaveOut out;
  out.outputs = {{.hasVolume = false}, {.hasVolume = true}, {.hasVolume = true}};
  SoundControl sound(&out);
  ASSERT_TRUE(sound.Wave.device().has_value());
  EXPECT_EQ(*sound.Wave.device(), 1u);
  out.outputs[0].hasVolume = true;  // an output that changes later is not looked at again
  sound.Wave.setVolume(10);
  EXPECT_EQ(out.writes.at(0).id, 1u);
  EXPECT_FALSE(sound.Midi.device().has_value());
  EXPECT_FALSE(sound.Cd.device().has_value());
}

TEST(SoundControl, WithoutAnOutputNothingIsStoredOrCalled) {
  FakeWaveOut out;
  out.outputs = {{.hasVolume = false}};
  SoundControl sound(&out);
  sound.Wave.setVolume(100);
  EXPECT_TRUE(out.writes.empty());
  EXPECT_EQ(sound.Wave.volume(), 0);

  SoundControl none(nullptr);
  none.Wave.setVolume(100);
  EXPECT_EQ(none.Wave.volume(), 0);
}

TEST(SoundControl, AFailedWriteKeepsItsCodeAndRaisesNothing) {
  FakeWaveOut out;
  out.outputs = {{}};
  out.setResult = WaveOut::kFailed;
  SoundControl sound(&out);
  EXPECT_NO_THROW(sound.Wave.setVolume(64));
  EXPECT_EQ(sound.Wave.lastError(), WaveOut::kFailed);
  out.setResult = WaveOut::kNoError;
  sound.Wave.setVolume(64);
  EXPECT_EQ(sound.Wave.lastError(), WaveOut::kNoError);
}

TEST(SoundControl, ReadingTakesLevelAndBalanceFromTheOutput) {
  FakeWaveOut out;
  out.outputs = {{.hasVolume = true, .level = 32768u | (16384u << 16)}};
  SoundControl sound(&out);
  EXPECT_EQ(sound.Wave.volume(), (32768 + 16384) / 512);
  EXPECT_EQ(sound.Wave.balance(), 67);  // the left channel's share, rounded
}

namespace {
class RecordingLevel : public OutputLevel {
 public:
  bool setOutputVolume(double percent) override {
    percent_ = percent;
    return accept;
  }
  double outputVolume() const override { return percent_; }
  bool accept = true;
  double percent_ = 100.0;
};
}  // namespace

TEST(EngineWaveOut, TurnsChannelWordsIntoTheEngineVolume) {
  RecordingLevel level;
  EngineWaveOut out(level);
  WaveOutCaps caps;
  EXPECT_EQ(out.deviceCount(), 1u);
  EXPECT_EQ(out.capabilities(0, caps), WaveOut::kNoError);
  EXPECT_TRUE(caps.hasVolume);
  EXPECT_EQ(out.setVolume(0, SoundValue::levelFor(127)), WaveOut::kNoError);
  EXPECT_NEAR(level.outputVolume(), 99.22, 0.01);
  EXPECT_EQ(out.setVolume(0, 0), WaveOut::kNoError);
  EXPECT_EQ(level.outputVolume(), 0.0);
  level.accept = false;
  EXPECT_EQ(out.setVolume(0, 0xFFFFFFFFu), WaveOut::kFailed);
  EXPECT_EQ(out.setVolume(1, 0), WaveOut::kBadDevice);
}
