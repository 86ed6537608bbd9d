#pragma once

#include <QEventLoop>
#include <QSize>
#include <QWidget>
#include <functional>

class BrightnessImage;
class QTimer;
class SkinLabel;
struct Skin;

// The splash window: the emblem beside the product name and the version notice, on black, with
// no frame and no task bar entry. Its timer runs from creation and fades the emblem to black in
// 100 ticks of 10 ms; the tick that reaches brightness 0 calls onHandOver. The window knows
// nothing of the main window: the start-up sets onHandOver.
//
// showModal() centres the window on the desktop, shows it and dispatches events until the
// window is closed. Closing it while shown modally only records the request and ends the modal
// loop; the window is hidden when showModal() returns, i.e. after the event that closed it. So
// the hand-over can close the splash, add the tray icon and show the main window in one tick,
// and the splash disappears only afterwards. A close request that arrives before the fade ends
// ends the modal phase the same way; the timer then goes on unseen and onHandOver still runs
// when the brightness reaches 0.
//
// The window has no handlers of its own: clicks do nothing and it cannot be dragged.
class TInvent : public QWidget {
  Q_OBJECT

 public:
  static constexpr QSize kClientSize{492, 213};
  static constexpr int kTimerInterval = 10;  // ms per fade step
  static constexpr quint8 kStartBrightness = 100;

  explicit TInvent(const Skin& skin, QWidget* parent = nullptr);

  // Components, in creation order.
  BrightnessImage* Tamblo;
  SkinLabel* Label1;
  SkinLabel* Label2;
  QTimer* Timer;

  // Called by the tick that brings Tamblo's brightness to 0. Without it the fade wraps to 255
  // and goes on, as the timer is the hand-over's to stop.
  std::function<void()> onHandOver;

  // The fade tick: brightness - 1 in 8 bits, rendered at once; at 0 the hand-over.
  void TimerTimer();

  // The splash's part of the hand-over: stop the timer, then close the window.
  void stopAndClose();

  // Places the window (desktopCenterPlacement over all screens), shows it and runs a nested
  // event loop until the window is closed; returns with the window hidden.
  void showModal();
  bool inModalLoop() const { return modalLoop_ != nullptr; }

  // The version notice of Label2.
  static QString notice();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QEventLoop* modalLoop_ = nullptr;
  bool closeRequested_ = false;
};
