#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPalette>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <functional>
#include <vector>

#include "widgets/starfield.h"
#include "widgets/starfield_core.h"

namespace {

// The video panel's inside, where the window's starfield lies.
const QSize kFieldSize(156, 116);
constexpr std::uint32_t kSeed = 4711;

StarfieldCore makeField(std::uint8_t maxSpeed, QSize size = kFieldSize) {
  StarfieldCore field(kSeed);
  field.setMaxSpeed(maxSpeed);
  field.setSize(size);
  field.setStars(StarfieldCore::kDefaultStars);
  return field;
}

TEST(StarfieldRandom, UniformBelowNAndZeroForEmptyRanges) {
  StarfieldCore field(kSeed);
  for (int n : {-3, 0, 1}) {
    for (int i = 0; i < 20; ++i) {
      EXPECT_EQ(field.random(n), 0) << "n " << n;
    }
  }
  std::vector<int> seen(5, 0);
  for (int i = 0; i < 1000; ++i) {
    const int value = field.random(5);
    ASSERT_GE(value, 0);
    ASSERT_LT(value, 5);
    ++seen[static_cast<std::size_t>(value)];
  }
  for (int count : seen) {
    EXPECT_GT(count, 100) << "every value comes up";
  }
}

TEST(StarfieldSeeding, StarsStartRightOfTheAreaWithinTheirRanges) {
  struct Case {
    QSize size;
    std::uint8_t maxSpeed;
  };
  const Case cases[] = {{kFieldSize, 0}, {kFieldSize, 5}, {kFieldSize, 200}, {QSize(10, 3), 2}};
  for (const Case& c : cases) {
    const StarfieldCore field = makeField(c.maxSpeed, c.size);
    ASSERT_EQ(field.stars(), StarfieldCore::kDefaultStars);
    const int topSpeed = std::max<int>(1, c.maxSpeed);
    int fastest = 0;
    int slowest = INT_MAX;
    for (const StarfieldCore::Star& star : field.starList()) {
      EXPECT_GE(star.x, c.size.width());
      EXPECT_LT(star.x, c.size.width() + c.size.width() / 2);
      EXPECT_GE(star.y, 0);
      EXPECT_LT(star.y, c.size.height());
      EXPECT_GE(star.grey, 120);
      EXPECT_LE(star.grey, 239);
      fastest = std::max(fastest, star.speed);
      slowest = std::min(slowest, star.speed);
    }
    // 200 draws from 1 … m reach both ends for small m and come near them for 200.
    EXPECT_GE(slowest, 1);
    EXPECT_LE(slowest, 1 + topSpeed / 10) << "max speed " << int{c.maxSpeed};
    EXPECT_GE(fastest, topSpeed * 9 / 10) << "max speed " << int{c.maxSpeed};
    EXPECT_LE(fastest, topSpeed) << "max speed " << int{c.maxSpeed};
  }
}

TEST(StarfieldSeeding, SameSeedReplaysAndWritesSeedAnew) {
  StarfieldCore a = makeField(9);
  const StarfieldCore b = makeField(9);
  const auto xs = [](const StarfieldCore& f) {
    std::vector<int> out;
    for (const auto& s : f.starList()) {
      out.push_back(s.x * 1000 + s.y);
    }
    return out;
  };
  EXPECT_EQ(xs(a), xs(b));

  const std::vector<std::pair<const char*, std::function<void(StarfieldCore&)>>> reseeders = {
      {"stars written", [](StarfieldCore& f) { f.setStars(StarfieldCore::kDefaultStars); }},
      {"size changed", [](StarfieldCore& f) { f.setSize(QSize(80, 60)); }},
  };
  for (const auto& [what, reseed] : reseeders) {
    for (int i = 0; i < 30; ++i) {
      a.makeFrame();
    }
    reseed(a);
    for (const auto& star : a.starList()) {
      EXPECT_GE(star.x, a.size().width()) << what;
    }
  }
  // An equal size keeps the stars where they are.
  a.makeFrame();
  const auto before = xs(a);
  a.setSize(a.size());
  EXPECT_EQ(xs(a), before);
}

TEST(StarfieldFrame, DrawsVisibleStarsOnBlackThenMovesThem) {
  StarfieldCore field = makeField(3);
  // Let stars fly into view.
  for (int i = 0; i < 60; ++i) {
    field.makeFrame();
  }
  const std::vector<StarfieldCore::Star> before = field.starList();
  field.makeFrame();
  const QImage& frame = field.frame();
  ASSERT_EQ(frame.size(), kFieldSize);
  int visible = 0;
  for (const auto& star : before) {
    if (star.x < kFieldSize.width()) {
      ++visible;
      const QRgb pixel = frame.pixel(star.x, star.y);
      // Two stars may share a pixel; the later one wins.
      EXPECT_EQ(qRed(pixel), qGreen(pixel));
      EXPECT_EQ(qGreen(pixel), qBlue(pixel));
      EXPECT_GE(qRed(pixel), 120);
    }
  }
  EXPECT_GT(visible, 0);
  int lit = 0;
  for (int y = 0; y < frame.height(); ++y) {
    for (int x = 0; x < frame.width(); ++x) {
      lit += frame.pixel(x, y) != qRgb(0, 0, 0) ? 1 : 0;
    }
  }
  EXPECT_LE(lit, visible) << "everything but the stars is black";
  EXPECT_GT(lit, 0);
}

TEST(StarfieldFrame, MaxSpeedZeroMovesEveryStarOnePixel) {
  StarfieldCore field = makeField(0);
  for (int frame = 0; frame < 50; ++frame) {
    const std::vector<StarfieldCore::Star> before = field.starList();
    field.makeFrame();
    for (std::size_t i = 0; i < before.size(); ++i) {
      const auto& star = field.starList()[i];
      if (before[i].x >= 1) {
        EXPECT_EQ(star.x, before[i].x - 1);
        EXPECT_EQ(star.y, before[i].y);
      }
    }
  }
}

TEST(StarfieldFrame, StarPastTheLeftEdgeRestartsAtTheRightEdge) {
  StarfieldCore field = makeField(0, QSize(10, 5));
  field.setStars(1);
  std::vector<int> path;
  for (int frame = 0; frame < 30; ++frame) {
    field.makeFrame();
    path.push_back(field.starList()[0].x);
  }
  // 0 − 1 < 0: the star restarts at x = width and flies in again.
  const auto zero = std::find(path.begin(), path.end(), 0);
  ASSERT_NE(zero, path.end());
  ASSERT_NE(zero + 1, path.end());
  EXPECT_EQ(*(zero + 1), 10);
  EXPECT_EQ(*(zero + 2), 9);
}

TEST(StarfieldFrame, NewMaxSpeedReachesAStarOnlyWhenItRestarts) {
  StarfieldCore field = makeField(0);
  field.setMaxSpeed(200);
  std::vector<bool> restarted(field.starList().size(), false);
  bool sawFast = false;
  // Long enough for every star to cross the area once (x < 234 at one pixel a frame).
  for (int frame = 0; frame < 300; ++frame) {
    const std::vector<StarfieldCore::Star> before = field.starList();
    field.makeFrame();
    for (std::size_t i = 0; i < before.size(); ++i) {
      const auto& star = field.starList()[i];
      if (before[i].x - before[i].speed < 0) {
        restarted[i] = true;
        EXPECT_EQ(star.x, kFieldSize.width());
      }
      if (!restarted[i]) {
        EXPECT_EQ(star.speed, 1) << "star " << i << " frame " << frame;
      }
      sawFast = sawFast || star.speed > 1;
    }
  }
  EXPECT_TRUE(std::all_of(restarted.begin(), restarted.end(), [](bool r) { return r; }));
  EXPECT_TRUE(sawFast);
}

// Positions of all stars, to notice whether frames were made.
std::vector<int> positions(const Starfield& field) {
  std::vector<int> out;
  for (const auto& star : field.core().starList()) {
    out.push_back(star.x);
  }
  return out;
}

// Runs the event loop until `done` or a generous deadline.
bool processEventsUntil(const std::function<bool()>& done, int deadlineMs = 3000) {
  QElapsedTimer clock;
  clock.start();
  while (!done() && clock.elapsed() < deadlineMs) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  }
  return done();
}

TEST(Starfield, SeedsForItsCurrentSizeAndReseedsWhenAFrameFindsItChanged) {
  Starfield field;
  field.resize(kFieldSize);  // hidden: no resize event until shown
  field.setStars(StarfieldCore::kDefaultStars);
  for (const auto& star : field.core().starList()) {
    EXPECT_GE(star.x, kFieldSize.width());
    EXPECT_LT(star.x, kFieldSize.width() * 3 / 2);
    EXPECT_LT(star.y, kFieldSize.height());
  }
  const QSize smaller(40, 30);
  field.resize(smaller);
  field.makeFrame();
  for (const auto& star : field.core().starList()) {
    EXPECT_GE(star.x, smaller.width()) << "seeded, not moved";
    EXPECT_LT(star.x, smaller.width() * 3 / 2);
    EXPECT_LT(star.y, smaller.height());
  }
}

TEST(Starfield, ActiveFalseTwiceThenTrueLetsTheStarsMoveAgain) {
  Starfield field;
  field.resize(kFieldSize);
  field.setDelay(1);
  EXPECT_FALSE(field.active());

  field.setActive(true);
  auto start = positions(field);
  EXPECT_TRUE(processEventsUntil([&] { return positions(field) != start; })) << "frames while active";

  field.setActive(false);
  field.setActive(false);
  QCoreApplication::processEvents();
  const auto stopped = positions(field);
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < 30) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  }
  EXPECT_EQ(positions(field), stopped) << "no frames while inactive";

  field.setActive(true);
  EXPECT_TRUE(field.active());
  EXPECT_TRUE(processEventsUntil([&] { return positions(field) != stopped; })) << "frames again";
  field.setActive(false);
}

TEST(Starfield, PaintsTheFrameOnlyWhileActive) {
  // A blue parent stands for what lies beneath the field.
  QWidget panel;
  panel.resize(kFieldSize);
  QPalette palette = panel.palette();
  palette.setColor(QPalette::Window, Qt::blue);
  panel.setPalette(palette);
  panel.setAutoFillBackground(true);
  Starfield field(&panel);
  field.resize(kFieldSize);
  field.setStars(StarfieldCore::kDefaultStars);  // seeds for this size, as the form does
  const QPoint probe(5, 5);                      // no star there: a seeded field lies right of the area

  field.setActive(true);
  field.makeFrame();
  EXPECT_EQ(panel.grab().toImage().pixel(probe), qRgb(0, 0, 0)) << "active: the black frame";

  field.makeFrame();
  field.setActive(false);
  EXPECT_EQ(panel.grab().toImage().pixel(probe), qRgb(0, 0, 0)) << "a frame made before stopping is drawn";
  EXPECT_EQ(panel.grab().toImage().pixel(probe), qRgb(0, 0, 255)) << "inactive: nothing drawn";
}

}  // namespace
