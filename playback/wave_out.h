#pragma once

#include <QString>
#include <QtGlobal>

// The waveform-audio outputs the volume control can drive: count them, ask one's
// capabilities, set or read its 32-bit level (left channel in the low word, right in the high
// word; 0x0000 is silence, 0xFFFF full). Calls return a result code, 0 on success.
struct WaveOutCaps {
  QString name;
  bool hasVolume = false;     // the output's level can be set
  bool hasLeftRight = false;  // left and right can be set apart
};

class WaveOut {
 public:
  static constexpr int kNoError = 0;
  static constexpr int kBadDevice = 2;
  static constexpr int kFailed = 1;

  virtual ~WaveOut() = default;
  virtual unsigned deviceCount() = 0;
  virtual int capabilities(unsigned id, WaveOutCaps& caps) = 0;
  virtual int setVolume(unsigned id, quint32 level) = 0;
  virtual int volume(unsigned id, quint32& level) = 0;
};

// The level of the media engine's output, in per cent of its full level (0 to 100).
class OutputLevel {
 public:
  virtual ~OutputLevel() = default;
  virtual bool setOutputVolume(double percent) = 0;
  virtual double outputVolume() const = 0;
};

// Quorvi's own audio output: one output, with volume control, whose level is the media
// engine's output volume. It applies to what plays now and to every file opened later, and
// leaves the desktop's master volume alone. A channel word of 65535 is 100 %, linearly; the
// louder channel decides (both channels always carry the same level here).
class EngineWaveOut : public WaveOut {
 public:
  explicit EngineWaveOut(OutputLevel& output) : output_(output) {}

  unsigned deviceCount() override { return 1; }
  int capabilities(unsigned id, WaveOutCaps& caps) override;
  int setVolume(unsigned id, quint32 level) override;
  int volume(unsigned id, quint32& level) override;

  static double percentOfLevel(quint32 level);

 private:
  OutputLevel& output_;
};
