#pragma once

#include <QMouseEvent>
#include <QStringList>
#include <deque>
#include <memory>
#include <optional>
#include <vector>

#include "tests/support/fake_media_backend.h"
#include "tests/support/fake_wave_out.h"
#include "tests/support/qt_printers.h"
#include "tests/support/recording_error_box.h"
#include "ui/main_fenster.h"
#include "widgets/url_opener.h"

// The stored visibility flag of a control (true also while the window is not on screen).
inline bool shown(const QWidget* control) {
  return !control->isHidden();
}

// Sends a real mouse event to `target` at `p` (target coordinates).
void sendMouse(QWidget* target, QEvent::Type type, QPoint p, Qt::MouseButton button,
               Qt::MouseButtons buttons);

// The player's states as the picture pairs record them, for tables of cases.
enum class PlayerState { Start, Playing, Paused, Stopped };
const char* nameOf(PlayerState state);

// Answers the open dialog from a script and records what it was asked.
class ScriptedFileDialog : public FileDialogRunner {
 public:
  std::deque<std::optional<OpenDialogChoice>> answers;  // empty: cancel
  std::vector<OpenDialogRequest> requests;

  std::optional<OpenDialogChoice> run(const OpenDialogRequest& request) override {
    requests.push_back(request);
    if (answers.empty() || !answers.front().has_value()) {
      if (!answers.empty()) {
        answers.pop_front();
      }
      return std::nullopt;
    }
    const OpenDialogChoice answer = *answers.front();
    answers.pop_front();
    return answer;
  }
};

class RecordingUrlOpener : public UrlOpener {
 public:
  QStringList opened;
  bool result = true;
  bool open(const QString& url) override {
    opened << url;
    return result;
  }
};

// The main window with scripted services: a fake media backend, a scripted dialog, a recording
// URL opener, one fake wave output and a recording error box. Mouse helpers send real Qt mouse
// events to the window, so they go through its routing.
class WindowFixture {
 public:
  explicit WindowFixture(QStringList arguments = {}, bool withWaveOut = true);
  ~WindowFixture();

  TMainFenster& w() { return *window; }

  void press(QPoint p, Qt::MouseButton button = Qt::LeftButton);
  void doubleClick(QPoint p, Qt::MouseButton button = Qt::LeftButton);
  void move(QPoint p, Qt::MouseButtons buttons = Qt::NoButton);
  void release(QPoint p, Qt::MouseButton button = Qt::LeftButton);
  void click(QPoint p) {
    press(p);
    release(p);
  }
  // A left click in the middle of `control` (window coordinates).
  void click(QWidget* control);
  // Runs a handler like an event: an exception goes to the recording error box.
  void run(const std::function<void()>& handler);

  // Opens `file` through OpenClick with the dialog answering it and `filterIndex`.
  void openViaDialog(const QString& file, int filterIndex = 1);

  FakeMediaBackend* backend = nullptr;
  ScriptedFileDialog* dialog = nullptr;
  RecordingUrlOpener* urls = nullptr;
  FakeWaveOut* wave = nullptr;
  RecordingErrorBox* errors = nullptr;
  std::unique_ptr<TMainFenster> window;
};
