#pragma once

#include "playback/mpv_backend.h"
#include "playback/wave_out.h"

// The media engine's output volume as the level the wave-out output drives.
class EngineOutputLevel : public OutputLevel {
 public:
  explicit EngineOutputLevel(MpvBackend& engine) : engine_(engine) {}
  bool setOutputVolume(double percent) override { return engine_.setOutputVolume(percent); }
  double outputVolume() const override { return engine_.outputVolume(); }

 private:
  MpvBackend& engine_;
};
