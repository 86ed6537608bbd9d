#include "widgets/gradient_progress.h"

#include <QEvent>
#include <QPainter>

GradientProgress::GradientProgress(QWidget* parent) : SkinControl(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  core_.setFont(font());
  core_.setSize(size());
}

void GradientProgress::setPosition(qint32 position) {
  syncSize();
  repaintIf(core_.setPosition(position));
}

void GradientProgress::setMaximum(qint32 maximum) {
  syncSize();
  repaintIf(core_.setMaximum(maximum));
}

void GradientProgress::setCaption(const QString& caption) {
  syncSize();
  repaintIf(core_.setCaption(caption));
}

void GradientProgress::setTextColor(QColor color) {
  syncSize();
  repaintIf(core_.setTextColor(color));
}

void GradientProgress::setStartColor(QColor color) {
  syncSize();
  repaintIf(core_.setStartColor(color));
}

void GradientProgress::setEndColor(QColor color) {
  syncSize();
  repaintIf(core_.setEndColor(color));
}

void GradientProgress::setColor(QColor color) {
  syncSize();
  repaintIf(core_.setColor(color));
}

void GradientProgress::setGradientBlocks(bool on) {
  syncSize();
  repaintIf(core_.setGradientBlocks(on));
}

void GradientProgress::setTextCentered(bool on) {
  syncSize();
  repaintIf(core_.setTextCentered(on));
}

void GradientProgress::setBorderSingle(bool on) {
  syncSize();
  repaintIf(core_.setBorderSingle(on));
}

void GradientProgress::paintEvent(QPaintEvent*) {
  syncSize();
  QPainter painter(this);
  painter.drawImage(0, 0, core_.image());
}

void GradientProgress::resizeEvent(QResizeEvent* event) {
  SkinControl::resizeEvent(event);
  syncSize();
}

void GradientProgress::syncSize() {
  // A hidden widget gets its resize event only when it is shown; the window sets the bar up
  // before that, so every write first takes the current size.
  repaintIf(core_.setSize(size()));
}

void GradientProgress::changeEvent(QEvent* event) {
  SkinControl::changeEvent(event);
  if (event->type() == QEvent::FontChange) {
    syncSize();
    repaintIf(core_.setFont(font()));
  }
}

void GradientProgress::repaintIf(bool redrawn) {
  if (redrawn) {
    update();
  }
}
