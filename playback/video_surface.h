#pragma once

#include <QImage>
#include <QRect>

// A control that can show the media device's moving picture: the device hands it each new frame,
// already scaled to the target rectangle (in the control's own coordinates). UI thread only.
class VideoSurface {
 public:
  virtual ~VideoSurface() = default;
  // Shows `frame` at `target`; the control keeps the image until the next frame or clear.
  virtual void showVideoFrame(const QImage& frame, const QRect& target) = 0;
  // Removes the picture (the device closed, or the picture moved to another surface).
  virtual void clearVideoFrame() = 0;
};
