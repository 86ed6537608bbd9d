#pragma once

#include <QImage>
#include <QObject>
#include <QRect>
#include <QSize>
#include <QString>
#include <atomic>
#include <optional>

#include "playback/media_backend.h"
#include "playback/mpv_handle.h"

// The real media backend: one libmpv instance for the backend's whole life (closing a file only
// unloads it). It plays local files only: a name is always taken as a path, never as a URL or a
// protocol, and references inside files (playlists, directories, linked files) are not followed.
//
// Threading: every method runs on the UI thread that created the backend. libmpv's wakeup and
// render-update callbacks run on libmpv's threads and do nothing but post a queued call back to
// the UI thread, where events are drained and frames rendered.
//
// Video is drawn with libmpv's software renderer into a QImage of the target rectangle's size,
// which is handed to the current VideoSurface each time libmpv has a new frame.
//
// Audio goes to the output named by the environment variable QUORVI_AUDIO_OUTPUT (e.g. "null"
// for tests and headless runs); unset, libmpv chooses.
class MpvBackend : public MediaBackend {
 public:
  // The backend's own result codes (besides MediaBackend's shared ones). libmpv's errors map to
  // kMpvErrorBase - mpv_error (libmpv's codes are negative).
  static constexpr int kErrorEngine = 100;  // libmpv could not be started
  static constexpr int kErrorNoFileName = 101;
  static constexpr int kErrorFileNotFound = 102;
  static constexpr int kErrorIsDirectory = 103;
  static constexpr int kErrorNotAFile = 104;   // a device, pipe or socket
  static constexpr int kErrorTimeout = 105;    // the file did not load within kOpenTimeoutMs
  static constexpr int kErrorReference = 106;  // the file only refers to other media
  static constexpr int kMpvErrorBase = 1000;

  static constexpr int kOpenTimeoutMs = 10000;
  static constexpr int kCommandTimeoutMs = 5000;

  MpvBackend();
  ~MpvBackend() override;
  MpvBackend(const MpvBackend&) = delete;
  MpvBackend& operator=(const MpvBackend&) = delete;

  int open(const QString& fileName) override;
  int close() override;
  int play(std::optional<qint32> from) override;
  int pause() override;
  int stop() override;
  int seek(qint32 ms) override;
  int seekToStart() override;
  MediaQuery position() override;
  MediaQuery length() override;
  int setTimeFormat(int format) override;
  bool hasVideo() const override { return hasVideo_; }
  QSize pictureSize() const override { return pictureSize_; }
  int setVideoSurface(VideoSurface* surface) override;
  int setVideoRect(const QRect& rect) override;
  QString errorText(int code) const override;

  // The engine's output level in per cent (0..100, linear). It applies to what plays now and to
  // every file opened later. Returns false when libmpv refuses the value.
  bool setOutputVolume(double percent);
  double outputVolume() const;

  // True when libmpv started; otherwise every operation fails with kErrorEngine.
  bool isValid() const { return handle_ != nullptr; }

 private:
  static void onWakeup(void* self);
  static void onRenderUpdate(void* self);

  void drainEvents();
  // Takes every event libmpv has queued for this client, without waiting.
  void pumpEvents();
  void handleEvent(const mpv_event& event);
  void handlePropertyChange(quint64 id, const mpv_event_property& property);
  // Handles libmpv's events until `done` holds or `timeoutMs` passed; false on timeout.
  template <typename Done>
  bool waitUntil(Done done, int timeoutMs);

  int setPaused(bool paused);
  int seekTo(qint32 ms);
  int halt();
  // Reads the clock and the end flag from libmpv itself. Commands use it; queries do not, since
  // every synchronous read stops libmpv's core thread.
  void refreshClock();
  // The position by the last clock value libmpv reported, rounded and clamped to the length.
  MediaQuery clockPosition();
  int unload();
  void learnVideo();
  QRect targetRect() const;
  void renderFrame();
  void clearSurface();

  // Declared in this order so the render context is freed before the core and `context_` (the
  // receiver of the queued calls) goes last.
  QObject context_;
  MpvHandle handle_;
  MpvRenderContext render_;

  std::atomic<bool> drainQueued_{false};
  std::atomic<bool> renderQueued_{false};

  // What the drained events told; the waits look at these.
  bool fileLoaded_ = false;
  bool idle_ = true;
  quint64 restarts_ = 0;
  quint64 endFiles_ = 0;
  int endFileResult_ = kResultOk;
  QString expectedPath_;  // the one file libmpv may load

  // Observed properties: libmpv sends their changes as events, so a query reads these instead
  // of waking libmpv's core thread.
  std::optional<double> timePos_;  // seconds; empty while libmpv has no position
  bool eofReached_ = false;
  std::optional<double> duration_;  // seconds

  bool loaded_ = false;
  // Where the media stands while it is halted by a command (libmpv's own clock is not exact then).
  std::optional<qint32> haltedAt_;
  // Where the last play resumed. After a halted seek libmpv's clock lags the target by the audio
  // output's buffer and stays behind it for the first moments of playing: until the clock has
  // passed this place, the media is here.
  std::optional<qint32> resumedAt_;
  std::optional<qint32> length_;  // asked once per file
  bool hasVideo_ = false;
  QSize pictureSize_;
  VideoSurface* surface_ = nullptr;
  std::optional<QRect> rect_;
};
