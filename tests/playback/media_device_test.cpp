#include "playback/media_device.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "playback/media_device_error.h"
#include "playback/video_surface.h"
#include "tests/support/fake_media_backend.h"

namespace {

class NullSurface : public VideoSurface {
 public:
  void showVideoFrame(const QImage&, const QRect&) override {}
  void clearVideoFrame() override {}
};

constexpr int kFailedOpenCode = 77;

class MediaDeviceTest : public ::testing::Test {
 protected:
  MediaDeviceTest() {
    auto fake = std::make_unique<FakeMediaBackend>();
    backend = fake.get();
    device = std::make_unique<MediaDevice>(std::move(fake));
  }

  void openFile(const QString& name = QStringLiteral("/media/a.wav")) {
    device->setFileName(name);
    device->open();
  }

  // Leaves no device open and a known last error, so a test can see whether an operation
  // touched either.
  void failOpen() {
    backend->openResult = kFailedOpenCode;
    device->setFileName(QStringLiteral("/media/bad.mp3"));
    EXPECT_THROW(device->open(), MediaDeviceError);
    backend->openResult = MediaBackend::kResultOk;
    backend->commands.clear();
  }

  // The message of the MediaDeviceError that `operation` throws, or "" when it throws none.
  static QString thrownText(const std::function<void()>& operation) {
    try {
      operation();
    } catch (const MediaDeviceError& error) {
      return error.message();
    }
    return {};
  }

  FakeMediaBackend* backend = nullptr;
  std::unique_ptr<MediaDevice> device;
  NullSurface surface;
};

struct Operation {
  const char* name;
  std::function<void(MediaDevice&, VideoSurface*)> run;
};

TEST_F(MediaDeviceTest, WithoutDeviceCheckedOperationsThrowAndDoNothingElse) {
  const Operation checked[] = {
      {"play", [](MediaDevice& d, VideoSurface*) { d.play(); }},
      {"pause", [](MediaDevice& d, VideoSurface*) { d.pause(); }},
      {"stop", [](MediaDevice& d, VideoSurface*) { d.stop(); }},
      {"seek", [](MediaDevice& d, VideoSurface*) { d.setPosition(500); }},
      {"length", [](MediaDevice& d, VideoSurface*) { d.length(); }},
  };
  failOpen();
  device->setFromPosition(1234);
  for (const Operation& op : checked) {
    SCOPED_TRACE(op.name);
    EXPECT_EQ(thrownText([&] { op.run(*device, &surface); }), QString::fromUtf8(kNoDeviceOpenText));
    EXPECT_TRUE(backend->commands.isEmpty()) << backend->commands.join(" | ").toStdString();
    EXPECT_EQ(device->lastError(), kFailedOpenCode);
  }
  // A play stopped by the check did not spend the start position.
  openFile();
  device->play();
  EXPECT_EQ(backend->commands.last(), "play from 1234");
}

TEST_F(MediaDeviceTest, WithoutDeviceUncheckedOperationsNeverThrow) {
  struct Row {
    const char* name;
    std::function<void(MediaDevice&, VideoSurface*)> run;
    int lastError;  // what is kept afterwards
  };
  const Row rows[] = {
      {"close", [](MediaDevice& d, VideoSurface*) { d.close(); }, kFailedOpenCode},
      {"position", [](MediaDevice& d, VideoSurface*) { EXPECT_EQ(d.position(), 0); },
       MediaBackend::kResultNoDevice},
      {"time format", [](MediaDevice& d, VideoSurface*) { d.setTimeFormat(0); },
       MediaBackend::kResultNoDevice},
      {"display rect", [](MediaDevice& d, VideoSurface*) { d.setDisplayRect(QRect(0, 0, 160, 120)); },
       kFailedOpenCode},
      {"display", [](MediaDevice& d, VideoSurface* s) { d.setDisplay(s); }, kFailedOpenCode},
      {"from position", [](MediaDevice& d, VideoSurface*) { d.setFromPosition(10); }, kFailedOpenCode},
      {"file name", [](MediaDevice& d, VideoSurface*) { d.setFileName("/x.wav"); }, kFailedOpenCode},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    failOpen();
    EXPECT_NO_THROW(row.run(*device, &surface));
    EXPECT_TRUE(backend->commands.isEmpty()) << backend->commands.join(" | ").toStdString();
    EXPECT_EQ(device->lastError(), row.lastError);
  }
  EXPECT_EQ(device->display(), &surface);
}

TEST_F(MediaDeviceTest, OpenDeviceSendsEachCommandAndKeepsItsResult) {
  struct Row {
    const char* name;
    std::function<void(MediaDevice&)> run;
    const char* command;
    const char* resultKey;
  };
  const Row rows[] = {
      {"play", [](MediaDevice& d) { d.play(); }, "play", "play"},
      {"pause", [](MediaDevice& d) { d.pause(); }, "pause", "pause"},
      {"stop", [](MediaDevice& d) { d.stop(); }, "stop", "stop"},
      {"seek", [](MediaDevice& d) { d.setPosition(700); }, "seek 700", "seek"},
      {"time format", [](MediaDevice& d) { d.setTimeFormat(0); }, "timeformat 0", "timeformat"},
      {"close", [](MediaDevice& d) { d.close(); }, "close", "close"},
  };
  constexpr int kRefusal = 263;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    openFile();
    backend->lengthMs = 3000;
    backend->positionMs = 100;
    backend->commands.clear();
    backend->results[row.resultKey] = kRefusal;
    EXPECT_NO_THROW(row.run(*device));
    EXPECT_EQ(backend->commands, QStringList{row.command});
    EXPECT_EQ(device->lastError(), kRefusal);
    backend->results.clear();
  }
}

TEST_F(MediaDeviceTest, QueriesReturnTheBackendsValuesAndKeepTheResult) {
  openFile();
  backend->positionMs = 1500;
  backend->lengthMs = 3000;
  EXPECT_EQ(device->position(), 1500);
  EXPECT_EQ(device->length(), 3000);
  EXPECT_EQ(device->lastError(), 0);
  backend->results["position"] = 5;
  EXPECT_EQ(device->position(), 0);  // no answer reads as 0
  EXPECT_EQ(device->lastError(), 5);
}

TEST_F(MediaDeviceTest, HmsIsRefusedAndOnlyKept) {
  openFile();
  EXPECT_NO_THROW(device->setTimeFormat(MediaBackend::kTimeFormatHms));
  EXPECT_EQ(device->lastError(), MediaBackend::kResultUnsupportedTimeFormat);
  EXPECT_EQ(backend->timeFormat, MediaBackend::kTimeFormatMilliseconds);
}

TEST_F(MediaDeviceTest, OpenClosesTheOpenFileFirst) {
  openFile(QStringLiteral("/media/a.wav"));
  openFile(QStringLiteral("/media/b.wav"));
  EXPECT_EQ(backend->commands, (QStringList{"open /media/a.wav", "close", "open /media/b.wav"}));
  EXPECT_TRUE(device->isOpen());
}

TEST_F(MediaDeviceTest, FailedOpenLeavesNoDeviceAndThrowsTheBackendText) {
  openFile(QStringLiteral("/media/a.wav"));
  backend->openResult = 42;
  device->setFileName(QStringLiteral("/media/missing.wav"));
  EXPECT_EQ(thrownText([&] { device->open(); }), FakeMediaBackend::textFor(42));
  EXPECT_FALSE(device->isOpen());
  EXPECT_FALSE(backend->isOpen);
  EXPECT_EQ(device->lastError(), 42);
  EXPECT_EQ(device->fileName(), "/media/missing.wav");
  EXPECT_EQ(backend->commands, (QStringList{"open /media/a.wav", "close", "open /media/missing.wav"}));
  EXPECT_EQ(thrownText([&] { device->play(); }), QString::fromUtf8(kNoDeviceOpenText));
}

TEST_F(MediaDeviceTest, CodeWithoutTextGivesUnknownErrorText) {
  backend->openResult = 99;
  backend->unknownCode = 99;
  device->setFileName(QStringLiteral("/media/a.wav"));
  EXPECT_EQ(thrownText([&] { device->open(); }), QString::fromUtf8(kUnknownErrorText));
}

TEST_F(MediaDeviceTest, PlayRewindsOnlyAtTheEndWithoutPendingStart) {
  struct Row {
    const char* name;
    qint32 position;
    qint32 length;
    std::optional<qint32> pending;
    int positionResult;
    QStringList commands;
  };
  const Row rows[] = {
      {"at the end", 3000, 3000, std::nullopt, 0, {"seek start", "play"}},
      {"in the middle", 1200, 3000, std::nullopt, 0, {"play"}},
      {"at the start", 0, 3000, std::nullopt, 0, {"play"}},
      {"empty media", 0, 0, std::nullopt, 0, {"seek start", "play"}},
      {"at the end, start pending", 3000, 3000, 800, 0, {"play from 800"}},
      {"position unknown", 3000, 3000, std::nullopt, 5, {"play"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    openFile();
    backend->positionMs = row.position;
    backend->lengthMs = row.length;
    backend->results["position"] = row.positionResult;
    backend->results["seek"] = 9;  // the rewind's result is not kept
    if (row.pending) {
      device->setFromPosition(*row.pending);
    }
    backend->commands.clear();
    device->play();
    EXPECT_EQ(backend->commands, row.commands);
    EXPECT_EQ(device->lastError(), 0);
    backend->results.clear();
  }
}

TEST_F(MediaDeviceTest, StartPositionSurvivesEverythingButOnePlay) {
  device->setFromPosition(2500);
  openFile(QStringLiteral("/media/a.wav"));
  backend->lengthMs = 3000;
  device->stop();
  device->pause();
  device->setPosition(100);
  device->close();
  openFile(QStringLiteral("/media/b.wav"));
  backend->lengthMs = 3000;
  backend->results["play"] = 11;  // spent even when the play is refused
  device->play();
  backend->results.clear();
  device->play();
  EXPECT_EQ(backend->commands, (QStringList{"open /media/a.wav", "stop", "pause", "seek 100", "close",
                                            "open /media/b.wav", "play from 2500", "play"}));
}

TEST_F(MediaDeviceTest, LaterStartPositionReplacesTheEarlierOne) {
  openFile();
  backend->lengthMs = 3000;
  device->setFromPosition(100);
  device->setFromPosition(200);
  device->play();
  EXPECT_EQ(backend->commands.last(), "play from 200");
}

TEST_F(MediaDeviceTest, OpenLearnsVideoAndPictureSize) {
  backend->withVideo = true;
  backend->videoSize = QSize(320, 240);
  openFile();
  EXPECT_TRUE(device->hasVideo());
  EXPECT_EQ(device->pictureSize(), QSize(320, 240));
  backend->withVideo = false;
  openFile();
  EXPECT_FALSE(device->hasVideo());
}

TEST_F(MediaDeviceTest, DisplayRectZeroSizeRule) {
  struct Row {
    QRect given;
    const char* sent;
  };
  const Row rows[] = {
      {QRect(0, 0, 160, 120), "rect 0,0,160,120"}, {QRect(0, 0, 0, 0), "rect 0,0,320,240"},
      {QRect(10, 20, 0, 0), "rect 10,20,320,240"}, {QRect(0, 0, 160, 0), "rect 0,0,160,0"},
      {QRect(0, 0, 0, 120), "rect 0,0,0,120"},
  };
  backend->withVideo = true;
  backend->videoSize = QSize(320, 240);
  openFile();
  for (const Row& row : rows) {
    backend->commands.clear();
    device->setDisplayRect(row.given);
    EXPECT_EQ(backend->commands, QStringList{row.sent});
  }
  backend->results["rect"] = 8;
  device->setDisplayRect(QRect(0, 0, 160, 120));
  EXPECT_EQ(device->lastError(), 8);
}

TEST_F(MediaDeviceTest, DisplayRectWithoutVideoDoesNothingAtAll) {
  openFile();
  device->setTimeFormat(MediaBackend::kTimeFormatHms);  // leaves a known last error
  backend->commands.clear();
  device->setDisplayRect(QRect(0, 0, 160, 120));
  EXPECT_TRUE(backend->commands.isEmpty());
  EXPECT_EQ(device->lastError(), MediaBackend::kResultUnsupportedTimeFormat);
}

TEST_F(MediaDeviceTest, DisplayIsKeptUntilVideoIsOpenThenApplied) {
  device->setDisplay(&surface);
  EXPECT_TRUE(backend->commands.isEmpty());
  openFile();  // no video: the display is not sent
  EXPECT_EQ(backend->commands, QStringList{"open /media/a.wav"});
  EXPECT_EQ(backend->surface, nullptr);
  backend->withVideo = true;
  openFile();
  EXPECT_EQ(backend->commands.last(), "surface");
  EXPECT_EQ(backend->surface, &surface);
  EXPECT_EQ(device->display(), &surface);
}

TEST_F(MediaDeviceTest, DisplayMovesThePictureAtOnceWithVideoOpen) {
  NullSurface other;
  backend->withVideo = true;
  openFile();
  device->setDisplay(&other);
  EXPECT_EQ(backend->surface, &other);
  // An empty display is only kept; the picture stays where it is.
  backend->commands.clear();
  device->setDisplay(nullptr);
  EXPECT_TRUE(backend->commands.isEmpty());
  EXPECT_EQ(device->display(), nullptr);
}

TEST_F(MediaDeviceTest, RefusedDisplayBecomesEmpty) {
  backend->withVideo = true;
  openFile();
  backend->results["surface"] = 6;
  device->setDisplay(&surface);
  EXPECT_EQ(device->display(), nullptr);
  EXPECT_EQ(device->lastError(), 6);

  // Also when the open applies it: the open itself still succeeds.
  device->setDisplay(&surface);  // refused again
  backend->results.clear();
  device->setDisplay(&surface);
  backend->results["surface"] = 6;
  EXPECT_NO_THROW(openFile());
  EXPECT_TRUE(device->isOpen());
  EXPECT_EQ(device->display(), nullptr);
}

}  // namespace
