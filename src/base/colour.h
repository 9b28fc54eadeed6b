#pragma once

#include <cstdint>

namespace gv {

// A colour is 0x00BBGGRR, red in the low byte. A value with the top bit set names a system
// colour by its index in the low byte; the settings file may put any 32-bit value into a slot,
// so the type is the signed value the file stores.
using Colour = std::int32_t;

inline constexpr Colour kBlack = 0;
inline constexpr Colour kWhite = 0xFFFFFF;
// The button face: the background of every face and the transparent colour of the tray icon.
inline constexpr Colour kButtonFace = static_cast<Colour>(0x8000000Fu);

inline constexpr bool IsSystemColour(Colour c) { return c < 0; }

// Whether a swatch label takes the value as its text colour: a colour (top byte 0) or a system
// colour whose index the system knows (0, the scroll bar, to 30, the menu bar; 25 names none).
// Anything else the label refuses, and it keeps the colour it had.
inline constexpr bool SwatchTakes(Colour c) {
    const auto bits = static_cast<std::uint32_t>(c);
    if ((bits >> 24) == 0) return true;
    const std::uint32_t index = bits & 0x00FFFFFFu;
    return (bits >> 24) == 0x80 && index <= 30 && index != 25;
}

}  // namespace gv
