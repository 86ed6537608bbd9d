#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <QtGlobal>
#include <optional>

class VideoSurface;

// The answer of a status query: the result code and, when it is 0, the value.
struct MediaQuery {
  int result = 0;
  qint32 value = 0;
};

// What `MediaDevice` drives: one media engine that holds at most one file at a time. Every call
// returns a result code, 0 for success; `errorText` turns a code into the German text shown to the
// user. All calls complete before they return, except `play`, which returns while the media plays.
// Positions and lengths are milliseconds. UI thread only.
class MediaBackend {
 public:
  static constexpr int kResultOk = 0;
  // Codes every backend shares; a backend's own codes are larger.
  static constexpr int kResultNoDevice = 1;  // a query or setting with no file open
  static constexpr int kResultUnsupportedTimeFormat = 2;
  static constexpr int kResultNoVideo = 3;  // a picture setting for media without video

  static constexpr int kTimeFormatMilliseconds = 0;
  static constexpr int kTimeFormatHms = 1;

  virtual ~MediaBackend() = default;

  // Opens `fileName` (a local file name, never a URL) and leaves it halted at its start. Waits
  // for the file to load or fail, within a bound. Forgets the previous video target.
  virtual int open(const QString& fileName) = 0;
  // Unloads the open file; its picture is removed from the video target.
  virtual int close() = 0;
  // Starts playing, first moving to `from` when given; returns at once.
  virtual int play(std::optional<qint32> from) = 0;
  virtual int pause() = 0;
  // Halts where the media is.
  virtual int stop() = 0;
  // Moves to `ms` and leaves the media halted there.
  virtual int seek(qint32 ms) = 0;
  virtual int seekToStart() = 0;
  virtual MediaQuery position() = 0;
  virtual MediaQuery length() = 0;
  // kTimeFormatMilliseconds or kTimeFormatHms; a refused unit leaves the current one in force.
  virtual int setTimeFormat(int format) = 0;

  // What the last successful `open` learned.
  virtual bool hasVideo() const = 0;
  virtual QSize pictureSize() const = 0;

  // Where the picture goes: the surface, and the rectangle on it (x, y, width, height). Until a
  // rectangle is set the picture has its own size at (0, 0).
  virtual int setVideoSurface(VideoSurface* surface) = 0;
  virtual int setVideoRect(const QRect& rect) = 0;

  // The German text for a result code; kUnknownErrorText (or an empty text, which the device
  // shows as kUnknownErrorText) when no text fits.
  virtual QString errorText(int code) const = 0;
};

// The text of a result code that no backend text fits.
inline constexpr const char* kUnknownErrorText = "Unbekannter Fehler-Code";
