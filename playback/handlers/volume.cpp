// The volume slider: sets Quorvi's own output level and rebuilds the volume hint.
#include "ui/main_fenster.h"
#include "widgets/bitmap_slider.h"

void TMainFenster::Slider2Changed() {
  // The slider runs from 0 to 127, so its low byte is the position itself.
  Sound.Wave.setVolume(static_cast<quint8>(Slider2->position() & 0xFF));
  UpdateVolLevHint();
}
