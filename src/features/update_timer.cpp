#include "features/update_timer.h"

#include "base/number.h"

namespace gv {

std::int32_t IntervalMilliseconds(std::string_view text) {
    const double ms = LeadingNumber(text) * 1000.0;
    if (const auto rounded = RoundToInt32(ms)) return *rounded < 0 ? 0 : *rounded;
    return ms > 0 ? kMaxIntervalMs : 0;
}

void ArmUpdateTimer(TickCount& ticks, const Platform& platform) {
    const std::int32_t ms = IntervalMilliseconds(platform.window.IntervalText());
    ticks.periodMs = ms >= 1000 ? 1000 : ms;
    ticks.startMs = platform.clock.MonotonicMs();
    if (ms >= 1000) {
        platform.timer.SetInterval(1000);
        ticks.toSkip = RoundToInt32(ms / 1000.0).value_or(0);  // at most 2147484: always fits
    } else {
        platform.timer.SetInterval(ms);
        ticks.toSkip = 0;
    }
    ticks.counted = 0;
}

bool TickDue(TickCount& ticks) {
    if (ticks.counted < ticks.toSkip) {
        ++ticks.counted;
        return false;
    }
    ticks.counted = 0;
    return true;
}

}  // namespace gv
