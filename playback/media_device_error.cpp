#include "playback/media_device_error.h"

MediaDeviceError::MediaDeviceError(const QString& message)
    : std::runtime_error(message.toStdString()), message_(message) {}
