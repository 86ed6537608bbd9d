#include "playback/media_device.h"

#include <utility>

#include "playback/media_device_error.h"

MediaDevice::MediaDevice(std::unique_ptr<MediaBackend> backend) : backend_(std::move(backend)) {}

MediaDevice::~MediaDevice() {
  close();
}

void MediaDevice::checkOpen() const {
  if (!open_) {
    throw MediaDeviceError(QString::fromUtf8(kNoDeviceOpenText));
  }
}

void MediaDevice::open() {
  close();
  const int result = backend_->open(fileName_);
  lastError_ = result;
  if (result != MediaBackend::kResultOk) {
    QString text = backend_->errorText(result);
    if (text.isEmpty()) {
      text = QString::fromUtf8(kUnknownErrorText);
    }
    throw MediaDeviceError(text);
  }
  open_ = true;
  hasVideo_ = backend_->hasVideo();
  pictureSize_ = hasVideo_ ? backend_->pictureSize() : QSize();
  if (hasVideo_) {
    applyDisplay();
  }
}

void MediaDevice::close() {
  if (!open_) {
    return;
  }
  lastError_ = backend_->close();
  if (lastError_ == MediaBackend::kResultOk) {
    open_ = false;
    hasVideo_ = false;
    pictureSize_ = QSize();
  }
}

void MediaDevice::play() {
  checkOpen();
  if (!pendingFrom_) {
    // At the end of the media a play would end at once: start again from the beginning.
    const MediaQuery where = backend_->position();
    const MediaQuery end = backend_->length();
    if (where.result == MediaBackend::kResultOk && end.result == MediaBackend::kResultOk &&
        where.value == end.value) {
      backend_->seekToStart();  // its result is deliberately not kept
    }
  }
  // The start position is spent as the command is built, whatever the backend answers.
  const std::optional<qint32> from = std::exchange(pendingFrom_, std::nullopt);
  lastError_ = backend_->play(from);
}

void MediaDevice::pause() {
  checkOpen();
  lastError_ = backend_->pause();
}

void MediaDevice::stop() {
  checkOpen();
  lastError_ = backend_->stop();
}

qint32 MediaDevice::position() {
  if (!open_) {
    lastError_ = MediaBackend::kResultNoDevice;
    return 0;
  }
  const MediaQuery where = backend_->position();
  lastError_ = where.result;
  return where.result == MediaBackend::kResultOk ? where.value : 0;
}

void MediaDevice::setPosition(qint32 position) {
  checkOpen();
  lastError_ = backend_->seek(position);
}

qint32 MediaDevice::length() {
  checkOpen();
  const MediaQuery end = backend_->length();
  lastError_ = end.result;
  return end.result == MediaBackend::kResultOk ? end.value : 0;
}

void MediaDevice::setFromPosition(qint32 position) {
  pendingFrom_ = position;
}

void MediaDevice::setTimeFormat(int format) {
  if (!open_) {
    lastError_ = MediaBackend::kResultNoDevice;
    return;
  }
  lastError_ = backend_->setTimeFormat(format);
}

void MediaDevice::setDisplayRect(const QRect& rect) {
  if (!open_ || !hasVideo_) {
    return;
  }
  QRect target = rect;
  if (rect.width() == 0 && rect.height() == 0) {
    target.setSize(pictureSize_);
  }
  lastError_ = backend_->setVideoRect(target);
}

void MediaDevice::setDisplay(VideoSurface* surface) {
  display_ = surface;
  if (surface != nullptr && open_ && hasVideo_) {
    applyDisplay();
  }
}

void MediaDevice::applyDisplay() {
  if (display_ == nullptr) {
    return;
  }
  lastError_ = backend_->setVideoSurface(display_);
  if (lastError_ != MediaBackend::kResultOk) {
    display_ = nullptr;
  }
}
