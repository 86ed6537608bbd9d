#pragma once

#include <QtGlobal>
#include <optional>

class WaveOut;

// One volume of the sound control: a level 0..255 (the sum of both channel words divided by
// 512) and a balance 0..100 (the left channel's share in per cent). Writes go to the output
// device chosen when the control was created; with no device they do nothing at all.
class SoundValue {
 public:
  SoundValue(WaveOut* out, std::optional<unsigned> device) : out_(out), device_(device) {}

  // Sets the level: both channels receive v x 512 (low 16 bits each). The result code is kept
  // as the last error and never reported.
  void setVolume(quint8 v);
  // Asks the device for its level (0 with no device); a failed query keeps the old values.
  quint8 volume();
  int balance();

  std::optional<unsigned> device() const { return device_; }
  int lastError() const { return lastError_; }

  // The 32-bit level written for `v`.
  static quint32 levelFor(quint8 v);

 private:
  void read();

  WaveOut* out_;
  std::optional<unsigned> device_;
  quint8 volume_ = 0;
  int balance_ = 50;
  int lastError_ = 0;
};

// The volume component `Sound`. Its wave value drives the first waveform-audio output with
// volume control, chosen once at creation; MIDI and CD have no output device on this platform.
class SoundControl {
 public:
  explicit SoundControl(WaveOut* out);

  SoundValue Wave;
  SoundValue Midi;
  SoundValue Cd;

 private:
  static std::optional<unsigned> chooseWaveDevice(WaveOut* out);
};
