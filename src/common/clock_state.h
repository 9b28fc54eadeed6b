#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/colour.h"

namespace gv {

// pi as a 32-bit float; the analog face converts degrees with it, not with the double value.
inline constexpr float kSinglePi = std::bit_cast<float>(0x40490FDBu);
inline constexpr std::string_view kDefaultTipFmt = "yyyy/mm/dd hh:mm aaa";
inline constexpr std::string_view kDefaultInterval = "1.0";  // design-time text of Text1
inline constexpr std::string_view kAppTitle = "!Gorvandel";

// Display modes of a row (the selected index of its list).
inline constexpr std::int16_t kModeNone = -1;   // no item selected: the row draws nothing
inline constexpr std::int16_t kModeAnalog = 0;  // top row; for the bottom row 0 means no row
inline constexpr std::int16_t kModeTime12 = 1;
inline constexpr std::int16_t kModeTime24 = 2;
inline constexpr std::int16_t kModeMonthDayBlank = 3;  // leading zeros left blank
inline constexpr std::int16_t kModeMonthDayZero = 4;   // leading zeros drawn
inline constexpr std::int16_t kModeYear = 5;

// The settings window's variables: all the state the clock has. Everything starts at zero or
// empty; start-up assigns Pi and TipFmt before anything reads them.
struct ClockState {
    float Pi = 0.0f;
    std::array<Colour, 8> Clr{};  // colour slots: top row 0-3, bottom row 4-7, analog 0-2
    std::int16_t Hyo1 = 0;        // "hyouji": display mode of the top row
    std::int16_t Hyo2 = 0;        // display mode of the bottom row, 0 = none
    std::int32_t TmrSkip = 0;     // ticks let pass between two refreshes
    std::int32_t TmrCnt = 0;      // ticks counted since the last refresh
    std::int32_t DgX = 0;         // glyph being plotted: left pixel column,
    std::int32_t DgY = 0;         // top pixel row,
    Colour DgClr = 0;             // and colour
    std::string TipFmt;           // tooltip date pattern
};

}  // namespace gv
