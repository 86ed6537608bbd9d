#pragma once

#include <QTimer>
#include <QWidget>

#include "widgets/starfield_core.h"

// The starfield of the audio mode: while active it makes one frame every delay() milliseconds on
// the user-interface thread (a precise timer paces it) and repaints its own rectangle with it.
// While inactive it makes no frames and paints nothing, so whatever lies beneath it shows once
// its area is repainted. It takes no mouse input; the panel it lies in does.
class Starfield : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kDefaultDelayMs = 50;

  explicit Starfield(QWidget* parent = nullptr);

  // Writing the count seeds every star anew.
  void setStars(int count);
  int stars() const { return core_.stars(); }
  // Milliseconds between frames; values below 1 are taken as 1.
  void setDelay(int ms);
  int delay() const { return timer_.interval(); }
  // Reaches each star when it is next seeded or restarts.
  void setMaxSpeed(quint8 maxSpeed) { core_.setMaxSpeed(maxSpeed); }
  quint8 maxSpeed() const { return core_.maxSpeed(); }
  void setActive(bool on);
  bool active() const { return active_; }
  // Replays the random numbers from `seed` and seeds every star anew (for tests).
  void setSeed(quint32 seed);

  // One frame: the timer's tick, callable directly.
  void makeFrame();
  const StarfieldCore& core() const { return core_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  StarfieldCore core_;
  QTimer timer_;
  bool active_ = false;
  // A frame made but not painted yet; it is still painted if the field stops meanwhile.
  bool framePending_ = false;
};
