#include "widgets/picture_button.h"

#include <QGuiApplication>

PictureButton::PictureButton(QWidget* parent) : PictureImage(parent) {
  core_.setRequestHandler([this](TPicState requested, bool taken) { onStateRequested(requested, taken); });
}

PictureButtonCore& PictureButton::core() {
  core_.setPictureAvailable(TPicState::stDefault, usable(picture()));
  return core_;
}

QImage PictureButton::pictureFor(TPicState state) const {
  return state == TPicState::stDefault ? picture() : pictures_[index(state)];
}

void PictureButton::setStatePicture(TPicState state, const QImage& picture) {
  pictures_[index(state)] = picture;
  core_.setPictureAvailable(state, usable(picture));
  core().pictureSetChanged();
}

void PictureButton::setState(TPicState state) {
  core().writeState(state);
}

void PictureButton::onStateRequested(TPicState requested, bool taken) {
  if (taken) {
    const QImage next = pictureFor(requested);
    // Re-showing the picture already shown would only make the window recompute its shape.
    if (next.cacheKey() != shownPicture().cacheKey()) {
      setShownPicture(next);
    }
  }
  Q_EMIT stateChanged();
}

bool PictureButton::acceptsPoint(const QPoint& local) const {
  if (!rect().contains(local)) {
    return false;
  }
  const QImage& pic = picture();
  if (!transparent() || !usable(pic)) {
    return true;
  }
  // The default picture decides, whichever state picture is shown: placed and sampled exactly
  // as the plain picture draws it (nearest pixel).
  const QRect placed = fittedPictureRect(pic.size(), size(), fit());
  if (!placed.contains(local)) {
    return true;
  }
  const QPoint p = local - placed.topLeft();
  const int sx = static_cast<int>(static_cast<qint64>(p.x()) * pic.width() / placed.width());
  const int sy = static_cast<int>(static_cast<qint64>(p.y()) * pic.height() / placed.height());
  return (pic.pixel(sx, sy) & RGB_MASK) != transparentColorOf(pic);
}

void PictureButton::routedMousePress(Qt::MouseButton button, const QPoint& local, bool) {
  Q_EMIT mousePressed(button, QGuiApplication::keyboardModifiers(), local.x(), local.y());
  core().press();
}

void PictureButton::routedMouseRelease(Qt::MouseButton button, const QPoint& local) {
  Q_EMIT mouseReleased(button, QGuiApplication::keyboardModifiers(), local.x(), local.y());
  core().release(rect().contains(local));
}

void PictureButton::routedClick() {
  Q_EMIT clicked();
  core().click();
}

void PictureButton::routedEnter() {
  core().enter();
}

void PictureButton::routedLeave() {
  core().leave();
}
