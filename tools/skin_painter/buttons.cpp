#include "pictures.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>

namespace skin_painter {

namespace {

constexpr int kWidth = 43;
constexpr int kHeight = 40;

// The plate, shared by all nine buttons.
constexpr Colour kPlate{96, 69, 60};
constexpr Colour kTopRow{72, 72, 71};
constexpr Colour kTopLine{74, 57, 52};
constexpr Colour kLeftColumn{57, 43, 40};
constexpr Colour kRightColumn{41, 26, 26};
constexpr Colour kBottomRow{36, 30, 30};
constexpr std::uint32_t kPlateSeed = 301;

// The embossed symbol.
constexpr Colour kFaceLight{219, 221, 215};
constexpr Colour kFaceDark{190, 192, 182};
constexpr Colour kOutline{40, 28, 26};
constexpr Colour kShadow{97, 83, 117};
constexpr Colour kTapeLine{235, 232, 227};
constexpr Colour kSmallSquare{221, 225, 218};

// The indicator bar of the play and pause buttons, in a dark recess at the upper left.
constexpr int kBarLeft = 3;
constexpr int kBarRight = 21;
constexpr int kBarTop = 4;
constexpr int kBarBottom = 7;
constexpr Colour kRecess{34, 26, 24};

enum class Bar { None, Unlit, Green, Orange };

using Shape = std::function<bool(double u, double v)>;

struct Box {
  double left, top, right, bottom;  // continuous edges, logical units
};

// Light face shading from the upper left to the lower right of the symbol's box.
struct Symbol {
  std::vector<Shape> layers;  // back to front
  Box box;
  Colour light = kFaceLight;
  Colour dark = kFaceDark;
};

bool inTriangle(double u, double v, double ax, double ay, double bx, double by, double cx, double cy) {
  const auto side = [&](double px, double py, double qx, double qy) {
    return (qx - px) * (v - py) - (qy - py) * (u - px);
  };
  const double d1 = side(ax, ay, bx, by);
  const double d2 = side(bx, by, cx, cy);
  const double d3 = side(cx, cy, ax, ay);
  return (d1 >= 0 && d2 >= 0 && d3 >= 0) || (d1 <= 0 && d2 <= 0 && d3 <= 0);
}

double segmentDistance(double u, double v, double x0, double y0, double x1, double y1) {
  const double dx = x1 - x0;
  const double dy = y1 - y0;
  const double len2 = dx * dx + dy * dy;
  const double t = len2 > 0 ? std::clamp(((u - x0) * dx + (v - y0) * dy) / len2, 0.0, 1.0) : 0.0;
  return std::hypot(u - (x0 + t * dx), v - (y0 + t * dy));
}

// Signed distance to a rectangle with rounded corners (negative inside).
double roundedBoxDistance(double u, double v, Box b, double radius) {
  const double cx = (b.left + b.right) / 2;
  const double cy = (b.top + b.bottom) / 2;
  const double hx = (b.right - b.left) / 2 - radius;
  const double hy = (b.bottom - b.top) / 2 - radius;
  const double qx = std::abs(u - cx) - hx;
  const double qy = std::abs(v - cy) - hy;
  const double outside = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0));
  return outside + std::min(std::max(qx, qy), 0.0) - radius;
}

Colour plateAt(const Sample& s) {
  if (s.y == 0) {
    return kTopRow;
  }
  if (s.x == kWidth - 1) {
    return kRightColumn;
  }
  if (s.y == kHeight - 1) {
    return kBottomRow;
  }
  if (s.x == 0) {
    return kLeftColumn;
  }
  if (s.y == 1) {
    return kTopLine;
  }
  // A faint grain, and a soft bevel: a touch lighter along the upper left, darker along the
  // lower right, so the plate stands out from the metal.
  double d = 3.0 * noise(kPlateSeed, s.x, s.y);
  if (s.x == 1 || s.y == 2) {
    d += 6;
  } else if (s.x == kWidth - 2 || s.y == kHeight - 2) {
    d -= 10;
  }
  return shifted(kPlate, d);
}

Colour barColour(Bar bar, int x, int y) {
  const int row = y - kBarTop;
  Colour c;
  switch (bar) {
    case Bar::Unlit: {
      constexpr Colour rows[] = {{122, 113, 102}, {150, 138, 124}, {96, 92, 88}, {88, 84, 80}};
      c = rows[row];
      break;
    }
    case Bar::Green: {
      constexpr Colour rows[] = {{84, 196, 6}, {134, 255, 0}, {96, 214, 6}, {62, 168, 8}};
      c = rows[row];
      break;
    }
    case Bar::Orange: {
      constexpr Colour rows[] = {{216, 112, 10}, {255, 136, 8}, {226, 116, 10}, {180, 90, 10}};
      c = rows[row];
      break;
    }
    case Bar::None:
      break;
  }
  // The ends of the bar fall off, like a lamp behind a slot.
  if (x == kBarLeft || x == kBarRight) {
    c = scaled(c, 0.8);
  }
  return c;
}

// Dark ground that the symbol sits in: a rounded patch (or, for the wind buttons, a band
// across the plate), a little darker than the plate.
struct Ground {
  Box box;
  double radius;
  double darken;
};

Colour embossed(const Symbol& symbol, const Sample& s, Colour under) {
  Colour c = under;
  const double u = s.u;
  const double v = s.v;
  for (const Shape& layer : symbol.layers) {
    if (layer(u, v)) {
      const Box& b = symbol.box;
      const double t = ((u - b.left) / (b.right - b.left) + (v - b.top) / (b.bottom - b.top)) / 2;
      c = mix(symbol.light, symbol.dark, t);
      if (!layer(u - 1, v - 1)) {
        c = shifted(c, 12);  // the bevel catching the light
      }
    } else if (layer(u - 1, v - 1) || layer(u - 1, v) || layer(u, v - 1)) {
      c = kShadow;
    } else if (layer(u + 1, v + 1) || layer(u + 1, v) || layer(u, v + 1)) {
      c = kOutline;
    }
  }
  return c;
}

QImage paintButton(int scale, const std::optional<Ground>& ground, const Symbol& symbol, Bar bar,
                   const Shape& lines = {}) {
  Canvas canvas(kWidth, kHeight, scale);
  canvas.fill([&](const Sample& s) {
    Colour c = plateAt(s);
    const bool inner = s.x > 0 && s.y > 1 && s.x < kWidth - 1 && s.y < kHeight - 1;
    if (inner && ground) {
      const double d = roundedBoxDistance(s.u, s.v, ground->box, ground->radius);
      c = scaled(c, 1 - ground->darken * smoothstep(1.0, -1.0, d));
    }
    if (bar != Bar::None) {
      if (s.x >= kBarLeft - 1 && s.x <= kBarRight + 1 && s.y >= kBarTop - 1 && s.y <= kBarBottom + 1) {
        c = kRecess;
      }
      if (s.x >= kBarLeft && s.x <= kBarRight && s.y >= kBarTop && s.y <= kBarBottom) {
        c = barColour(bar, s.x, s.y);
      }
    }
    if (inner) {
      c = embossed(symbol, s, c);
      if (lines) {
        if (lines(s.u, s.v)) {
          c = kTapeLine;
        } else if (lines(s.u - 1, s.v - 1)) {
          c = kShadow;
        }
      }
    }
    return c;
  });
  return canvas.image();
}

// Continuous coordinates of a pixel's centre.
constexpr double at(int pixel) {
  return pixel + 0.5;
}

Symbol playSymbol() {
  // Left edge at 16, tip at 31: the light pixels span x 16..30, y 14..24.
  return {{[](double u, double v) { return inTriangle(u, v, 16, 14, 31, 19.5, 16, 25); }}, {16, 14, 31, 25}};
}

Symbol pauseSymbol() {
  const auto bar = [](double cx) {
    return [cx](double u, double v) { return segmentDistance(u, v, cx, 16.5, cx, 24.5) <= 2.5; };
  };
  return {{[l = bar(17.5), r = bar(25.5)](double u, double v) { return l(u, v) || r(u, v); }},
          {15, 14, 28, 27}};
}

Symbol stopSymbol() {
  return {{[](double u, double v) { return u >= 15 && u < 28 && v >= 14 && v < 27; }}, {15, 14, 28, 27}};
}

// Two triangles, the leading one drawn in front of the one behind it. Their tips are cut off
// one pixel from the apex so the point stays two pixels tall.
Symbol backSymbol() {
  const Shape front = [](double u, double v) { return u >= 5 && inTriangle(u, v, 4, 20, 20, 14, 20, 26); };
  const Shape rear = [](double u, double v) { return u >= 20 && inTriangle(u, v, 19, 20, 35, 14, 35, 26); };
  return {{rear, front}, {5, 14, 35, 26}};
}

Symbol forwardSymbol() {
  const Shape front = [](double u, double v) { return u < 38 && inTriangle(u, v, 23, 15, 39, 21, 23, 27); };
  const Shape rear = [](double u, double v) { return u < 23 && inTriangle(u, v, 8, 15, 24, 21, 8, 27); };
  return {{rear, front}, {8, 15, 38, 27}};
}

Symbol minimizeSymbol() {
  return {{[](double u, double v) { return u >= 19 && u < 24 && v >= 18 && v < 22; }},
          {19, 18, 24, 22},
          shifted(kSmallSquare, 6),
          shifted(kSmallSquare, -6)};
}

// The cassette of the open button, in lines one pixel wide through pixel centres.
constexpr double kLineHalf = 0.5;

bool cassetteLine(double u, double v) {
  constexpr double half = kLineHalf;
  const auto ring = [&](double cx, double cy, double r) {
    return std::abs(std::hypot(u - cx, v - cy) - r) <= half;
  };
  const auto segment = [&](int x0, int y0, int x1, int y1, double w = kLineHalf) {
    return segmentDistance(u, v, at(x0), at(y0), at(x1), at(y1)) <= w;
  };
  // Body with rounded corners, and the second edge just below its top.
  if (std::abs(roundedBoxDistance(u, v, {at(4), at(5), at(38), at(34)}, 3)) <= half) {
    return true;
  }
  if (segment(7, 7, 35, 7)) {
    return true;
  }
  // The label window round the two reels.
  if (std::abs(roundedBoxDistance(u, v, {at(8), at(11), at(34), at(25)}, 2)) <= half) {
    return true;
  }
  // Reels: an outer ring and a hub.
  for (const double cx : {at(14), at(28)}) {
    if (ring(cx, at(18), 4.5) || ring(cx, at(18), 1.6)) {
      return true;
    }
  }
  // The tape running between the reels' lower edges.
  if (segment(15, 23, 27, 23)) {
    return true;
  }
  // Tape window at the bottom: a trapezoid on the lower edge with a dashed line inside.
  if (segment(12, 28, 30, 28) || segment(12, 28, 9, 34, 0.55) || segment(30, 28, 33, 34, 0.55)) {
    return true;
  }
  if (segment(12, 31, 30, 31) && static_cast<int>(std::floor(u)) % 3 != 2) {
    return true;
  }
  return false;
}

}  // namespace

std::vector<Picture> paintButtons(int scale) {
  const auto patch = [](const Symbol& symbol, double pad) {
    const Box& b = symbol.box;
    return Ground{{b.left - pad, b.top - pad, b.right + pad, b.bottom + pad}, pad + 1, 0.14};
  };
  const auto band = [](const Symbol& symbol) {
    return Ground{{3, symbol.box.top - 3, kWidth - 3, symbol.box.bottom + 3}, 2, 0.22};
  };

  const Symbol play = playSymbol();
  const Symbol pause = pauseSymbol();
  const Symbol stop = stopSymbol();
  const Symbol back = backSymbol();
  const Symbol forward = forwardSymbol();
  const Symbol minimize = minimizeSymbol();
  const Symbol none{{}, {0, 0, 1, 1}};

  struct Button {
    const char* name;
    QImage image;
  };
  const Button buttons[] = {
      {"play", paintButton(scale, patch(play, 3), play, Bar::Unlit)},
      {"play_on", paintButton(scale, patch(play, 3), play, Bar::Green)},
      {"pause", paintButton(scale, patch(pause, 3), pause, Bar::Unlit)},
      {"pause_on", paintButton(scale, patch(pause, 3), pause, Bar::Orange)},
      {"stop", paintButton(scale, patch(stop, 3), stop, Bar::None)},
      {"back", paintButton(scale, band(back), back, Bar::None)},
      {"forward", paintButton(scale, band(forward), forward, Bar::None)},
      {"open", paintButton(scale, Ground{{3, 4, 40, 36}, 4, 0.12}, none, Bar::None, cassetteLine)},
      {"minimize", paintButton(scale, patch(minimize, 3), minimize, Bar::None)},
  };

  std::vector<Picture> pictures;
  for (const Button& b : buttons) {
    const QString name = QString::fromLatin1(b.name);
    pictures.push_back({name + QStringLiteral(".png"), b.image});
    pictures.push_back({name + QStringLiteral("_hover.png"), hoverOf(b.image, scale)});
  }
  return pictures;
}

}  // namespace skin_painter
