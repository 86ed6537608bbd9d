#pragma once

#include <QImage>
#include <QWidget>

#include "playback/video_surface.h"

// The media device's own control `Player`. It is never visible; in audio mode the picture of a
// file that has one is sent here, so it is not seen. It keeps the last frame it was given.
class PlayerControl : public QWidget, public VideoSurface {
  Q_OBJECT

 public:
  explicit PlayerControl(QWidget* parent = nullptr) : QWidget(parent) {}

  void showVideoFrame(const QImage& frame, const QRect&) override { lastFrame_ = frame; }
  void clearVideoFrame() override { lastFrame_ = QImage(); }
  QImage lastFrame() const { return lastFrame_; }

 private:
  QImage lastFrame_;
};
