#include "tests/support/window_fixture.h"

#include <QCoreApplication>

#include "app/application.h"
#include "ui/skin.h"

WindowFixture::WindowFixture(QStringList arguments, bool withWaveOut) {
  auto fakeBackend = std::make_unique<FakeMediaBackend>();
  backend = fakeBackend.get();
  auto fakeDialog = std::make_unique<ScriptedFileDialog>();
  dialog = fakeDialog.get();
  auto fakeUrls = std::make_unique<RecordingUrlOpener>();
  urls = fakeUrls.get();
  MainFensterServices services;
  services.mediaBackend = std::move(fakeBackend);
  services.fileDialog = std::move(fakeDialog);
  services.urlOpener = std::move(fakeUrls);
  if (withWaveOut) {
    auto fakeWave = std::make_unique<FakeWaveOut>();
    fakeWave->outputs = {{}};
    wave = fakeWave.get();
    services.waveOut = std::move(fakeWave);
  }
  services.arguments = std::move(arguments);
  auto box = std::make_unique<RecordingErrorBox>();
  errors = box.get();
  Application::instance()->setErrorBox(std::move(box));
  window = std::make_unique<TMainFenster>(Skin::load(), std::move(services));
  window->quitApplication = [] {};
}

WindowFixture::~WindowFixture() {
  window.reset();
  Application::instance()->setErrorBox(std::make_unique<MessageErrorBox>());
}

void sendMouse(QWidget* target, QEvent::Type type, QPoint p, Qt::MouseButton button,
               Qt::MouseButtons buttons) {
  QMouseEvent event(type, QPointF(p), QPointF(target->mapToGlobal(p)), button, buttons, Qt::NoModifier);
  QCoreApplication::sendEvent(target, &event);
}

const char* nameOf(PlayerState state) {
  switch (state) {
    case PlayerState::Start:
      return "start";
    case PlayerState::Playing:
      return "playing";
    case PlayerState::Paused:
      return "paused";
    case PlayerState::Stopped:
      return "stopped";
  }
  return "?";
}

void WindowFixture::press(QPoint p, Qt::MouseButton button) {
  sendMouse(window.get(), QEvent::MouseButtonPress, p, button, button);
}

void WindowFixture::doubleClick(QPoint p, Qt::MouseButton button) {
  sendMouse(window.get(), QEvent::MouseButtonDblClick, p, button, button);
}

void WindowFixture::move(QPoint p, Qt::MouseButtons buttons) {
  sendMouse(window.get(), QEvent::MouseMove, p, Qt::NoButton, buttons);
}

void WindowFixture::release(QPoint p, Qt::MouseButton button) {
  sendMouse(window.get(), QEvent::MouseButtonRelease, p, button, Qt::NoButton);
}

void WindowFixture::click(QWidget* control) {
  click(control->geometry().center());
}

void WindowFixture::run(const std::function<void()>& handler) {
  Application::instance()->runHandler(handler);
}

void WindowFixture::openViaDialog(const QString& file, int filterIndex) {
  dialog->answers.push_back(OpenDialogChoice{file, filterIndex});
  run([this] { window->OpenClick(); });
}
