#include "tests/window/x_session.h"

#include <xcb/xcb.h>
#include <QProcessEnvironment>
#include <cstdlib>

namespace {

constexpr int kXdotoolTimeoutMs = 10000;
constexpr qint64 kClickGapMs = 800;

}  // namespace

// The libxcb entry points used here, resolved from libxcb.so.1.
struct XScreenReader::Api {
  decltype(&xcb_connect) connect = nullptr;
  decltype(&xcb_connection_has_error) hasError = nullptr;
  decltype(&xcb_disconnect) disconnect = nullptr;
  decltype(&xcb_get_setup) getSetup = nullptr;
  decltype(&xcb_setup_roots_iterator) rootsIterator = nullptr;
  decltype(&xcb_get_image) getImage = nullptr;
  decltype(&xcb_get_image_reply) getImageReply = nullptr;
  decltype(&xcb_get_image_data) imageData = nullptr;
  decltype(&xcb_get_image_data_length) imageDataLength = nullptr;

  explicit Api(QLibrary& lib) {
    resolve(lib, connect, "xcb_connect");
    resolve(lib, hasError, "xcb_connection_has_error");
    resolve(lib, disconnect, "xcb_disconnect");
    resolve(lib, getSetup, "xcb_get_setup");
    resolve(lib, rootsIterator, "xcb_setup_roots_iterator");
    resolve(lib, getImage, "xcb_get_image");
    resolve(lib, getImageReply, "xcb_get_image_reply");
    resolve(lib, imageData, "xcb_get_image_data");
    resolve(lib, imageDataLength, "xcb_get_image_data_length");
  }
  bool complete() const {
    return connect && hasError && disconnect && getSetup && rootsIterator && getImage && getImageReply &&
           imageData && imageDataLength;
  }

 private:
  template <typename F>
  static void resolve(QLibrary& lib, F& f, const char* name) {
    f = reinterpret_cast<F>(lib.resolve(name));
  }
};

XScreenReader::XScreenReader(const QString& display) : xcb_(QStringLiteral("xcb"), 1) {
  if (!xcb_.load()) {
    return;
  }
  api_ = std::make_unique<Api>(xcb_);
  const Api& api = *api_;
  if (!api.complete()) {
    return;
  }
  int screenNumber = 0;
  xcb_connection_t* c = api.connect(display.toLatin1().constData(), &screenNumber);
  if (c == nullptr || api.hasError(c) != 0) {
    if (c != nullptr) {
      api.disconnect(c);
    }
    return;
  }
  xcb_screen_iterator_t it = api.rootsIterator(api.getSetup(c));
  for (int i = 0; i < screenNumber && it.rem > 0; ++i) {
    --it.rem;
    ++it.data;
  }
  // A 24-bit root: its pixels come as 32-bit words, blue in the low byte, as in QImage::RGB32.
  if (it.rem == 0 || it.data->root_depth != 24) {
    api.disconnect(c);
    return;
  }
  root_ = it.data->root;
  connection_ = c;
}

XScreenReader::~XScreenReader() {
  if (connection_ != nullptr) {
    api_->disconnect(connection_);
  }
}

QImage XScreenReader::read(const QRect& area) const {
  if (connection_ == nullptr || area.isEmpty()) {
    return {};
  }
  const Api& api = *api_;
  const xcb_get_image_cookie_t cookie =
      api.getImage(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, root_, static_cast<int16_t>(area.x()),
                   static_cast<int16_t>(area.y()), static_cast<uint16_t>(area.width()),
                   static_cast<uint16_t>(area.height()), ~0u);
  xcb_get_image_reply_t* reply = api.getImageReply(connection_, cookie, nullptr);
  if (reply == nullptr) {
    return {};
  }
  QImage image;
  const int bytes = api.imageDataLength(reply);
  if (reply->depth == 24 && bytes == area.width() * area.height() * 4) {
    image = QImage(api.imageData(reply), area.width(), area.height(), area.width() * 4, QImage::Format_RGB32)
                .copy();
  }
  std::free(reply);
  return image;
}

QuorviSession::QuorviSession(const XvfbServer& x, const QStringList& arguments)
    : screen(x.display()), display_(x.display()) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("DISPLAY"), display_);
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
  env.insert(QStringLiteral("QUORVI_AUDIO_OUTPUT"), QStringLiteral("null"));
  env.remove(QStringLiteral("WAYLAND_DISPLAY"));
  process.setProcessEnvironment(env);
  process.setProcessChannelMode(QProcess::ForwardedChannels);
  process.start(QStringLiteral(QUORVI_BINARY_PATH), arguments);
}

QuorviSession::~QuorviSession() {
  process.kill();
  process.waitForFinished();
}

bool QuorviSession::xdotool(const QStringList& arguments) {
  QProcess tool;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("DISPLAY"), display_);
  tool.setProcessEnvironment(env);
  tool.start(QStringLiteral("xdotool"), arguments);
  return tool.waitForFinished(kXdotoolTimeoutMs) && tool.exitStatus() == QProcess::NormalExit &&
         tool.exitCode() == 0;
}

bool QuorviSession::clickAt(QPoint p, QPoint restAt) {
  // Two clicks on one spot within the double-click interval (Qt's default: 400 ms) would make
  // the second a double-click, whose release is no click.
  if (lastClick_.isValid() && lastClick_.elapsed() < kClickGapMs) {
    QThread::msleep(static_cast<unsigned long>(kClickGapMs - lastClick_.elapsed()));
  }
  lastClick_.start();
  return xdotool({QStringLiteral("mousemove"), QString::number(p.x()), QString::number(p.y()),
                  QStringLiteral("click"), QStringLiteral("1"), QStringLiteral("mousemove"),
                  QString::number(restAt.x()), QString::number(restAt.y())});
}
