#pragma once

#include <QImage>
#include <QProcess>
#include <QString>

// A private X server (Xvfb) for tests that start the real program in a real window. It picks a
// display number that no other server holds, and stops the server when destroyed.
class XvfbServer {
 public:
  XvfbServer(int width = 1280, int height = 1024);
  ~XvfbServer();

  bool running() const { return running_; }
  QString display() const { return QStringLiteral(":%1").arg(number_); }
  // The server's process id (to measure its CPU).
  qint64 processId() const { return server_.processId(); }
  // The whole screen as an image (ImageMagick's `import`); a null image when that fails.
  QImage screenshot() const;

 private:
  QProcess server_;
  int number_ = -1;
  bool running_ = false;
};
