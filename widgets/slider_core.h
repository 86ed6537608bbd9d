#pragma once

#include <QImage>
#include <QSize>

#include <cstdint>

// Rounds to the nearest integer, halves to the even neighbour (2.5 → 2, 3.5 → 4), whatever the
// floating-point rounding mode is.
double roundHalfEven(double value);

// The two thumb frames cut from a thumb picture that holds them side by side: the normal frame
// is the left half (width div 2), the pressed frame the rest, scaled to the same width. Both are
// opaque.
struct ThumbFrames {
  QImage normal;
  QImage pressed;
};
ThumbFrames cutThumbFrames(const QImage& thumb);

// The horizontal bitmap slider's arithmetic and drag state, without any widget: the scale from
// positions to thumb pixels, the thumb's place, and what a press, move and release do. Sizes are
// in pixels of the slider; positions run from 0 to maximum().
class SliderCore {
 public:
  static constexpr std::int32_t kDefaultMaximum = 100;

  // The slider's size; the scale follows a new width at once.
  void setSize(QSize size);
  QSize size() const { return size_; }
  // The size of one thumb frame (half the thumb picture's width, its full height).
  void setFrameSize(QSize frame);
  QSize frameSize() const { return frame_; }

  std::int32_t position() const { return position_; }
  // Limited to 0 … maximum() and stored. Returns whether the thumb should be repainted now:
  // while the slider is pressed the value is only stored and the next move or the release
  // shows it.
  bool setPosition(std::int32_t position);
  std::int32_t maximum() const { return maximum_; }
  // Stored (a negative value counts as 0), the position lowered to it and written again.
  // Returns whether the thumb should be repainted now.
  bool setMaximum(std::int32_t maximum);

  // Thumb pixels per position unit. 0 when there is no range to scale (maximum 0, or no room
  // beside the thumb), so nothing ever divides by zero.
  double scale() const { return scale_; }
  int thumbLeft() const;
  int thumbTop() const;

  bool pressed() const { return pressed_; }
  bool tracking() const { return tracking_; }
  // A press of any button: the pressed frame shows; the position stays.
  void press();
  // A pointer move at (x, y) relative to the slider. Acts only while pressed with the left button
  // down, and only within the thumb's height unless tracking already began during this press.
  // Returns true when it set the position (the change event is due, even for an unchanged value).
  bool move(int x, int y, bool leftDown);
  // A release of any button ends the press and the tracking.
  void release();

 private:
  void recomputeScale();

  QSize size_;
  QSize frame_;
  std::int32_t maximum_ = kDefaultMaximum;
  std::int32_t position_ = 0;
  double scale_ = 0.0;
  bool pressed_ = false;
  bool tracking_ = false;
};
