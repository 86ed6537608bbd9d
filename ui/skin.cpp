#include "ui/skin.h"

namespace {

QImage picture(const char* file) {
  return QImage(QStringLiteral(":/skin/") + QLatin1String(file));
}

}  // namespace

Skin Skin::load() {
  Skin s;
  s.background = picture("background.png");
  s.play = picture("play.png");
  s.playHover = picture("play_hover.png");
  s.playOn = picture("play_on.png");
  s.playOnHover = picture("play_on_hover.png");
  s.pause = picture("pause.png");
  s.pauseHover = picture("pause_hover.png");
  s.pauseOn = picture("pause_on.png");
  s.pauseOnHover = picture("pause_on_hover.png");
  s.stop = picture("stop.png");
  s.stopHover = picture("stop_hover.png");
  s.back = picture("back.png");
  s.backHover = picture("back_hover.png");
  s.forward = picture("forward.png");
  s.forwardHover = picture("forward_hover.png");
  s.open = picture("open.png");
  s.openHover = picture("open_hover.png");
  s.minimize = picture("minimize.png");
  s.minimizeHover = picture("minimize_hover.png");
  s.switchRaised = picture("switch.png");
  s.switchPressed = picture("switch_pressed.png");
  s.dot = picture("dot.png");
  s.dotPressed = picture("dot_pressed.png");
  s.captionPlate = picture("caption_plate.png");
  s.scale = picture("scale.png");
  s.volumeTrack = picture("volume_track.png");
  s.volumeThumb = picture("volume_thumb.png");
  s.positionTrack = picture("position_track.png");
  s.positionThumb = picture("position_thumb.png");
  s.emblem = picture("emblem.png");
  s.icon32 = picture("icon32.png");
  s.icon16 = picture("icon16.png");
  return s;
}
