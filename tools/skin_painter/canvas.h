#pragma once

#include <QImage>
#include <QString>

#include <cstdint>
#include <vector>

namespace skin_painter {

// A colour with channels in 0..255 as real numbers, so shading can mix freely before the
// final rounding. `key` marks the window's see-through colour, which only a painter that
// means it may produce (see Canvas).
struct Colour {
  double r = 0;
  double g = 0;
  double b = 0;
  bool key = false;
};

inline constexpr Colour kKey{255, 0, 0, true};

Colour mix(Colour a, Colour b, double t);  // t is clamped to 0..1
Colour scaled(Colour c, double factor);
Colour shifted(Colour c, double delta);  // adds delta to every channel

double clamp01(double t);
double smoothstep(double edge0, double edge1, double x);

// Where a device pixel lies. Pictures are drawn in logical pixels (the 1x set); with a scale
// of 2 every logical pixel covers 2 x 2 device pixels and the shading is sampled finer.
struct Sample {
  double u;  // centre of the device pixel, in logical units
  double v;
  int x;  // logical pixel holding that centre
  int y;
};

// A picture of a fixed logical size, painted by a shading function evaluated once per device
// pixel. Pure red appears only where the shading returns kKey: an ordinary colour that rounds
// to pure red is nudged one level darker, so no picture punches a hole by accident.
class Canvas {
 public:
  Canvas(int width, int height, int scale);

  int width() const { return width_; }
  int height() const { return height_; }
  int scale() const { return scale_; }

  template <class Shade>
  void fill(Shade&& shade) {
    for (int dy = 0; dy < height_ * scale_; ++dy) {
      for (int dx = 0; dx < width_ * scale_; ++dx) {
        const Sample s{(dx + 0.5) / scale_, (dy + 0.5) / scale_, dx / scale_, dy / scale_};
        put(dx, dy, shade(s));
      }
    }
  }

  const QImage& image() const { return image_; }

 private:
  void put(int dx, int dy, Colour c);

  int width_;
  int height_;
  int scale_;
  QImage image_;
};

// Position-hashed noise in [-1, 1): the same arguments always give the same value, so the
// pictures do not depend on the order in which pixels are painted.
double noise(std::uint32_t seed, int x, int y);

// Noise that varies smoothly along u with the given period (logical pixels), independent per
// row: the streaks of brushed metal.
double streak(std::uint32_t seed, int row, double u, double period);

// The picture moved one logical pixel right and down, with a black top row and left column:
// a button that looks pressed in while the pointer is over it.
QImage hoverOf(const QImage& picture, int scale);

struct Picture {
  QString file;
  QImage image;
};

}  // namespace skin_painter
