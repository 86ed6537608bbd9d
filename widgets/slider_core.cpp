#include "widgets/slider_core.h"

#include <algorithm>
#include <cmath>

double roundHalfEven(double value) {
  const double down = std::floor(value);
  const double rest = value - down;
  if (rest > 0.5) {
    return down + 1.0;
  }
  if (rest < 0.5) {
    return down;
  }
  return std::fmod(down, 2.0) == 0.0 ? down : down + 1.0;
}

ThumbFrames cutThumbFrames(const QImage& thumb) {
  const int fw = thumb.width() / 2;
  const int fh = thumb.height();
  if (fw <= 0 || fh <= 0) {
    return {};
  }
  const QImage opaque = thumb.convertToFormat(QImage::Format_RGB32);
  ThumbFrames frames;
  frames.normal = opaque.copy(0, 0, fw, fh);
  frames.pressed = opaque.copy(fw, 0, thumb.width() - fw, fh)
                       .scaled(fw, fh, Qt::IgnoreAspectRatio, Qt::FastTransformation);
  return frames;
}

void SliderCore::setSize(QSize size) {
  size_ = size;
  recomputeScale();
}

void SliderCore::setFrameSize(QSize frame) {
  frame_ = frame;
  recomputeScale();
}

void SliderCore::recomputeScale() {
  const int room = size_.width() - frame_.width();
  scale_ = (maximum_ > 0 && room > 0) ? static_cast<double>(room) / maximum_ : 0.0;
}

bool SliderCore::setPosition(std::int32_t position) {
  position_ = std::clamp(position, std::int32_t{0}, maximum_);
  if (pressed_) {
    return false;
  }
  recomputeScale();
  return true;
}

bool SliderCore::setMaximum(std::int32_t maximum) {
  maximum_ = std::max(maximum, std::int32_t{0});
  position_ = std::min(position_, maximum_);
  recomputeScale();
  return setPosition(position_);
}

int SliderCore::thumbLeft() const {
  return static_cast<int>(roundHalfEven(position_ * scale_));
}

int SliderCore::thumbTop() const {
  const int fh = frame_.height();
  return fh > size_.height() ? 0 : (size_.height() - fh) / 2;
}

void SliderCore::press() {
  pressed_ = true;
}

bool SliderCore::move(int x, int y, bool leftDown) {
  if (!pressed_ || !leftDown) {
    return false;
  }
  if (!tracking_ && (y < 0 || y > frame_.height())) {
    return false;
  }
  const int d = x - frame_.width() / 2;
  if (d <= 0) {
    return false;
  }
  tracking_ = true;
  if (scale_ <= 0.0) {
    // No range to scale into: every drag gives the start of the range.
    position_ = 0;
  } else {
    // Compared before converting: d / s can exceed the 32-bit range for a large maximum.
    const double value = roundHalfEven(d / scale_);
    position_ = value >= maximum_ ? maximum_ : static_cast<std::int32_t>(value);
  }
  return true;
}

void SliderCore::release() {
  pressed_ = false;
  tracking_ = false;
}
