#pragma once

#include <QColor>
#include <QFont>

#include "widgets/skin_label.h"

class UrlOpener;

// A label that opens its address when clicked. While the pointer is over it, it is drawn in its
// hot-track font and colour; leaving brings the saved font and colour back.
class HotLink : public SkinLabel {
  Q_OBJECT

 public:
  explicit HotLink(QWidget* parent = nullptr);

  void setUrl(const QString& url) { url_ = url; }
  QString url() const { return url_; }
  void setHotTrackFont(const QFont& font, const QColor& color);
  void setUrlOpener(UrlOpener* opener) { opener_ = opener; }
  bool hot() const { return hot_; }

 protected:
  void routedEnter() override;
  void routedLeave() override;
  void routedClick() override;

 private:
  QString url_;
  QFont hotFont_;
  QColor hotColor_;
  QFont savedFont_;
  QColor savedColor_;
  bool hot_ = false;
  UrlOpener* opener_ = nullptr;
};
