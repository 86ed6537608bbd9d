#pragma once

#include <QImage>

#include <array>
#include <cstddef>

#include "widgets/picture_button_core.h"
#include "widgets/picture_image.h"

// The picture button: a picture control that swaps its picture for the state pictures of its set
// (under the pointer, clicked once or twice, held down) by the rules of PictureButtonCore, and
// raises click, press and release events from the window's routed input. With `transparent` on
// it refuses presses where its default picture, as drawn, shows the transparent colour.
class PictureButton : public PictureImage {
  Q_OBJECT

 public:
  explicit PictureButton(QWidget* parent = nullptr);

  QImage picEnter() const { return pictures_[index(TPicState::stEntered)]; }
  QImage picClicked1() const { return pictures_[index(TPicState::stClicked1)]; }
  QImage picClicked2() const { return pictures_[index(TPicState::stClicked2)]; }
  QImage picDown() const { return pictures_[index(TPicState::stDown)]; }
  // Changing a picture of the set requests the current state again.
  void setPicEnter(const QImage& picture) { setStatePicture(TPicState::stEntered, picture); }
  void setPicClicked1(const QImage& picture) { setStatePicture(TPicState::stClicked1, picture); }
  void setPicClicked2(const QImage& picture) { setStatePicture(TPicState::stClicked2, picture); }
  void setPicDown(const QImage& picture) { setStatePicture(TPicState::stDown, picture); }

  TPicState state() const { return core_.state(); }
  // Requests the state; stDefault also restarts the click count.
  void setState(TPicState state);

  bool acceptsPoint(const QPoint& local) const override;
  void routedMousePress(Qt::MouseButton button, const QPoint& local, bool doubleClick) override;
  void routedMouseRelease(Qt::MouseButton button, const QPoint& local) override;
  void routedClick() override;
  // Hover notices come for disabled buttons too, so these ignore isEnabled().
  void routedEnter() override;
  void routedLeave() override;

 Q_SIGNALS:
  void clicked();
  // Raised for every press, the second press of a double click included.
  void mousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
  void mouseReleased(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
  // Raised after every state request, whether or not the state changed.
  void stateChanged();

 private:
  static constexpr int kStateCount = 5;
  static std::size_t index(TPicState state) { return static_cast<std::size_t>(state); }
  static bool usable(const QImage& picture) { return picture.width() >= 1 && picture.height() >= 1; }

  void setStatePicture(TPicState state, const QImage& picture);
  QImage pictureFor(TPicState state) const;
  // The core with the default picture's presence brought up to date: `picture()` is set
  // through the plain picture's own setter, which this class does not see.
  PictureButtonCore& core();
  void onStateRequested(TPicState requested, bool taken);

  PictureButtonCore core_;
  // Indexed by TPicState; the stDefault slot stays empty (the default picture is `picture()`).
  std::array<QImage, kStateCount> pictures_;
};
