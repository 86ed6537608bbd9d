#include "bench/support/bare_player.h"

#include <mpv/client.h>

#include <QByteArray>
#include <QElapsedTimer>
#include <QtGlobal>
#include <clocale>

int playBare(const char* file, int seconds) {
  std::setlocale(LC_NUMERIC, "C");
  mpv_handle* mpv = mpv_create();
  if (mpv == nullptr) {
    return 1;
  }
  const QByteArray audioOutput = qEnvironmentVariableIsEmpty("QUORVI_AUDIO_OUTPUT")
                                     ? QByteArray("null")
                                     : qgetenv("QUORVI_AUDIO_OUTPUT");
  mpv_set_option_string(mpv, "config", "no");
  mpv_set_option_string(mpv, "terminal", "no");
  mpv_set_option_string(mpv, "vo", "null");
  mpv_set_option_string(mpv, "ao", audioOutput.constData());
  if (mpv_initialize(mpv) < 0) {
    mpv_terminate_destroy(mpv);
    return 1;
  }
  const char* command[] = {"loadfile", file, nullptr};
  mpv_command(mpv, command);
  QElapsedTimer clock;
  clock.start();
  int result = seconds > 0 ? 0 : 1;
  while (seconds <= 0 || clock.elapsed() < seconds * 1000LL) {
    const mpv_event* event = mpv_wait_event(mpv, 0.5);
    if (event->event_id == MPV_EVENT_END_FILE) {
      const auto* end = static_cast<const mpv_event_end_file*>(event->data);
      result = end->reason == MPV_END_FILE_REASON_EOF ? 0 : 1;
      break;
    }
    if (event->event_id == MPV_EVENT_SHUTDOWN) {
      break;
    }
  }
  mpv_terminate_destroy(mpv);
  return result;
}
