#include "widgets/picture_image.h"

#include <QPainter>

PictureImage::PictureImage(QWidget* parent) : SkinControl(parent) {}

void PictureImage::setPicture(const QImage& picture) {
  picture_ = picture;
  setShownPicture(picture);
}

void PictureImage::setShownPicture(const QImage& picture) {
  shown_ = picture;
  drawnValid_ = false;
  if (autoSize_ && !shown_.isNull()) {
    resize(shown_.size());
  }
  update();
  Q_EMIT appearanceChanged();
}

void PictureImage::setFit(PictureFit fit) {
  fit_ = fit;
  drawnValid_ = false;
  update();
}

void PictureImage::setTransparent(bool on) {
  transparent_ = on;
  drawnValid_ = false;
  update();
}

void PictureImage::setAutoSize(bool on) {
  autoSize_ = on;
  if (autoSize_ && !shown_.isNull()) {
    resize(shown_.size());
  }
}

QRect PictureImage::pictureRect() const {
  if (shown_.isNull()) {
    return {};
  }
  return fittedPictureRect(shown_.size(), size(), fit_);
}

QRgb PictureImage::transparentColorOf(const QImage& image) {
  if (image.isNull()) {
    return 0;
  }
  return image.pixel(0, image.height() - 1) & RGB_MASK;
}

const QImage& PictureImage::drawnPicture() const {
  if (drawnValid_) {
    return drawnCache_;
  }
  drawnValid_ = true;
  drawnCache_ = QImage();
  const QRect r = pictureRect();
  if (r.isEmpty()) {
    return drawnCache_;
  }
  const QImage src = shown_.convertToFormat(QImage::Format_ARGB32);
  const QRgb key = transparentColorOf(shown_);
  QImage out(r.size(), QImage::Format_ARGB32);
  const int w = src.width();
  const int h = src.height();
  for (int y = 0; y < r.height(); ++y) {
    const int sy = static_cast<int>(static_cast<qint64>(y) * h / r.height());
    const auto* in = reinterpret_cast<const QRgb*>(src.constScanLine(sy));
    auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < r.width(); ++x) {
      const int sx = static_cast<int>(static_cast<qint64>(x) * w / r.width());
      const QRgb px = in[sx] | 0xff000000u;
      line[x] = (transparent_ && (px & RGB_MASK) == key) ? 0u : px;
    }
  }
  drawnCache_ = out;
  return drawnCache_;
}

bool PictureImage::showsTransparentColorAt(const QPoint& local) const {
  const QRect r = pictureRect();
  if (!r.contains(local)) {
    return false;
  }
  const QImage& drawn = drawnPicture();
  if (drawn.isNull()) {
    return false;
  }
  const QPoint p = local - r.topLeft();
  if (transparent_) {
    return qAlpha(drawn.pixel(p)) == 0;
  }
  return (drawn.pixel(p) & RGB_MASK) == transparentColorOf(shown_);
}

void PictureImage::paintEvent(QPaintEvent*) {
  const QImage& drawn = drawnPicture();
  if (drawn.isNull()) {
    return;
  }
  QPainter painter(this);
  painter.drawImage(pictureRect().topLeft(), drawn);
}

void PictureImage::resizeEvent(QResizeEvent* event) {
  drawnValid_ = false;
  SkinControl::resizeEvent(event);
}
