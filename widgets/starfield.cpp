#include "widgets/starfield.h"

#include <QPainter>

#include <algorithm>

Starfield::Starfield(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  timer_.setTimerType(Qt::PreciseTimer);
  timer_.setInterval(kDefaultDelayMs);
  connect(&timer_, &QTimer::timeout, this, &Starfield::makeFrame);
  core_.setSize(size());
}

void Starfield::setStars(int count) {
  // A hidden widget gets its resize event only when shown; seed for the size it has now.
  core_.setSize(size());
  core_.setStars(count);
}

void Starfield::setDelay(int ms) {
  timer_.setInterval(std::max(1, ms));
}

void Starfield::setActive(bool on) {
  active_ = on;
  if (on) {
    if (!timer_.isActive()) {
      timer_.start();
    }
  } else {
    timer_.stop();
  }
}

void Starfield::setSeed(quint32 seed) {
  core_.setSize(size());
  core_.setSeed(seed);
}

void Starfield::makeFrame() {
  if (core_.size() != size()) {
    // A frame that finds the size changed only seeds the stars anew.
    core_.setSize(size());
    return;
  }
  core_.makeFrame();
  framePending_ = true;
  update(rect());
}

void Starfield::paintEvent(QPaintEvent*) {
  const bool show = active_ || framePending_;
  framePending_ = false;
  if (!show || core_.frame().isNull()) {
    return;
  }
  QPainter painter(this);
  painter.drawImage(0, 0, core_.frame());
}

void Starfield::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  core_.setSize(size());
}
