#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <utility>

// Which of the picture button's pictures is shown: the default picture, the one under the
// pointer, the two click pictures and the one while a button is held.
enum class TPicState { stDefault, stEntered, stClicked1, stClicked2, stDown };

// The picture button's state machine without any widget: which state is shown, the click count
// and whether the pointer is over the button. It knows only which state pictures exist (at
// least 1 × 1 pixel); the widget keeps that up to date, shows the pictures and raises the
// events. Every state request is reported through `onRequest` (the requested state and whether
// it was taken), in the order the rules make them.
class PictureButtonCore {
 public:
  using RequestHandler = std::function<void(TPicState requested, bool taken)>;

  void setRequestHandler(RequestHandler handler) { onRequest_ = std::move(handler); }
  void setPictureAvailable(TPicState state, bool available) { available_[index(state)] = available; }
  bool pictureAvailable(TPicState state) const { return available_[index(state)]; }

  TPicState state() const { return state_; }
  int clickCount() const { return count_; }
  bool pointerOver() const { return pointerOver_; }

  // Shows the state's picture and takes the state when that picture exists; otherwise nothing
  // changes. Returns whether the state was taken.
  bool request(TPicState state);
  // The program writing the state; stDefault also restarts the click count.
  void writeState(TPicState state);
  // A picture of the set changed: the current state is requested again, so the new picture shows.
  void pictureSetChanged() { request(state_); }

  // A left press and release over the button (after the click event, before the release).
  void click();
  void enter();
  void leave();
  // A press of any button (after the press event).
  void press();
  // A release of any button (after the release event); `overButton` tells whether the pointer
  // is inside the button's rectangle.
  void release(bool overButton);

 private:
  static std::size_t index(TPicState state) { return static_cast<std::size_t>(state); }
  // Shows the picture that goes with the click count: the first or second click picture, or the
  // default one when that picture is missing or the count has run its cycle.
  void applyClickCount();

  std::array<bool, 5> available_{};
  TPicState state_ = TPicState::stDefault;
  int count_ = 0;
  bool pointerOver_ = false;
  RequestHandler onRequest_;
};
