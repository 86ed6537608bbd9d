// Tracks and thumbs of the two sliders.
#include "pictures.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace skin_painter {

namespace {

// --- Volume slider: a silver tube with a cream sleeve -----------------------------------------

constexpr int kTubeWidth = 597;
constexpr int kTubeHeight = 41;
constexpr Colour kTubeDim{150, 157, 166};
constexpr Colour kTubeBright{239, 237, 244};
constexpr Colour kTubeEdge{42, 45, 75};
constexpr Colour kTubeEnd{50, 52, 66};
constexpr int kTubeEndColumns = 3;
constexpr int kTubeCoreTop = 9;
constexpr int kTubeCoreBottom = 32;

// The corner pixel and its two neighbours along the edges, at all four corners.
bool tubeKey(int x, int y) {
  const int fromX = std::min(x, kTubeWidth - 1 - x);
  const int fromY = std::min(y, kTubeHeight - 1 - y);
  return fromX + fromY <= 1;
}

// How far a row is from the tube's edge: 0 in the outermost row, 1 in the core.
double tubeDepth(double v) {
  if (v < kTubeCoreTop) {
    return clamp01((v - 1) / (kTubeCoreTop - 1));
  }
  if (v >= kTubeCoreBottom + 1) {
    return clamp01((kTubeHeight - 1 - v) / (kTubeHeight - 2 - kTubeCoreBottom));
  }
  return 1;
}

constexpr Colour kCream{246, 236, 205};
constexpr Colour kNavy{44, 44, 77};

Colour sleeve(const Sample& s, int frame) {
  const int x = s.x % 16;
  if (s.y < 2 || s.y >= 16) {
    // The navy rims; the pressed frame's differ by a couple of levels only, so pressing the
    // thumb changes nothing the eye can see.
    Colour c = shifted(kNavy, 3.0 * noise(81, x, s.y));
    if (frame == 1 && (x + s.y) % 3 == 0) {
      c = shifted(c, 2);
    }
    return c;
  }
  // The cream band, rounded like the tube: brightest a third of the way down.
  const double across = (s.v - 2) / 14;
  Colour c = scaled(kCream, 1.02 - 0.22 * std::pow(std::abs(across - 0.35) / 0.65, 2));
  if (x == 0 || x == 15) {
    c = scaled(c, 0.72);  // the sleeve's rims
  } else if (x == 7 || x == 8) {
    c = scaled(c, 0.9);  // a grip groove across the middle
  }
  return c;
}

// --- Position slider: a dark track with tick lines and a fader knob ---------------------------

constexpr std::array kTicks{21, 51, 81, 111, 142, 173, 203, 233, 263, 294, 324};
constexpr int kEndMark = 395;
constexpr Colour kTrack{95, 91, 87};
constexpr Colour kTick{186, 182, 172};
constexpr Colour kRim{141, 141, 133};
constexpr Colour kLowerEdge{113, 75, 59};
constexpr Colour kLeftColumn{155, 110, 88};

bool isTick(int x) {
  for (const int t : kTicks) {
    if (t == x) {
      return true;
    }
  }
  return false;
}

Colour knob(int x, int y) {
  constexpr Colour edge{38, 36, 34};
  constexpr Colour body{74, 72, 68};
  constexpr Colour line{26, 26, 27};
  if (y >= 29) {
    // Grey-beige foot, lighter towards the bottom.
    return mix(Colour{160, 154, 138}, Colour{200, 194, 176}, (y - 29) / 4.0);
  }
  if (y < 2) {
    return y == 0 ? edge : Colour{96, 94, 90};
  }
  if (x <= 1 || x == 23) {
    return edge;
  }
  if (x >= 4 && x <= 6) {
    return x == 5 ? Colour{222, 222, 216} : Colour{176, 176, 170};  // highlight along the left side
  }
  if (x == 8 || x == 19 || x == 20) {
    return line;
  }
  if (x >= 9 && x <= 18) {
    if (y >= 5 && y <= 16) {
      return mix(Colour{156, 156, 154}, Colour{122, 122, 120}, (y - 5) / 11.0);  // upper face
    }
    if (y == 18 || y == 19) {
      return Colour{246, 246, 244};  // the white bar
    }
    if (y >= 20) {
      return mix(Colour{54, 52, 50}, Colour{36, 35, 34}, (y - 20) / 8.0);  // lower body
    }
    return y == 17 ? line : body;
  }
  // The body at the sides, darker to the right.
  return x > 18 ? scaled(body, 0.85) : body;
}

}  // namespace

QImage paintVolumeTrack(int scale) {
  Canvas canvas(kTubeWidth, kTubeHeight, scale);
  canvas.fill([&](const Sample& s) {
    if (tubeKey(s.x, s.y)) {
      return kKey;
    }
    if (s.x < kTubeEndColumns || s.x >= kTubeWidth - kTubeEndColumns) {
      return shifted(kTubeEnd, 6 * (0.5 - std::abs(s.v - kTubeHeight / 2.0) / kTubeHeight));
    }
    // Brightening along the tube quickly at first, so most of it is nearly white.
    const double along = std::pow((s.u - kTubeEndColumns) / (kTubeWidth - 2 * kTubeEndColumns), 0.4);
    Colour core = mix(kTubeDim, kTubeBright, along);
    // A soft highlight line in the upper core, as on polished metal.
    const double glint = std::exp(-std::pow((s.v - 15) / 3.5, 2));
    core = mix(core, Colour{252, 252, 255}, 0.35 * glint * along);
    const double depth = tubeDepth(s.v);
    return mix(kTubeEdge, core, std::pow(depth, 0.8));
  });
  return canvas.image();
}

QImage paintVolumeThumb(int scale) {
  Canvas canvas(32, 18, scale);
  canvas.fill([&](const Sample& s) { return sleeve(s, s.x / 16); });
  return canvas.image();
}

QImage paintPositionTrack(int scale) {
  Canvas canvas(407, 41, scale);
  canvas.fill([&](const Sample& s) {
    if (s.x == 0) {
      return kLeftColumn;
    }
    if (s.y < 2) {
      return Colour{64, 61, 58};
    }
    if (s.y == 2) {
      return Colour{28, 27, 26};
    }
    if (s.y >= 37) {
      return shifted(kLowerEdge, s.y == 37 ? 10 : 2.0 * noise(91, s.x, s.y));
    }
    if (s.y >= 32) {
      return shifted(kRim, s.y == 32 ? 10 : 2.0 * noise(92, s.x, s.y));
    }
    if (isTick(s.x) && s.y >= 6 && s.y <= 28) {
      return kTick;
    }
    if (s.x == kEndMark && s.y >= 10 && s.y <= 24) {
      return kTick;
    }
    // Speckled: most pixels close to the mean, a few clearly lighter or darker.
    const double n = noise(93, s.x, s.y);
    const double speckle = n * n * n * 26;
    return shifted(kTrack, speckle + 3.0 * noise(94, s.x, s.y));
  });
  return canvas.image();
}

QImage paintPositionThumb(int scale) {
  Canvas canvas(48, 34, scale);
  // The pressed frame is the normal frame again, pixel for pixel.
  canvas.fill([&](const Sample& s) { return knob(s.x % 24, s.y); });
  return canvas.image();
}

}  // namespace skin_painter
