#include "widgets/brightness_core.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

constexpr int kChannels = 3;  // RGB888
constexpr int kChannelMax = 255;

}  // namespace

int brightnessOffset(int brightness) {
  // C++ integer division truncates toward zero, as the fade's offsets require.
  return (brightness - kNeutralBrightness) * kChannelMax / kNeutralBrightness;
}

QImage renderBrightness(const QImage& source, int brightness, bool flipped, bool inverted, bool mirrored) {
  if (source.isNull()) {
    return {};
  }
  const QImage work =
      source.format() == QImage::Format_RGB888 ? source : source.convertToFormat(QImage::Format_RGB888);

  // Every channel goes through the same mapping, so one table replaces the per-byte arithmetic.
  // Inverting commutes with moving pixels, so it is folded into the table too.
  const int offset = brightnessOffset(brightness);
  std::array<std::uint8_t, 256> table{};
  for (int c = 0; c < 256; ++c) {
    const int value = std::clamp(c + offset, 0, kChannelMax);
    table[static_cast<std::size_t>(c)] = static_cast<std::uint8_t>(inverted ? kChannelMax - value : value);
  }

  const int width = work.width();
  const int height = work.height();
  QImage result(width, height, QImage::Format_RGB888);
  for (int y = 0; y < height; ++y) {
    const uchar* in = work.constScanLine(flipped ? height - 1 - y : y);
    uchar* out = result.scanLine(y);
    if (mirrored) {
      for (int x = 0; x < width; ++x) {
        const uchar* pixel = in + (width - 1 - x) * kChannels;
        out[0] = table[pixel[0]];
        out[1] = table[pixel[1]];
        out[2] = table[pixel[2]];
        out += kChannels;
      }
    } else {
      for (int i = 0; i < width * kChannels; ++i) {
        out[i] = table[in[i]];
      }
    }
  }
  return result;
}
