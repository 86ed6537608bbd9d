#include "app/application.h"

#include <exception>

#include "playback/media_device_error.h"

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv), errorBox_(std::make_unique<MessageErrorBox>()) {
  setApplicationName(QStringLiteral("Quorvi"));
  setApplicationDisplayName(QStringLiteral("Quorvi"));
  setApplicationVersion(QStringLiteral(QUORVI_VERSION));
}

Application* Application::instance() {
  return qobject_cast<Application*>(QCoreApplication::instance());
}

void Application::setErrorBox(std::unique_ptr<ErrorBox> box) {
  errorBox_ = std::move(box);
}

bool Application::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (...) {
    reportCurrentException();
    return true;
  }
}

void Application::runHandler(const std::function<void()>& handler) {
  try {
    handler();
  } catch (...) {
    reportCurrentException();
  }
}

void Application::reportCurrentException() {
  QString message;
  try {
    throw;
  } catch (const MediaDeviceError& e) {
    message = e.message();
  } catch (const std::exception& e) {
    message = QString::fromUtf8(e.what());
  } catch (...) {
    message = QStringLiteral("Unbekannter Fehler");
  }
  errorBox_->show(message);
}
