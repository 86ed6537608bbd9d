#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>

#include <cstdint>
#include <limits>
#include <vector>

#include <gtest/gtest.h>

#include "widgets/bitmap_slider.h"
#include "widgets/slider_core.h"

namespace {

// The two sliders of the window: size, thumb frame and range.
SliderCore volumeSlider() {  // 441 × 17, thumb picture 32 × 18, Maximum 127
  SliderCore core;
  core.setSize({441, 17});
  core.setFrameSize({16, 18});
  core.setMaximum(127);
  return core;
}

SliderCore positionSlider(std::int32_t maximum) {  // 407 × 41, thumb picture 48 × 34
  SliderCore core;
  core.setSize({407, 41});
  core.setFrameSize({24, 34});
  core.setMaximum(maximum);
  return core;
}

TEST(SliderCore, RoundsHalvesToEven) {
  const struct {
    double in;
    double out;
  } cases[] = {{0.5, 0},    {1.5, 2},  {2.5, 2},   {3.5, 4}, {2.4999, 2},
               {2.5001, 3}, {-0.5, 0}, {-1.5, -2}, {7, 7}};
  for (const auto& c : cases) {
    EXPECT_EQ(roundHalfEven(c.in), c.out) << c.in;
  }
}

TEST(SliderCore, VolumeSliderDragPositions) {
  constexpr std::int32_t kBefore = 64;
  const struct {
    int x;
    std::int32_t position;
    bool raised;
  } cases[] = {
      {9, 0, true},        {10, 1, true},       {13, 1, true},         {14, 2, true},
      {431, 126, true},    {432, 127, true},    {440, 127, true},      {900, 127, true},
      {8, kBefore, false}, {0, kBefore, false}, {-20, kBefore, false},
  };
  for (const auto& c : cases) {
    SliderCore core = volumeSlider();
    core.setPosition(kBefore);
    core.press();
    EXPECT_EQ(core.move(c.x, 5, true), c.raised) << "x = " << c.x;
    EXPECT_EQ(core.position(), c.position) << "x = " << c.x;
  }
}

TEST(SliderCore, ThumbPlace) {
  const struct {
    std::int32_t position;
    int left;
  } cases[] = {{0, 0}, {64, 214}, {127, 425}};
  for (const auto& c : cases) {
    SliderCore core = volumeSlider();
    core.setPosition(c.position);
    EXPECT_EQ(core.thumbLeft(), c.left) << c.position;
    EXPECT_EQ(core.thumbTop(), 0) << "a frame taller than the slider sits at the top";
  }
  EXPECT_EQ(positionSlider(100).thumbTop(), 3);
}

TEST(SliderCore, HalfwayThumbPlacesAndDragsRoundToEven) {
  // Frame 16 wide in a 36-wide slider with Maximum 10: two pixels per unit.
  SliderCore core;
  core.setSize({36, 10});
  core.setFrameSize({16, 10});
  core.setMaximum(10);
  const struct {
    int x;
    std::int32_t position;
  } drags[] = {{9, 0}, {11, 2}, {13, 2}, {15, 4}};
  for (const auto& c : drags) {
    core.press();
    core.move(c.x, 0, true);
    core.release();
    EXPECT_EQ(core.position(), c.position) << "x = " << c.x;
  }
  // Maximum 8 makes 2.5 pixels per unit: position 1 is drawn at 2, position 3 at 8 (7.5).
  core.setMaximum(8);
  core.setPosition(1);
  EXPECT_EQ(core.thumbLeft(), 2);
  core.setPosition(3);
  EXPECT_EQ(core.thumbLeft(), 8);
}

TEST(SliderCore, PositionSliderSmallestAndLargestDrag) {
  const struct {
    std::int32_t maximum;
    int x;
    std::int32_t position;
  } cases[] = {
      {180000, 13, 470},
      {180000, 394, 179530},
      {180000, 395, 180000},
      {180000, 2000, 180000},
      {191, 13, 0},
      {192, 13, 1},
      {100, 395, 100},
      {std::numeric_limits<std::int32_t>::max(), 5000, std::numeric_limits<std::int32_t>::max()},
  };
  for (const auto& c : cases) {
    SliderCore core = positionSlider(c.maximum);
    core.press();
    EXPECT_TRUE(core.move(c.x, 20, true));
    EXPECT_EQ(core.position(), c.position) << "Maximum " << c.maximum << ", x = " << c.x;
  }
}

TEST(SliderCore, MovesActOnlyWhileHeldWithinTheThumbHeightUntilTrackingBegins) {
  SliderCore core = volumeSlider();
  EXPECT_FALSE(core.move(100, 5, true)) << "not pressed";
  core.press();
  EXPECT_EQ(core.position(), 0) << "a press alone moves nothing";
  EXPECT_FALSE(core.move(100, 5, false)) << "left button not down";
  EXPECT_FALSE(core.move(100, -1, true)) << "above the thumb";
  EXPECT_FALSE(core.move(100, 19, true)) << "below the thumb";
  EXPECT_FALSE(core.move(5, 5, true)) << "left of the thumb's middle";
  EXPECT_FALSE(core.tracking());
  EXPECT_TRUE(core.move(100, 18, true)) << "the thumb's height counts inclusively";
  EXPECT_TRUE(core.tracking());
  EXPECT_TRUE(core.move(200, 300, true)) << "once tracking, the pointer may leave the thumb's height";
  EXPECT_TRUE(core.move(200, 300, true)) << "raised again although the value stays";
  core.release();
  EXPECT_FALSE(core.tracking());
  core.press();
  EXPECT_FALSE(core.move(200, 300, true)) << "tracking lasts one press only";
}

TEST(SliderCore, WritesLimitAndOnlyStoreWhilePressed) {
  SliderCore core = volumeSlider();
  EXPECT_TRUE(core.setPosition(-5));
  EXPECT_EQ(core.position(), 0);
  EXPECT_TRUE(core.setPosition(500));
  EXPECT_EQ(core.position(), 127);

  core.press();
  EXPECT_FALSE(core.setPosition(64)) << "no repaint while pressed";
  EXPECT_EQ(core.position(), 64);
  core.release();
  EXPECT_EQ(core.thumbLeft(), 214) << "the release shows the stored value";

  EXPECT_TRUE(core.setMaximum(50));
  EXPECT_EQ(core.position(), 50) << "a larger position is lowered to the new maximum";
  EXPECT_EQ(core.thumbLeft(), 425);
}

TEST(SliderCore, ZeroMaximumNeverDividesByZero) {
  SliderCore core = positionSlider(180000);
  core.setPosition(90000);
  core.setMaximum(0);
  EXPECT_EQ(core.scale(), 0.0);
  EXPECT_EQ(core.position(), 0);
  EXPECT_EQ(core.thumbLeft(), 0);
  core.press();
  EXPECT_TRUE(core.move(300, 10, true));
  EXPECT_EQ(core.position(), 0);

  // A slider no wider than its thumb has no room to scale into either.
  SliderCore narrow;
  narrow.setSize({10, 10});
  narrow.setFrameSize({16, 10});
  narrow.setPosition(50);
  EXPECT_EQ(narrow.scale(), 0.0);
  EXPECT_EQ(narrow.thumbLeft(), 0);
  narrow.press();
  narrow.move(100, 0, true);
  EXPECT_EQ(narrow.position(), 0);
}

constexpr QRgb kRuler = 0xff2040a0;
constexpr QRgb kNormal = 0xff30d030;
constexpr QRgb kPressed = 0xffe0e020;

// A thumb picture with the normal frame on the left and the pressed frame on the right.
QImage thumbPicture(int width, int height) {
  QImage image(width, height, QImage::Format_ARGB32);
  image.fill(kPressed);
  QPainter(&image).fillRect(QRect(0, 0, width / 2, height), QColor::fromRgb(kNormal));
  return image;
}

TEST(SliderCore, ThumbFramesAreCutFromBothHalves) {
  const struct {
    int width;
    int height;
  } cases[] = {{32, 18}, {48, 34}, {33, 5}};
  for (const auto& c : cases) {
    QImage thumb = thumbPicture(c.width, c.height);
    thumb.setPixel(0, 0, qRgba(1, 2, 3, 0));  // see-through pixels are drawn opaque
    const ThumbFrames frames = cutThumbFrames(thumb);
    const QSize frame(c.width / 2, c.height);
    EXPECT_EQ(frames.normal.size(), frame) << c.width;
    EXPECT_EQ(frames.pressed.size(), frame) << c.width;
    EXPECT_EQ(frames.normal.pixel(frame.width() - 1, 0), kNormal) << c.width;
    EXPECT_EQ(frames.pressed.pixel(0, c.height - 1), kPressed) << c.width;
    EXPECT_EQ(frames.pressed.pixel(frame.width() - 1, 0), kPressed) << c.width;
    EXPECT_EQ(qAlpha(frames.normal.pixel(0, 0)), 255) << c.width;
  }
  EXPECT_TRUE(cutThumbFrames(QImage()).normal.isNull());
}

// --- the widget ---------------------------------------------------------------------------------

void sendMouse(QWidget& target, QEvent::Type type, QPoint local, Qt::MouseButton button,
               Qt::MouseButtons held) {
  QMouseEvent event(type, QPointF(local), QPointF(target.mapToGlobal(local)), button, held, Qt::NoModifier);
  QCoreApplication::sendEvent(&target, &event);
}

struct VolumeSliderWidget : ::testing::Test {
  void SetUp() override {
    QImage ruler(597, 41, QImage::Format_RGB32);
    ruler.fill(kRuler);
    slider.resize(441, 17);
    slider.setImageRuler(ruler);
    slider.setImageThumb(thumbPicture(32, 18));
    slider.setMaximum(127);
    slider.setPosition(64);
    QObject::connect(&slider, &BitmapSlider::changed, [this] { ++changes; });
  }
  BitmapSlider slider;
  int changes = 0;
};

TEST_F(VolumeSliderWidget, DragMovesTheThumbAndShowsThePressedFrame) {
  QImage shot = slider.grab().toImage();
  EXPECT_EQ(shot.pixel(214, 5), kNormal);
  EXPECT_EQ(shot.pixel(229, 5), kNormal);
  EXPECT_EQ(shot.pixel(213, 5), kRuler);
  EXPECT_EQ(shot.pixel(230, 5), kRuler);
  EXPECT_EQ(shot.pixel(5, 16), kRuler) << "the ruler covers the whole control";

  sendMouse(slider, QEvent::MouseButtonPress, {300, 5}, Qt::LeftButton, Qt::LeftButton);
  EXPECT_EQ(slider.position(), 64);
  EXPECT_EQ(slider.grab().toImage().pixel(220, 5), kPressed);
  sendMouse(slider, QEvent::MouseMove, {432, 40}, Qt::NoButton, Qt::LeftButton);
  EXPECT_EQ(changes, 0) << "below the thumb before tracking began";
  sendMouse(slider, QEvent::MouseMove, {432, 5}, Qt::NoButton, Qt::LeftButton);
  EXPECT_EQ(slider.position(), 127);
  EXPECT_EQ(changes, 1);
  shot = slider.grab().toImage();
  EXPECT_EQ(shot.pixel(425, 5), kPressed);
  EXPECT_EQ(shot.pixel(440, 5), kPressed);
  EXPECT_EQ(shot.pixel(424, 5), kRuler);

  int stops = 0;
  QObject::connect(&slider, &BitmapSlider::stopChanged, [&] { ++stops; });
  sendMouse(slider, QEvent::MouseButtonRelease, {432, 5}, Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(stops, 1);
  EXPECT_EQ(slider.grab().toImage().pixel(430, 5), kNormal);
}

TEST_F(VolumeSliderWidget, ProgramWritesRaiseNoChange) {
  slider.setPosition(10);
  slider.setMaximum(50);
  slider.setPosition(50);
  slider.setMaximum(0);
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(slider.grab().toImage().pixel(0, 5), kNormal) << "Maximum 0 puts the thumb at 0";
}

// Records the presses that reach it, as the window does for its drag.
class PressRecorder : public QWidget {
 public:
  std::vector<QPoint> presses;

 protected:
  void mousePressEvent(QMouseEvent* event) override { presses.push_back(event->position().toPoint()); }
};

TEST(BitmapSlider, DisabledSliderHandsPressesToItsParent) {
  PressRecorder window;
  window.resize(443, 243);
  auto* slider = new BitmapSlider(&window);
  slider->setGeometry(18, 202, 407, 41);
  slider->setEnabled(false);
  int begins = 0;
  QObject::connect(slider, &BitmapSlider::beginChange, [&] { ++begins; });

  sendMouse(*slider, QEvent::MouseButtonPress, {5, 7}, Qt::LeftButton, Qt::LeftButton);
  EXPECT_EQ(begins, 0);
  ASSERT_EQ(window.presses.size(), 1u);
  EXPECT_EQ(window.presses[0], QPoint(23, 209)) << "in the parent's coordinates";

  slider->setEnabled(true);
  sendMouse(*slider, QEvent::MouseButtonPress, {5, 7}, Qt::LeftButton, Qt::LeftButton);
  EXPECT_EQ(begins, 1);
  EXPECT_EQ(window.presses.size(), 1u) << "an enabled slider keeps its presses";
}

}  // namespace
