#include "widgets/skin_panel.h"

#include <QMouseEvent>
#include <QPainter>

SkinPanel::SkinPanel(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void SkinPanel::setColor(const QColor& color) {
  color_ = color;
  update();
}

void SkinPanel::setBevelWidth(int width) {
  bevelWidth_ = width;
  update();
}

QRect SkinPanel::innerRect() const {
  return rect().adjusted(bevelWidth_, bevelWidth_, -bevelWidth_, -bevelWidth_);
}

void SkinPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), color_);
  const QColor shadow = QColor::fromRgb(kBevelShadow);
  const QColor highlight = QColor::fromRgb(kBevelHighlight);
  const int w = width();
  const int h = height();
  for (int i = 0; i < bevelWidth_; ++i) {
    painter.fillRect(i, i, w - 2 * i, 1, shadow);             // top
    painter.fillRect(i, i, 1, h - 2 * i, shadow);             // left
    painter.fillRect(i, h - 1 - i, w - 2 * i, 1, highlight);  // bottom
    painter.fillRect(w - 1 - i, i, 1, h - 2 * i, highlight);  // right
  }
}

// The panel is enabled: presses on it (and on the pictures inside it) stop here.
void SkinPanel::mousePressEvent(QMouseEvent* event) {
  event->accept();
}
void SkinPanel::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
}
void SkinPanel::mouseDoubleClickEvent(QMouseEvent* event) {
  event->accept();
}
