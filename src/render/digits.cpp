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
    for (std::size_t i = 0; i < 21 && i < pattern.size(); ++i) {
        if (pattern[i] != '1') continue;
        const long long column = static_cast<long long>(i % 3);
        const long long row = static_cast<long long>(i / 3);
        // 64-bit so that no offset the state can hold overflows; off-surface points clip.
        const long long x = (state.DgX + column) * kTwipsPerPixel;
        const long long y = (state.DgY + row) * kTwipsPerPixel;
        surface.PSet(static_cast<float>(x), static_cast<float>(y), state.DgClr);
    }
}

}  // namespace gv
