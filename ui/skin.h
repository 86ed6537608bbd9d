#pragma once

#include <QImage>

// Every picture of both windows, loaded once from the embedded resources (":/skin/<file>").
// The window classes receive a Skin and hand each control its pictures; no control reaches
// for a resource itself.
struct Skin {
  QImage background;  // HintergrImg, 441 x 144

  // The nine picture buttons: default picture and hover picture (PicEnter), 43 x 40 each.
  QImage play, playHover;
  QImage playOn, playOnHover;
  QImage pause, pauseHover;
  QImage pauseOn, pauseOnHover;
  QImage stop, stopHover;
  QImage back, backHover;        // Zuruck
  QImage forward, forwardHover;  // Weiter
  QImage open, openHover;
  QImage minimize, minimizeHover;

  QImage switchRaised, switchPressed;   // SwitchLevel and SwitchVol, 63 x 22
  QImage dot, dotPressed;               // Dot, 39 x 39
  QImage captionPlate;                  // VolLev, 142 x 20
  QImage scale;                         // Leiste, 407 x 34
  QImage volumeTrack, volumeThumb;      // Slider2: 597 x 41, 32 x 18
  QImage positionTrack, positionThumb;  // Slider1: 407 x 41, 48 x 34
  QImage emblem;                        // Tamblo of both windows, 235 x 164
  QImage icon32, icon16;                // program and tray icon

  // Loads every picture. A picture that is missing stays a null image and its control draws nothing.
  static Skin load();
};
