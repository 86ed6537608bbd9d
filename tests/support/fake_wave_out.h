#pragma once

#include <QString>
#include <vector>

#include "playback/wave_out.h"

// A scripted set of wave outputs that records every level written.
class FakeWaveOut : public WaveOut {
 public:
  struct Output {
    bool hasVolume = true;
    quint32 level = 0;
  };
  struct Write {
    unsigned id;
    quint32 level;
  };

  std::vector<Output> outputs;
  std::vector<Write> writes;
  int setResult = kNoError;

  unsigned deviceCount() override { return static_cast<unsigned>(outputs.size()); }
  int capabilities(unsigned id, WaveOutCaps& caps) override {
    if (id >= outputs.size()) {
      return kBadDevice;
    }
    caps.name = QStringLiteral("fake %1").arg(id);
    caps.hasVolume = outputs[id].hasVolume;
    return kNoError;
  }
  int setVolume(unsigned id, quint32 level) override {
    writes.push_back({id, level});
    if (setResult == kNoError && id < outputs.size()) {
      outputs[id].level = level;
    }
    return setResult;
  }
  int volume(unsigned id, quint32& level) override {
    if (id >= outputs.size()) {
      return kBadDevice;
    }
    level = outputs[id].level;
    return kNoError;
  }
};
