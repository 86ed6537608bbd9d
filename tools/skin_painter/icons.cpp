// The program icon: 16 colours of the standard VGA palette plus a see-through mask, as the
// desktop's classic icons are. Pure red is never used, so its palette place holds the mask.
#include "glyphs.h"
#include "pictures.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

namespace skin_painter {

namespace {

enum Index : uint {
  kBlack = 0,
  kGreen = 2,  // dark green (0, 128, 0)
  kSilver = 7,
  kGrey = 8,
  kMask = 9,  // the VGA palette's pure red, replaced by the transparent mask entry
  kLime = 10,
  kWhite = 15,
};

QList<QRgb> vgaPalette() {
  QList<QRgb> palette{qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
                      qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
                      qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
                      qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
  palette[kMask] = qRgba(0, 0, 0, 0);
  return palette;
}

// The bird of the emblem, drawn again pixel by pixel at icon size: G dark green, L lime (the
// lit back), k black (the eye), g grey and s silver (the legs), anything else the white ground.
constexpr std::array<std::string_view, 15> kLargeBird{
    "...............GGG....",  //
    "..............GLLGG...",  //
    "LL...........GLkGGGGG.",  //
    ".LGG...LLLLLLGGGGG....",  //
    "..GGGLLLLLLLLGGGG.....",  //
    "...GGGLLLGGGGGGGG.....",  //
    "....GGGGGGGGGGGG......",  //
    ".....GGGGGGGGGGG......",  //
    ".......GGGGGGGG.......",  //
    "........g...s.........",  //
    "........g...s.........",  //
    "........g...s.........",  //
    "........g...s.........",  //
    "........g...s.........",  //
    ".......ggg.sss........",  //
};

constexpr std::array<std::string_view, 7> kSmallBird{
    "........GG.",  //
    "L......GkGG",  //
    ".GGLLLLGG..",  //
    "..GGGGGGG..",  //
    "....GGGG...",  //
    "....s..s...",  //
    "...ss.ss...",  //
};

constexpr std::array<std::string_view, 5> kSmallInitial{
    ".###.",  //
    "#...#",  //
    "#...#",  //
    "#..#.",  //
    ".##.#",  //
};

template <std::size_t N>
std::optional<uint> artAt(const std::array<std::string_view, N>& art, int left, int top, int x, int y) {
  const int row = y - top;
  const int column = x - left;
  if (row < 0 || row >= static_cast<int>(N) || column < 0 || column >= static_cast<int>(art[0].size())) {
    return std::nullopt;
  }
  switch (art[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)]) {
    case 'G':
    case '#':
      return kGreen;
    case 'L':
      return kLime;
    case 'k':
      return kBlack;
    case 'g':
      return kGrey;
    case 's':
      return kSilver;
    default:
      return std::nullopt;
  }
}

struct Frame {
  int size;
  int border;    // width of the checkered frame
  uint borderA;  // the two colours of the checker
  uint borderB;
  int cornerRun;  // masked pixels along each edge from each corner
};

constexpr Frame kLarge{32, 2, kGreen, kGrey, 2};
constexpr Frame kSmall{16, 1, kLime, kGreen, 1};

std::optional<uint> framePixel(const Frame& f, int x, int y) {
  const int fromX = std::min(x, f.size - 1 - x);
  const int fromY = std::min(y, f.size - 1 - y);
  if (fromX + fromY < f.cornerRun) {
    return kMask;
  }
  if (fromX < f.border || fromY < f.border) {
    return (x + y) % 2 == 0 ? f.borderA : f.borderB;
  }
  return std::nullopt;
}

uint largePixel(int x, int y) {
  if (const auto p = framePixel(kLarge, x, y)) {
    return *p;
  }
  constexpr std::string_view name = "QUORVI";
  const int textLeft = (kLarge.size - textWidth(Font::Tiny, name, 1)) / 2;
  if (inkAt(Font::Tiny, name, 1, textLeft, 22, x, y)) {
    return kGreen;
  }
  return artAt(kLargeBird, 5, 4, x, y).value_or(kWhite);
}

uint smallPixel(int x, int y) {
  if (const auto p = framePixel(kSmall, x, y)) {
    return *p;
  }
  if (const auto p = artAt(kSmallInitial, 6, 10, x, y)) {
    return *p;
  }
  return artAt(kSmallBird, 2, 2, x, y).value_or(kWhite);
}

}  // namespace

QImage paintIcon(int size, int scale) {
  QImage icon(size * scale, size * scale, QImage::Format_Indexed8);
  icon.setColorTable(vgaPalette());
  for (int dy = 0; dy < icon.height(); ++dy) {
    for (int dx = 0; dx < icon.width(); ++dx) {
      // Icons are pixel art: a larger scale repeats each pixel.
      const int x = dx / scale;
      const int y = dy / scale;
      icon.setPixel(dx, dy, size == kLarge.size ? largePixel(x, y) : smallPixel(x, y));
    }
  }
  return icon;
}

}  // namespace skin_painter
