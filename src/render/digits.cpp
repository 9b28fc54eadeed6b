#include "render/digits.h"

#include "common/number.h"

namespace gv {

void Degi(ClockState& state, Surface& surface, std::string_view digit, std::int16_t column,
          Colour colour, std::int32_t row) {
    state.DgClr = colour;
    state.DgX = column;
    state.DgY = row;
    if (state.Hyo1 == kModeAnalog) state.DgY = 0;

    const double value = LeadingNumber(digit);
    for (int d = 0; d <= 9; ++d) {
        if (value == static_cast<double>(d)) {
            DegiP(state, surface, kDigitFont[d]);
            return;
        }
    }
}

void DegiP(const ClockState& state, Surface& surface, std::string_view pattern) {
    // Every cell lies on a whole pixel ((DgX + c) * 15 twips is pixel DgX + c exactly), so the
    // pixel is plotted directly instead of going through twips and back.
    const std::size_t cells = pattern.size() < 21 ? pattern.size() : 21;
    for (std::size_t i = 0; i < cells; ++i) {
        if (pattern[i] != '1') continue;
        const long long x = state.DgX + static_cast<long long>(i % 3);
        const long long y = state.DgY + static_cast<long long>(i / 3);
        surface.PSetPixel(x, y, state.DgClr);
    }
}

}  // namespace gv
