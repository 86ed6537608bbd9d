#include "widgets/progress_core.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

int progressPercent(std::int32_t position, std::int32_t minimum, std::int32_t maximum) {
  if (maximum == minimum) {
    return 0;
  }
  const std::int64_t percent = (std::int64_t{position} - minimum) * 100 / (std::int64_t{maximum} - minimum);
  return static_cast<int>(
      std::clamp<std::int64_t>(percent, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

int progressBlockWidth(int height) {
  return std::max(0, 2 * height / 3);
}

int progressFillWidth(QSize size, std::int32_t position, std::int32_t minimum, std::int32_t maximum) {
  const std::int64_t inside = size.width() - 2;
  const int bw = progressBlockWidth(size.height());
  const std::int64_t range = std::int64_t{maximum} - minimum;
  const std::int64_t covered = std::int64_t{position} - minimum;
  if (bw == 0 || inside <= 0 || range <= 0 || covered <= 0) {
    return 0;
  }
  const std::int64_t raw = std::min(inside, inside * covered / range);
  const std::int64_t whole = raw / bw;
  const std::int64_t room = std::min<std::int64_t>(bw, inside - whole * bw);
  if (room < 2 * (raw % bw)) {
    // The partly reached block shows once more than half of it is covered, narrowed to the room
    // left at the right end.
    return static_cast<int>(room < bw ? inside : (whole + 1) * bw);
  }
  return static_cast<int>(whole * bw);
}

ProgressCore::ProgressCore() = default;

bool ProgressCore::setSize(QSize size) {
  if (size == size_) {
    return false;
  }
  size_ = size;
  if (maximum_ != minimum_) {
    fill_ = progressFillWidth(size_, position_, minimum_, maximum_);
  }
  return redraw();
}

bool ProgressCore::setPosition(std::int32_t position) {
  if (position == position_) {
    return false;
  }
  position_ = std::max(minimum_, std::min(position, maximum_));
  return updateFill();
}

bool ProgressCore::setMaximum(std::int32_t maximum) {
  if (maximum == maximum_) {
    return false;
  }
  maximum_ = std::max(maximum, minimum_);
  position_ = std::min(position_, maximum_);
  return updateFill();
}

bool ProgressCore::setCaption(const QString& caption) {
  if (caption == caption_) {
    return false;
  }
  caption_ = caption;
  return redraw();
}

bool ProgressCore::setFont(const QFont& font) {
  if (font == font_) {
    return false;
  }
  font_ = font;
  return redraw();
}

bool ProgressCore::setTextColor(QColor color) {
  if (color == textColor_) {
    return false;
  }
  textColor_ = color;
  return redraw();
}

bool ProgressCore::setStartColor(QColor color) {
  if (color == startColor_) {
    return false;
  }
  startColor_ = color;
  return redraw();
}

bool ProgressCore::setEndColor(QColor color) {
  if (color == endColor_) {
    return false;
  }
  endColor_ = color;
  return redraw();
}

bool ProgressCore::setColor(QColor color) {
  if (color == color_) {
    return false;
  }
  color_ = color;
  return redraw();
}

bool ProgressCore::setGradientBlocks(bool on) {
  if (on == gradientBlocks_) {
    return false;
  }
  gradientBlocks_ = on;
  return redraw();
}

bool ProgressCore::setTextCentered(bool on) {
  if (on == textCentered_) {
    return false;
  }
  textCentered_ = on;
  return redraw();
}

bool ProgressCore::setBorderSingle(bool on) {
  if (on == borderSingle_) {
    return false;
  }
  borderSingle_ = on;
  return redraw();
}

bool ProgressCore::updateFill() {
  // With an empty range the fill keeps its last value.
  if (maximum_ == minimum_) {
    return false;
  }
  const int fill = progressFillWidth(size_, position_, minimum_, maximum_);
  if (fill == fill_) {
    return false;
  }
  fill_ = fill;
  return redraw();
}

bool ProgressCore::redraw() {
  if (size_.isEmpty()) {
    image_ = QImage();
    return false;
  }
  if (image_.size() != size_) {
    image_ = QImage(size_, QImage::Format_RGB32);
  }
  drawBlocks();
  if (!caption_.isEmpty()) {
    drawText();
  }
  drawBorder();
  ++redrawCount_;
  return true;
}

void ProgressCore::drawBlocks() {
  const int cw = size_.width();
  const int ch = size_.height();
  const int bw = progressBlockWidth(ch);
  // A fill kept from a larger size must not reach past the inside.
  const int fill = std::min(fill_, cw - 2);
  const QRgb background = color_.rgb();

  // Every inside row looks the same, so one row is built and copied.
  std::vector<QRgb> row(static_cast<std::size_t>(cw), background);
  if (fill > 0 && bw > 0) {
    const double r0 = startColor_.red();
    const double g0 = startColor_.green();
    const double b0 = startColor_.blue();
    const double dr = (endColor_.red() - r0) / fill;
    const double dg = (endColor_.green() - g0) / fill;
    const double db = (endColor_.blue() - b0) / fill;
    const bool plain = startColor_ == endColor_;
    const auto colourAt = [&](int column) {
      if (plain) {
        return startColor_.rgb();
      }
      return qRgb(static_cast<int>(std::nearbyint(r0 + dr * column)),
                  static_cast<int>(std::nearbyint(g0 + dg * column)),
                  static_cast<int>(std::nearbyint(b0 + db * column)));
    };
    QRgb blockColour = background;
    for (int x = 1; x <= fill; ++x) {
      const int column = x - 1;  // counted from the fill's left end
      if (x % bw == 0) {
        continue;  // the gap column after a whole block keeps the background colour
      }
      if (gradientBlocks_) {
        row[static_cast<std::size_t>(x)] = colourAt(column);
      } else {
        if (column % bw == 0) {
          blockColour = colourAt(column);
        }
        row[static_cast<std::size_t>(x)] = blockColour;
      }
    }
  }
  const std::size_t rowBytes = row.size() * sizeof(QRgb);
  for (int y = 1; y < ch - 1; ++y) {
    std::memcpy(image_.scanLine(y), row.data(), rowBytes);
  }
}

void ProgressCore::drawText() {
  const int cw = size_.width();
  const int ch = size_.height();
  QPainter painter(&image_);
  painter.setFont(font_);
  painter.setPen(textColor_);
  const QFontMetrics metrics = painter.fontMetrics();
  const int centreWidth = textCentered_ ? cw : fill_;
  const int x = std::max(0, (centreWidth - metrics.horizontalAdvance(caption_)) / 2);
  const int y = std::max(0, (ch - metrics.height()) / 2);
  painter.drawText(x, y + metrics.ascent(), caption_);
}

void ProgressCore::drawBorder() {
  const auto frame = [this](int inset, QRgb topLeft, QRgb bottomRight) {
    const int left = inset;
    const int top = inset;
    const int right = size_.width() - 1 - inset;
    const int bottom = size_.height() - 1 - inset;
    if (right < left || bottom < top) {
      return;
    }
    // Top and left first; bottom and right own the two corners they share with them.
    auto* topLine = reinterpret_cast<QRgb*>(image_.scanLine(top));
    std::fill(topLine + left, topLine + right + 1, topLeft);
    for (int y = top; y <= bottom; ++y) {
      auto* line = reinterpret_cast<QRgb*>(image_.scanLine(y));
      line[left] = topLeft;
      line[right] = bottomRight;
    }
    auto* bottomLine = reinterpret_cast<QRgb*>(image_.scanLine(bottom));
    std::fill(bottomLine + left, bottomLine + right + 1, bottomRight);
  };
  if (borderSingle_) {
    frame(0, kBtnFace, kBtnFace);
    frame(1, kBtnShadow, kBtnHighlight);
    frame(2, k3DDkShadow, kBtnFace);
  } else {
    frame(0, color_.rgb(), color_.rgb());
  }
}
