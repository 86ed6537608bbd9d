#include "playback/play_texts.h"

#include <cmath>

namespace {
constexpr double kVolumeMaximum = 127.0;
}

QString formatPlayTime(qint32 positionMs) {
  const qint32 minutes = positionMs / 1000 / 60;
  const qint32 seconds = positionMs / 1000 % 60;
  return QString::asprintf("%2d:%2d", minutes, seconds);
}

int volumePercent(int sliderPosition) {
  // nearbyint rounds halves to the even neighbour in the default rounding mode.
  return static_cast<int>(std::nearbyint(sliderPosition / kVolumeMaximum * 100.0));
}

QString volLevHint(int volume, int progress) {
  return QStringLiteral("Volume: ") + QString::number(volume) + QStringLiteral("% / Progress: ") +
         QString::number(progress) + QStringLiteral("%");
}

QString paddedVolLevHint(qint64 volume, int progress) {
  return QString::asprintf("Volume: %2lld%% / Progress: %2d%%", static_cast<long long>(volume), progress);
}

QString totalHint(qint32 length) {
  return QStringLiteral("Total: ") + QString::number(length);
}
