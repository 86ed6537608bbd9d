#pragma once

#include "widgets/url_opener.h"

// Opens addresses with the desktop's default handler (xdg-open and its kin, through Qt).
class DesktopUrlOpener : public UrlOpener {
 public:
  bool open(const QString& url) override;
};
