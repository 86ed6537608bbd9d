#pragma once

#include <QImage>
#include <QSize>

#include <cstdint>
#include <random>
#include <vector>

// The starfield without its widget: stars that fly from right to left at their own speed, drawn
// one pixel each into a black picture of the area's size. Random numbers come from a seedable
// std::mt19937 so tests can replay a field.
class StarfieldCore {
 public:
  static constexpr int kDefaultStars = 200;
  // Grey levels of the stars: kGreyBase … kGreyBase + kGreySpread − 1.
  static constexpr int kGreyBase = 120;
  static constexpr int kGreySpread = 120;

  struct Star {
    int x = 0;
    int y = 0;
    int speed = 1;
    int grey = kGreyBase;
  };

  explicit StarfieldCore(std::uint32_t seed = std::mt19937::default_seed);

  // Restarts the random numbers from `seed` and seeds every star anew.
  void setSeed(std::uint32_t seed);

  // Writing the count (also the same count) seeds every star anew. Negative counts give none.
  void setStars(int count);
  int stars() const { return static_cast<int>(stars_.size()); }
  // Read only when a star is seeded or restarts: speeds are 1 … maxSpeed, or 1 for 0.
  void setMaxSpeed(std::uint8_t maxSpeed) { maxSpeed_ = maxSpeed; }
  std::uint8_t maxSpeed() const { return maxSpeed_; }

  // A new size seeds every star anew; an equal size changes nothing.
  void setSize(QSize size);
  QSize size() const { return size_; }

  // One frame: the picture is filled black, every star left of the right edge is set as one
  // pixel, then each star moves left by its speed; a star past the left edge restarts at the
  // right edge with a new row, speed and grey level.
  void makeFrame();
  const QImage& frame() const { return frame_; }
  const std::vector<Star>& starList() const { return stars_; }

  // Uniform over 0 … n − 1, and 0 for n ≤ 0.
  int random(int n);

 private:
  void seedAll();
  void seedStar(Star& star);
  void restartStar(Star& star);

  std::mt19937 rng_;
  std::vector<Star> stars_;
  std::uint8_t maxSpeed_ = 0;
  QSize size_;
  QImage frame_;
};
