#pragma once

#include <cstdint>
#include <string_view>

#include "common/clock_state.h"
#include "platform/platform.h"
#include "render/surface.h"

namespace gv {

// The largest interval the timer takes, in milliseconds (2147483.647 seconds).
inline constexpr std::int32_t kMaxIntervalMs = 2147483647;

// The millisecond count of an interval text: its leading number times 1000, rounded half to
// even. Counts beyond the timer's range are limited to it, and negative counts (only a damaged
// settings file can hold one) are 0, which means no ticks.
std::int32_t IntervalMilliseconds(std::string_view text);

// "Set timer": applies the interval text of the window to the timer. Below one second every tick
// refreshes; from one second on the timer ticks every second and TmrSkip ticks pass between two
// refreshes. Restarts the tick count.
void SetTmr(ClockState& state, const Platform& platform);

// The tick handler: counts ticks and refreshes when TmrSkip ticks have passed.
void Timer1_Timer(ClockState& state, Surface& surface, const Platform& platform);

}  // namespace gv
