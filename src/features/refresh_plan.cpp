#include "features/refresh_plan.h"

#include "base/text.h"
#include "face/display_modes.h"
#include "ports/tray.h"
#include "time/date_format.h"

namespace gv {
namespace {

// Asking the formatter itself keeps this right for every token and locale picture.
bool TipReadsOtherwiseASecondOn(const ClockState& state, const DateLocale& locale,
                                const LocalTime& shown) {
    FixedText<kTipTextBytes> now, next;  // as much of the text as a refresh formats
    FormatDate(state.tipPattern, shown, locale, now);
    FormatDate(state.tipPattern, AddSeconds(shown, 1), locale, next);
    return now.View() != next.View();
}

}  // namespace

RefreshCycle CycleOf(const TickCount& ticks) {
    return {ticks.startMs, ticks.periodMs, ticks.toSkip + 1};
}

std::int64_t FirstRefreshAtOrAfter(const RefreshCycle& cycle, std::int64_t atMs) {
    const std::int64_t every = static_cast<std::int64_t>(cycle.periodMs) * cycle.ticksPerRefresh;
    if (every <= 0) return atMs;
    const std::int64_t since = atMs - cycle.startMs;
    const std::int64_t refreshes = since <= every ? 1 : (since + every - 1) / every;
    return cycle.startMs + refreshes * every;
}

std::int64_t MsToNextChange(const ClockState& state, const DateLocale& locale,
                            const LocalTime& shown) {
    const std::int64_t toSecond = 1000 - shown.millisecond;
    if (FaceShowsSeconds(state.face) || TipReadsOtherwiseASecondOn(state, locale, shown))
        return toSecond;
    return (59 - shown.second) * 1000LL + toSecond;
}

std::int64_t NextUsefulRefreshAt(const ClockState& state, const DateLocale& locale,
                                 std::int64_t nowMs, const LocalTime& shown) {
    return FirstRefreshAtOrAfter(CycleOf(state.ticks),
                                 nowMs + MsToNextChange(state, locale, shown));
}

}  // namespace gv
