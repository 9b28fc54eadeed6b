#pragma once

#include <cstdint>

namespace gv {

// A colour is 0x00BBGGRR, red in the low byte. A value with the top bit set names a system
// colour by its index in the low byte; the settings file may put any 32-bit value into a slot,
// so the type is the signed value the file stores.
using Colour = std::int32_t;

inline constexpr Colour kBlack = 0;
// The button face: the background of every face and the transparent colour of the tray icon.
inline constexpr Colour kButtonFace = static_cast<Colour>(0x8000000Fu);

inline constexpr bool IsSystemColour(Colour c) { return c < 0; }

}  // namespace gv
