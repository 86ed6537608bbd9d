#include "playback/sound_control.h"

#include <cmath>

#include "playback/wave_out.h"

namespace {
constexpr quint32 kLevelStep = 512;
}

quint32 SoundValue::levelFor(quint8 v) {
  const quint32 channel = (v * kLevelStep) & 0xFFFFu;
  return channel | (channel << 16);
}

void SoundValue::setVolume(quint8 v) {
  if (!device_) {
    return;
  }
  volume_ = v;
  lastError_ = out_->setVolume(*device_, levelFor(v));
}

void SoundValue::read() {
  if (!device_) {
    return;
  }
  quint32 level = 0;
  lastError_ = out_->volume(*device_, level);
  if (lastError_ != 0) {
    return;
  }
  const quint32 left = level & 0xFFFFu;
  const quint32 right = level >> 16;
  volume_ = static_cast<quint8>((left + right) / kLevelStep);
  if (left + right != 0) {
    balance_ = static_cast<int>(std::nearbyint(left / ((left + right) / 100.0)));
  }
}

quint8 SoundValue::volume() {
  if (!device_) {
    return 0;
  }
  read();
  return volume_;
}

int SoundValue::balance() {
  read();
  return balance_;
}

SoundControl::SoundControl(WaveOut* out)
    : Wave(out, chooseWaveDevice(out)), Midi(out, std::nullopt), Cd(out, std::nullopt) {}

std::optional<unsigned> SoundControl::chooseWaveDevice(WaveOut* out) {
  if (out == nullptr) {
    return std::nullopt;
  }
  const unsigned count = out->deviceCount();
  for (unsigned id = 0; id < count; ++id) {
    WaveOutCaps caps;
    if (out->capabilities(id, caps) == WaveOut::kNoError && caps.hasVolume) {
      return id;
    }
  }
  return std::nullopt;
}
