// The built program on a private X server: the start-up with the fading splash, and real pointer
// input (xdotool) on the transport buttons, the background and the panel switches.
#include <QTemporaryDir>
#include <algorithm>
#include <optional>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/media_files.h"
#include "tests/support/xvfb_server.h"
#include "tests/window/x_session.h"
#include "ui/skin.h"

namespace {

constexpr QSize kScreen(1280, 1024);
// The splash is centred on the 1280 × 1024 screen: ((1280 − 492) / 2, (1024 − 213) / 2).
constexpr QRect kSplash(394, 405, 492, 213);
constexpr QRect kSplashEmblem(394 + 24, 405 + 24, 235, 164);
constexpr QRect kSplashTitle(394 + 280, 405 + 24, 492 - 280, 60);
constexpr QPoint kWindowPlace(442, 205);
constexpr QSize kWindowSize(443, 243);
constexpr QPoint kHintergrImgPlace(2, 0);

// Points in the main window's client coordinates.
constexpr QPoint kMetal(200, 90);          // the background picture's middle
constexpr QPoint kPlayIndicator(22, 37);   // lit green on Play_on, grey on Play
constexpr QPoint kPauseIndicator(65, 37);  // lit orange on Pause_on, grey on Pause
constexpr QPoint kPauseCentre(74, 52);     // the Pause/Pause_on pair
constexpr QPoint kStopCentre(117, 52);
constexpr QPoint kPlayCentre(31, 52);  // the Play/Play_on pair
constexpr QRect kProgressBar(127, 104, 140, 17);
constexpr QPoint kSwitchVolKey(30, 130);
constexpr QPoint kSwitchLevelKey(91, 130);
constexpr QPoint kVolumeStrip(200, 152);  // Slider2, below the background
constexpr QPoint kScale(200, 185);        // Leiste

constexpr int kStartTimeoutMs = 30000;
constexpr int kReactTimeoutMs = 10000;
constexpr double kSongSeconds = 20.0;

bool isMetal(QRgb c) {
  return qGray(c) > 60 && (c & RGB_MASK) != 0xff0000u;
}
bool isLitGreen(QRgb c) {
  return qGreen(c) > 200 && qRed(c) < 180 && qBlue(c) < 80;
}
bool isLitOrange(QRgb c) {
  return qRed(c) > 200 && qGreen(c) > 90 && qGreen(c) < 190 && qBlue(c) < 60;
}
// The unlit indicators are grey-brown: no channel far above the others.
bool isUnlit(QRgb c) {
  return std::max({qRed(c), qGreen(c), qBlue(c)}) - std::min({qRed(c), qGreen(c), qBlue(c)}) < 60;
}

double meanGray(const QImage& image, const QRect& area) {
  double sum = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      sum += qGray(image.pixel(x, y));
    }
  }
  return sum / (area.width() * area.height());
}

template <typename Pred>
QRect boundsOf(const QImage& image, Pred pred) {
  QRect bounds;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (pred(image.pixel(x, y))) {
        bounds |= QRect(x, y, 1, 1);
      }
    }
  }
  return bounds;
}

// Where the window first shows on screen as something else than the black desktop: the
// background picture's first column (on the row of kMetal) and first row (on its column) that
// are neither the see-through red nor black.
QPoint firstVisibleBackgroundPixel() {
  const QImage background = Skin::load().background;
  auto blank = [](QRgb c) { return (c & RGB_MASK) == 0xff0000u || (c & RGB_MASK) == 0u; };
  const int row = kMetal.y() - kHintergrImgPlace.y();
  const int column = kMetal.x() - kHintergrImgPlace.x();
  int x = 0;
  while (x < background.width() && blank(background.pixel(x, row))) {
    ++x;
  }
  int y = 0;
  while (y < background.height() && blank(background.pixel(column, y))) {
    ++y;
  }
  return kHintergrImgPlace + QPoint(x, y);
}

// A program playing a generated 20 s tone, on its own X server.
class RunningPlayer : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(x.running()) << "Xvfb did not start";
    song = writeToneWav(dir.path(), QStringLiteral("ton.wav"), kSongSeconds);
    session.emplace(x, QStringList{song});
    ASSERT_TRUE(session->process.waitForStarted()) << session->process.errorString().toStdString();
    ASSERT_TRUE(session->screen.connected()) << "cannot read the X server's screen";
  }

  QImage screen() { return session->screen.read(QRect(QPoint(0, 0), kScreen)); }
  QImage windowAt(QPoint place) { return session->screen.read(QRect(place, kWindowSize)); }

  // Waits until the main window's background shows at `place`, playing (Play_on lit).
  bool waitForPlayingWindowAt(QPoint place) {
    const QImage shot = pollScreen(
        kStartTimeoutMs, [&] { return windowAt(place); },
        [](const QImage& w) { return isMetal(w.pixel(kMetal)) && isLitGreen(w.pixel(kPlayIndicator)); });
    return !shot.isNull() && isMetal(shot.pixel(kMetal)) && isLitGreen(shot.pixel(kPlayIndicator));
  }

  bool click(QPoint windowPoint, QPoint place = kWindowPlace) {
    return session->clickAt(place + windowPoint);
  }

  XvfbServer x;
  QTemporaryDir dir;
  QString song;
  std::optional<QuorviSession> session;
};

}  // namespace

TEST_F(RunningPlayer, StartUpShowsTheFadingSplashThenTheMainWindowAtItsPlace) {
  struct SplashSample {
    double emblemGray;
    bool mainWindowOnScreen;
    QImage shot;
  };
  std::vector<SplashSample> samples;
  // Reads as fast as the server answers until the main window is up, keeping every read that
  // shows the splash (its lime title).
  const QImage up = pollScreen(
      kStartTimeoutMs, [&] { return screen(); },
      [&](const QImage& s) {
        const QRect title = boundsOf(s.copy(kSplashTitle), isLime);
        if (!title.isEmpty()) {
          samples.push_back({meanGray(s, kSplashEmblem), isMetal(s.pixel(kWindowPlace + kMetal)), s});
        }
        return isMetal(s.pixel(kWindowPlace + kMetal)) && boundsOf(s.copy(kSplashTitle), isLime).isEmpty();
      },
      5);

  ASSERT_GE(samples.size(), 2u) << "the splash was not seen twice";
  for (const SplashSample& s : samples) {
    EXPECT_FALSE(s.mainWindowOnScreen) << "the main window is on screen during the splash";
  }
  // Placed centred: the emblem's corner at (24, 24) of the splash, the title right of it; on
  // the black splash over the black desktop nothing else shows.
  const SplashSample& first = samples.front();
  const QRect lit = boundsOf(first.shot, [](QRgb c) { return qGray(c) > 24; });
  EXPECT_EQ(lit.topLeft(), kSplashEmblem.topLeft());
  EXPECT_TRUE(kSplash.contains(lit)) << "lit area " << lit.x() << "," << lit.y() << " " << lit.width() << "x"
                                     << lit.height();
  const QRect title = boundsOf(first.shot, isLime);
  EXPECT_TRUE(kSplashTitle.contains(title));
  EXPECT_GT(title.width(), 60) << "the title is the lime \"Quorvi \"";
  // Fading: the emblem only darkens, and clearly so while the splash is up.
  for (std::size_t i = 1; i < samples.size(); ++i) {
    EXPECT_LE(samples[i].emblemGray, samples[i - 1].emblemGray + 0.5) << "read " << i;
  }
  EXPECT_LT(samples.back().emblemGray, first.emblemGray - 10) << "the emblem did not fade";

  // Then the main window, where it was designed to be, and the splash gone.
  ASSERT_FALSE(up.isNull());
  ASSERT_TRUE(isMetal(up.pixel(kWindowPlace + kMetal))) << "the main window did not come up";
  const QPoint corner = kWindowPlace + firstVisibleBackgroundPixel();
  EXPECT_TRUE(isRootBlack(up.pixel(corner.x() - 1, kWindowPlace.y() + kMetal.y())));
  EXPECT_FALSE(isRootBlack(up.pixel(corner.x(), kWindowPlace.y() + kMetal.y())));
  EXPECT_TRUE(isRootBlack(up.pixel(kWindowPlace.x() + kMetal.x(), corner.y() - 1)));
  EXPECT_FALSE(isRootBlack(up.pixel(kWindowPlace.x() + kMetal.x(), corner.y())));
  const QRect belowWindow(kSplash.left(), kWindowPlace.y() + kWindowSize.height(), kSplash.width(),
                          kSplash.bottom() - (kWindowPlace.y() + kWindowSize.height()) + 1);
  EXPECT_TRUE(boundsOf(up.copy(belowWindow), [](QRgb c) { return !isRootBlack(c); }).isEmpty())
      << "the splash is still on screen";
  // The file played during the splash: the window comes up in its playing state.
  const QImage playing = pollScreen(
      kReactTimeoutMs, [&] { return windowAt(kWindowPlace); },
      [](const QImage& w) { return isLitGreen(w.pixel(kPlayIndicator)); });
  EXPECT_TRUE(isLitGreen(playing.pixel(kPlayIndicator)));
}

TEST_F(RunningPlayer, TransportButtonsAnswerRealClicks) {
  ASSERT_TRUE(waitForPlayingWindowAt(kWindowPlace));
  ASSERT_TRUE(isUnlit(windowAt(kWindowPlace).pixel(kPauseIndicator)));

  // Pause: Pause_on with its orange indicator; the progress bar stands still.
  ASSERT_TRUE(click(kPauseCentre));
  QImage w = pollScreen(
      kReactTimeoutMs, [&] { return windowAt(kWindowPlace); },
      [](const QImage& i) { return isLitOrange(i.pixel(kPauseIndicator)); });
  ASSERT_TRUE(isLitOrange(w.pixel(kPauseIndicator))) << "Pause_on is not shown after a click on Pause";
  // Left for the poll below to compare with: the bar's text as paused (once two reads agree).
  QImage pausedBar;
  pollScreen(
      kReactTimeoutMs, [&] { return windowAt(kWindowPlace).copy(kProgressBar); },
      [&](const QImage& bar) {
        const bool settled = bar == pausedBar;
        pausedBar = bar;
        return settled;
      },
      250);

  // Pause_on: playing again, the time in the bar moves on.
  ASSERT_TRUE(click(kPauseCentre));
  w = pollScreen(
      kReactTimeoutMs, [&] { return windowAt(kWindowPlace); },
      [&](const QImage& i) {
        return isUnlit(i.pixel(kPauseIndicator)) && i.copy(kProgressBar) != pausedBar;
      });
  EXPECT_TRUE(isUnlit(w.pixel(kPauseIndicator))) << "Pause_on still shown";
  EXPECT_NE(w.copy(kProgressBar), pausedBar) << "playback did not go on";

  // Stop: Play with its grey indicator.
  ASSERT_TRUE(click(kStopCentre));
  w = pollScreen(
      kReactTimeoutMs, [&] { return windowAt(kWindowPlace); },
      [](const QImage& i) { return isUnlit(i.pixel(kPlayIndicator)); });
  EXPECT_TRUE(isUnlit(w.pixel(kPlayIndicator))) << "Play is not shown after Stop";

  // Play: lit again.
  ASSERT_TRUE(click(kPlayCentre));
  w = pollScreen(
      kReactTimeoutMs, [&] { return windowAt(kWindowPlace); },
      [](const QImage& i) { return isLitGreen(i.pixel(kPlayIndicator)); });
  EXPECT_TRUE(isLitGreen(w.pixel(kPlayIndicator))) << "Play did not start playing again";
  EXPECT_EQ(session->process.state(), QProcess::Running);
}

TEST_F(RunningPlayer, DraggingTheBackgroundMovesTheWindowByThePointersOffset) {
  ASSERT_TRUE(waitForPlayingWindowAt(kWindowPlace));
  const QPoint grab = kWindowPlace + kMetal;
  const QPoint offset(118, 105);
  // Two steps with the button held, the second one far outside the window's old place.
  ASSERT_TRUE(session->xdotool(
      {QStringLiteral("mousemove"), QString::number(grab.x()), QString::number(grab.y()),
       QStringLiteral("mousedown"), QStringLiteral("1"), QStringLiteral("mousemove"),
       QString::number(grab.x() + 40), QString::number(grab.y() - 30), QStringLiteral("mousemove"),
       QString::number(grab.x() + offset.x()), QString::number(grab.y() + offset.y()),
       QStringLiteral("mouseup"), QStringLiteral("1")}));
  const QPoint moved = kWindowPlace + offset;
  const QImage shot = pollScreen(
      kReactTimeoutMs, [&] { return screen(); },
      [&](const QImage& s) {
        return isMetal(s.pixel(moved + kMetal)) && isRootBlack(s.pixel(kWindowPlace + QPoint(60, 60)));
      });
  EXPECT_TRUE(isMetal(shot.pixel(moved + kMetal)));
  EXPECT_TRUE(isLitGreen(shot.pixel(moved + kPlayIndicator)))
      << "the window's content is not at its new place";
  // Its old top-left part shows the desktop again; the left edge is exactly where it moved to.
  EXPECT_TRUE(isRootBlack(shot.pixel(kWindowPlace + QPoint(60, 60))));
  const QPoint corner = moved + firstVisibleBackgroundPixel();
  EXPECT_TRUE(isRootBlack(shot.pixel(corner.x() - 1, moved.y() + kMetal.y())));
  EXPECT_FALSE(isRootBlack(shot.pixel(corner.x(), moved.y() + kMetal.y())));

  // The buttons work at the new place: a click on Pause there pauses.
  ASSERT_TRUE(click(kPauseCentre, moved));
  const QImage paused = pollScreen(
      kReactTimeoutMs, [&] { return windowAt(moved); },
      [](const QImage& i) { return isLitOrange(i.pixel(kPauseIndicator)); });
  EXPECT_TRUE(isLitOrange(paused.pixel(kPauseIndicator)));
}

TEST_F(RunningPlayer, TheSwitchesShowThePanelsBelowTheBackground) {
  ASSERT_TRUE(waitForPlayingWindowAt(kWindowPlace));
  QImage w = windowAt(kWindowPlace);
  ASSERT_TRUE(isRootBlack(w.pixel(kVolumeStrip)));
  ASSERT_TRUE(isRootBlack(w.pixel(kScale)));

  ASSERT_TRUE(click(kSwitchVolKey));
  w = pollScreen(
      kReactTimeoutMs, [&] { return windowAt(kWindowPlace); },
      [](const QImage& i) { return !isRootBlack(i.pixel(kVolumeStrip)); });
  EXPECT_FALSE(isRootBlack(w.pixel(kVolumeStrip))) << "the volume slider is not shown";
  EXPECT_TRUE(isRootBlack(w.pixel(kScale)));

  ASSERT_TRUE(click(kSwitchLevelKey));
  w = pollScreen(
      kReactTimeoutMs, [&] { return windowAt(kWindowPlace); },
      [](const QImage& i) { return !isRootBlack(i.pixel(kScale)); });
  EXPECT_FALSE(isRootBlack(w.pixel(kScale))) << "the scale is not shown";

  // Both off again: the desktop shows through once more.
  ASSERT_TRUE(click(kSwitchVolKey));
  ASSERT_TRUE(click(kSwitchLevelKey));
  w = pollScreen(
      kReactTimeoutMs, [&] { return windowAt(kWindowPlace); },
      [](const QImage& i) { return isRootBlack(i.pixel(kVolumeStrip)) && isRootBlack(i.pixel(kScale)); });
  EXPECT_TRUE(isRootBlack(w.pixel(kVolumeStrip)));
  EXPECT_TRUE(isRootBlack(w.pixel(kScale)));
}

TEST_F(RunningPlayer, ARightDragReleasedOutsideGoesOnOverTheSurfaceUntilAClick) {
  ASSERT_TRUE(waitForPlayingWindowAt(kWindowPlace));
  const QPoint grab = kWindowPlace + kMetal;
  const QPoint firstStep(20, 10);
  const QPoint outside(100, 900);
  auto at = [](QPoint p) { return QStringList{QString::number(p.x()), QString::number(p.y())}; };
  // Right button down on the background and a step with it held. Each step waits for its effect:
  // the toolkit merges queued pointer moves, so a step followed at once by another would vanish.
  ASSERT_TRUE(session->xdotool(
      QStringList{QStringLiteral("mousemove")} + at(grab) +
      QStringList{QStringLiteral("mousedown"), QStringLiteral("3"), QStringLiteral("mousemove")} +
      at(grab + firstStep)));
  const QPoint afterStep = kWindowPlace + firstStep;
  QImage shot = pollScreen(
      kReactTimeoutMs, [&] { return screen(); },
      [&](const QImage& s) { return isLitGreen(s.pixel(afterStep + kPlayIndicator)); });
  ASSERT_TRUE(isLitGreen(shot.pixel(afterStep + kPlayIndicator))) << "the held right button did not drag";
  // Off the window and up there: without a capture the window sees neither.
  ASSERT_TRUE(session->xdotool(QStringList{QStringLiteral("mousemove")} + at(outside) +
                               QStringList{QStringLiteral("mouseup"), QStringLiteral("3")}));

  // No button held: the pointer coming over the background still drags the window, so the
  // grabbed point comes under it.
  const QPoint overSurface = afterStep + QPoint(250, 90);
  ASSERT_TRUE(session->xdotool(QStringList{QStringLiteral("mousemove")} + at(overSurface)));
  const QPoint followed = overSurface - kMetal;
  shot = pollScreen(
      kReactTimeoutMs, [&] { return screen(); },
      [&](const QImage& s) { return isLitGreen(s.pixel(followed + kPlayIndicator)); });
  EXPECT_TRUE(isLitGreen(shot.pixel(followed + kPlayIndicator))) << "the window did not follow the pointer";

  // A left click there ends the drag: the pointer moves on, the window stays.
  ASSERT_TRUE(session->clickAt(overSurface, overSurface + QPoint(30, 20)));
  ASSERT_TRUE(session->xdotool(QStringList{QStringLiteral("mousemove")} + at(overSurface + QPoint(60, 40))));
  // The program handles input in order: once a later click on SwitchVol shows its strip where
  // the window was left, the move before it has been handled too, and did not drag.
  ASSERT_TRUE(session->clickAt(followed + kSwitchVolKey));
  shot = pollScreen(
      kReactTimeoutMs, [&] { return screen(); },
      [&](const QImage& s) { return !isRootBlack(s.pixel(followed + kVolumeStrip)); });
  EXPECT_FALSE(isRootBlack(shot.pixel(followed + kVolumeStrip)));
  EXPECT_TRUE(isLitGreen(shot.pixel(followed + kPlayIndicator))) << "the window moved after the click";
}
