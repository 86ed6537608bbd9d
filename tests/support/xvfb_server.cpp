#include "tests/support/xvfb_server.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QThread>

namespace {
constexpr int kFirstDisplay = 70;
constexpr int kLastDisplay = 199;
constexpr int kStartTimeoutMs = 10000;
}  // namespace

XvfbServer::XvfbServer(int width, int height) {
  for (int n = kFirstDisplay + static_cast<int>(QCoreApplication::applicationPid() % 40); n <= kLastDisplay;
       ++n) {
    if (QFileInfo::exists(QStringLiteral("/tmp/.X%1-lock").arg(n)) ||
        QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n))) {
      continue;
    }
    server_.start(QStringLiteral("Xvfb"),
                  {QStringLiteral(":%1").arg(n), QStringLiteral("-screen"), QStringLiteral("0"),
                   QStringLiteral("%1x%2x24").arg(width).arg(height), QStringLiteral("-br"),
                   QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    if (!server_.waitForStarted()) {
      return;
    }
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < kStartTimeoutMs && server_.state() == QProcess::Running) {
      if (QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n))) {
        number_ = n;
        running_ = true;
        return;
      }
      QThread::msleep(20);
    }
    server_.kill();
    server_.waitForFinished();
  }
}

XvfbServer::~XvfbServer() {
  if (server_.state() != QProcess::NotRunning) {
    server_.terminate();
    if (!server_.waitForFinished(3000)) {
      server_.kill();
      server_.waitForFinished();
    }
  }
}

QImage XvfbServer::screenshot() const {
  QProcess import;
  import.start(QStringLiteral("import"), {QStringLiteral("-display"), display(), QStringLiteral("-window"),
                                          QStringLiteral("root"), QStringLiteral("png:-")});
  if (!import.waitForFinished(15000) || import.exitCode() != 0) {
    return {};
  }
  return QImage::fromData(import.readAllStandardOutput(), "PNG").convertToFormat(QImage::Format_RGB32);
}
