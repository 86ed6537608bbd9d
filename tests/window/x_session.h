#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QLibrary>
#include <QProcess>
#include <QRect>
#include <QStringList>
#include <QThread>
#include <memory>

#include "tests/support/xvfb_server.h"

struct xcb_connection_t;

// Reads pixels of a private X server directly (XGetImage over libxcb, loaded at run time so the
// test binary needs no link to it). A read takes milliseconds, where a screenshot through an
// external program takes half a second; the splash fade lasts about one.
class XScreenReader {
 public:
  explicit XScreenReader(const QString& display);
  ~XScreenReader();
  XScreenReader(const XScreenReader&) = delete;
  XScreenReader& operator=(const XScreenReader&) = delete;

  bool connected() const { return connection_ != nullptr; }
  // The pixels of `area` (screen coordinates) as RGB32; a null image when the read fails.
  QImage read(const QRect& area) const;

 private:
  struct Api;  // the libxcb entry points
  QLibrary xcb_;
  std::unique_ptr<Api> api_;
  xcb_connection_t* connection_ = nullptr;
  quint32 root_ = 0;
};

// The built program on a private X server, with libmpv's null audio output, and the pointer of
// that server driven by xdotool.
class QuorviSession {
 public:
  explicit QuorviSession(const XvfbServer& x, const QStringList& arguments);
  ~QuorviSession();

  QProcess process;
  XScreenReader screen;

  // Runs xdotool with `arguments` on the session's display; true when it succeeded.
  bool xdotool(const QStringList& arguments);
  // A left click at a screen point; the pointer then rests at `restAt`, off the buttons, so no
  // hover picture stays on the clicked control. Clicks are spaced well beyond the double-click
  // interval, so each one is a click of its own.
  bool clickAt(QPoint p, QPoint restAt = QPoint(5, 5));

 private:
  QString display_;
  QElapsedTimer lastClick_;
};

// Polls `read()` until `ready(image)` holds or `timeoutMs` passes; returns the last image read.
// The deadline is generous: the machine may be busy; the poll ends as soon as the state shows.
template <typename Read, typename Ready>
QImage pollScreen(int timeoutMs, Read read, Ready ready, int intervalMs = 15) {
  QElapsedTimer clock;
  clock.start();
  QImage image;
  do {
    image = read();
    if (!image.isNull() && ready(image)) {
      return image;
    }
    QThread::msleep(static_cast<unsigned long>(intervalMs));
  } while (clock.elapsed() < timeoutMs);
  return image;
}

// Colour tests on screen pixels.
inline bool isRootBlack(QRgb c) {
  return (c & RGB_MASK) == 0u;
}
inline bool isLime(QRgb c) {
  return qGreen(c) > 200 && qRed(c) < 90 && qBlue(c) < 90;
}
