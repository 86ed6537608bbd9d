#include "widgets/bitmap_slider.h"

#include <QMouseEvent>
#include <QPainter>

BitmapSlider::BitmapSlider(QWidget* parent) : QWidget(parent) {}

void BitmapSlider::setImageRuler(const QImage& ruler) {
  ruler_ = ruler;
  // The stretched ruler covers every pixel, so what lies beneath need not be painted first.
  setAttribute(Qt::WA_OpaquePaintEvent, !ruler_.isNull());
  update();
}

void BitmapSlider::setImageThumb(const QImage& thumb) {
  syncSize();
  thumb_ = thumb;
  frames_ = cutThumbFrames(thumb);
  core_.setFrameSize(frames_.normal.size());
  update();
}

void BitmapSlider::setPosition(std::int32_t position) {
  syncSize();
  if (core_.setPosition(position)) {
    update();
  }
}

void BitmapSlider::setMaximum(std::int32_t maximum) {
  syncSize();
  if (core_.setMaximum(maximum)) {
    update();
  }
}

void BitmapSlider::paintEvent(QPaintEvent*) {
  syncSize();
  QPainter painter(this);
  if (!ruler_.isNull()) {
    painter.drawImage(rect(), ruler_);
  }
  const QImage& frame = core_.pressed() ? frames_.pressed : frames_.normal;
  if (!frame.isNull()) {
    painter.drawImage(QPoint(core_.thumbLeft(), core_.thumbTop()), frame);
  }
}

// Qt delivers no resize to a widget that has never been shown, so the arithmetic takes the
// widget's current size before it is used.
void BitmapSlider::syncSize() {
  if (core_.size() != size()) {
    core_.setSize(size());
  }
}

void BitmapSlider::resizeEvent(QResizeEvent* event) {
  syncSize();
  QWidget::resizeEvent(event);
}

void BitmapSlider::mousePressEvent(QMouseEvent*) {
  syncSize();
  core_.press();
  Q_EMIT beginChange();
  update();
}

void BitmapSlider::mouseMoveEvent(QMouseEvent* event) {
  syncSize();
  const QPoint p = event->position().toPoint();
  if (core_.move(p.x(), p.y(), event->buttons().testFlag(Qt::LeftButton))) {
    update();
    Q_EMIT changed();
  }
}

void BitmapSlider::mouseReleaseEvent(QMouseEvent*) {
  core_.release();
  update();
  Q_EMIT stopChanged();
}
