#pragma once

#include <QImage>

// The brightness rendering of the splash logo, as pure functions of the source picture.

// Brightness 100 leaves the picture as it is, 0 gives black, 200 white.
constexpr int kNeutralBrightness = 100;

// The amount added to every colour channel: (brightness − 100) × 255 / 100, truncated toward
// zero (99 gives −2, 1 gives −252, 150 gives 127).
int brightnessOffset(int brightness);

// `source` as 24 bits per pixel with brightnessOffset(brightness) added to every channel, clamped
// to 0 … 255, then turned upside down (`flipped`), in negative (`inverted`) and left to right
// (`mirrored`), in that order. Always starts from `source`, so repeated renderings never
// accumulate rounding. A null source gives a null picture.
QImage renderBrightness(const QImage& source, int brightness, bool flipped, bool inverted, bool mirrored);
