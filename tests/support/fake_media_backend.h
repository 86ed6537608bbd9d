#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <map>
#include <memory>
#include <optional>

#include "playback/media_backend.h"

// A scripted media backend for handler tests. Every command appends one line to `commands`:
//   "open <name>", "close", "play", "play from <ms>", "pause", "stop", "seek <ms>", "seek start",
//   "timeformat <n>", "surface" / "surface none", "rect <x>,<y>,<w>,<h>".
// Queries (position, length) are not logged. The fields are the script: set them before or
// between calls. Movement is simulated only as far as handlers need it: a seek or a play from a
// start position sets `positionMs`; nothing advances by itself.
//
// Typical use: keep a pointer before handing the fake to the device.
//   auto fake = std::make_unique<FakeMediaBackend>();
//   FakeMediaBackend* backend = fake.get();
//   MediaDevice device(std::move(fake));
class FakeMediaBackend : public MediaBackend {
 public:
  // --- script ---
  qint32 positionMs = 0;
  qint32 lengthMs = 0;
  bool withVideo = false;
  QSize videoSize{160, 120};
  int openResult = kResultOk;
  // Results of the other commands by their first word ("play", "pause", "stop", "seek",
  // "close", "timeformat", "surface", "rect", "position", "length"); absent means 0.
  // Without an entry, "timeformat" refuses HMS (kResultUnsupportedTimeFormat) like the real
  // backend and accepts milliseconds.
  std::map<QString, int> results;
  // --- record ---
  QStringList commands;
  bool isOpen = false;
  VideoSurface* surface = nullptr;
  std::optional<QRect> rect;
  int timeFormat = kTimeFormatMilliseconds;

  // errorText gives textFor(code), except for `unknownCode`, for which it gives an empty text
  // (a backend that knows no text for a code).
  static QString textFor(int code) { return QStringLiteral("Fehler %1").arg(code); }
  std::optional<int> unknownCode;

  int open(const QString& fileName) override;
  int close() override;
  int play(std::optional<qint32> from) override;
  int pause() override;
  int stop() override;
  int seek(qint32 ms) override;
  int seekToStart() override;
  MediaQuery position() override;
  MediaQuery length() override;
  int setTimeFormat(int format) override;
  bool hasVideo() const override { return withVideo; }
  QSize pictureSize() const override { return videoSize; }
  int setVideoSurface(VideoSurface* target) override;
  int setVideoRect(const QRect& target) override;
  QString errorText(int code) const override;

 private:
  int resultOf(const QString& command) const;
};
