#include "ui/tray_icon_core.h"

#include <utility>

TrayAction trayClickAction(TrayNotification notification, bool applicationShown) {
  switch (notification) {
    case TrayNotification::LeftRelease:
      return applicationShown ? TrayAction::None : TrayAction::Restore;
    case TrayNotification::LeftDoubleClick:
      return applicationShown ? TrayAction::Hide : TrayAction::None;
    case TrayNotification::PointerMove:
    case TrayNotification::LeftPress:
    case TrayNotification::RightPress:
    case TrayNotification::RightRelease:
    case TrayNotification::RightDoubleClick:
    case TrayNotification::MiddlePress:
    case TrayNotification::MiddleRelease:
    case TrayNotification::MiddleDoubleClick:
    case TrayNotification::KeyboardSelect:
      return TrayAction::None;
  }
  return TrayAction::None;
}

TrayIconCore::TrayIconCore(TrayHost& host, std::function<bool()> trayAvailable)
    : host_(host), trayAvailable_(std::move(trayAvailable)) {}

void TrayIconCore::setActive(bool on) {
  if (on) {
    hookInstalled_ = true;
  }
  active_ = on;
}

TrayAction TrayIconCore::notify(TrayNotification notification) {
  if (!active_) {
    return TrayAction::None;
  }
  const TrayAction action = trayClickAction(notification, applicationShown_);
  switch (action) {
    case TrayAction::Hide:
      hideApplication();
      break;
    case TrayAction::Restore:
      restoreApplication();
      break;
    case TrayAction::None:
      break;
  }
  return action;
}

bool TrayIconCore::minimizeCommand() {
  if (!active_ || !hookInstalled_ || !applicationShown_ || hiding_ || !trayAvailable_()) {
    return false;
  }
  hideApplication();
  return !applicationShown_;
}

void TrayIconCore::hideApplication() {
  if (!trayAvailable_()) {
    return;
  }
  // Cleared on every way out, also when the host throws.
  struct HidingGuard {
    bool& flag;
    explicit HidingGuard(bool& f) : flag(f) { flag = true; }
    ~HidingGuard() { flag = false; }
    HidingGuard(const HidingGuard&) = delete;
    HidingGuard& operator=(const HidingGuard&) = delete;
  } guard(hiding_);
  if (!host_.isMinimized()) {
    host_.minimizeApplication();
  }
  host_.hideTaskbarEntry();
  applicationShown_ = false;
}

void TrayIconCore::restoreApplication() {
  host_.showTaskbarEntry();
  host_.restoreApplication();
  host_.showMainWindow();
  applicationShown_ = true;
}

void TrayIconCore::remove() {
  active_ = false;
  hookInstalled_ = false;
}
