// The emblem: a green long-legged bird on white, shaded as a soft rounded body with feathered
// edges, above a faint shadow.
#include "pictures.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace skin_painter {

namespace {

constexpr int kWidth = 235;
constexpr int kHeight = 164;
// Everything that is not white stays inside this box.
constexpr int kInkLeft = 37;
constexpr int kInkRight = 182;
constexpr int kInkTop = 55;
constexpr int kInkBottom = 132;

constexpr Colour kWhite{255, 255, 255};
constexpr Colour kDarkest{15, 71, 8};
constexpr Colour kBody{25, 110, 24};
constexpr Colour kHighlight{171, 220, 127};
constexpr Colour kShadowGrey{214, 216, 214};

double ellipseDistance(double u, double v, double cx, double cy, double rx, double ry, double angle) {
  const double c = std::cos(angle);
  const double s = std::sin(angle);
  const double x = (u - cx) * c + (v - cy) * s;
  const double y = -(u - cx) * s + (v - cy) * c;
  // Approximate signed distance: exact on the axes, close enough for shading elsewhere.
  const double k = std::hypot(x / rx, y / ry);
  return (k - 1) * std::min(rx, ry);
}

// Distance to a segment whose radius tapers from r0 at (x0, y0) to r1 at (x1, y1).
double taperDistance(double u, double v, double x0, double y0, double x1, double y1, double r0, double r1) {
  const double dx = x1 - x0;
  const double dy = y1 - y0;
  const double t = std::clamp(((u - x0) * dx + (v - y0) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
  return std::hypot(u - (x0 + t * dx), v - (y0 + t * dy)) - (r0 + (r1 - r0) * t);
}

double smoothUnion(double a, double b, double k) {
  const double h = clamp01(0.5 + 0.5 * (b - a) / k);
  return b + (a - b) * h - k * h * (1 - h);
}

constexpr double kTilt = -10 * std::numbers::pi / 180;

// The body, head, beak and tail as one rounded shape.
double figureDistance(double u, double v) {
  double d = ellipseDistance(u, v, 100, 79, 36, 18, kTilt);
  d = smoothUnion(d, ellipseDistance(u, v, 146, 67, 10, 9.5, 0), 7);
  d = smoothUnion(d, taperDistance(u, v, 153, 68, 172, 73, 3.6, 0.7), 2);
  d = smoothUnion(d, taperDistance(u, v, 70, 82, 45, 70, 8, 1.6), 5);
  return d;
}

double wingDistance(double u, double v) {
  return ellipseDistance(u, v, 94, 79, 25, 9, kTilt - 0.12);
}

// Legs: hip, knee, ankle, and two toes on each foot.
struct Leg {
  double hipX, hipY, kneeX, kneeY, footX, footY;
};
constexpr Leg kLegs[] = {{91, 94, 86, 110, 90, 124}, {108, 94, 113, 110, 109, 124}};

double legDistance(double u, double v) {
  constexpr double thigh = 1.6;
  constexpr double shin = 1.1;
  double d = 1e9;
  for (const Leg& l : kLegs) {
    d = std::min(d, taperDistance(u, v, l.hipX, l.hipY, l.kneeX, l.kneeY, thigh, shin));
    d = std::min(d, taperDistance(u, v, l.kneeX, l.kneeY, l.footX, l.footY, shin, shin));
    d = std::min(d, taperDistance(u, v, l.footX, l.footY, l.footX + 7, l.footY + 1, 1.0, 0.6));
    d = std::min(d, taperDistance(u, v, l.footX, l.footY, l.footX - 4, l.footY + 1, 1.0, 0.6));
  }
  return d;
}

// Lambert shading of the body seen as a pillow: height grows with the depth inside the edge.
double lighting(double u, double v) {
  const auto height = [](double du, double dv) {
    const double depth = std::max(0.0, -figureDistance(du, dv));
    return std::sqrt(std::min(depth, 11.0) / 11.0) * 9.0;
  };
  constexpr double e = 0.5;
  const double gx = (height(u + e, v) - height(u - e, v)) / (2 * e);
  const double gy = (height(u, v + e) - height(u, v - e)) / (2 * e);
  const double n = std::hypot(gx, gy, 1.0);
  const double lx = -0.55, ly = -0.62, lz = 0.56;
  return std::max(0.0, (-gx * lx - gy * ly + lz) / n);
}

Colour bodyColour(double u, double v, int scale) {
  const double light = lighting(u, v);
  constexpr double mid = 0.5;
  Colour c = light < mid ? mix(kDarkest, kBody, light / mid)
                         : mix(kBody, kHighlight, std::pow((light - mid) / 0.38, 1.3));
  // Feather texture: short streaks running back along the body.
  const int row = static_cast<int>(std::floor((v + (u - 100) * 0.18) * scale / 1.5));
  c = scaled(c, 1 + 0.06 * streak(121, row, u, 5));
  // The wing: a darker fold with a lit upper rim.
  const double w = wingDistance(u, v);
  if (w < 0) {
    c = scaled(c, 0.78);
    c = mix(c, kHighlight, 0.45 * smoothstep(-2.0, -0.6, w) * smoothstep(79, 72, v));
  }
  // The eye: dark, with a glint.
  const double eye = std::hypot(u - 149.5, v - 64.5);
  c = mix(c, Colour{8, 30, 4}, smoothstep(2.4, 1.6, eye));
  c = mix(c, Colour{235, 245, 225}, smoothstep(0.9, 0.4, std::hypot(u - 148.9, v - 63.9)));
  return c;
}

}  // namespace

QImage paintEmblem(int scale) {
  Canvas canvas(kWidth, kHeight, scale);
  canvas.fill([&](const Sample& s) {
    if (s.x < kInkLeft || s.x > kInkRight || s.y < kInkTop || s.y > kInkBottom) {
      return kWhite;
    }
    const double u = s.u;
    const double v = s.v;
    Colour c = kWhite;
    // Shadow on the ground under the feet.
    const double shadow = std::hypot((u - 100) / 30, (v - 127) / 2.6);
    c = mix(c, kShadowGrey, smoothstep(1.0, 0.35, shadow));
    // Legs, dark green, with softened edges.
    const double leg = legDistance(u, v);
    c = mix(c, mix(kDarkest, kBody, 0.35), smoothstep(0.7, -0.5, leg));
    // Body with feathered edges: the edge wavers a little, like plumage.
    const double edgeNoise =
        0.7 * streak(122, static_cast<int>(std::floor(std::atan2(v - 79, u - 100) * 40)), u, 3);
    const double body = figureDistance(u, v) + edgeNoise;
    const double alpha = smoothstep(1.4, -1.3, body);
    if (alpha > 0) {
      c = mix(c, bodyColour(u, v, scale), alpha);
    }
    return c;
  });
  return canvas.image();
}

}  // namespace skin_painter
