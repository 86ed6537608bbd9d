#pragma once

#include <functional>

// What the tray icon does to the application. The main window implements it.
class TrayHost {
 public:
  virtual ~TrayHost() = default;

  virtual bool isMinimized() const = 0;
  // Takes the main window off the screen (minimized).
  virtual void minimizeApplication() = 0;
  virtual void hideTaskbarEntry() = 0;
  virtual void showTaskbarEntry() = 0;
  // Back from the minimized state to where the window was.
  virtual void restoreApplication() = 0;
  virtual void showMainWindow() = 0;
};

// A notification from the notification area about the icon.
enum class TrayNotification {
  PointerMove,
  LeftPress,
  LeftRelease,
  LeftDoubleClick,
  RightPress,
  RightRelease,
  RightDoubleClick,
  MiddlePress,
  MiddleRelease,
  MiddleDoubleClick,
  KeyboardSelect,  // the icon chosen with the keyboard
};

enum class TrayAction { None, Restore, Hide };

// The click rules: a single left click (its release) restores a hidden application, a left
// double-click hides a shown one; nothing else acts. `applicationShown` is the icon's own flag.
TrayAction trayClickAction(TrayNotification notification, bool applicationShown);

// The tray icon's behaviour without the icon itself: the active state, the application-shown
// flag, the click rules, hiding and restoring through a TrayHost, and the auto-hide of a minimize
// command. The application is never hidden while no tray can show the icon that brings it back
// (`trayAvailable` is asked each time, as a tray can come and go).
class TrayIconCore {
 public:
  TrayIconCore(TrayHost& host, std::function<bool()> trayAvailable);

  bool active() const { return active_; }
  // Activating installs the minimize hook, once; it stays installed until the end.
  void setActive(bool on);
  bool hookInstalled() const { return hookInstalled_; }
  // True from creation; false while the application is hidden to the tray.
  bool applicationShown() const { return applicationShown_; }

  // Handles one notification by the click rules; ignored while inactive. Returns what it did.
  TrayAction notify(TrayNotification notification);

  // A minimize command reached the application (the task bar entry, the window manager, the
  // minimize button). While the icon is active and a tray is there, the application is hidden to
  // the tray; otherwise the command stays a plain minimize. Returns whether it hid.
  bool minimizeCommand();

  // If the main window is not minimized, minimize it; then hide the task bar entry.
  // Does nothing where no tray is available.
  void hideApplication();
  // Show the task bar entry, restore from minimized, show the main window.
  void restoreApplication();

  // The end of the icon: the hook goes; the icon stops acting.
  void remove();

 private:
  TrayHost& host_;
  std::function<bool()> trayAvailable_;
  bool active_ = false;
  bool hookInstalled_ = false;
  bool applicationShown_ = true;
  // Set while hiding: minimizing the window from here comes back as a minimize command.
  bool hiding_ = false;
};
