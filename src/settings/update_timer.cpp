#include "settings/update_timer.h"

#include <string>

#include "common/number.h"
#include "render/refresh.h"

namespace gv {

std::int32_t IntervalMilliseconds(std::string_view text) {
    const double ms = LeadingNumber(text) * 1000.0;
    if (const auto rounded = RoundToInt32(ms)) return *rounded < 0 ? 0 : *rounded;
    return ms > 0 ? kMaxIntervalMs : 0;
}

void SetTmr(ClockState& state, const Platform& platform) {
    const std::int32_t ms = IntervalMilliseconds(platform.window.IntervalText());
    if (ms >= 1000) {
        platform.timer.SetInterval(1000);
        state.TmrSkip = RoundToInt32(ms / 1000.0).value_or(0);  // at most 2147484: always fits
    } else {
        platform.timer.SetInterval(ms);
        state.TmrSkip = 0;
    }
    state.TmrCnt = 0;
}

void Timer1_Timer(ClockState& state, Surface& surface, const Platform& platform) {
    if (state.TmrCnt < state.TmrSkip) {
        ++state.TmrCnt;
        return;
    }
    state.TmrCnt = 0;
    Lng(state, surface, platform);
}

}  // namespace gv
