#pragma once

#include <QColor>
#include <QPointer>
#include <QRegion>
#include <QWidget>

#include "widgets/skin_control.h"

// A borderless window whose pure red pixels are see-through and click-through (its shape is
// the set of pixels it does not paint pure red), and which routes mouse input to its
// lightweight controls itself:
//   - a press goes to the topmost visible, enabled control that accepts the point; with none,
//     the window's own formMouse* hooks get it (disabled pictures let presses through);
//   - a left press captures: moves and the release go to the receiver wherever the pointer is;
//     right and middle presses do not, so the window sees moves and releases only over itself;
//   - hover notices (enter/leave) also reach disabled controls; hints show over the control
//     under the pointer when its showHint is on and its hint is not empty.
// Controls with a window of their own (sliders, panels, edit boxes) get Qt's input directly;
// Qt hands a disabled one's presses on to this window.
class SkinForm : public QWidget {
  Q_OBJECT

 public:
  static constexpr QRgb kKeyColor = 0xff0000u;  // pure red
  // A child with this property set to true always belongs to the shape, whatever it paints
  // (the video picture).
  static constexpr const char* kOpaqueToShape = "quorviOpaqueToShape";

  explicit SkinForm(QWidget* parent = nullptr);

  // The topmost lightweight control at `p` (window coordinates) that would take a press there;
  // with `forHover`, disabled controls count too.
  SkinControl* controlAt(const QPoint& p, bool forHover) const;

  // The window's shape: every pixel it does not paint pure red.
  QRegion shapeRegion() const { return shape_; }
  // Recomputes the shape now (normally it follows visibility and picture changes by itself).
  void updateShape();
  // Limits what is shown of the window to `clip` within its shape (the close animation).
  void setVisibleClip(const QRegion& clip);

  SkinControl* hoverControl() const { return hover_; }

 protected:
  // The window's own mouse events, for presses that no control takes.
  virtual void formMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers mods, int x, int y);
  virtual void formMouseMove(Qt::KeyboardModifiers mods, int x, int y);
  virtual void formMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers mods, int x, int y);

  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void childEvent(QChildEvent* event) override;

 private:
  QPoint clientPoint(const QMouseEvent* event) const;
  void press(QMouseEvent* event, bool doubleClick);
  void setHover(SkinControl* control);
  void updateHover(const QPoint& p);
  bool overOwnSurface(const QPoint& p) const;
  void scheduleShapeUpdate();
  void applyMask();

  QRegion shape_;
  QRegion clip_;
  bool clipped_ = false;
  bool shapeUpdatePending_ = false;
  QPointer<SkinControl> hover_;
  // The receiver of the last left press, which keeps the mouse until the left button is up.
  QPointer<SkinControl> captureControl_;
  bool captureWindow_ = false;
  // The control a left press (not a double-click press) went to; its release there is a click.
  QPointer<SkinControl> clickCandidate_;
};
