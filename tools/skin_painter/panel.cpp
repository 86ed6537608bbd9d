// The small pictures of the control panel: the two switch keys, the start-position dot, the
// VOLUME / LEVEL caption plate and the numbered scale.
#include "glyphs.h"
#include "pictures.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

namespace skin_painter {

namespace {

// --- Switch key ------------------------------------------------------------------------------

struct KeyShape {
  int left, top, right, bottom;  // inclusive extent of the key
  // Pixels cut off each corner, per row from the top and from the bottom: a corner rounded
  // like a stair.
  std::array<int, 4> topLeft, topRight, bottomLeft, bottomRight;
  int sideWidth;  // dark left end
  int faceTop;    // first row of the light front face
  int shadowTop;  // first row of the dark shadow below it
  Colour faceHigh, faceLow;
};

constexpr KeyShape kRaised{11,           2, 58, 20, {4, 3, 2, 1},    {2, 1, 0, 0},   {3, 2, 1, 0},
                           {4, 2, 1, 0}, 3, 8,  17, {193, 185, 153}, {131, 131, 130}};
constexpr KeyShape kPressed{11,           2, 57, 18, {2, 1, 0, 0},    {1, 0, 0, 0},   {2, 1, 0, 0},
                            {2, 0, 0, 0}, 2, 5,  15, {210, 212, 188}, {178, 179, 164}};

constexpr Colour kKeyTop{80, 65, 50};
constexpr Colour kKeyShadow{45, 36, 35};

bool onKey(const KeyShape& k, int x, int y) {
  if (x < k.left || x > k.right || y < k.top || y > k.bottom) {
    return false;
  }
  const int fromTop = y - k.top;
  const int fromBottom = k.bottom - y;
  const auto cut = [](const std::array<int, 4>& c, int row) {
    return row < 4 ? c[static_cast<std::size_t>(row)] : 0;
  };
  const int leftCut = std::max(cut(k.topLeft, fromTop), cut(k.bottomLeft, fromBottom));
  const int rightCut = std::max(cut(k.topRight, fromTop), cut(k.bottomRight, fromBottom));
  return x >= k.left + leftCut && x <= k.right - rightCut;
}

// --- Dot -------------------------------------------------------------------------------------

constexpr double kDotCentre = 19.5;
constexpr double kDotRadiusSquared = 369;  // the disc that leaves 360 corner pixels outside
constexpr Colour kDisc{147, 83, 72};

struct Ball {
  double cx, cy, rx, ry;  // ellipse through the pixel edges of its extent
  Colour body;
  Colour rim;
};

constexpr Ball kBlueBall{21.5, 19, 9.5, 10, {80, 119, 195}, {22, 38, 96}};
constexpr Ball kRedBall{19, 19, 10, 8, {255, 62, 79}, {118, 18, 34}};

bool inDisc(double u, double v, int x, int y, bool pressed) {
  const double du = u - kDotCentre;
  const double dv = v - kDotCentre;
  if (du * du + dv * dv <= kDotRadiusSquared) {
    return true;
  }
  // The raised dot's disc has a flat spot at the bottom: two more pixels of rim.
  return !pressed && y == 36 && (x == 10 || x == 28);
}

Colour ballColour(const Ball& b, double u, double v) {
  const double nx = (u - b.cx) / b.rx;
  const double ny = (v - b.cy) / b.ry;
  const double nz = std::sqrt(std::max(0.0, 1 - nx * nx - ny * ny));
  // Light from the upper left, towards the viewer.
  const double lx = -0.48, ly = -0.58, lz = 0.66;
  const double diffuse = std::max(0.0, nx * lx + ny * ly + nz * lz);
  Colour c = mix(b.rim, b.body, std::pow(diffuse, 0.8) * 1.1);
  // A small sharp highlight: the gloss.
  const double hx = lx, hy = ly, hz = lz + 1;
  const double hl = std::hypot(hx, hy, hz);
  const double gloss = std::pow(std::max(0.0, (nx * hx + ny * hy + nz * hz) / hl), 60);
  return mix(c, Colour{255, 255, 255}, gloss * 1.6);
}

// --- Caption plate ---------------------------------------------------------------------------

constexpr Colour kTeal{0, 64, 64};
constexpr Colour kSalmon{198, 140, 123};
constexpr Colour kGap{150, 150, 150};
constexpr Colour kLetter{113, 106, 100};
constexpr int kCaptionTop = 4;
constexpr int kCaptionGap = 2;

Colour letterColour(std::string_view word, int left, int x, int y) {
  // Metallic: lighter towards the top, a bright edge where the stroke begins.
  const double t = (y - kCaptionTop) / 10.0;
  Colour c = mix(Colour{136, 129, 122}, Colour{80, 74, 70}, t);
  if (!inkAt(Font::Caption, word, kCaptionGap, left, kCaptionTop, x - 1, y) ||
      !inkAt(Font::Caption, word, kCaptionGap, left, kCaptionTop, x, y - 1)) {
    c = shifted(c, 22);
  }
  return c;
}

// --- Scale -----------------------------------------------------------------------------------

constexpr std::array kNumeralCentres{22, 53, 84, 115, 145, 176, 207, 237, 269, 300, 329};
constexpr int kNumeralTop = 11;
constexpr Colour kNumeral{52, 54, 58};

bool scaleKey(int x, int y) {
  constexpr std::array topRun{7, 4, 2};  // rounded top-left corner
  if (y < 3 && x < topRun[static_cast<std::size_t>(y)]) {
    return true;
  }
  return (x == 1 && y >= 32) || (x == 2 && y == 33);
}

bool numeralInk(int x, int y) {
  for (std::size_t i = 0; i < kNumeralCentres.size(); ++i) {
    const std::string text = std::to_string(i);
    const int width = textWidth(Font::Digits, text, 1);
    const int left = kNumeralCentres[i] - (width - 1) / 2;
    if (inkAt(Font::Digits, text, 1, left, kNumeralTop, x, y)) {
      return true;
    }
  }
  return false;
}

}  // namespace

QImage paintSwitch(int scale, bool pressed) {
  const KeyShape& k = pressed ? kPressed : kRaised;
  Canvas canvas(63, 22, scale);
  canvas.fill([&](const Sample& s) {
    if (!onKey(k, s.x, s.y)) {
      return kKey;
    }
    if (s.y >= k.shadowTop) {
      return mix(kKeyShadow, Colour{28, 22, 22}, (s.y - k.shadowTop) / 3.0);
    }
    if (s.x < k.left + k.sideWidth || !onKey(k, s.x - k.sideWidth, s.y)) {
      return shifted(kKeyShadow, 4.0 * noise(41, s.x, s.y));
    }
    if (s.y < k.faceTop) {
      // The top face: dark, with a lighter lip along the far edge.
      Colour c = shifted(kKeyTop, 3.0 * noise(42, s.x, s.y));
      return s.y == k.top ? shifted(c, 18) : c;
    }
    // The front face: a metal strip lit from above, brushed lengthwise.
    const double t = static_cast<double>(s.y - k.faceTop) / (k.shadowTop - 1 - k.faceTop);
    Colour c = mix(k.faceHigh, k.faceLow, t);
    c = shifted(c, 4.0 * streak(43, s.y, s.u, 6));
    if (s.x == k.right || !onKey(k, s.x + 1, s.y)) {
      c = scaled(c, 0.8);  // the right end turns away from the light
    }
    return c;
  });
  return canvas.image();
}

QImage paintDot(int scale, bool pressed) {
  const Ball& ball = pressed ? kRedBall : kBlueBall;
  Canvas canvas(39, 39, scale);
  canvas.fill([&](const Sample& s) {
    const auto disc = [&](double du, double dv) {
      return inDisc(s.u + du, s.v + dv, static_cast<int>(std::floor(s.u + du)),
                    static_cast<int>(std::floor(s.v + dv)), pressed);
    };
    if (!disc(0, 0)) {
      return kKey;
    }
    // The rim: every disc pixel that touches the outside, also across a corner, so the
    // outline stays closed on the diagonals.
    bool rim = false;
    for (const double du : {-1.0, 0.0, 1.0}) {
      for (const double dv : {-1.0, 0.0, 1.0}) {
        rim = rim || !disc(du, dv);
      }
    }
    if (rim) {
      return Colour{0, 0, 0};
    }
    const double bx = (s.u - ball.cx) / ball.rx;
    const double by = (s.v - ball.cy) / ball.ry;
    if (bx * bx + by * by <= 1) {
      return ballColour(ball, s.u, s.v);
    }
    // The disc: a shallow dish, lighter to the upper left, with the ball's soft shadow.
    const double du = (s.u - kDotCentre) / 19;
    const double dv = (s.v - kDotCentre) / 19;
    Colour c = shifted(kDisc, -14 * (du + dv) / 2 + 2.0 * noise(51, s.x, s.y));
    const double sx = (s.u - ball.cx - 2) / (ball.rx + 1.5);
    const double sy = (s.v - ball.cy - 2) / (ball.ry + 1.5);
    c = scaled(c, 1 - 0.3 * smoothstep(1.25, 0.8, std::sqrt(sx * sx + sy * sy)));
    return c;
  });
  return canvas.image();
}

QImage paintCaptionPlate(int scale) {
  struct Box {
    int left;
    std::string_view word;
    int wordLeft;
  };
  constexpr Box boxes[] = {{0, "VOLUME", 5}, {72, "LEVEL", 85}};
  constexpr int boxWidth = 70;
  Canvas canvas(142, 20, scale);
  canvas.fill([&](const Sample& s) {
    for (const Box& b : boxes) {
      if (s.x < b.left || s.x >= b.left + boxWidth) {
        continue;
      }
      if (s.x == b.left || s.x == b.left + boxWidth - 1 || s.y == 0 || s.y == 19) {
        return kTeal;
      }
      if (inkAt(Font::Caption, b.word, kCaptionGap, b.wordLeft, kCaptionTop, s.x, s.y)) {
        return letterColour(b.word, b.wordLeft, s.x, s.y);
      }
      // The field: flat salmon, a little shade under the top outline.
      Colour c = shifted(kSalmon, 2.5 * noise(61, s.x, s.y));
      return s.y == 1 ? scaled(c, 0.9) : c;
    }
    return kGap;
  });
  return canvas.image();
}

QImage paintScale(int scale) {
  Canvas canvas(407, 34, scale);
  canvas.fill([&](const Sample& s) {
    if (scaleKey(s.x, s.y)) {
      return kKey;
    }
    if (s.y == 0) {
      return Colour{62, 64, 68};
    }
    if (s.y <= 28) {
      if (numeralInk(s.x, s.y)) {
        return kNumeral;
      }
      // Steel, light at the left and dark at the right; rounded like a rod, so the upper rows
      // catch the light and the lowest ones turn away.
      Colour c = mix(Colour{201, 204, 209}, Colour{103, 108, 112}, s.u / 406);
      const double across = (s.v - 1) / 28;  // 0 at the top of the bar, 1 at its foot
      c = scaled(c, 1.08 - 0.16 * across * across);
      return shifted(c, 3.0 * streak(71, s.y, s.u, 11) + 1.5 * noise(72, s.x, s.y));
    }
    if (s.y <= 31) {
      return mix(Colour{34, 34, 38}, Colour{70, 68, 70}, (s.y - 29) / 2.0);
    }
    return shifted(Colour{122, 82, 62}, s.y == 32 ? 8 : -8);
  });
  return canvas.image();
}

}  // namespace skin_painter
