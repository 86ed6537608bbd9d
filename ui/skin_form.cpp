#include "ui/skin_form.h"

#include <QBitmap>
#include <QChildEvent>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QToolTip>

#include "widgets/skin_control.h"

SkinForm::SkinForm(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

SkinControl* SkinForm::controlAt(const QPoint& p, bool forHover) const {
  const QObjectList& kids = children();
  for (auto it = kids.crbegin(); it != kids.crend(); ++it) {
    auto* control = qobject_cast<SkinControl*>(*it);
    if (control == nullptr || !control->isVisibleTo(this) || !control->geometry().contains(p)) {
      continue;
    }
    if (!forHover && !control->isEnabled()) {
      continue;
    }
    if (control->acceptsPoint(p - control->pos())) {
      return control;
    }
  }
  return nullptr;
}

void SkinForm::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), QColor::fromRgb(kKeyColor));
}

// The pointer relative to where the window is now. The event's own local position is relative
// to where the window was when the windowing system produced the event; during a drag that can
// be before the last move took effect, and the grabbed point would then run away from the
// pointer. The pointer's screen position has no such lag.
QPoint SkinForm::clientPoint(const QMouseEvent* event) const {
  return event->globalPosition().toPoint() - geometry().topLeft();
}

bool SkinForm::overOwnSurface(const QPoint& p) const {
  return rect().contains(p) && (shape_.isEmpty() || shape_.contains(p));
}

void SkinForm::press(QMouseEvent* event, bool doubleClick) {
  const QPoint p = clientPoint(event);
  const Qt::MouseButton button = event->button();
  SkinControl* target = controlAt(p, false);
  if (button == Qt::LeftButton) {
    captureControl_ = target;
    captureWindow_ = (target == nullptr);
    clickCandidate_ = doubleClick ? nullptr : target;
  }
  if (target != nullptr) {
    target->routedMousePress(button, p - target->pos(), doubleClick);
  } else {
    formMouseDown(button, event->modifiers(), p.x(), p.y());
  }
}

void SkinForm::mousePressEvent(QMouseEvent* event) {
  press(event, false);
}

void SkinForm::mouseDoubleClickEvent(QMouseEvent* event) {
  press(event, true);
}

void SkinForm::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = clientPoint(event);
  if (captureControl_ != nullptr) {
    const bool inside = captureControl_->geometry().contains(p);
    setHover(inside ? captureControl_.data() : nullptr);
    captureControl_->routedMouseMove(p - captureControl_->pos(), event->buttons());
    return;
  }
  if (captureWindow_) {
    // The window keeps the mouse: no control gets hover notices until the release.
    formMouseMove(event->modifiers(), p.x(), p.y());
    return;
  }
  // Without a capture only what is over the window's own surface reaches it (Qt keeps sending
  // moves after a right or middle press; those outside are not the window's).
  if (!overOwnSurface(p)) {
    setHover(nullptr);
    return;
  }
  updateHover(p);
  if (SkinControl* target = controlAt(p, false)) {
    target->routedMouseMove(p - target->pos(), event->buttons());
  } else {
    formMouseMove(event->modifiers(), p.x(), p.y());
  }
}

void SkinForm::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint p = clientPoint(event);
  const Qt::MouseButton button = event->button();
  if (button == Qt::LeftButton && (captureControl_ != nullptr || captureWindow_)) {
    QPointer<SkinControl> receiver = captureControl_;
    const bool toWindow = captureWindow_;
    QPointer<SkinControl> candidate = clickCandidate_;
    captureControl_ = nullptr;
    captureWindow_ = false;
    clickCandidate_ = nullptr;
    if (toWindow) {
      formMouseUp(button, event->modifiers(), p.x(), p.y());
    } else if (receiver != nullptr) {
      const QPoint local = p - receiver->pos();
      if (candidate == receiver && receiver->rect().contains(local)) {
        receiver->routedClick();
      }
      if (receiver != nullptr) {
        receiver->routedMouseRelease(button, local);
      }
    }
    if (rect().contains(p)) {
      updateHover(p);
    } else {
      setHover(nullptr);
    }
    return;
  }
  if (!overOwnSurface(p)) {
    return;
  }
  if (SkinControl* target = controlAt(p, false)) {
    target->routedMouseRelease(button, p - target->pos());
  } else {
    formMouseUp(button, event->modifiers(), p.x(), p.y());
  }
}

void SkinForm::leaveEvent(QEvent* event) {
  if (captureControl_ == nullptr) {
    setHover(nullptr);
  }
  QWidget::leaveEvent(event);
}

void SkinForm::updateHover(const QPoint& p) {
  QWidget* child = childAt(p);
  // Over a control with a window of its own nothing below it is hovered.
  if (child != nullptr && qobject_cast<SkinControl*>(child) == nullptr && child->parentWidget() == this) {
    setHover(nullptr);
    return;
  }
  setHover(controlAt(p, true));
}

void SkinForm::setHover(SkinControl* control) {
  if (hover_ == control) {
    return;
  }
  QPointer<SkinControl> previous = hover_;
  hover_ = control;
  if (previous != nullptr) {
    previous->routedLeave();
  }
  if (control != nullptr) {
    control->routedEnter();
  }
  // Only a control's own cursor counts: cursor() of one without reports the window's, which
  // may still be the cursor of the control hovered before.
  if (control != nullptr && control->testAttribute(Qt::WA_SetCursor)) {
    setCursor(control->cursor());
  } else {
    unsetCursor();
  }
}

bool SkinForm::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const QPoint p = help->pos();
    QWidget* child = childAt(p);
    SkinControl* control = nullptr;
    if (child == nullptr || qobject_cast<SkinControl*>(child) != nullptr) {
      control = controlAt(p, true);
    }
    if (control != nullptr && control->showHint() && !control->hint().isEmpty()) {
      QToolTip::showText(help->globalPos(), control->hint(), this, control->geometry());
    } else {
      QToolTip::hideText();
    }
    return true;
  }
  return QWidget::event(event);
}

void SkinForm::childEvent(QChildEvent* event) {
  if (event->added() && event->child()->isWidgetType()) {
    event->child()->installEventFilter(this);
    if (auto* control = qobject_cast<SkinControl*>(event->child())) {
      connect(control, &SkinControl::appearanceChanged, this, &SkinForm::scheduleShapeUpdate);
    }
  }
  QWidget::childEvent(event);
}

bool SkinForm::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::Move:
    case QEvent::Resize:
      scheduleShapeUpdate();
      break;
    default:
      break;
  }
  return QWidget::eventFilter(watched, event);
}

void SkinForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  updateShape();
}

void SkinForm::formMouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
void SkinForm::formMouseMove(Qt::KeyboardModifiers, int, int) {}
void SkinForm::formMouseUp(Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}

void SkinForm::scheduleShapeUpdate() {
  if (shapeUpdatePending_) {
    return;
  }
  shapeUpdatePending_ = true;
  QTimer::singleShot(0, this, [this] {
    shapeUpdatePending_ = false;
    updateShape();
  });
}

void SkinForm::updateShape() {
  shapeUpdatePending_ = false;
  // Render what the window shows now and keep every pixel that is not the key colour.
  const QImage image = grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QImage keyMask = image.createMaskFromColor(QColor::fromRgb(kKeyColor).rgb(), Qt::MaskInColor);
  shape_ = QRegion(QBitmap::fromImage(keyMask));
  // Moving pictures are never keyed: a red pixel in one frame must not leave a hole in the next.
  for (const QWidget* child : findChildren<QWidget*>()) {
    if (child->property(kOpaqueToShape).toBool() && child->isVisibleTo(this)) {
      shape_ += QRect(child->mapTo(this, QPoint(0, 0)), child->size());
    }
  }
  applyMask();
}

void SkinForm::setVisibleClip(const QRegion& clip) {
  clip_ = clip;
  clipped_ = true;
  applyMask();
}

void SkinForm::applyMask() {
  QRegion mask = shape_;
  if (clipped_) {
    mask &= clip_;
  }
  if (mask.isEmpty()) {
    // An empty mask means "no mask" to Qt; a one-pixel region outside the window hides it all.
    mask = QRegion(-1, -1, 1, 1);
  }
  setMask(mask);
}
