#pragma once

#include <string_view>

namespace skin_painter {

// Lettering is drawn from pixel glyphs held in code, so the pictures never depend on the fonts
// installed on the machine that runs the painter.
enum class Font {
  Caption,  // 8 x 11 blocky capitals, strokes 2 pixels wide: VOLUME, LEVEL
  Digits,   // 5 x 7 numerals of the scale
  Tiny,     // 3 x 5 capitals of the program icon
};

int glyphWidth(Font font);
int glyphHeight(Font font);

// Width of a line of text, glyphs separated by `gap` empty columns.
int textWidth(Font font, std::string_view text, int gap);

// Whether logical pixel (x, y) is inked by `text` set with its top-left corner at (left, top).
bool inkAt(Font font, std::string_view text, int gap, int left, int top, int x, int y);

}  // namespace skin_painter
