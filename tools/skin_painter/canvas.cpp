#include "canvas.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace skin_painter {

Colour mix(Colour a, Colour b, double t) {
  t = clamp01(t);
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Colour scaled(Colour c, double factor) {
  return {c.r * factor, c.g * factor, c.b * factor};
}

Colour shifted(Colour c, double delta) {
  return {c.r + delta, c.g + delta, c.b + delta};
}

double clamp01(double t) {
  return std::clamp(t, 0.0, 1.0);
}

double smoothstep(double edge0, double edge1, double x) {
  const double t = clamp01((x - edge0) / (edge1 - edge0));
  return t * t * (3 - 2 * t);
}

Canvas::Canvas(int width, int height, int scale)
    : width_(width),
      height_(height),
      scale_(scale),
      image_(width * scale, height * scale, QImage::Format_RGB888) {
  image_.fill(Qt::black);
}

void Canvas::put(int dx, int dy, Colour c) {
  const auto channel = [](double value) {
    return static_cast<int>(std::lround(std::clamp(value, 0.0, 255.0)));
  };
  int r = channel(c.r);
  const int g = channel(c.g);
  const int b = channel(c.b);
  if (c.key) {
    r = 255;
  } else if (r == 255 && g == 0 && b == 0) {
    r = 254;
  }
  image_.setPixel(dx, dy, c.key ? qRgb(255, 0, 0) : qRgb(r, g, b));
}

double noise(std::uint32_t seed, int x, int y) {
  // splitmix64 finaliser over the packed arguments.
  std::uint64_t z = (std::uint64_t{seed} << 32) ^
                    (std::uint64_t{static_cast<std::uint32_t>(x)} * 0x9E3779B97F4A7C15ull) ^
                    (std::uint64_t{static_cast<std::uint32_t>(y)} * 0xC2B2AE3D27D4EB4Full);
  z += 0x9E3779B97F4A7C15ull;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  z ^= z >> 31;
  return static_cast<double>(z >> 11) * 0x1.0p-52 - 1.0;
}

double streak(std::uint32_t seed, int row, double u, double period) {
  const double p = u / period;
  const int i = static_cast<int>(std::floor(p));
  const double f = p - i;
  const double w = (1 - std::cos(f * std::numbers::pi)) / 2;
  return noise(seed, i, row) * (1 - w) + noise(seed, i + 1, row) * w;
}

QImage hoverOf(const QImage& picture, int scale) {
  QImage hover(picture.size(), picture.format());
  hover.fill(Qt::black);
  for (int y = scale; y < picture.height(); ++y) {
    for (int x = scale; x < picture.width(); ++x) {
      hover.setPixel(x, y, picture.pixel(x - scale, y - scale));
    }
  }
  return hover;
}

}  // namespace skin_painter
