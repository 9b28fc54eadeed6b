#include "face/glyphs.h"

#include "base/number.h"

namespace gv {

void DrawGlyph(Surface& surface, std::string_view digit, std::int32_t column, std::int32_t row,
               Colour colour) {
    const double value = LeadingNumber(digit);
    for (int d = 0; d <= 9; ++d) {
        if (value == static_cast<double>(d)) {
            PlotGlyph(surface, kDigitFont[d], column, row, colour);
            return;
        }
    }
}

void PlotGlyph(Surface& surface, std::string_view pattern, std::int32_t x, std::int32_t y,
               Colour colour) {
    // Every cell lies on a whole pixel, so it is plotted directly rather than through twips.
    const std::size_t cells = pattern.size() < 21 ? pattern.size() : 21;
    for (std::size_t i = 0; i < cells; ++i) {
        if (pattern[i] != '1') continue;
        surface.PlotPixel(x + static_cast<long long>(i % 3), y + static_cast<long long>(i / 3),
                          colour);
    }
}

}  // namespace gv
