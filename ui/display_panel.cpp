#include "ui/display_panel.h"

#include <QPainter>

#include "ui/skin_form.h"

class DisplayPanel::VideoView : public QWidget {
 public:
  explicit VideoView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setProperty(SkinForm::kOpaqueToShape, true);
  }

  void setFrame(const QImage& frame, const QRect& target) {
    const QRect dirty = target_.united(target);
    frame_ = frame;
    target_ = target;
    update(dirty);
  }

  QImage frame_;
  QRect target_;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.drawImage(target_, frame_);
  }
};

DisplayPanel::DisplayPanel(QWidget* parent) : SkinPanel(parent), view_(new VideoView(this)) {
  view_->hide();
}

void DisplayPanel::showVideoFrame(const QImage& frame, const QRect& target) {
  view_->setGeometry(rect());
  view_->setFrame(frame, target);
  if (!view_->isVisible()) {
    view_->show();
  }
  view_->raise();
}

void DisplayPanel::clearVideoFrame() {
  view_->hide();
  view_->frame_ = QImage();
}

bool DisplayPanel::showsVideo() const {
  return view_->isVisible();
}
