#include <gtest/gtest.h>

#include "playback/play_texts.h"

TEST(PlayTexts, FormatPlayTimePadsWithBlanksNeverZeros) {
  struct Case {
    qint32 ms;
    const char* text;
  };
  const Case cases[] = {
      {0, " 0: 0"},      {187000, " 3: 7"},  {65000, " 1: 5"},    {65999, " 1: 5"},
      {600000, "10: 0"}, {3599999, "59:59"}, {6000000, "100: 0"}, {999, " 0: 0"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(formatPlayTime(c.ms), QLatin1String(c.text)) << c.ms;
  }
}

TEST(PlayTexts, VolumePercentRoundsHalvesToEven) {
  EXPECT_EQ(volumePercent(0), 0);
  EXPECT_EQ(volumePercent(63), 50);
  EXPECT_EQ(volumePercent(64), 50);
  EXPECT_EQ(volumePercent(127), 100);
  EXPECT_EQ(volumePercent(1), 1);
}

TEST(PlayTexts, TheTwoHintFormsDifferOnlyInPadding) {
  EXPECT_EQ(volLevHint(50, 7), QStringLiteral("Volume: 50% / Progress: 7%"));
  EXPECT_EQ(paddedVolLevHint(50, 7), QStringLiteral("Volume: 50% / Progress:  7%"));
  EXPECT_EQ(paddedVolLevHint(5, 100), QStringLiteral("Volume:  5% / Progress: 100%"));
  EXPECT_EQ(volLevHint(0, 0), QStringLiteral("Volume: 0% / Progress: 0%"));
  EXPECT_EQ(totalHint(180000), QStringLiteral("Total: 180000"));
}
