#pragma once

#include <cstdint>
#include <string_view>

#include "common/clock_state.h"
#include "platform/platform.h"

namespace gv {

inline constexpr std::string_view kIntervalTooShort = "更新時間を 0.001 以上に設定して下さい";
inline constexpr std::string_view kTopFirstItem = "アナログ";
inline constexpr std::string_view kBottomFirstItem = "なし";

// "Add combo": appends the five digital display modes, which follow the list's own first item.
void AddCmb(Window& window, ComboId combo);

// Top list chosen: store the mode; the analog face allows no bottom row, so the bottom list goes
// back to "none" and is greyed out until a digital top row is chosen again.
void Combo1_Click(ClockState& state, const Platform& platform);
void Combo2_Click(ClockState& state, const Platform& platform);

// Swatch clicked: the slot takes the dialog's colour whether the user confirmed or cancelled,
// so a cancel gives the colour last confirmed in this run (black before any).
void Lb1_Click(ClockState& state, const Platform& platform, std::int16_t index);

// Sets swatch `index` to the slot's colour, unless the swatch refuses the value (SwatchTakes):
// then it keeps its previous colour, while the slot keeps the value and is saved unchanged.
void ShowSlotColour(const Platform& platform, int index, Colour colour);

// Apply: an interval of at least 0.001 s re-arms the timer and goes back to the tray; anything
// less is refused with a message and the window stays up.
void Command1_Click(ClockState& state, const Platform& platform);

}  // namespace gv
