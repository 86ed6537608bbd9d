#include "widgets/starfield_core.h"

#include <algorithm>

StarfieldCore::StarfieldCore(std::uint32_t seed) : rng_(seed), stars_(kDefaultStars) {}

void StarfieldCore::setSeed(std::uint32_t seed) {
  rng_.seed(seed);
  seedAll();
}

void StarfieldCore::setStars(int count) {
  stars_.assign(static_cast<std::size_t>(std::max(0, count)), Star{});
  seedAll();
}

void StarfieldCore::setSize(QSize size) {
  if (size == size_) {
    return;
  }
  size_ = size;
  seedAll();
}

int StarfieldCore::random(int n) {
  if (n <= 0) {
    return 0;
  }
  return std::uniform_int_distribution<int>(0, n - 1)(rng_);
}

void StarfieldCore::seedAll() {
  for (Star& star : stars_) {
    seedStar(star);
  }
}

void StarfieldCore::seedStar(Star& star) {
  // Seeded stars start to the right of the area and fly in one by one.
  star.x = random(size_.width() / 2) + size_.width();
  star.y = random(size_.height());
  star.speed = random(maxSpeed_) + 1;
  star.grey = random(kGreySpread) + kGreyBase;
}

void StarfieldCore::restartStar(Star& star) {
  star.x = size_.width();
  star.y = random(size_.height());
  star.speed = random(maxSpeed_) + 1;
  star.grey = random(kGreySpread) + kGreyBase;
}

void StarfieldCore::makeFrame() {
  const int width = size_.width();
  const int height = size_.height();
  if (width <= 0 || height <= 0) {
    frame_ = QImage();
  } else if (frame_.size() != size_) {
    frame_ = QImage(size_, QImage::Format_RGB32);
  }
  if (!frame_.isNull()) {
    frame_.fill(qRgb(0, 0, 0));
  }
  // bits() once: scanLine() per star would check for sharing every time.
  uchar* const bits = frame_.isNull() ? nullptr : frame_.bits();
  const qsizetype stride = frame_.bytesPerLine();
  for (Star& star : stars_) {
    if (bits != nullptr && star.x >= 0 && star.x < width && star.y < height) {
      reinterpret_cast<QRgb*>(bits + star.y * stride)[star.x] = qRgb(star.grey, star.grey, star.grey);
    }
    star.x -= star.speed;
    if (star.x < 0) {
      restartStar(star);
    }
  }
}
