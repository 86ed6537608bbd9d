#pragma once

#include <QColor>
#include <QWidget>

// The plain panel: a control with a window of its own, filled with its colour and framed by a
// lowered bevel. It takes the presses that reach it and does nothing with them.
class SkinPanel : public QWidget {
  Q_OBJECT

 public:
  explicit SkinPanel(QWidget* parent = nullptr);

  void setColor(const QColor& color);
  void setBevelWidth(int width);
  int bevelWidth() const { return bevelWidth_; }
  // The area inside the bevel, where children aligned to the client area lie.
  QRect innerRect() const;

  static constexpr QRgb kBevelShadow = 0xa0a0a0u;     // clBtnShadow: top and left of a lowered bevel
  static constexpr QRgb kBevelHighlight = 0xffffffu;  // clBtnHighlight: bottom and right

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  QColor color_ = Qt::black;
  int bevelWidth_ = 2;
};
