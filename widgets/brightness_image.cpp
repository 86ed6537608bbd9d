#include "widgets/brightness_image.h"

#include <QPainter>

#include "widgets/brightness_core.h"

BrightnessImage::BrightnessImage(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void BrightnessImage::setPicture(const QImage& picture) {
  // Converted once, so each rendering of the fade skips the conversion.
  source_ = picture.isNull() ? QImage() : picture.convertToFormat(QImage::Format_RGB888);
  if (autoSize_ && !source_.isNull()) {
    resize(source_.size());
  }
  render();
}

void BrightnessImage::setAutoSize(bool on) {
  autoSize_ = on;
  if (autoSize_ && !source_.isNull()) {
    resize(source_.size());
  }
}

void BrightnessImage::setBrightness(quint8 brightness) {
  brightness_ = brightness;
  render();
}

void BrightnessImage::setInverted(bool on) {
  if (on == inverted_) {
    return;
  }
  inverted_ = on;
  render();
}

void BrightnessImage::setFlipped(bool on) {
  if (on == flipped_) {
    return;
  }
  flipped_ = on;
  render();
}

void BrightnessImage::setMirrored(bool on) {
  if (on == mirrored_) {
    return;
  }
  mirrored_ = on;
  render();
}

void BrightnessImage::render() {
  if (rendering_) {
    return;
  }
  // Cleared on every way out, including an exception from a listener.
  struct Guard {
    bool& flag;
    explicit Guard(bool& f) : flag(f) { flag = true; }
    ~Guard() { flag = false; }
    Guard(const Guard&) = delete;
    Guard& operator=(const Guard&) = delete;
  } guard(rendering_);
  displayed_ = renderBrightness(source_, brightness_, flipped_, inverted_, mirrored_);
  update();
  Q_EMIT displayedPictureChanged();
}

void BrightnessImage::paintEvent(QPaintEvent*) {
  if (displayed_.isNull()) {
    return;
  }
  QPainter painter(this);
  painter.drawImage(0, 0, displayed_);
}
