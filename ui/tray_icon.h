#pragma once

#include <QObject>
#include <QSystemTrayIcon>
#include <functional>

#include "ui/tray_icon_core.h"

struct Skin;

// The notification-area icon of the main window (tooltip "Quorvi", the program icon). Inactive
// when created: the icon appears with setActive(true), which the start-up's hand-over calls.
// Qt's activation reasons are fed to TrayIconCore as notifications:
//   Trigger     -> left release (a single left click; Qt reports it once per click, on press or
//                  release depending on the platform)
//   DoubleClick -> left double-click, then the left release that closes it (Qt does not report
//                  that release), so a double-click on the icon always leaves the application
//                  shown: hidden by the double-click, back with its closing release
//   Context     -> right release
//   MiddleClick -> middle release
// The main window calls minimizeCommand() whenever it has been minimized from outside (task bar,
// window manager, minimize button) so the auto-hide can take it to the tray.
class TrayIcon : public QObject {
  Q_OBJECT

 public:
  static constexpr const char* kHint = "Quorvi";

  TrayIcon(const Skin& skin, TrayHost& host, QObject* parent = nullptr);
  // Takes the icon out of the notification area.
  ~TrayIcon() override;

  bool isActive() const { return core_.active(); }
  void setActive(bool on);
  bool applicationShown() const { return core_.applicationShown(); }

  // See TrayIconCore::minimizeCommand(): true when the application went to the tray.
  bool minimizeCommand();

  // Whether a notification area exists; QSystemTrayIcon::isSystemTrayAvailable() unless a test
  // sets another probe.
  void setTrayAvailabilityProbe(std::function<bool()> probe);

  // The Qt icon, for its tooltip, picture and visibility.
  const QSystemTrayIcon& systemTrayIcon() const { return icon_; }

  void handleActivation(QSystemTrayIcon::ActivationReason reason);

 private:
  bool trayAvailable() const;

  QSystemTrayIcon icon_;
  std::function<bool()> availabilityProbe_;
  TrayIconCore core_;
};
