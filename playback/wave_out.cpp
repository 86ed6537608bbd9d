#include "playback/wave_out.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kFullChannel = 65535.0;
}

int EngineWaveOut::capabilities(unsigned id, WaveOutCaps& caps) {
  if (id != 0) {
    return kBadDevice;
  }
  caps.name = QStringLiteral("Quorvi");
  caps.hasVolume = true;
  caps.hasLeftRight = false;
  return kNoError;
}

double EngineWaveOut::percentOfLevel(quint32 level) {
  const quint32 left = level & 0xFFFFu;
  const quint32 right = level >> 16;
  return std::max(left, right) / kFullChannel * 100.0;
}

int EngineWaveOut::setVolume(unsigned id, quint32 level) {
  if (id != 0) {
    return kBadDevice;
  }
  return output_.setOutputVolume(percentOfLevel(level)) ? kNoError : kFailed;
}

int EngineWaveOut::volume(unsigned id, quint32& level) {
  if (id != 0) {
    return kBadDevice;
  }
  const auto channel = static_cast<quint32>(std::lround(output_.outputVolume() / 100.0 * kFullChannel));
  const quint32 word = std::min<quint32>(channel, 0xFFFFu);
  level = word | (word << 16);
  return kNoError;
}
