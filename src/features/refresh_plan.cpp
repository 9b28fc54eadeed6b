#include "features/refresh_plan.h"

#include "base/text.h"
#include "ports/tray.h"
#include "time/date_format.h"

namespace gv {

std::int64_t FirstRefreshAtOrAfter(const RefreshCycle& cycle, std::int64_t atMs) {
    const std::int64_t every = static_cast<std::int64_t>(cycle.periodMs) * cycle.ticksPerRefresh;
    if (every <= 0) return atMs;
    const std::int64_t since = atMs - cycle.startMs;
    const std::int64_t refreshes = since <= every ? 1 : (since + every - 1) / every;
    return cycle.startMs + refreshes * every;
}

std::int64_t MsToNextChange(const LocalTime& now, bool showsSeconds) {
    const std::int64_t toSecond = 1000 - now.millisecond;
    return showsSeconds ? toSecond : (59 - now.second) * 1000LL + toSecond;
}

bool ShowsSeconds(std::string_view pattern, const DateLocale& locale) {
    // Two instants in the same minute, so that only the seconds can tell them apart.
    FixedText<kTipTextBytes> first, second;
    FormatDate(pattern, MakeLocalTime(2001, 2, 3, 4, 5, 6), locale, first);
    FormatDate(pattern, MakeLocalTime(2001, 2, 3, 4, 5, 7), locale, second);
    return first.View() != second.View();
}

std::int64_t MsToNextUsefulRefresh(const RefreshCycle& cycle, std::int64_t nowMs,
                                   const LocalTime& now, bool showsSeconds) {
    const std::int64_t change = nowMs + MsToNextChange(now, showsSeconds);
    return FirstRefreshAtOrAfter(cycle, change) - nowMs;
}

}  // namespace gv
