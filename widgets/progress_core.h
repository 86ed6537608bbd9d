#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QSize>
#include <QString>

#include <cstdint>

// The share of the range that `position` has covered, in whole per cent:
// (position − minimum) × 100 div (maximum − minimum), the product in 64 bits so that positions of
// hours in milliseconds do not overflow, the division truncating toward zero. 0 when the range is
// empty; a result outside the int range (a position far outside the range) is clamped to it.
int progressPercent(std::int32_t position, std::int32_t minimum, std::int32_t maximum);

// Width of one block of the bar: two thirds of the height (11 pixels for a bar 17 high).
int progressBlockWidth(int height);

// How many pixels of the bar's inside (width − 2) are filled for `position` in the range. The fill
// grows block by block: the next block appears once more than half of it is reached, and the last
// block at the right end is narrowed to what is left. `minimum` must differ from `maximum`.
int progressFillWidth(QSize size, std::int32_t position, std::int32_t minimum, std::int32_t maximum);

// The gradient progress bar without its widget: range, position, caption, colours and settings,
// the fill in pixels, and the picture of the bar's size that the widget copies to the screen.
// The picture is redrawn at once whenever something it shows changes, and only then; every setter
// returns whether it did, so the widget knows when to repaint.
class ProgressCore {
 public:
  // The colours of the window's bar: green to lime over medium grey.
  static constexpr QRgb kDefaultStartColor = qRgb(0, 128, 0);
  static constexpr QRgb kDefaultEndColor = qRgb(0, 255, 0);
  static constexpr QRgb kDefaultColor = qRgb(160, 160, 164);
  static constexpr std::int32_t kDefaultMaximum = 100;
  // The classic system colours the single border is drawn with.
  static constexpr QRgb kBtnFace = qRgb(240, 240, 240);
  static constexpr QRgb kBtnShadow = qRgb(160, 160, 160);
  static constexpr QRgb kBtnHighlight = qRgb(255, 255, 255);
  static constexpr QRgb k3DDkShadow = qRgb(105, 105, 105);

  ProgressCore();

  bool setSize(QSize size);
  QSize size() const { return size_; }

  // Equal writes do nothing. Otherwise the position is clamped to minimum … maximum.
  bool setPosition(std::int32_t position);
  std::int32_t position() const { return position_; }
  // Equal writes do nothing. A maximum below the minimum is taken as the minimum, so the range is
  // never inverted; a position above the new maximum is lowered to it.
  bool setMaximum(std::int32_t maximum);
  std::int32_t maximum() const { return maximum_; }
  std::int32_t minimum() const { return minimum_; }
  int percent() const { return progressPercent(position_, minimum_, maximum_); }
  // Filled pixels of the inside; kept as it was while maximum equals minimum.
  int fill() const { return fill_; }

  bool setCaption(const QString& caption);
  QString caption() const { return caption_; }
  bool setFont(const QFont& font);
  QFont font() const { return font_; }
  bool setTextColor(QColor color);
  QColor textColor() const { return textColor_; }

  bool setStartColor(QColor color);
  QColor startColor() const { return startColor_; }
  bool setEndColor(QColor color);
  QColor endColor() const { return endColor_; }
  // The gap columns, the unfilled part and, without a border, the frame.
  bool setColor(QColor color);
  QColor color() const { return color_; }
  // True: every column of a block has its own gradient colour; false: a block has one colour.
  bool setGradientBlocks(bool on);
  bool gradientBlocks() const { return gradientBlocks_; }
  // True: the caption is centred on the bar; false: centred on the fill.
  bool setTextCentered(bool on);
  bool textCentered() const { return textCentered_; }
  // True: three sunken one-pixel frames; false: one frame in color().
  bool setBorderSingle(bool on);
  bool borderSingle() const { return borderSingle_; }

  const QImage& image() const { return image_; }
  // How many times the picture has been drawn; lets tests see that a write changed nothing.
  int redrawCount() const { return redrawCount_; }

 private:
  // Recomputes the fill; redraws when it changed. Returns whether it redrew.
  bool updateFill();
  bool redraw();
  void drawBlocks();
  void drawText();
  void drawBorder();

  QSize size_;
  std::int32_t minimum_ = 0;
  std::int32_t maximum_ = kDefaultMaximum;
  std::int32_t position_ = 0;
  int fill_ = 0;
  QString caption_;
  QFont font_;
  QColor textColor_ = Qt::black;
  QColor startColor_ = QColor(kDefaultStartColor);
  QColor endColor_ = QColor(kDefaultEndColor);
  QColor color_ = QColor(kDefaultColor);
  bool gradientBlocks_ = true;
  bool textCentered_ = true;
  bool borderSingle_ = true;
  QImage image_;
  int redrawCount_ = 0;
};
