#include <QFontMetrics>
#include <QImage>

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <vector>

#include "widgets/gradient_progress.h"
#include "widgets/progress_core.h"

namespace {

// The window's bar.
const QSize kBarSize(140, 17);
constexpr int kBlockWidth = 11;
constexpr int kMiddleRow = 8;
const QRgb kMedGray = qRgb(160, 160, 164);

// A bar of the window's size; without the sunken border every inside column is visible.
ProgressCore makeBar(bool borderSingle = false) {
  ProgressCore bar;
  bar.setBorderSingle(borderSingle);
  bar.setSize(kBarSize);
  return bar;
}

bool isBlockColour(QRgb pixel) {
  return qRed(pixel) == 0 && qBlue(pixel) == 0 && qGreen(pixel) >= 128;
}

// The runs of block-coloured pixels along one row of the inside, as widths.
std::vector<int> blockRuns(const QImage& image, int row) {
  std::vector<int> runs;
  int run = 0;
  for (int x = 1; x < image.width() - 1; ++x) {
    if (isBlockColour(image.pixel(x, row))) {
      ++run;
    } else if (run > 0) {
      runs.push_back(run);
      run = 0;
    }
  }
  if (run > 0) {
    runs.push_back(run);
  }
  return runs;
}

TEST(ProgressPercent, SixtyFourBitProductTruncatedTowardZero) {
  struct Case {
    qint32 position, minimum, maximum;
    int percent;
  };
  const Case cases[] = {
      {7, 0, 100, 7},
      {30'000'000, 0, 2'000'000'000, 1},  // 3e9 overflows a 32-bit product
      {1'999'999'999, 0, 2'000'000'000, 99},
      {INT_MAX, 0, INT_MAX, 100},
      {-1, 0, 200, 0},  // toward zero, not down to −1
      {50, 50, 50, 0},  // empty range
      {0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(progressPercent(c.position, c.minimum, c.maximum), c.percent)
        << c.position << " of " << c.minimum << "…" << c.maximum;
  }
}

TEST(ProgressFill, BlocksForPositionsOfTheWindowsBar) {
  struct Case {
    qint32 position;
    int fill;
    std::vector<int> runs;  // drawn widths: a whole block shows bw − 1 columns before its gap
  };
  const std::vector<int> twelve(12, kBlockWidth - 1);
  std::vector<int> twelveAndNarrow = twelve;
  twelveAndNarrow.push_back(6);
  const Case cases[] = {
      {0, 0, {}},
      {5, 11, {10}},
      {50, 66, std::vector<int>(6, kBlockWidth - 1)},
      {95, 132, twelve},
      {100, 138, twelveAndNarrow},
  };
  for (const Case& c : cases) {
    ProgressCore bar = makeBar();
    bar.setPosition(c.position);
    EXPECT_EQ(bar.fill(), c.fill) << "position " << c.position;
    EXPECT_EQ(blockRuns(bar.image(), kMiddleRow), c.runs) << "position " << c.position;
    // Gap columns and the unfilled part are in the bar's colour.
    for (int x = 1; x <= kBarSize.width() - 2; ++x) {
      if (x > c.fill || x % kBlockWidth == 0) {
        EXPECT_EQ(bar.image().pixel(x, kMiddleRow), kMedGray) << "position " << c.position << " x " << x;
      }
    }
  }
}

TEST(ProgressFill, NextBlockAppearsPastItsHalf) {
  // raw = 138 × p div 100; block 7 (raw 66…76) shows once raw mod 11 exceeds 5.
  struct Case {
    qint32 position;
    int fill;
  };
  const Case cases[] = {{51, 66}, {52, 66}, {53, 77}, {56, 77}};
  for (const Case& c : cases) {
    EXPECT_EQ(progressFillWidth(kBarSize, c.position, 0, 100), c.fill) << "position " << c.position;
  }
  EXPECT_EQ(progressFillWidth(QSize(140, 1), 100, 0, 100), 0) << "block width 0";
}

TEST(ProgressGradient, RunsFromStartColourToEndColourAcrossTheFill) {
  ProgressCore bar = makeBar();
  bar.setPosition(100);
  const QImage& image = bar.image();
  EXPECT_EQ(image.pixel(1, kMiddleRow), qRgb(0, 128, 0));
  const QRgb last = image.pixel(bar.fill(), kMiddleRow);
  EXPECT_EQ(qRed(last), 0);
  EXPECT_EQ(qBlue(last), 0);
  EXPECT_NEAR(qGreen(last), 255, 2);
  // Green never falls along the fill, and within a block every column has its own step of it.
  for (int x = 2; x <= bar.fill(); ++x) {
    if (x % kBlockWidth != 0 && (x - 1) % kBlockWidth != 0) {
      EXPECT_GE(qGreen(image.pixel(x, kMiddleRow)), qGreen(image.pixel(x - 1, kMiddleRow))) << "x " << x;
    }
  }
  for (int first = 1; first + kBlockWidth - 2 <= bar.fill(); first += kBlockWidth) {
    EXPECT_GT(qGreen(image.pixel(first + kBlockWidth - 2, kMiddleRow)),
              qGreen(image.pixel(first, kMiddleRow)))
        << "block at " << first;
  }

  // The gradient spans the current fill, not the whole bar: half a bar also ends near lime.
  bar.setPosition(50);
  EXPECT_EQ(bar.image().pixel(1, kMiddleRow), qRgb(0, 128, 0));
  EXPECT_GE(qGreen(bar.image().pixel(bar.fill() - 1, kMiddleRow)), 250);
}

TEST(ProgressGradient, BlockColoursWithoutGradientBlocksAndWithEqualColours) {
  ProgressCore bar = makeBar();
  bar.setGradientBlocks(false);
  bar.setPosition(100);
  for (int block = 0; block < 13; ++block) {
    const int first = 1 + block * kBlockWidth;
    const int expectedGreen = qRound(128.0 + 127.0 * (block * kBlockWidth) / bar.fill());
    EXPECT_EQ(bar.image().pixel(first, kMiddleRow), qRgb(0, expectedGreen, 0)) << "block " << block;
    EXPECT_EQ(bar.image().pixel(first + 5, kMiddleRow), bar.image().pixel(first, kMiddleRow))
        << "block " << block;
  }

  bar.setStartColor(QColor(0, 0, 255));
  bar.setEndColor(QColor(0, 0, 255));
  bar.setGradientBlocks(true);
  for (int x : {1, 50, 138}) {
    EXPECT_EQ(bar.image().pixel(x, kMiddleRow), qRgb(0, 0, 255)) << "x " << x;
  }
}

TEST(ProgressBorder, SingleBorderIsThreeFramesDrawnLast) {
  ProgressCore bar = makeBar(true);
  bar.setPosition(100);
  const QRgb face = ProgressCore::kBtnFace;
  const QRgb shadow = ProgressCore::kBtnShadow;
  const QRgb highlight = ProgressCore::kBtnHighlight;
  const QRgb dark = ProgressCore::k3DDkShadow;
  struct Case {
    int x, y;
    QRgb colour;
  };
  const Case cases[] = {
      {0, 0, face},        {139, 16, face},
      {70, 0, face},       {0, 8, face},
      {1, 8, shadow},      {70, 1, shadow},
      {138, 8, highlight}, {70, 15, highlight},
      {138, 1, highlight},  // the top-right and bottom-left corners belong to the bottom-right lines
      {1, 15, highlight},  {2, 8, dark},
      {70, 2, dark},       {137, 8, face},
      {70, 14, face},      {3, 8, qRgb(0, 130, 0)},  // inside the frames the fill shows
  };
  for (const Case& c : cases) {
    EXPECT_EQ(bar.image().pixel(c.x, c.y), c.colour) << c.x << "," << c.y;
  }

  bar.setBorderSingle(false);
  EXPECT_EQ(bar.image().pixel(0, 8), kMedGray);
  EXPECT_EQ(bar.image().pixel(139, 8), kMedGray);
}

TEST(ProgressCaption, CentredOnTheBarOrOnTheFill) {
  struct Case {
    bool centred;
    qint32 position;
    int centreX;
  };
  const Case cases[] = {{true, 50, 70}, {true, 0, 70}, {false, 50, 33}};
  QFont font;
  font.setPixelSize(12);
  const int textWidth = QFontMetrics(font).horizontalAdvance("0:00");
  for (const Case& c : cases) {
    ProgressCore bar = makeBar();
    bar.setFont(font);
    bar.setTextCentered(c.centred);
    bar.setPosition(c.position);
    bar.setCaption("0:00");
    int left = INT_MAX;
    int right = -1;
    for (int y = 0; y < kBarSize.height(); ++y) {
      for (int x = 0; x < kBarSize.width(); ++x) {
        if (bar.image().pixel(x, y) == qRgb(0, 0, 0)) {
          left = std::min(left, x);
          right = std::max(right, x);
        }
      }
    }
    ASSERT_GE(right, 0) << "no text drawn";
    EXPECT_NEAR((left + right) / 2, c.centreX, 3) << "centred " << c.centred << " position " << c.position;
    EXPECT_LE(right - left + 1, textWidth);
    // Drawn without background: the fill beside the glyphs keeps its colours.
    if (c.position == 50) {
      EXPECT_TRUE(isBlockColour(bar.image().pixel(1, kMiddleRow)));
    }
  }
}

TEST(ProgressRedraw, OnlyWritesThatChangeWhatIsShownRedraw) {
  ProgressCore bar = makeBar();
  struct Step {
    const char* what;
    std::function<bool(ProgressCore&)> write;
    bool redraws;
  };
  const std::vector<Step> steps = {
      {"position to 50", [](ProgressCore& b) { return b.setPosition(50); }, true},
      {"same position", [](ProgressCore& b) { return b.setPosition(50); }, false},
      {"position within the same block", [](ProgressCore& b) { return b.setPosition(52); }, false},
      {"position past the next half block", [](ProgressCore& b) { return b.setPosition(53); }, true},
      {"caption", [](ProgressCore& b) { return b.setCaption("0:01"); }, true},
      {"same caption", [](ProgressCore& b) { return b.setCaption("0:01"); }, false},
      {"same maximum", [](ProgressCore& b) { return b.setMaximum(100); }, false},
      {"maximum that keeps the fill", [](ProgressCore& b) { return b.setMaximum(101); }, false},
      {"maximum that halves the fill", [](ProgressCore& b) { return b.setMaximum(200); }, true},
      {"same colour", [](ProgressCore& b) { return b.setColor(QColor(160, 160, 164)); }, false},
      {"colour", [](ProgressCore& b) { return b.setColor(Qt::darkGray); }, true},
      {"end colour", [](ProgressCore& b) { return b.setEndColor(Qt::yellow); }, true},
      {"same setting", [](ProgressCore& b) { return b.setTextCentered(true); }, false},
      {"setting", [](ProgressCore& b) { return b.setTextCentered(false); }, true},
      {"same size", [](ProgressCore& b) { return b.setSize(kBarSize); }, false},
      {"size", [](ProgressCore& b) { return b.setSize(QSize(100, 17)); }, true},
  };
  for (const Step& step : steps) {
    const int before = bar.redrawCount();
    EXPECT_EQ(step.write(bar), step.redraws) << step.what;
    EXPECT_EQ(bar.redrawCount() - before, step.redraws ? 1 : 0) << step.what;
  }
}

TEST(ProgressRange, WritesAreClampedAndAnEmptyRangeKeepsTheFill) {
  ProgressCore bar = makeBar();
  bar.setPosition(150);
  EXPECT_EQ(bar.position(), 100);
  EXPECT_EQ(bar.fill(), 138);
  bar.setPosition(-5);
  EXPECT_EQ(bar.position(), 0);
  EXPECT_EQ(bar.fill(), 0);

  bar.setPosition(80);
  bar.setMaximum(40);
  EXPECT_EQ(bar.position(), 40);
  EXPECT_EQ(bar.percent(), 100);

  // Maximum equal to the minimum: the fill stays as it was and the percentage is 0.
  bar.setPosition(20);
  const int fill = bar.fill();
  bar.setMaximum(0);
  EXPECT_EQ(bar.position(), 0);
  EXPECT_EQ(bar.fill(), fill);
  EXPECT_EQ(bar.percent(), 0);

  // A maximum below the minimum would invert the range; it is held at the minimum.
  bar.setMaximum(-10);
  EXPECT_EQ(bar.maximum(), 0);
  EXPECT_EQ(bar.minimum(), 0);

  // Hours in milliseconds.
  bar.setMaximum(2'000'000'000);
  bar.setPosition(1'000'000'000);
  EXPECT_EQ(bar.percent(), 50);
  EXPECT_EQ(bar.fill(), 66);
}

TEST(GradientProgress, PaintsItsPictureAndRepaintsOnlyOnChange) {
  GradientProgress bar;
  bar.resize(kBarSize);  // hidden: no resize event until shown
  bar.setPosition(100);
  EXPECT_EQ(bar.fill(), 138) << "the write used the bar's current size";
  const QImage shown = bar.grab().toImage();
  EXPECT_TRUE(isBlockColour(shown.pixel(134, kMiddleRow)));
  EXPECT_EQ(shown.pixel(0, 0), ProgressCore::kBtnFace);
  EXPECT_EQ(bar.progressPercent(), 100);

  const int redraws = bar.redrawCount();
  bar.setPosition(100);
  bar.setPosition(200);  // clamped to the same position
  EXPECT_EQ(bar.redrawCount(), redraws);

  QFont font = bar.font();
  font.setPixelSize(font.pixelSize() > 0 ? font.pixelSize() + 2 : 14);
  bar.setFont(font);
  EXPECT_EQ(bar.redrawCount(), redraws + 1) << "a font change redraws";
}

}  // namespace
