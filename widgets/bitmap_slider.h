#pragma once

#include <QImage>
#include <QWidget>

#include <cstdint>

#include "widgets/slider_core.h"

// The horizontal bitmap slider: a ruler picture stretched over the control and a thumb frame on
// it, the pressed frame while a mouse button is held. It has a window of its own and takes its
// mouse input from Qt directly; while disabled Qt hands its presses on to the parent, which is
// how the window's drag starts on a disabled slider. The arithmetic lives in SliderCore.
class BitmapSlider : public QWidget {
  Q_OBJECT

 public:
  explicit BitmapSlider(QWidget* parent = nullptr);

  QImage imageRuler() const { return ruler_; }
  void setImageRuler(const QImage& ruler);
  QImage imageThumb() const { return thumb_; }
  // Cuts the two thumb frames again.
  void setImageThumb(const QImage& thumb);

  // Writes never raise changed().
  std::int32_t position() const { return core_.position(); }
  void setPosition(std::int32_t position);
  std::int32_t maximum() const { return core_.maximum(); }
  void setMaximum(std::int32_t maximum);

  const SliderCore& core() const { return core_; }

 Q_SIGNALS:
  // A left-button drag set the position (raised also when the value stayed the same).
  void changed();
  // A press began and ended a change.
  void beginChange();
  void stopChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void syncSize();
  QImage ruler_;
  QImage thumb_;
  ThumbFrames frames_;
  SliderCore core_;
};
