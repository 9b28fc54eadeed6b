#pragma once

#include <cstdint>
#include <string_view>

#include "face/surface.h"
#include "features/clock_state.h"
#include "ports/platform.h"

namespace gv {

inline constexpr std::string_view kIntervalTooShort = "更新時間を 0.001 以上に設定して下さい";

// Fills a row's list with the display modes, in the table's order and with that row's texts.
void AddModeItems(SettingsWindow& window, ModeList list);

// The top row's mode chosen: the analog face allows no bottom row, so the bottom list goes back
// to "none" and is greyed out until a digital top row is chosen again.
void ChooseTopMode(ClockState& state, const Platform& platform);
void ChooseBottomMode(ClockState& state, const Platform& platform);

// A swatch clicked: the dialog opens on the slot's colour; the slot takes the colour the user
// confirms, and a cancel leaves it as it was.
void ChooseSwatchColour(ClockState& state, const Platform& platform, int index);

// Sets swatch `index` to the slot's colour, unless the swatch refuses the value (SwatchTakes):
// then it keeps its previous colour, while the slot keeps the value and is saved unchanged.
void ShowSwatchColour(const Platform& platform, int index, Colour colour);

// Apply: an interval of at least 0.001 s re-arms the timer and goes back to the tray with the
// face last drawn; anything less is refused with a message and the window stays up.
void Apply(ClockState& state, const Surface& surface, const Platform& platform);

}  // namespace gv
