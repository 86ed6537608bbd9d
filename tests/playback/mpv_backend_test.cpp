#include "playback/mpv_backend.h"

#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QTemporaryDir>
#include <QThread>
#include <functional>
#include <memory>

#include "playback/media_device.h"
#include "playback/media_device_error.h"
#include "playback/video_surface.h"
#include "tests/support/media_files.h"

namespace {

// Bound for the polls below; a healthy run needs a fraction of it.
constexpr int kPollBoundMs = 8000;

// Runs the event loop (queued libmpv events and frames) until `done` holds or the bound passed.
bool pollUntil(const std::function<bool()>& done) {
  const QDeadlineTimer deadline(kPollBoundMs);
  while (!done()) {
    if (deadline.hasExpired()) {
      return false;
    }
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QThread::msleep(2);
  }
  return true;
}

void runEventsFor(int ms) {
  const QDeadlineTimer deadline(ms);
  while (!deadline.hasExpired()) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QThread::msleep(2);
  }
}

class RecordingSurface : public VideoSurface {
 public:
  void showVideoFrame(const QImage& frame, const QRect& target) override {
    frames.push_back(frame);
    targets.push_back(target);
  }
  void clearVideoFrame() override { ++clears; }

  std::vector<QImage> frames;
  std::vector<QRect> targets;
  int clears = 0;
};

QString thrownText(const std::function<void()>& operation) {
  try {
    operation();
  } catch (const MediaDeviceError& error) {
    return error.message();
  }
  return {};
}

class MpvBackendTest : public ::testing::Test {
 protected:
  MpvBackendTest() {
    auto real = std::make_unique<MpvBackend>();
    backend = real.get();
    device = std::make_unique<MediaDevice>(std::move(real));
  }

  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(backend->isValid());
  }

  void openFile(const QString& path) {
    device->setFileName(path);
    device->open();
  }

  QTemporaryDir dir;
  MpvBackend* backend = nullptr;
  std::unique_ptr<MediaDevice> device;
};

TEST_F(MpvBackendTest, OpenLeavesTheFileHaltedAtItsStart) {
  openFile(writeToneWav(dir.path(), "tone.wav", 3.0));
  EXPECT_TRUE(device->isOpen());
  EXPECT_FALSE(device->hasVideo());
  EXPECT_EQ(device->length(), 3000);
  EXPECT_EQ(device->position(), 0);
  runEventsFor(200);
  EXPECT_EQ(device->position(), 0);  // opened, not playing
}

TEST_F(MpvBackendTest, PlayAdvancesAndSeekHaltsAtTheTarget) {
  openFile(writeToneWav(dir.path(), "tone.wav", 3.0));
  device->play();
  EXPECT_TRUE(pollUntil([&] { return device->position() > 200; }));
  device->setPosition(1500);
  EXPECT_EQ(device->position(), 1500);
  runEventsFor(200);
  EXPECT_EQ(device->position(), 1500);
  EXPECT_EQ(device->lastError(), 0);
}

TEST_F(MpvBackendTest, StopAndPauseHaltWhereTheMediaIs) {
  openFile(writeToneWav(dir.path(), "tone.wav", 3.0));
  for (const auto& halt :
       {std::function<void()>([&] { device->stop(); }), std::function<void()>([&] { device->pause(); })}) {
    device->play();
    ASSERT_TRUE(pollUntil([&] { return device->position() > 100; }));
    halt();
    const qint32 halted = device->position();
    EXPECT_GT(halted, 0);
    runEventsFor(150);
    // Halted, not playing on (libmpv may still settle the audio clock by a millisecond).
    EXPECT_NEAR(device->position(), halted, 3);
  }
}

// Once audio has played, libmpv's clock after a halted seek lags the target by the audio
// output's buffer, and still does right after the next play. The device stands at the target
// all the same: a pause at once stays there, and playing on never reports less.
TEST_F(MpvBackendTest, APauseRightAfterPlayStaysAtTheSeekTarget) {
  openFile(writeToneWav(dir.path(), "tone.wav", 3.0));
  device->play();
  ASSERT_TRUE(pollUntil([&] { return device->position() > 100; }));
  device->stop();
  device->setPosition(1500);
  device->play();
  device->pause();
  EXPECT_EQ(device->position(), 1500);
  runEventsFor(100);
  EXPECT_EQ(device->position(), 1500);

  device->play();
  qint32 lowest = device->position();
  EXPECT_TRUE(pollUntil([&] {
    const qint32 now = device->position();
    lowest = std::min(lowest, now);
    return now > 1700;
  }));
  EXPECT_EQ(lowest, 1500);
  device->stop();
}

TEST_F(MpvBackendTest, PositionEqualsLengthAtTheEndThenPlayRewinds) {
  openFile(writeToneWav(dir.path(), "short.wav", 1.0));
  ASSERT_EQ(device->length(), 1000);
  device->play();
  ASSERT_TRUE(pollUntil([&] { return device->position() == device->length(); }));
  runEventsFor(100);
  EXPECT_EQ(device->position(), 1000);  // stays at the end

  device->play();  // the rewind rule: starts again from the beginning
  EXPECT_LT(device->position(), 500);
  EXPECT_TRUE(pollUntil([&] { return device->position() == device->length(); }));
}

TEST_F(MpvBackendTest, SeekPastTheEndReportsTheLength) {
  openFile(writeToneWav(dir.path(), "tone.wav", 1.0));
  device->setPosition(5000);
  EXPECT_EQ(device->position(), 1000);
}

TEST_F(MpvBackendTest, PendingStartPositionIsWhereThePlayBegins) {
  openFile(writeToneWav(dir.path(), "tone.wav", 3.0));
  device->setFromPosition(2000);
  device->play();
  EXPECT_GE(device->position(), 2000);
  device->stop();
  device->setPosition(0);
  device->play();  // spent: plays from where the device is
  EXPECT_LT(device->position(), 2000);
}

TEST_F(MpvBackendTest, HmsIsRefusedAndMillisecondsStay) {
  openFile(writeToneWav(dir.path(), "tone.wav", 2.0));
  device->setTimeFormat(MediaBackend::kTimeFormatHms);
  EXPECT_EQ(device->lastError(), MediaBackend::kResultUnsupportedTimeFormat);
  EXPECT_EQ(device->length(), 2000);
  device->setTimeFormat(MediaBackend::kTimeFormatMilliseconds);
  EXPECT_EQ(device->lastError(), 0);
}

TEST_F(MpvBackendTest, SecondOpenReplacesTheFirst) {
  openFile(writeToneWav(dir.path(), "long.wav", 3.0));
  device->play();
  openFile(writeToneWav(dir.path(), "short.wav", 1.0));
  EXPECT_EQ(device->length(), 1000);
  EXPECT_EQ(device->position(), 0);
}

TEST_F(MpvBackendTest, CloseLeavesNoDevice) {
  openFile(writeToneWav(dir.path(), "tone.wav", 1.0));
  device->close();
  EXPECT_FALSE(device->isOpen());
  EXPECT_EQ(device->position(), 0);
  EXPECT_EQ(thrownText([&] { device->play(); }), QString::fromUtf8(kNoDeviceOpenText));
}

TEST_F(MpvBackendTest, VideoFramesReachTheDisplayInTheDisplayRect) {
  RecordingSurface surface;
  device->setDisplay(&surface);
  openFile(writeY4mVideo(dir.path(), "clip.y4m", 50));
  ASSERT_TRUE(device->hasVideo());
  EXPECT_EQ(device->pictureSize(), QSize(160, 120));
  EXPECT_EQ(device->length(), 2000);

  device->play();
  ASSERT_TRUE(pollUntil([&] { return surface.frames.size() >= 3; }));
  // Without a display rectangle the picture has its own size at (0, 0).
  EXPECT_EQ(surface.targets.back(), QRect(0, 0, 160, 120));
  const QImage frame = surface.frames.back();
  EXPECT_EQ(frame.size(), QSize(160, 120));
  // The moving white bar is somewhere on the middle row, on a darker background.
  int brightest = 0;
  int darkest = 255;
  for (int x = 0; x < frame.width(); ++x) {
    brightest = std::max(brightest, qGray(frame.pixel(x, 60)));
    darkest = std::min(darkest, qGray(frame.pixel(x, 60)));
  }
  EXPECT_GT(brightest - darkest, 25);

  device->setDisplayRect(QRect(10, 20, 80, 60));
  ASSERT_TRUE(pollUntil([&] { return surface.targets.back() == QRect(10, 20, 80, 60); }));
  EXPECT_EQ(surface.frames.back().size(), QSize(80, 60));

  // A new display gets the picture at once, the old one loses it.
  RecordingSurface other;
  const int clearsBefore = surface.clears;
  device->setDisplay(&other);
  EXPECT_EQ(other.frames.size(), 1u);
  EXPECT_GT(surface.clears, clearsBefore);

  device->close();
  EXPECT_GT(other.clears, 0);
}

TEST_F(MpvBackendTest, AudioGivesNoFrames) {
  RecordingSurface surface;
  device->setDisplay(&surface);
  openFile(writeToneWav(dir.path(), "tone.wav", 1.0));
  device->play();
  device->setDisplayRect(QRect(0, 0, 160, 120));
  runEventsFor(300);
  EXPECT_TRUE(surface.frames.empty());
  EXPECT_EQ(device->display(), &surface);
}

TEST_F(MpvBackendTest, OutputVolumeAppliesNowAndToLaterFiles) {
  EXPECT_TRUE(backend->setOutputVolume(30));
  EXPECT_DOUBLE_EQ(backend->outputVolume(), 30);
  openFile(writeToneWav(dir.path(), "a.wav", 1.0));
  device->play();
  EXPECT_TRUE(backend->setOutputVolume(55));
  openFile(writeToneWav(dir.path(), "b.wav", 1.0));
  EXPECT_DOUBLE_EQ(backend->outputVolume(), 55);
  EXPECT_TRUE(backend->setOutputVolume(140));
  EXPECT_DOUBLE_EQ(backend->outputVolume(), 100);
}

TEST_F(MpvBackendTest, UnknownCodeHasTheUnknownText) {
  EXPECT_EQ(backend->errorText(123456), QString::fromUtf8(kUnknownErrorText));
  EXPECT_EQ(backend->errorText(MpvBackend::kErrorFileNotFound),
            "Die angegebene Datei wurde nicht gefunden. Pfad und Dateinamen überprüfen.");
}

// A TCP port on the loopback interface that counts the connections made to it.
class Listener {
 public:
  Listener() {
    fd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    if (fd_ < 0 || ::bind(fd_, reinterpret_cast<sockaddr*>(&address), size) != 0 || ::listen(fd_, 4) != 0 ||
        ::getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
      ADD_FAILURE() << "no loopback listener";
      return;
    }
    port_ = ntohs(address.sin_port);
  }
  ~Listener() {
    if (fd_ >= 0) {
      ::close(fd_);
    }
  }
  int port() const { return port_; }
  int accepted() {
    int count = 0;
    for (int client; (client = ::accept(fd_, nullptr, nullptr)) >= 0; ++count) {
      ::close(client);
    }
    return count;
  }

 private:
  int fd_ = -1;
  int port_ = 0;
};

enum class Outcome { kPlays, kFails, kEither };

TEST_F(MpvBackendTest, BadInputEitherPlaysOrFailsWithAGermanText) {
  Listener listener;
  const QString url = QStringLiteral("http://127.0.0.1:%1/x.wav").arg(listener.port());
  const QString good = writeToneWav(dir.path(), "good.wav", 1.0);
  QDir(dir.path()).mkpath("http:");
  QDir(dir.path()).mkpath("av:");
  QDir(dir.path()).mkpath("folder");
  writeToneWav(dir.path() + "/http:", "x.wav", 1.0);
  writeToneWav(dir.path() + "/av:", "x.wav", 1.0);

  struct Row {
    const char* name;
    std::function<QString()> make;  // the name handed to the device, relative to `dir`
    Outcome outcome;
  };
  const Row rows[] = {
      {"missing file", [] { return QStringLiteral("missing.wav"); }, Outcome::kFails},
      {"empty file", [&] { return writeEmptyFile(dir.path(), "empty.wav"); }, Outcome::kFails},
      {"random bytes .mp3", [&] { return writeRandomBytes(dir.path(), "noise.mp3", 64 * 1024); },
       Outcome::kFails},
      {"WAV cut in its header", [&] { return writeTruncatedWav(dir.path(), "cut.wav", 30); },
       Outcome::kFails},
      {"WAV cut in its data", [&] { return writeTruncatedWav(dir.path(), "cutdata.wav", 44 + 8000); },
       Outcome::kEither},
      {"directory", [] { return QStringLiteral("folder"); }, Outcome::kFails},
      {"blanks and umlauts", [&] { return writeToneWav(dir.path(), "Grüße aus Köln – Teil 1.wav", 1.0); },
       Outcome::kPlays},
      {"leading dash",
       [&] {
         writeToneWav(dir.path(), "-x.wav", 1.0);
         return QStringLiteral("-x.wav");
       },
       Outcome::kPlays},
      {"http name", [] { return QStringLiteral("http://x.wav"); }, Outcome::kPlays},
      {"av protocol name", [] { return QStringLiteral("av://x.wav"); }, Outcome::kPlays},
      {"playlist with a network entry",
       [&] {
         return writeTextFile(dir.path(), "list.m3u", ("#EXTM3U\n" + url + "\n" + good + "\n").toUtf8());
       },
       Outcome::kFails},
      {"playlist named .wav",
       [&] { return writeTextFile(dir.path(), "list.wav", (url + "\n" + good + "\n").toUtf8()); },
       Outcome::kFails},
  };
  const QString oldCurrent = QDir::currentPath();
  QDir::setCurrent(dir.path());  // relative names resolve in the media folder
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const QString name = row.make();
    const QString text = thrownText([&] { openFile(name); });
    if (text.isEmpty()) {
      EXPECT_NE(row.outcome, Outcome::kFails);
      EXPECT_TRUE(device->isOpen());
      device->play();
      EXPECT_TRUE(pollUntil([&] { return device->position() > 0; }));
    } else {
      EXPECT_NE(row.outcome, Outcome::kPlays) << text.toStdString();
      EXPECT_NE(text, QString::fromUtf8(kUnknownErrorText));
      EXPECT_FALSE(device->isOpen());
    }
    EXPECT_EQ(listener.accepted(), 0);
    // The device works again afterwards.
    EXPECT_NO_THROW(openFile(good));
    EXPECT_EQ(device->length(), 1000);
  }
  QDir::setCurrent(oldCurrent);
}

}  // namespace
