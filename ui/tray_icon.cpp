#include "ui/tray_icon.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <utility>

#include "ui/skin.h"

namespace {

QIcon programIcon(const Skin& skin) {
  QIcon icon;
  for (const QImage* image : {&skin.icon32, &skin.icon16}) {
    if (!image->isNull()) {
      icon.addPixmap(QPixmap::fromImage(*image));
    }
  }
  // Without pictures of its own the icon shows the application's.
  return icon.isNull() ? QApplication::windowIcon() : icon;
}

}  // namespace

TrayIcon::TrayIcon(const Skin& skin, TrayHost& host, QObject* parent)
    : QObject(parent),
      icon_(this),
      availabilityProbe_(&QSystemTrayIcon::isSystemTrayAvailable),
      core_(host, [this] { return trayAvailable(); }) {
  icon_.setIcon(programIcon(skin));
  icon_.setToolTip(QString::fromLatin1(kHint));
  connect(&icon_, &QSystemTrayIcon::activated, this, &TrayIcon::handleActivation);
}

TrayIcon::~TrayIcon() {
  core_.remove();
  icon_.hide();
}

void TrayIcon::setActive(bool on) {
  core_.setActive(on);
  // Shown also where no tray exists yet: Qt adds the icon when a tray appears later.
  icon_.setVisible(on);
}

bool TrayIcon::minimizeCommand() {
  return core_.minimizeCommand();
}

void TrayIcon::setTrayAvailabilityProbe(std::function<bool()> probe) {
  availabilityProbe_ = std::move(probe);
}

bool TrayIcon::trayAvailable() const {
  return availabilityProbe_ && availabilityProbe_();
}

void TrayIcon::handleActivation(QSystemTrayIcon::ActivationReason reason) {
  switch (reason) {
    case QSystemTrayIcon::Trigger:
      core_.notify(TrayNotification::LeftRelease);
      break;
    case QSystemTrayIcon::DoubleClick:
      core_.notify(TrayNotification::LeftDoubleClick);
      core_.notify(TrayNotification::LeftRelease);
      break;
    case QSystemTrayIcon::Context:
      core_.notify(TrayNotification::RightRelease);
      break;
    case QSystemTrayIcon::MiddleClick:
      core_.notify(TrayNotification::MiddleRelease);
      break;
    case QSystemTrayIcon::Unknown:
      break;
  }
}
