#pragma once

#include <QPoint>
#include <QString>
#include <QWidget>

// Base of the window's lightweight controls: pictures, labels, picture buttons and the progress
// bar. They have no window of their own, so Qt does not deliver mouse input to them
// (WA_TransparentForMouseEvents); the skinned form routes every press, move and release itself
// (topmost visible, enabled control that accepts the point; disabled ones let presses through to
// the window) and calls the routed* methods below with points in the control's own coordinates.
class SkinControl : public QWidget {
  Q_OBJECT

 public:
  explicit SkinControl(QWidget* parent = nullptr);

  // The hint shown while the pointer rests over the control, when showHint() is true.
  QString hint() const { return hint_; }
  void setHint(const QString& text);
  bool showHint() const { return showHint_; }
  void setShowHint(bool on) { showHint_ = on; }

  // Whether a press at `local` belongs to this control. Every point of the rectangle by default;
  // a transparent picture button refuses the points where its picture is see-through.
  virtual bool acceptsPoint(const QPoint& local) const;

  // Input from the form's routing. `doubleClick` marks the second press of a double click.
  virtual void routedMousePress(Qt::MouseButton button, const QPoint& local, bool doubleClick);
  virtual void routedMouseMove(const QPoint& local, Qt::MouseButtons buttons);
  virtual void routedMouseRelease(Qt::MouseButton button, const QPoint& local);
  // A left press and release over the control; comes before the release's routedMouseRelease.
  virtual void routedClick();
  virtual void routedEnter();
  virtual void routedLeave();

 Q_SIGNALS:
  // What the control draws changed in a way that can change the window's see-through pixels
  // (a picture swap); the form recomputes its shape.
  void appearanceChanged();

 private:
  QString hint_;
  bool showHint_ = false;
};
