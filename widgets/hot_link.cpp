#include "widgets/hot_link.h"

#include "widgets/url_opener.h"

HotLink::HotLink(QWidget* parent) : SkinLabel(parent) {
  setCursor(Qt::PointingHandCursor);
}

void HotLink::setHotTrackFont(const QFont& font, const QColor& color) {
  hotFont_ = font;
  hotColor_ = color;
}

void HotLink::routedEnter() {
  if (hot_) {
    return;
  }
  hot_ = true;
  savedFont_ = font();
  savedColor_ = textColor();
  setFont(hotFont_);
  setTextColor(hotColor_);
}

void HotLink::routedLeave() {
  if (!hot_) {
    return;
  }
  hot_ = false;
  setFont(savedFont_);
  setTextColor(savedColor_);
}

// The label's own click event comes first, then the address is opened; a failure shows nothing.
void HotLink::routedClick() {
  SkinLabel::routedClick();
  if (opener_ != nullptr && !url_.isEmpty()) {
    opener_->open(url_);
  }
}
