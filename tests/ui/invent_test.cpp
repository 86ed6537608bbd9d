#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <vector>

#include <gtest/gtest.h>

#include "ui/fonts.h"
#include "ui/invent.h"
#include "ui/skin.h"
#include "ui/splash_placement.h"
#include "widgets/brightness_image.h"
#include "widgets/skin_label.h"

namespace {

constexpr QSize kSplash{492, 213};

// An emblem with channels at the edges of the clamping (0, 1, 2, 3, 254, 255) and in between.
QImage testEmblem() {
  QImage emblem(235, 164, QImage::Format_RGB888);
  const int levels[] = {0, 1, 2, 3, 100, 201, 254, 255};
  for (int y = 0; y < emblem.height(); ++y) {
    for (int x = 0; x < emblem.width(); ++x) {
      emblem.setPixelColor(x, y, QColor(levels[x % 8], levels[(x + y) % 8], levels[y % 8]));
    }
  }
  return emblem;
}

Skin testSkin() {
  Skin skin;
  skin.emblem = testEmblem();
  return skin;
}

QRect desktopOf(std::initializer_list<QRect> screens) {
  QRect desktop;
  for (const QRect& screen : screens) {
    desktop = desktop.united(screen);
  }
  return desktop;
}

bool everyChannel(const QImage& image, const QImage& source, int (*expected)(int)) {
  for (int y = 0; y < source.height(); ++y) {
    for (int x = 0; x < source.width(); ++x) {
      const QColor s = source.pixelColor(x, y);
      const QColor d = image.pixelColor(x, y);
      if (d.red() != expected(s.red()) || d.green() != expected(s.green()) ||
          d.blue() != expected(s.blue())) {
        ADD_FAILURE() << "pixel (" << x << ", " << y << ")";
        return false;
      }
    }
  }
  return true;
}

}  // namespace

TEST(SplashPlacement, CentresOnTheWholeDesktopAndNeverGoesNegative) {
  struct Case {
    const char* name;
    QRect desktop;
    QPoint expected;
  };
  const Case cases[] = {
      {"one full-HD screen", QRect(0, 0, 1920, 1080), QPoint(714, 433)},
      {"odd gap rounds down", QRect(0, 0, 1921, 1081), QPoint(714, 434)},
      {"narrower than the window", QRect(0, 0, 400, 1080), QPoint(0, 433)},
      {"lower than the window", QRect(0, 0, 1920, 200), QPoint(714, 0)},
      {"exactly the window", QRect(0, 0, 492, 213), QPoint(0, 0)},
      {"two screens side by side", desktopOf({QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)}),
       QPoint(1354, 433)},
      {"two screens stacked", desktopOf({QRect(0, 0, 1280, 1024), QRect(0, 1024, 1920, 1080)}),
       QPoint(714, 945)},
      {"a screen left of the origin", desktopOf({QRect(-1920, 0, 1920, 1080), QRect(0, 0, 1920, 1080)}),
       QPoint(-1920 + 1674, 433)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(desktopCenterPlacement(kSplash, c.desktop), c.expected) << c.name;
  }
}

TEST(Invent, IsABlackFramelessSplashWithTheEmblemAndTwoLabels) {
  installFontSubstitutes();
  const Skin skin = testSkin();
  TInvent invent(skin);

  EXPECT_FALSE(invent.isVisible());
  EXPECT_TRUE(invent.windowFlags().testFlag(Qt::FramelessWindowHint));
  // A splash-screen window gets no task bar entry.
  EXPECT_EQ(invent.windowType(), Qt::SplashScreen);
  EXPECT_EQ(invent.size(), kSplash);

  EXPECT_EQ(invent.Tamblo->geometry(), QRect(24, 24, 235, 164));
  EXPECT_EQ(invent.Tamblo->brightness(), 100);
  EXPECT_EQ(invent.Tamblo->displayedPicture(), skin.emblem);

  EXPECT_EQ(invent.Label1->caption(), QStringLiteral("Quorvi "));
  EXPECT_EQ(invent.Label1->pos(), QPoint(280, 24));
  EXPECT_EQ(invent.Label1->font().pixelSize(), 40);
  EXPECT_EQ(invent.Label1->textColor(), QColor(0, 255, 0));

  EXPECT_EQ(invent.Label2->pos(), QPoint(280, 72));
  EXPECT_EQ(invent.Label2->width(), 156);
  EXPECT_EQ(invent.Label2->font().pixelSize(), 13);
  EXPECT_EQ(invent.Label2->textColor(), QColor(202, 202, 202));
  EXPECT_TRUE(invent.Label2->caption().contains(QLatin1String(QUORVI_VERSION)));
  EXPECT_TRUE(invent.Label2->caption().contains(QLatin1String("Quorvi-Team")));

  EXPECT_TRUE(invent.Timer->isActive());
  EXPECT_EQ(invent.Timer->interval(), 10);
  EXPECT_EQ(invent.Timer->timerType(), Qt::PreciseTimer);

  const QImage shot = invent.grab().toImage();
  EXPECT_EQ(shot.pixelColor(5, 5), QColor(Qt::black));
  EXPECT_EQ(shot.pixelColor(490, 210), QColor(Qt::black));
  EXPECT_EQ(shot.pixelColor(24 + 4, 24 + 7), skin.emblem.pixelColor(4, 7));
  EXPECT_EQ(shot.pixelColor(24 + 234, 24 + 163), skin.emblem.pixelColor(234, 163));
  // The labels paint their colours on the black.
  int lime = 0;
  const QRect label1 = invent.Label1->geometry();
  for (int y = label1.top(); y <= label1.bottom(); ++y) {
    for (int x = label1.left(); x <= label1.right(); ++x) {
      lime += shot.pixelColor(x, y) == QColor(0, 255, 0) ? 1 : 0;
    }
  }
  EXPECT_GT(lime, 0);
  int grey = 0;
  const QRect label2 = invent.Label2->geometry();
  for (int y = label2.top(); y <= label2.bottom(); ++y) {
    for (int x = label2.left(); x <= label2.right(); ++x) {
      grey += shot.pixelColor(x, y) == QColor(202, 202, 202) ? 1 : 0;
    }
  }
  EXPECT_GT(grey, 0);
}

TEST(InventFade, DarkensByTwoFirstThenEndsBlackAndHandsOverOnTheHundredthTick) {
  const Skin skin = testSkin();
  TInvent invent(skin);
  invent.Timer->stop();  // the test drives the ticks
  int tick = 0;
  std::vector<int> handOverTicks;
  invent.onHandOver = [&] { handOverTicks.push_back(tick); };

  tick = 1;
  invent.TimerTimer();
  EXPECT_EQ(invent.Tamblo->brightness(), 99);
  EXPECT_TRUE(
      everyChannel(invent.Tamblo->displayedPicture(), skin.emblem, [](int c) { return std::max(0, c - 2); }));

  for (tick = 2; tick <= 99; ++tick) {
    invent.TimerTimer();
  }
  EXPECT_TRUE(handOverTicks.empty());
  EXPECT_EQ(invent.Tamblo->brightness(), 1);
  EXPECT_TRUE(everyChannel(invent.Tamblo->displayedPicture(), skin.emblem,
                           [](int c) { return std::max(0, c - 252); }));

  tick = 100;
  invent.TimerTimer();
  EXPECT_EQ(invent.Tamblo->brightness(), 0);
  EXPECT_TRUE(everyChannel(invent.Tamblo->displayedPicture(), skin.emblem, [](int) { return 0; }));
  EXPECT_EQ(handOverTicks, std::vector<int>{100});
}

TEST(InventModal, TheHandOverClosesTheSplashWhichDisappearsOnlyAfterThatTick) {
  const Skin skin = testSkin();
  TInvent invent(skin);
  invent.Tamblo->setBrightness(3);  // three ticks to the hand-over
  int handOvers = 0;
  bool visibleAfterClose = false;
  invent.onHandOver = [&] {
    ++handOvers;
    invent.stopAndClose();
    // The start-up adds the tray icon and shows the main window here, before the splash goes.
    visibleAfterClose = invent.isVisible();
  };
  invent.showModal();

  EXPECT_EQ(handOvers, 1);
  EXPECT_TRUE(visibleAfterClose);
  EXPECT_FALSE(invent.isVisible());
  EXPECT_FALSE(invent.inModalLoop());
  EXPECT_FALSE(invent.Timer->isActive());
  EXPECT_EQ(invent.Tamblo->brightness(), 0);
  QRect desktop;
  for (const QScreen* screen : QGuiApplication::screens()) {
    desktop = desktop.united(screen->geometry());
  }
  EXPECT_EQ(invent.pos(), desktopCenterPlacement(kSplash, desktop));
}

TEST(InventModal, AnEarlyCloseEndsTheModalPhaseButTheHandOverStillComes) {
  // A close request that is already waiting for the splash when it is shown (Qt delivers it
  // while showing), and one that arrives from elsewhere while the modal loop runs.
  for (const bool postedToTheSplash : {true, false}) {
    const Skin skin = testSkin();
    TInvent invent(skin);
    int handOvers = 0;
    invent.onHandOver = [&] {
      ++handOvers;
      invent.stopAndClose();
    };
    QObject elsewhere;
    QTimer::singleShot(0, postedToTheSplash ? static_cast<QObject*>(&invent) : &elsewhere,
                       [&] { invent.close(); });
    invent.showModal();

    EXPECT_FALSE(invent.isVisible()) << postedToTheSplash;
    EXPECT_EQ(handOvers, 0) << postedToTheSplash;
    EXPECT_GT(invent.Tamblo->brightness(), 0) << postedToTheSplash;
    // The fade goes on unseen.
    EXPECT_TRUE(invent.Timer->isActive()) << postedToTheSplash;
    for (int guard = 0; guard < 100 && handOvers == 0; ++guard) {
      invent.TimerTimer();
    }
    EXPECT_EQ(handOvers, 1) << postedToTheSplash;
    EXPECT_EQ(invent.Tamblo->brightness(), 0) << postedToTheSplash;
    EXPECT_FALSE(invent.Timer->isActive()) << postedToTheSplash;
    EXPECT_FALSE(invent.isVisible()) << postedToTheSplash;
  }
}
