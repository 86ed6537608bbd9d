#pragma once

#include <QImage>

#include "playback/video_surface.h"
#include "widgets/skin_panel.h"

// The black video panel `Display`. The device's moving picture is shown in a view that lies
// above the panel's other children (the starfield and the logo), as a child window would.
class DisplayPanel : public SkinPanel, public VideoSurface {
  Q_OBJECT

 public:
  explicit DisplayPanel(QWidget* parent = nullptr);

  void showVideoFrame(const QImage& frame, const QRect& target) override;
  void clearVideoFrame() override;
  bool showsVideo() const;

 private:
  class VideoView;
  VideoView* view_;
};
