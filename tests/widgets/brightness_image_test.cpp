#include <QImage>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "widgets/brightness_core.h"
#include "widgets/brightness_image.h"

namespace {

// The splash logo's size.
const QSize kLogoSize(235, 164);

// A 3 × 2 picture whose pixels all differ, so every move of a pixel shows.
QImage smallPicture() {
  QImage image(3, 2, QImage::Format_RGB888);
  image.setPixel(0, 0, qRgb(10, 20, 30));
  image.setPixel(1, 0, qRgb(40, 50, 60));
  image.setPixel(2, 0, qRgb(70, 80, 90));
  image.setPixel(0, 1, qRgb(100, 110, 120));
  image.setPixel(1, 1, qRgb(130, 140, 150));
  image.setPixel(2, 1, qRgb(160, 170, 180));
  return image;
}

// A logo-sized picture with every channel value somewhere in it.
QImage logoPicture() {
  QImage image(kLogoSize, QImage::Format_RGB888);
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      image.setPixel(x, y, qRgb(x % 256, (x + y) % 256, (3 * y) % 256));
    }
  }
  return image;
}

TEST(BrightnessOffset, TruncatesTowardZero) {
  struct Case {
    int brightness, offset;
  };
  const Case cases[] = {{100, 0},   {99, -2},  {98, -5},  {90, -25}, {75, -63},  {50, -127}, {25, -191},
                        {10, -229}, {2, -249}, {1, -252}, {0, -255}, {150, 127}, {200, 255}};
  for (const Case& c : cases) {
    EXPECT_EQ(brightnessOffset(c.brightness), c.offset) << "brightness " << c.brightness;
  }
}

TEST(BrightnessRender, ChannelsAreClampedNeverWrapped) {
  struct Case {
    int channel, brightness, expected;
  };
  const Case cases[] = {
      {1, 99, 0},       // −2 stops at 0
      {250, 150, 255},  // +127 stops at 255
      {130, 99, 128},  {100, 100, 100}, {255, 0, 0}, {0, 200, 255}, {0, 150, 127}, {200, 50, 73},
  };
  for (const Case& c : cases) {
    QImage source(1, 1, QImage::Format_RGB888);
    source.setPixel(0, 0, qRgb(c.channel, c.channel, c.channel));
    const QImage result = renderBrightness(source, c.brightness, false, false, false);
    EXPECT_EQ(result.pixel(0, 0), qRgb(c.expected, c.expected, c.expected))
        << c.channel << " at brightness " << c.brightness;
  }
}

TEST(BrightnessRender, EffectsFollowTheBrightnessInOrder) {
  const QImage source = smallPicture();
  struct Case {
    const char* name;
    int brightness;
    bool flipped, inverted, mirrored;
    QPoint from;  // the source pixel that lands at (0, 0)
    QRgb expected;
  };
  const Case cases[] = {
      {"plain", 100, false, false, false, {0, 0}, qRgb(10, 20, 30)},
      {"flipped", 100, true, false, false, {0, 1}, qRgb(100, 110, 120)},
      {"mirrored", 100, false, false, true, {2, 0}, qRgb(70, 80, 90)},
      {"flipped and mirrored", 100, true, false, true, {2, 1}, qRgb(160, 170, 180)},
      // Inverting comes after brightening: 10 + 127 = 137 → 118. The other way round 245 would clamp to 255.
      {"inverted after brightness", 150, false, true, false, {0, 0}, qRgb(118, 108, 98)},
      {"all three, darkened", 50, true, true, true, {2, 1}, qRgb(255 - 33, 255 - 43, 255 - 53)},
  };
  for (const Case& c : cases) {
    const QImage result = renderBrightness(source, c.brightness, c.flipped, c.inverted, c.mirrored);
    ASSERT_EQ(result.size(), source.size()) << c.name;
    EXPECT_EQ(result.format(), QImage::Format_RGB888) << c.name;
    EXPECT_EQ(result.pixel(0, 0), c.expected) << c.name << " from " << c.from.x() << "," << c.from.y();
  }
}

TEST(BrightnessRender, ConvertsToThreeChannelsAndKeepsTheSourceUntouched) {
  QImage source(4, 4, QImage::Format_ARGB32);
  source.fill(qRgba(200, 100, 50, 255));
  const QImage copy = source.copy();
  const QImage result = renderBrightness(source, 0, false, false, false);
  EXPECT_EQ(result.format(), QImage::Format_RGB888);
  EXPECT_EQ(result.pixel(3, 3), qRgb(0, 0, 0));
  EXPECT_EQ(source, copy);
  EXPECT_TRUE(renderBrightness(QImage(), 50, true, true, true).isNull());
}

TEST(BrightnessImage, FadeRendersFromTheSourceEveryTime) {
  BrightnessImage logo;
  const QImage picture = logoPicture();
  logo.setPicture(picture);
  EXPECT_EQ(logo.size(), kLogoSize) << "sized to its picture";
  EXPECT_EQ(logo.brightness(), 100);
  EXPECT_EQ(logo.displayedPicture(), picture);

  // The splash fade: one step down per tick. The first darkens by 2, the 100th leaves black.
  logo.setBrightness(99);
  EXPECT_EQ(logo.displayedPicture().pixel(100, 50), qRgb(98, 148, 148));
  for (int b = 98; b >= 0; --b) {
    logo.setBrightness(static_cast<quint8>(b));
  }
  const QImage black = logo.displayedPicture();
  for (int y = 0; y < black.height(); y += 7) {
    for (int x = 0; x < black.width(); x += 5) {
      ASSERT_EQ(black.pixel(x, y), qRgb(0, 0, 0)) << x << "," << y;
    }
  }
  EXPECT_EQ(logo.grab().toImage().pixel(10, 10), qRgb(0, 0, 0));

  // Back at 100 nothing of the fade's clamping remains.
  logo.setBrightness(100);
  EXPECT_EQ(logo.displayedPicture(), picture);
}

TEST(BrightnessImage, RendersOnEveryBrightnessWriteAndOnEffectChanges) {
  BrightnessImage logo;
  int renderings = 0;
  QObject::connect(&logo, &BrightnessImage::displayedPictureChanged, [&] { ++renderings; });
  logo.setPicture(smallPicture());
  EXPECT_EQ(renderings, 1);

  struct Step {
    const char* what;
    std::function<void()> write;
    int renders;
  };
  const std::vector<Step> steps = {
      {"same brightness", [&] { logo.setBrightness(100); }, 1},
      {"same brightness again", [&] { logo.setBrightness(100); }, 1},
      {"unchanged effect", [&] { logo.setInverted(false); }, 0},
      {"inverted", [&] { logo.setInverted(true); }, 1},
      {"flipped", [&] { logo.setFlipped(true); }, 1},
      {"mirrored", [&] { logo.setMirrored(true); }, 1},
      {"mirrored again", [&] { logo.setMirrored(true); }, 0},
  };
  for (const Step& step : steps) {
    const int before = renderings;
    step.write();
    EXPECT_EQ(renderings - before, step.renders) << step.what;
  }
  EXPECT_EQ(logo.displayedPicture().pixel(0, 0), qRgb(255 - 160, 255 - 170, 255 - 180));
}

TEST(BrightnessImage, RenderingAskedForDuringARenderingIsSkipped) {
  BrightnessImage logo;
  logo.setPicture(smallPicture());
  int renderings = 0;
  QObject::connect(&logo, &BrightnessImage::displayedPictureChanged, [&] {
    // A listener writing again while the rendering still runs; once, so that a missing guard
    // shows as a second rendering rather than endless recursion.
    if (++renderings == 1) {
      logo.setBrightness(0);
    }
  });
  logo.setBrightness(200);
  EXPECT_EQ(renderings, 1);
  EXPECT_EQ(logo.brightness(), 0);
  EXPECT_EQ(logo.displayedPicture().pixel(0, 0), qRgb(255, 255, 255)) << "the outer rendering stands";
}

}  // namespace
