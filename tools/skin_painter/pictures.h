#pragma once

#include "canvas.h"

#include <vector>

namespace skin_painter {

// Each function draws at the given scale (1 for the set the program carries); sizes below are
// logical pixels.
QImage paintBackground(int scale);             // 441 x 144
std::vector<Picture> paintButtons(int scale);  // the nine buttons and their hover pictures, 43 x 40
QImage paintSwitch(int scale, bool pressed);   // 63 x 22
QImage paintDot(int scale, bool pressed);      // 39 x 39
QImage paintCaptionPlate(int scale);           // 142 x 20
QImage paintScale(int scale);                  // 407 x 34
QImage paintVolumeTrack(int scale);            // 597 x 41
QImage paintVolumeThumb(int scale);            // 32 x 18
QImage paintPositionTrack(int scale);          // 407 x 41
QImage paintPositionThumb(int scale);          // 48 x 34
QImage paintEmblem(int scale);                 // 235 x 164
QImage paintIcon(int size, int scale);         // size 32 or 16; 16-colour indexed with a mask entry

}  // namespace skin_painter
