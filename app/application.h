#pragma once

#include <QApplication>
#include <functional>
#include <memory>

#include "app/error_box.h"

// The application object. It is the one place that catches errors: an exception that escapes
// an event handler (Qt must never see it cross the event loop) is shown in the error box, and
// the program carries on with the next event.
class Application : public QApplication {
  Q_OBJECT

 public:
  Application(int& argc, char** argv);

  // Replaces the error box (tests record errors instead of showing them).
  void setErrorBox(std::unique_ptr<ErrorBox> box);

  bool notify(QObject* receiver, QEvent* event) override;

  // Runs `handler` as an event handler outside an event: the start-up calls use it, so an error
  // there is reported like any other and start-up goes on.
  void runHandler(const std::function<void()>& handler);

  static Application* instance();

 private:
  void reportCurrentException();

  std::unique_ptr<ErrorBox> errorBox_;
};
