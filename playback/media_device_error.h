#pragma once

#include <QString>
#include <stdexcept>

// The error a media device operation raises: a failed open, or an operation that needs an open
// device while none is open. The message is the German text the error box shows.
class MediaDeviceError : public std::runtime_error {
 public:
  explicit MediaDeviceError(const QString& message);
  QString message() const { return message_; }

 private:
  QString message_;
};

// The text of every operation that needs an open device and finds none.
inline constexpr const char* kNoDeviceOpenText = "Kein MCI-Gerät geöffnet";
