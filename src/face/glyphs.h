#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "face/surface.h"

namespace gv {

// The digit font: 3x7 cells, row by row from the top, "1" painted and "0" not.
inline constexpr std::array<std::string_view, 10> kDigitFont = {
    "111101101101101101111",  // 0
    "010110010010010010111",  // 1
    "111001001111100100111",  // 2
    "111001001111001001111",  // 3
    "101101101111001001001",  // 4
    "111100100111001001111",  // 5
    "111100100111101101111",  // 6
    "111101101001001001001",  // 7
    "111101101111101101111",  // 8
    "111101101111001001001",  // 9
};

// Draws the glyph of `digit` with its top-left cell at pixel (column, row). Text without a
// leading number draws "0"; a number that is not a whole 0 to 9 draws nothing.
void DrawGlyph(Surface& surface, std::string_view digit, std::int32_t column, std::int32_t row,
               Colour colour);

// Plots the painted cells of a glyph pattern (at most 21 cells are read) with its top-left cell
// at pixel (x, y).
void PlotGlyph(Surface& surface, std::string_view pattern, std::int32_t x, std::int32_t y,
               Colour colour);

}  // namespace gv
