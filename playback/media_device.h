#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <QtGlobal>
#include <memory>
#include <optional>

#include "playback/media_backend.h"

class VideoSurface;

// The main window's media device (the hidden `Player` control's engine). It keeps the device
// rules over a `MediaBackend`:
// - operations that need an open file (play, pause, stop, seek, length) throw
//   MediaDeviceError(kNoDeviceOpenText) and do nothing else when none is open;
// - every other backend result is only kept as `lastError()`; only a failed `open` throws;
// - `open` closes the previous file first; a failed open leaves no file open;
// - a start position set by `setFromPosition` is used by exactly one `play`;
// - `play` at the end of the media rewinds first, unless a start position is pending.
// UI thread only.
class MediaDevice {
 public:
  explicit MediaDevice(std::unique_ptr<MediaBackend> backend);
  ~MediaDevice();
  MediaDevice(const MediaDevice&) = delete;
  MediaDevice& operator=(const MediaDevice&) = delete;

  QString fileName() const { return fileName_; }
  void setFileName(const QString& name) { fileName_ = name; }

  // Closes the open file if any, then opens `fileName()`. Throws MediaDeviceError with the
  // backend's text when the file cannot be opened. Keeps the pending start position and sets
  // no time unit.
  void open();
  // Nothing when no file is open; never throws.
  void close();

  // Returns at once while the media plays.
  void play();
  void pause();
  // Halts; the position stays where it is.
  void stop();

  // The position in the current unit; 0 when no file is open or the backend has no answer.
  // Never throws.
  qint32 position();
  // Seeks and leaves the device halted.
  void setPosition(qint32 position);
  qint32 length();

  // The start position of the next `play` (used once).
  void setFromPosition(qint32 position);
  // MediaBackend::kTimeFormatMilliseconds or kTimeFormatHms; a refusal is only kept.
  void setTimeFormat(int format);

  // Where the picture goes inside the display control, as x, y, width, height. With width and
  // height both 0 the picture keeps its own size at x, y. Only with a file with video open;
  // otherwise nothing happens at all.
  void setDisplayRect(const QRect& rect);
  // The control that shows the picture. With a file with video open the picture moves there at
  // once (a refusal empties the display); otherwise the control is kept for the next `open`.
  void setDisplay(VideoSurface* surface);
  VideoSurface* display() const { return display_; }

  int lastError() const { return lastError_; }
  bool isOpen() const { return open_; }
  bool hasVideo() const { return open_ && hasVideo_; }
  QSize pictureSize() const { return pictureSize_; }

 private:
  void checkOpen() const;
  void applyDisplay();

  std::unique_ptr<MediaBackend> backend_;
  QString fileName_;
  VideoSurface* display_ = nullptr;
  bool open_ = false;
  bool hasVideo_ = false;
  QSize pictureSize_;
  int lastError_ = MediaBackend::kResultOk;
  std::optional<qint32> pendingFrom_;
};
