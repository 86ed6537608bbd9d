#include "pictures.h"

#include <array>
#include <utility>

namespace skin_painter {

namespace {

constexpr int kWidth = 441;
constexpr int kHeight = 144;
constexpr Colour kLeft{112, 119, 122};
constexpr Colour kRight{203, 206, 212};
constexpr Colour kBlack{0, 0, 0};

// See-through corner pixels: square at the top left, rounded at the top right, one pixel off
// the bottom right; the bottom-left corner stays square.
constexpr std::array<std::pair<int, int>, 10> kKeyPixels{{
    {0, 0},
    {1, 0},  // top left
    {437, 0},
    {438, 0},
    {439, 0},
    {440, 0},  // top right, first row
    {439, 1},
    {440, 1},    //            second row
    {440, 2},    //            third row
    {440, 143},  // bottom right
}};

bool isKey(int x, int y) {
  for (const auto& [kx, ky] : kKeyPixels) {
    if (kx == x && ky == y) {
      return true;
    }
  }
  return false;
}

// Outline: 1 pixel on the left and at the bottom, 2 at the top and on the right, where the
// top-right corner bends round over four rows.
bool isOutline(int x, int y) {
  if (x == 0 || y == kHeight - 1 || y <= 1 || x >= kWidth - 2) {
    return true;
  }
  return (y == 2 && x >= kWidth - 3) || (y == 3 && x >= kWidth - 3);
}

}  // namespace

QImage paintBackground(int scale) {
  Canvas canvas(kWidth, kHeight, scale);
  canvas.fill([&](const Sample& s) {
    if (isKey(s.x, s.y)) {
      return kKey;
    }
    if (isOutline(s.x, s.y)) {
      return kBlack;
    }
    // The same left-to-right gradient on every row; brushing shows as streaks that run along
    // the rows: a slow wave per row, a finer one, and a little grain. The streaks are taken
    // per device row so a finer set gets finer brushing.
    const int row = static_cast<int>(s.v * scale);
    const Colour base = mix(kLeft, kRight, s.u / (kWidth - 1));
    const double rowTone = noise(11, 0, row);
    const double brush = 0.55 * streak(12, row, s.u, 37) + 0.45 * streak(13, row, s.u, 9);
    const double grain = noise(14, static_cast<int>(s.u * scale), row);
    const double d = 5.0 * rowTone + 7.0 * brush + 2.0 * grain;
    // Grey-blue: the streaks lean slightly towards blue.
    return Colour{base.r + d * 0.92, base.g + d, base.b + d * 1.12};
  });
  return canvas.image();
}

}  // namespace skin_painter
