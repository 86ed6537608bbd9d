#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include "tests/support/media_files.h"
#include "tests/support/xvfb_server.h"

namespace {

constexpr QPoint kWindowPlace(442, 205);

bool isPureRed(QRgb c) {
  return (c & RGB_MASK) == 0xff0000u;
}

// Starts the built program on a private X server with libmpv's null audio output.
class RunningQuorvi {
 public:
  RunningQuorvi(const XvfbServer& x, const QStringList& arguments) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), x.display());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("QUORVI_AUDIO_OUTPUT"), QStringLiteral("null"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(QStringLiteral(QUORVI_BINARY_PATH), arguments);
  }
  ~RunningQuorvi() {
    process.kill();
    process.waitForFinished();
  }
  QProcess process;
};

// Waits until `ready` holds for a screenshot, or the deadline passes; returns the last one.
template <typename Ready>
QImage waitForScreen(const XvfbServer& x, int timeoutMs, Ready ready) {
  QElapsedTimer clock;
  clock.start();
  QImage shot;
  while (clock.elapsed() < timeoutMs) {
    shot = x.screenshot();
    if (!shot.isNull() && ready(shot)) {
      return shot;
    }
    QThread::msleep(200);
  }
  return shot;
}

}  // namespace

TEST(RealWindow, PlaysAFileInTheShapedWindowAtItsDesignedPlace) {
  XvfbServer x;
  ASSERT_TRUE(x.running()) << "Xvfb did not start";
  QTemporaryDir dir;
  const QString song = writeToneWav(dir.path(), QStringLiteral("ton.wav"), 20.0);
  RunningQuorvi quorvi(x, {song});
  ASSERT_TRUE(quorvi.process.waitForStarted()) << quorvi.process.errorString().toStdString();

  // The background picture's middle: brushed metal, neither the black root window nor red.
  const QPoint metal = kWindowPlace + QPoint(200, 90);
  const QImage shot = waitForScreen(x, 30000, [&](const QImage& s) {
    const QRgb c = s.pixel(metal);
    return qGray(c) > 60 && !isPureRed(c);
  });
  ASSERT_FALSE(shot.isNull());
  const QRgb background = shot.pixel(metal);
  EXPECT_GT(qGray(background), 60) << "the window is not on screen at (442, 205)";

  // Pure red is the colour key: nowhere on screen.
  int red = 0;
  for (int y = 0; y < shot.height(); ++y) {
    for (int x2 = 0; x2 < shot.width(); ++x2) {
      red += isPureRed(shot.pixel(x2, y)) ? 1 : 0;
    }
  }
  EXPECT_EQ(red, 0);
  // The strip below the background shows the desktop (the root window, black) where no
  // panel is shown, and so do the background's red corner pixels and the left two columns.
  EXPECT_EQ(shot.pixel(kWindowPlace + QPoint(200, 200)) & RGB_MASK, 0u);
  EXPECT_EQ(shot.pixel(kWindowPlace + QPoint(0, 50)) & RGB_MASK, 0u);
  EXPECT_EQ(shot.pixel(kWindowPlace + QPoint(2, 0)) & RGB_MASK, 0u);
  // Left of the window: desktop.
  EXPECT_EQ(shot.pixel(kWindowPlace + QPoint(-5, 50)) & RGB_MASK, 0u);

  // Playing: the lit green indicator of Play_on shows where the play pair lies.
  const QImage playing = waitForScreen(x, 10000, [&](const QImage& s) {
    const QRgb c = s.pixel(kWindowPlace + QPoint(10 + 12, 32 + 5));
    return qGreen(c) > 150 && qRed(c) < 150;
  });
  const QRgb indicator = playing.pixel(kWindowPlace + QPoint(10 + 12, 32 + 5));
  EXPECT_GT(qGreen(indicator), 150);
  EXPECT_LT(qRed(indicator), 150);
  EXPECT_EQ(quorvi.process.state(), QProcess::Running);
}
