#pragma once

#include <QColor>
#include <QString>

#include "widgets/skin_control.h"

// The plain text label. With autoSize it takes the size of its text whenever the text or the
// font changes; right-aligned labels keep their right edge and grow to the left. With wordWrap
// the width stays and the height follows the wrapped text. A disabled label draws its text
// embossed (highlight one pixel right and down, shadow at its place), not in its font colour.
class SkinLabel : public SkinControl {
  Q_OBJECT

 public:
  explicit SkinLabel(QWidget* parent = nullptr);

  QString caption() const { return caption_; }
  void setCaption(const QString& text);
  void setTextColor(const QColor& color);
  QColor textColor() const { return color_; }
  void setRightAligned(bool on);
  void setAutoSize(bool on);
  void setWordWrap(bool on);
  // Draws the background in `color` when not transparent; labels of this program are transparent.
  void setTransparent(bool on);
  void setBackgroundColor(const QColor& color);

  // The system colours of the embossed drawing.
  static constexpr QRgb kHighlight = 0xffffffu;  // clBtnHighlight
  static constexpr QRgb kShadow = 0xa0a0a0u;     // clBtnShadow

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;
  void routedMouseRelease(Qt::MouseButton button, const QPoint& local) override;
  void routedClick() override;

 Q_SIGNALS:
  void clicked();

 protected:
  void adjustToText();

 private:
  QString caption_;
  QColor color_ = Qt::black;
  QColor background_ = Qt::red;
  bool rightAligned_ = false;
  bool autoSize_ = true;
  bool wordWrap_ = false;
  bool transparent_ = true;
};
