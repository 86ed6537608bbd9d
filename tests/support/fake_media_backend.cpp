#include "tests/support/fake_media_backend.h"

int FakeMediaBackend::resultOf(const QString& command) const {
  const auto it = results.find(command);
  return it == results.end() ? kResultOk : it->second;
}

int FakeMediaBackend::open(const QString& fileName) {
  commands << QStringLiteral("open %1").arg(fileName);
  surface = nullptr;
  rect.reset();
  timeFormat = kTimeFormatMilliseconds;
  isOpen = openResult == kResultOk;
  return openResult;
}

int FakeMediaBackend::close() {
  commands << QStringLiteral("close");
  const int result = resultOf(QStringLiteral("close"));
  if (result == kResultOk) {
    isOpen = false;
    surface = nullptr;
  }
  return result;
}

int FakeMediaBackend::play(std::optional<qint32> from) {
  if (from) {
    commands << QStringLiteral("play from %1").arg(*from);
    positionMs = *from;
  } else {
    commands << QStringLiteral("play");
  }
  return resultOf(QStringLiteral("play"));
}

int FakeMediaBackend::pause() {
  commands << QStringLiteral("pause");
  return resultOf(QStringLiteral("pause"));
}

int FakeMediaBackend::stop() {
  commands << QStringLiteral("stop");
  return resultOf(QStringLiteral("stop"));
}

int FakeMediaBackend::seek(qint32 ms) {
  commands << QStringLiteral("seek %1").arg(ms);
  positionMs = ms;
  return resultOf(QStringLiteral("seek"));
}

int FakeMediaBackend::seekToStart() {
  commands << QStringLiteral("seek start");
  positionMs = 0;
  return resultOf(QStringLiteral("seek"));
}

MediaQuery FakeMediaBackend::position() {
  return {resultOf(QStringLiteral("position")), positionMs};
}

MediaQuery FakeMediaBackend::length() {
  return {resultOf(QStringLiteral("length")), lengthMs};
}

int FakeMediaBackend::setTimeFormat(int format) {
  commands << QStringLiteral("timeformat %1").arg(format);
  const auto it = results.find(QStringLiteral("timeformat"));
  int result = kResultOk;
  if (it != results.end()) {
    result = it->second;
  } else if (format != kTimeFormatMilliseconds) {
    result = kResultUnsupportedTimeFormat;
  }
  if (result == kResultOk) {
    timeFormat = format;
  }
  return result;
}

int FakeMediaBackend::setVideoSurface(VideoSurface* target) {
  commands << (target != nullptr ? QStringLiteral("surface") : QStringLiteral("surface none"));
  const int result = resultOf(QStringLiteral("surface"));
  if (result == kResultOk) {
    surface = target;
  }
  return result;
}

int FakeMediaBackend::setVideoRect(const QRect& target) {
  commands << QStringLiteral("rect %1,%2,%3,%4")
                  .arg(target.x())
                  .arg(target.y())
                  .arg(target.width())
                  .arg(target.height());
  const int result = resultOf(QStringLiteral("rect"));
  if (result == kResultOk) {
    rect = target;
  }
  return result;
}

QString FakeMediaBackend::errorText(int code) const {
  if (unknownCode && *unknownCode == code) {
    return {};
  }
  return textFor(code);
}
