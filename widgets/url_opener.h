#pragma once

#include <QString>

// Opens an address with the desktop's default handler. One real implementation (the desktop
// services); tests record the address instead.
class UrlOpener {
 public:
  virtual ~UrlOpener() = default;
  // Returns whether the desktop accepted the request; callers may ignore it.
  virtual bool open(const QString& url) = 0;
};
