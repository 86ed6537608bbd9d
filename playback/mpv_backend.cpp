#include "playback/mpv_backend.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QMetaObject>
#include <QtDebug>
#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <limits>
#include <utility>

#include "playback/media_device_error.h"
#include "playback/video_surface.h"

namespace {

constexpr quint64 kOnLoadHook = 1;
// Reply ids of the observed properties.
constexpr quint64 kObserveTimePos = 1;
constexpr quint64 kObserveEofReached = 2;
constexpr quint64 kObserveDuration = 3;
constexpr int kCloseTimeoutMs = 2000;
// libmpv's software renderer wants rows and the buffer aligned for SIMD.
constexpr qsizetype kRenderAlignment = 64;
// Pictures larger than this per side are not rendered (a bogus rectangle must not allocate GBs).
constexpr int kMaxRenderSide = 8192;

// Options of the one libmpv instance. Everything that could load other files than the one
// named, read user configuration, take keyboard input or open a window of its own is off.
struct Option {
  const char* name;
  const char* value;
};
constexpr Option kOptions[] = {
    {"config", "no"},
    {"load-scripts", "no"},
    {"ytdl", "no"},
    {"osc", "no"},
    {"load-stats-overlay", "no"},
    {"load-osd-console", "no"},
    {"load-auto-profiles", "no"},
    {"input-default-bindings", "no"},
    {"input-vo-keyboard", "no"},
    {"input-terminal", "no"},
    {"terminal", "no"},
    {"resume-playback", "no"},
    {"save-position-on-quit", "no"},
    {"keep-open", "yes"},
    {"idle", "yes"},
    {"pause", "yes"},
    {"vo", "libmpv"},
    {"hwdec", "no"},
    {"osd-level", "0"},
    {"audio-display", "no"},  // cover art is not video
    {"sid", "no"},
    // No playlist, directory, EDL or reference is followed, and nothing else is loaded beside
    // the file: a name never leads anywhere else, least of all onto the network.
    {"access-references", "no"},
    {"load-unsafe-playlists", "no"},
    {"sub-auto", "no"},
    {"audio-file-auto", "no"},
    {"cover-art-auto", "no"},
    {"demuxer-lavf-o", "protocol_whitelist=file"},
};

qint32 toMilliseconds(double seconds) {
  const double ms = std::round(seconds * 1000.0);
  return static_cast<qint32>(std::clamp(ms, 0.0, double(std::numeric_limits<qint32>::max())));
}

int fromMpvError(int error) {
  return error < 0 ? MpvBackend::kMpvErrorBase - error : MediaBackend::kResultOk;
}

}  // namespace

MpvBackend::MpvBackend() {
  // libmpv refuses to start unless numbers are formatted the C way; Qt sets the user's locale.
  if (std::strcmp(std::setlocale(LC_NUMERIC, nullptr), "C") != 0) {
    qWarning("MpvBackend: LC_NUMERIC was not \"C\"; setting it");
    std::setlocale(LC_NUMERIC, "C");
  }
  MpvHandle handle(mpv_create());
  if (!handle) {
    qWarning("MpvBackend: libmpv could not be created");
    return;
  }
  for (const Option& option : kOptions) {
    if (mpv_set_option_string(handle.get(), option.name, option.value) < 0) {
      qWarning("MpvBackend: libmpv refused the option %s=%s", option.name, option.value);
    }
  }
  const QByteArray audioOutput = qgetenv("QUORVI_AUDIO_OUTPUT");
  if (!audioOutput.isEmpty()) {
    mpv_set_option_string(handle.get(), "ao", audioOutput.constData());
  }
  if (mpv_initialize(handle.get()) < 0) {
    qWarning("MpvBackend: libmpv could not be initialised");
    return;
  }
  mpv_render_param params[] = {
      {MPV_RENDER_PARAM_API_TYPE, const_cast<char*>(MPV_RENDER_API_TYPE_SW)},
      {MPV_RENDER_PARAM_INVALID, nullptr},
  };
  mpv_render_context* render = nullptr;
  if (mpv_render_context_create(&render, handle.get(), params) < 0) {
    qWarning("MpvBackend: the software renderer could not be created; video will not show");
  }
  render_.reset(render);
  handle_ = std::move(handle);
  // The render context must be declared after the core; reset order is handled in ~MpvBackend.
  mpv_hook_add(handle_.get(), kOnLoadHook, "on_load", 0);
  // The position timer asks for the position several times every 10 ms. A synchronous property
  // read locks libmpv's core, which wakes its thread and waits for it: hundreds of thread
  // switches a second. Observed, a value is fetched once per change and arrives as an event.
  mpv_observe_property(handle_.get(), kObserveTimePos, "time-pos", MPV_FORMAT_DOUBLE);
  mpv_observe_property(handle_.get(), kObserveEofReached, "eof-reached", MPV_FORMAT_FLAG);
  mpv_observe_property(handle_.get(), kObserveDuration, "duration", MPV_FORMAT_DOUBLE);
  mpv_set_wakeup_callback(handle_.get(), &MpvBackend::onWakeup, this);
  if (render_) {
    mpv_render_context_set_update_callback(render_.get(), &MpvBackend::onRenderUpdate, this);
  }
}

MpvBackend::~MpvBackend() {
  if (!handle_) {
    return;
  }
  mpv_set_wakeup_callback(handle_.get(), nullptr, nullptr);
  if (render_) {
    mpv_render_context_set_update_callback(render_.get(), nullptr, nullptr);
  }
  clearSurface();
  render_.reset();
  handle_.reset();
}

// --- callbacks from libmpv's threads: only post to the UI thread ---

void MpvBackend::onWakeup(void* self) {
  auto* backend = static_cast<MpvBackend*>(self);
  if (!backend->drainQueued_.exchange(true)) {
    QMetaObject::invokeMethod(
        &backend->context_, [backend] { backend->drainEvents(); }, Qt::QueuedConnection);
  }
}

void MpvBackend::onRenderUpdate(void* self) {
  auto* backend = static_cast<MpvBackend*>(self);
  if (!backend->renderQueued_.exchange(true)) {
    QMetaObject::invokeMethod(
        &backend->context_,
        [backend] {
          backend->renderQueued_ = false;
          if (backend->render_ &&
              (mpv_render_context_update(backend->render_.get()) & MPV_RENDER_UPDATE_FRAME) != 0) {
            backend->renderFrame();
          }
        },
        Qt::QueuedConnection);
  }
}

// --- events ---

void MpvBackend::drainEvents() {
  drainQueued_ = false;
  pumpEvents();
}

// mpv_wait_event with a zero timeout only looks at this client's queue (and, for an observed
// property marked changed, asks the core once for its new value, which arrives as a later
// event); the call that finds the queue empty sleeps briefly in a timed wait, so it is not free.
void MpvBackend::pumpEvents() {
  while (true) {
    const mpv_event* event = mpv_wait_event(handle_.get(), 0);
    if (event->event_id == MPV_EVENT_NONE) {
      return;
    }
    handleEvent(*event);
  }
}

void MpvBackend::handleEvent(const mpv_event& event) {
  switch (event.event_id) {
    case MPV_EVENT_HOOK: {
      // Every file libmpv is about to load passes here: only the file that was opened may load.
      const auto* hook = static_cast<const mpv_event_hook*>(event.data);
      const MpvString target(mpv_get_property_string(handle_.get(), "stream-open-filename"));
      if (target == nullptr || expectedPath_.isEmpty() || QString::fromUtf8(target.get()) != expectedPath_) {
        mpv_set_property_string(handle_.get(), "stream-open-filename", "");
      }
      mpv_hook_continue(handle_.get(), hook->id);
      break;
    }
    case MPV_EVENT_START_FILE:
      idle_ = false;
      break;
    case MPV_EVENT_FILE_LOADED:
      fileLoaded_ = true;
      break;
    case MPV_EVENT_PLAYBACK_RESTART:
      ++restarts_;
      break;
    case MPV_EVENT_END_FILE: {
      const auto* end = static_cast<const mpv_event_end_file*>(event.data);
      ++endFiles_;
      fileLoaded_ = false;
      if (end->reason == MPV_END_FILE_REASON_ERROR) {
        endFileResult_ = end->error < 0 ? fromMpvError(end->error) : fromMpvError(MPV_ERROR_LOADING_FAILED);
      } else if (end->reason == MPV_END_FILE_REASON_REDIRECT) {
        endFileResult_ = kErrorReference;
      } else {
        endFileResult_ = kResultOk;
      }
      break;
    }
    case MPV_EVENT_IDLE:
      idle_ = true;
      break;
    case MPV_EVENT_PROPERTY_CHANGE:
      handlePropertyChange(event.reply_userdata, *static_cast<const mpv_event_property*>(event.data));
      break;
    default:
      break;
  }
}

void MpvBackend::handlePropertyChange(quint64 id, const mpv_event_property& property) {
  // A property without a value (no file, or not known yet) comes with MPV_FORMAT_NONE.
  const bool isDouble = property.format == MPV_FORMAT_DOUBLE && property.data != nullptr;
  const bool isFlag = property.format == MPV_FORMAT_FLAG && property.data != nullptr;
  switch (id) {
    case kObserveTimePos:
      timePos_ = isDouble ? std::optional(*static_cast<const double*>(property.data)) : std::nullopt;
      break;
    case kObserveEofReached:
      eofReached_ = isFlag && *static_cast<const int*>(property.data) != 0;
      break;
    case kObserveDuration:
      duration_ = isDouble ? std::optional(*static_cast<const double*>(property.data)) : std::nullopt;
      break;
    default:
      break;
  }
}

template <typename Done>
bool MpvBackend::waitUntil(Done done, int timeoutMs) {
  const QDeadlineTimer deadline(timeoutMs);
  while (!done()) {
    const qint64 remaining = deadline.remainingTime();
    if (remaining <= 0) {
      return false;
    }
    handleEvent(*mpv_wait_event(handle_.get(), double(remaining) / 1000.0));
  }
  return true;
}

// --- commands ---

int MpvBackend::open(const QString& fileName) {
  if (!handle_) {
    return kErrorEngine;
  }
  unload();
  if (fileName.isEmpty()) {
    return kErrorNoFileName;
  }
  // An absolute path is never read as a URL, a protocol or an option: "http://x" is the file
  // "x" in the folder "http:", "-x" a file named "-x".
  const QString path = QFileInfo(fileName).absoluteFilePath();
  std::error_code error;
  const auto status = std::filesystem::status(path.toStdString(), error);
  if (status.type() == std::filesystem::file_type::not_found || error) {
    return kErrorFileNotFound;
  }
  if (status.type() == std::filesystem::file_type::directory) {
    return kErrorIsDirectory;
  }
  if (status.type() != std::filesystem::file_type::regular) {
    return kErrorNotAFile;  // reading a pipe or a device could block forever
  }

  expectedPath_ = path;
  setPaused(true);
  const quint64 endsBefore = endFiles_;
  const quint64 restartsBefore = restarts_;
  const QByteArray encoded = path.toUtf8();
  const char* command[] = {"loadfile", encoded.constData(), "replace", nullptr};
  const int loadResult = mpv_command(handle_.get(), command);
  if (loadResult < 0) {
    expectedPath_.clear();
    return fromMpvError(loadResult);
  }
  // Loaded means: the file is open and halted at its start with its position known.
  const bool settled =
      waitUntil([&] { return endFiles_ != endsBefore || (fileLoaded_ && restarts_ != restartsBefore); },
                kOpenTimeoutMs);
  if (!settled || endFiles_ != endsBefore) {
    const int result =
        settled ? (endFileResult_ != kResultOk ? endFileResult_ : fromMpvError(MPV_ERROR_LOADING_FAILED))
                : kErrorTimeout;
    loaded_ = true;  // whatever libmpv holds now (a playlist's next entry, a slow file) goes
    unload();
    return result;
  }
  loaded_ = true;
  haltedAt_ = 0;
  resumedAt_.reset();
  length_.reset();
  surface_ = nullptr;
  rect_.reset();
  refreshClock();
  // Read once here: an observed duration may still be the previous file's until its event comes.
  double seconds = 0;
  if (mpv_get_property(handle_.get(), "duration", MPV_FORMAT_DOUBLE, &seconds) >= 0) {
    length_ = toMilliseconds(seconds);
  }
  learnVideo();
  return kResultOk;
}

void MpvBackend::learnVideo() {
  hasVideo_ = false;
  pictureSize_ = QSize();
  int64_t trackId = 0;
  if (!render_ ||
      mpv_get_property(handle_.get(), "current-tracks/video/id", MPV_FORMAT_INT64, &trackId) < 0) {
    return;
  }
  hasVideo_ = true;
  int64_t width = 0;
  int64_t height = 0;
  if (mpv_get_property(handle_.get(), "video-params/dw", MPV_FORMAT_INT64, &width) < 0 ||
      mpv_get_property(handle_.get(), "video-params/dh", MPV_FORMAT_INT64, &height) < 0) {
    mpv_get_property(handle_.get(), "current-tracks/video/demux-w", MPV_FORMAT_INT64, &width);
    mpv_get_property(handle_.get(), "current-tracks/video/demux-h", MPV_FORMAT_INT64, &height);
  }
  pictureSize_ = QSize(int(width), int(height));
}

int MpvBackend::unload() {
  clearSurface();
  surface_ = nullptr;
  rect_.reset();
  hasVideo_ = false;
  pictureSize_ = QSize();
  if (!loaded_) {
    return kResultOk;
  }
  loaded_ = false;
  haltedAt_.reset();
  resumedAt_.reset();
  length_.reset();
  expectedPath_.clear();
  const char* command[] = {"stop", nullptr};
  const int result = mpv_command(handle_.get(), command);
  // Wait for the file to be gone, so its last events do not reach the next open.
  waitUntil([this] { return idle_; }, kCloseTimeoutMs);
  fileLoaded_ = false;
  timePos_.reset();
  eofReached_ = false;
  duration_.reset();
  return fromMpvError(result);
}

int MpvBackend::close() {
  if (!handle_) {
    return kErrorEngine;
  }
  return unload();
}

int MpvBackend::setPaused(bool paused) {
  int flag = paused ? 1 : 0;
  return fromMpvError(mpv_set_property(handle_.get(), "pause", MPV_FORMAT_FLAG, &flag));
}

int MpvBackend::seekTo(qint32 ms) {
  const int paused = setPaused(true);
  if (paused != kResultOk) {
    return paused;
  }
  const quint64 restartsBefore = restarts_;
  const QByteArray target = QByteArray::number(ms / 1000.0, 'f', 3);
  const char* command[] = {"seek", target.constData(), "absolute+exact", nullptr};
  const int result = mpv_command(handle_.get(), command);
  if (result < 0) {
    return fromMpvError(result);
  }
  // The seek is carried out on libmpv's thread; the position is right once playback restarted.
  if (!waitUntil([&] { return restarts_ != restartsBefore || !fileLoaded_; }, kCommandTimeoutMs)) {
    return kErrorTimeout;
  }
  refreshClock();
  // Halted after a seek, libmpv's clock can lag the target by the audio output's buffer until
  // playing resumes; the target is where the media stands.
  const MediaQuery end = length();
  haltedAt_ = end.result == kResultOk ? std::min(ms, end.value) : ms;
  resumedAt_.reset();
  return kResultOk;
}

int MpvBackend::halt() {
  if (!loaded_) {
    return kResultNoDevice;
  }
  const int result = setPaused(true);
  if (result == kResultOk && !haltedAt_) {
    refreshClock();
    const MediaQuery where = clockPosition();
    if (where.result == kResultOk) {
      haltedAt_ = where.value;
    }
  }
  resumedAt_.reset();
  return result;
}

int MpvBackend::play(std::optional<qint32> from) {
  if (!loaded_) {
    return kResultNoDevice;
  }
  if (from) {
    const int sought = seekTo(std::max(*from, 0));
    if (sought != kResultOk) {
      return sought;
    }
  }
  const int result = setPaused(false);
  if (result == kResultOk) {
    resumedAt_ = std::exchange(haltedAt_, std::nullopt);
  }
  return result;
}

int MpvBackend::pause() {
  return halt();
}

int MpvBackend::stop() {
  return halt();
}

int MpvBackend::seek(qint32 ms) {
  return loaded_ ? seekTo(std::max(ms, 0)) : kResultNoDevice;
}

int MpvBackend::seekToStart() {
  return loaded_ ? seekTo(0) : kResultNoDevice;
}

MediaQuery MpvBackend::length() {
  if (!loaded_) {
    return {kResultNoDevice, 0};
  }
  // A file's length is fixed once it is loaded; the window asks for it on every tick.
  if (!length_) {
    if (duration_) {
      length_ = toMilliseconds(*duration_);
      return {kResultOk, *length_};
    }
    double seconds = 0;
    const int result = mpv_get_property(handle_.get(), "duration", MPV_FORMAT_DOUBLE, &seconds);
    if (result < 0) {
      return {fromMpvError(result), 0};
    }
    length_ = toMilliseconds(seconds);
  }
  return {kResultOk, *length_};
}

MediaQuery MpvBackend::position() {
  if (!loaded_) {
    return {kResultNoDevice, 0};
  }
  // The observed values are as fresh as the last drain of libmpv's events, which the wakeup
  // callback queues whenever libmpv has news. Draining here would not pay: with nothing queued,
  // mpv_wait_event(…, 0) still enters a timed wait on a condition variable, a futex sleep of
  // about 50 µs (the timer slack) on every call.
  // At the end the position is the length exactly: the last frame's time may fall short of it.
  if (eofReached_) {
    return length();
  }
  if (haltedAt_) {
    return {kResultOk, *haltedAt_};
  }
  return clockPosition();
}

void MpvBackend::refreshClock() {
  // Events still queued may carry values fetched before the command; take them first, so what
  // is read now is not overwritten by them.
  pumpEvents();
  double seconds = 0;
  if (mpv_get_property(handle_.get(), "time-pos", MPV_FORMAT_DOUBLE, &seconds) >= 0) {
    timePos_ = seconds;
  } else {
    timePos_.reset();
  }
  int atEnd = 0;
  mpv_get_property(handle_.get(), "eof-reached", MPV_FORMAT_FLAG, &atEnd);
  eofReached_ = atEnd != 0;
}

MediaQuery MpvBackend::clockPosition() {
  if (!timePos_) {
    return {fromMpvError(MPV_ERROR_PROPERTY_UNAVAILABLE), 0};
  }
  const MediaQuery end = length();
  const qint32 ms = toMilliseconds(*timePos_);
  const qint32 clamped = end.result == kResultOk ? std::min(ms, end.value) : ms;
  if (resumedAt_) {
    if (clamped < *resumedAt_) {
      return {kResultOk, *resumedAt_};
    }
    resumedAt_.reset();  // the clock has caught up; from now on it is right
  }
  return {kResultOk, clamped};
}

int MpvBackend::setTimeFormat(int format) {
  return format == kTimeFormatMilliseconds ? kResultOk : kResultUnsupportedTimeFormat;
}

// --- video ---

int MpvBackend::setVideoSurface(VideoSurface* surface) {
  if (!loaded_ || !hasVideo_) {
    return kResultNoVideo;
  }
  if (surface != surface_) {
    clearSurface();
    surface_ = surface;
  }
  renderFrame();
  return kResultOk;
}

int MpvBackend::setVideoRect(const QRect& rect) {
  if (!loaded_ || !hasVideo_) {
    return kResultNoVideo;
  }
  if (surface_ != nullptr && rect_ != rect) {
    surface_->clearVideoFrame();
  }
  rect_ = rect;
  renderFrame();
  return kResultOk;
}

QRect MpvBackend::targetRect() const {
  return rect_.value_or(QRect(QPoint(0, 0), pictureSize_));
}

void MpvBackend::clearSurface() {
  if (surface_ != nullptr) {
    surface_->clearVideoFrame();
  }
}

void MpvBackend::renderFrame() {
  if (!render_ || !loaded_) {
    return;
  }
  const QRect target = targetRect();
  const bool drawable = surface_ != nullptr && hasVideo_ && target.width() > 0 && target.height() > 0 &&
                        target.width() <= kMaxRenderSide && target.height() <= kMaxRenderSide;
  int noWait = 0;
  if (!drawable) {
    // libmpv waits for each frame to be taken; with nowhere to show it, take it unseen.
    int skip = 1;
    mpv_render_param params[] = {
        {MPV_RENDER_PARAM_SKIP_RENDERING, &skip},
        {MPV_RENDER_PARAM_BLOCK_FOR_TARGET_TIME, &noWait},
        {MPV_RENDER_PARAM_INVALID, nullptr},
    };
    mpv_render_context_render(render_.get(), params);
    return;
  }
  int size[2] = {target.width(), target.height()};
  const qsizetype stride =
      (qsizetype(target.width()) * 4 + kRenderAlignment - 1) / kRenderAlignment * kRenderAlignment;
  const qsizetype bytes = stride * target.height();
  auto* pixels = static_cast<uchar*>(std::aligned_alloc(kRenderAlignment, size_t(bytes)));
  if (pixels == nullptr) {
    return;
  }
  size_t strideParam = size_t(stride);
  // "bgr0" is QImage::Format_RGB32's byte order on little-endian machines.
  static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "the pixel format below assumes little-endian");
  char format[] = "bgr0";
  mpv_render_param params[] = {
      {MPV_RENDER_PARAM_SW_SIZE, size},
      {MPV_RENDER_PARAM_SW_FORMAT, format},
      {MPV_RENDER_PARAM_SW_STRIDE, &strideParam},
      {MPV_RENDER_PARAM_SW_POINTER, pixels},
      {MPV_RENDER_PARAM_BLOCK_FOR_TARGET_TIME, &noWait},
      {MPV_RENDER_PARAM_INVALID, nullptr},
  };
  if (mpv_render_context_render(render_.get(), params) < 0) {
    std::free(pixels);
    return;
  }
  // The fourth byte is left undefined by libmpv; Format_RGB32 wants it opaque.
  for (int y = 0; y < target.height(); ++y) {
    auto* row = reinterpret_cast<quint32*>(pixels + y * stride);
    for (int x = 0; x < target.width(); ++x) {
      row[x] |= 0xFF000000u;
    }
  }
  const QImage frame(pixels, target.width(), target.height(), stride, QImage::Format_RGB32, &std::free,
                     pixels);
  surface_->showVideoFrame(frame, target);
}

// --- volume ---

bool MpvBackend::setOutputVolume(double percent) {
  if (!handle_) {
    return false;
  }
  double volume = std::clamp(percent, 0.0, 100.0);
  return mpv_set_property(handle_.get(), "volume", MPV_FORMAT_DOUBLE, &volume) >= 0;
}

double MpvBackend::outputVolume() const {
  double volume = 0;
  if (!handle_ || mpv_get_property(handle_.get(), "volume", MPV_FORMAT_DOUBLE, &volume) < 0) {
    return 0;
  }
  return volume;
}

// --- texts ---

QString MpvBackend::errorText(int code) const {
  struct Text {
    int code;
    const char* text;
  };
  static constexpr Text kTexts[] = {
      {kResultNoDevice, kNoDeviceOpenText},
      {kResultUnsupportedTimeFormat, "Das Zeitformat wird nicht unterstützt."},
      {kResultNoVideo, "Die Mediendatei enthält kein Bild."},
      {kErrorEngine, "Die Wiedergabe-Bibliothek konnte nicht gestartet werden."},
      {kErrorNoFileName, "Es wurde kein Dateiname angegeben."},
      {kErrorFileNotFound, "Die angegebene Datei wurde nicht gefunden. Pfad und Dateinamen überprüfen."},
      {kErrorIsDirectory, "Der angegebene Name bezeichnet ein Verzeichnis, keine Datei."},
      {kErrorNotAFile, "Der angegebene Name bezeichnet keine gewöhnliche Datei."},
      {kErrorTimeout, "Die Datei konnte nicht rechtzeitig geladen werden."},
      {kErrorReference,
       "Die Datei verweist nur auf andere Medien; Wiedergabelisten werden nicht unterstützt."},
      {kMpvErrorBase - MPV_ERROR_NOMEM, "Nicht genügend Arbeitsspeicher."},
      {kMpvErrorBase - MPV_ERROR_INVALID_PARAMETER, "Ungültiger Parameter."},
      {kMpvErrorBase - MPV_ERROR_PROPERTY_UNAVAILABLE, "Der Wert ist zurzeit nicht verfügbar."},
      {kMpvErrorBase - MPV_ERROR_COMMAND, "Der Befehl konnte nicht ausgeführt werden."},
      {kMpvErrorBase - MPV_ERROR_LOADING_FAILED, "Die Datei konnte nicht geladen werden."},
      {kMpvErrorBase - MPV_ERROR_AO_INIT_FAILED, "Die Audioausgabe konnte nicht gestartet werden."},
      {kMpvErrorBase - MPV_ERROR_VO_INIT_FAILED, "Die Videoausgabe konnte nicht gestartet werden."},
      {kMpvErrorBase - MPV_ERROR_NOTHING_TO_PLAY, "Die Datei enthält weder Audio- noch Videodaten."},
      {kMpvErrorBase - MPV_ERROR_UNKNOWN_FORMAT, "Das Dateiformat wurde nicht erkannt."},
      {kMpvErrorBase - MPV_ERROR_UNSUPPORTED, "Die Datei wird nicht unterstützt."},
  };
  for (const Text& text : kTexts) {
    if (text.code == code) {
      return QString::fromUtf8(text.text);
    }
  }
  return QString::fromUtf8(kUnknownErrorText);
}
