#include "widgets/skin_label.h"

#include <QEvent>
#include <QPainter>

SkinLabel::SkinLabel(QWidget* parent) : SkinControl(parent) {}

void SkinLabel::setCaption(const QString& text) {
  if (text == caption_) {
    return;
  }
  caption_ = text;
  adjustToText();
  update();
}

void SkinLabel::setTextColor(const QColor& color) {
  color_ = color;
  update();
}

void SkinLabel::setRightAligned(bool on) {
  rightAligned_ = on;
  update();
}

void SkinLabel::setAutoSize(bool on) {
  autoSize_ = on;
  adjustToText();
}

void SkinLabel::setWordWrap(bool on) {
  wordWrap_ = on;
  adjustToText();
}

void SkinLabel::setTransparent(bool on) {
  transparent_ = on;
  update();
}

void SkinLabel::setBackgroundColor(const QColor& color) {
  background_ = color;
  update();
}

void SkinLabel::adjustToText() {
  if (!autoSize_) {
    return;
  }
  const QFontMetrics metrics(font());
  if (wordWrap_) {
    const QRect bounds = metrics.boundingRect(QRect(0, 0, width(), 100000), Qt::TextWordWrap, caption_);
    resize(width(), bounds.height());
    return;
  }
  const QSize textSize(metrics.horizontalAdvance(caption_), metrics.height());
  if (rightAligned_) {
    const int right = x() + width();
    setGeometry(right - textSize.width(), y(), textSize.width(), textSize.height());
  } else {
    resize(textSize);
  }
}

void SkinLabel::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange) {
    adjustToText();
  }
  SkinControl::changeEvent(event);
}

void SkinLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!transparent_) {
    painter.fillRect(rect(), background_);
  }
  painter.setFont(font());
  int flags = rightAligned_ ? Qt::AlignRight : Qt::AlignLeft;
  flags |= Qt::AlignTop;
  if (wordWrap_) {
    flags |= Qt::TextWordWrap;
  }
  if (isEnabled()) {
    painter.setPen(color_);
    painter.drawText(rect(), flags, caption_);
  } else {
    painter.setPen(QColor::fromRgb(kHighlight));
    painter.drawText(rect().translated(1, 1), flags, caption_);
    painter.setPen(QColor::fromRgb(kShadow));
    painter.drawText(rect(), flags, caption_);
  }
}

void SkinLabel::routedMouseRelease(Qt::MouseButton, const QPoint&) {}

void SkinLabel::routedClick() {
  Q_EMIT clicked();
}
