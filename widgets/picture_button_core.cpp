#include "widgets/picture_button_core.h"

bool PictureButtonCore::request(TPicState state) {
  const bool taken = pictureAvailable(state);
  if (taken) {
    state_ = state;
  }
  if (onRequest_) {
    onRequest_(state, taken);
  }
  return taken;
}

void PictureButtonCore::writeState(TPicState state) {
  if (state == TPicState::stDefault) {
    count_ = 0;
  }
  request(state);
}

void PictureButtonCore::applyClickCount() {
  if (count_ == 1 || count_ == 2) {
    const TPicState clicked = count_ == 1 ? TPicState::stClicked1 : TPicState::stClicked2;
    if (request(clicked)) {
      return;
    }
  }
  // Count 0 or 3, or a click picture that is missing: the cycle starts over.
  count_ = 0;
  request(TPicState::stDefault);
}

void PictureButtonCore::click() {
  ++count_;
  applyClickCount();
}

void PictureButtonCore::enter() {
  if (pointerOver_) {
    return;
  }
  request(TPicState::stEntered);
  pointerOver_ = true;
}

void PictureButtonCore::leave() {
  if (!pointerOver_) {
    return;
  }
  applyClickCount();
  pointerOver_ = false;
}

void PictureButtonCore::press() {
  request(TPicState::stDown);
}

void PictureButtonCore::release(bool overButton) {
  if (state_ == TPicState::stClicked1 || state_ == TPicState::stClicked2) {
    return;
  }
  if (overButton && request(TPicState::stEntered)) {
    return;
  }
  applyClickCount();
}
