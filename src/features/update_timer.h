#pragma once

#include <cstdint>
#include <string_view>

#include "features/clock_state.h"
#include "ports/platform.h"

namespace gv {

// The largest interval the timer takes, in milliseconds (2147483.647 seconds).
inline constexpr std::int32_t kMaxIntervalMs = 2147483647;

// The millisecond count of an interval text: its leading number times 1000, rounded half to
// even. Counts beyond the timer's range are limited to it, and negative counts (only a damaged
// settings file can hold one) are 0, which means no ticks.
std::int32_t IntervalMilliseconds(std::string_view text);

// Applies the window's interval text to the timer. Below one second every tick refreshes; from
// one second on the timer ticks every second and the interval's whole seconds, rounded, pass as
// ticks between two refreshes. Restarts the count.
void ArmUpdateTimer(TickCount& ticks, const Platform& platform);

// Counts one tick; true when it is the one that refreshes.
bool TickDue(TickCount& ticks);

}  // namespace gv
