#pragma once

#include <array>
#include <cstdint>

#include "base/colour.h"

namespace gv {

// Display modes of a row (the selected index of its list).
inline constexpr std::int16_t kModeNone = -1;   // no item selected: the row draws nothing
inline constexpr std::int16_t kModeAnalog = 0;  // top row; for the bottom row 0 means no row
inline constexpr std::int16_t kModeTime12 = 1;
inline constexpr std::int16_t kModeTime24 = 2;
inline constexpr std::int16_t kModeMonthDayBlank = 3;  // leading zeros left blank
inline constexpr std::int16_t kModeMonthDayZero = 4;   // leading zeros drawn
inline constexpr std::int16_t kModeYear = 5;

// What the face is drawn with: the two rows' modes and the eight colour slots (top row 0-3,
// bottom row 4-7; the analog face uses 0 to 2). The file may hold any value in each.
struct FaceSettings {
    std::array<Colour, 8> colours{};
    std::int16_t topMode = 0;
    std::int16_t bottomMode = 0;  // 0 = no bottom row
};

}  // namespace gv
