#include "glyphs.h"

#include <array>

namespace skin_painter {

namespace {

struct Glyph {
  char letter;
  std::array<std::string_view, 11> rows;  // only the first glyphHeight() rows are used
};

constexpr std::array kCaption{
    Glyph{'V',
          {"##....##", "##....##", "##....##", "##....##", "##....##", ".##..##.", ".##..##.", ".##..##.",
           "..####..", "..####..", "...##..."}},
    Glyph{'O',
          {"..####..", ".######.", "##....##", "##....##", "##....##", "##....##", "##....##", "##....##",
           "##....##", ".######.", "..####.."}},
    Glyph{'L',
          {"##......", "##......", "##......", "##......", "##......", "##......", "##......", "##......",
           "##......", "########", "########"}},
    Glyph{'U',
          {"##....##", "##....##", "##....##", "##....##", "##....##", "##....##", "##....##", "##....##",
           "##....##", ".######.", "..####.."}},
    Glyph{'M',
          {"##....##", "###..###", "########", "##.##.##", "##.##.##", "##....##", "##....##", "##....##",
           "##....##", "##....##", "##....##"}},
    Glyph{'E',
          {"########", "########", "##......", "##......", "##......", "######..", "######..", "##......",
           "##......", "########", "########"}},
};

constexpr std::array kDigits{
    Glyph{'0', {".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."}},
    Glyph{'1', {"..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."}},
    Glyph{'2', {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"}},
    Glyph{'3', {"####.", "....#", "....#", ".###.", "....#", "....#", "####."}},
    Glyph{'4', {"...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."}},
    Glyph{'5', {"#####", "#....", "####.", "....#", "....#", "#...#", ".###."}},
    Glyph{'6', {"..##.", ".#...", "#....", "####.", "#...#", "#...#", ".###."}},
    Glyph{'7', {"#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."}},
    Glyph{'8', {".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."}},
    Glyph{'9', {".###.", "#...#", "#...#", ".####", "....#", "...#.", ".##.."}},
};

constexpr std::array kTiny{
    Glyph{'Q', {".#.", "#.#", "#.#", "##.", ".##"}}, Glyph{'U', {"#.#", "#.#", "#.#", "#.#", "###"}},
    Glyph{'O', {".#.", "#.#", "#.#", "#.#", ".#."}}, Glyph{'R', {"##.", "#.#", "##.", "#.#", "#.#"}},
    Glyph{'V', {"#.#", "#.#", "#.#", "#.#", ".#."}}, Glyph{'I', {"###", ".#.", ".#.", ".#.", "###"}},
};

template <std::size_t N>
const Glyph* find(const std::array<Glyph, N>& font, char letter) {
  for (const Glyph& g : font) {
    if (g.letter == letter) {
      return &g;
    }
  }
  return nullptr;
}

const Glyph* glyphFor(Font font, char letter) {
  switch (font) {
    case Font::Caption:
      return find(kCaption, letter);
    case Font::Digits:
      return find(kDigits, letter);
    case Font::Tiny:
      return find(kTiny, letter);
  }
  return nullptr;
}

}  // namespace

int glyphWidth(Font font) {
  switch (font) {
    case Font::Caption:
      return 8;
    case Font::Digits:
      return 5;
    case Font::Tiny:
      return 3;
  }
  return 0;
}

int glyphHeight(Font font) {
  switch (font) {
    case Font::Caption:
      return 11;
    case Font::Digits:
      return 7;
    case Font::Tiny:
      return 5;
  }
  return 0;
}

int textWidth(Font font, std::string_view text, int gap) {
  if (text.empty()) {
    return 0;
  }
  return static_cast<int>(text.size()) * (glyphWidth(font) + gap) - gap;
}

bool inkAt(Font font, std::string_view text, int gap, int left, int top, int x, int y) {
  const int row = y - top;
  if (row < 0 || row >= glyphHeight(font) || x < left) {
    return false;
  }
  const int pitch = glyphWidth(font) + gap;
  const int index = (x - left) / pitch;
  const int column = (x - left) % pitch;
  if (index >= static_cast<int>(text.size()) || column >= glyphWidth(font)) {
    return false;
  }
  const Glyph* g = glyphFor(font, text[static_cast<std::size_t>(index)]);
  return g != nullptr && g->rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] == '#';
}

}  // namespace skin_painter
