#include "tests/support/xvfb_server.h"

#include <QElapsedTimer>

namespace {
constexpr int kStartTimeoutMs = 10000;
}  // namespace

// Xvfb chooses a free display itself and writes its number to the descriptor given with
// -displayfd (here its standard output), so test processes running side by side never race
// for the same display.
XvfbServer::XvfbServer(int width, int height) {
  server_.start(QStringLiteral("Xvfb"),
                {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                 QStringLiteral("0"), QStringLiteral("%1x%2x24").arg(width).arg(height),
                 QStringLiteral("-br"), QStringLiteral("-nolisten"), QStringLiteral("tcp")});
  if (!server_.waitForStarted()) {
    return;
  }
  QElapsedTimer clock;
  clock.start();
  QByteArray output;
  while (clock.elapsed() < kStartTimeoutMs && server_.state() == QProcess::Running) {
    server_.waitForReadyRead(100);
    output += server_.readAllStandardOutput();
    if (output.contains('\n')) {
      bool ok = false;
      const int n = output.trimmed().toInt(&ok);
      if (ok) {
        number_ = n;
        running_ = true;
      }
      return;
    }
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
