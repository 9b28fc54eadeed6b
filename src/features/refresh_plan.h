#pragma once

#include <cstdint>

#include "features/clock_state.h"
#include "time/date_locale.h"
#include "time/local_time.h"

namespace gv {

// The refreshes the update timer makes: one every `ticksPerRefresh` ticks of `periodMs`,
// counted from `startMs` on the monotonic clock (when the interval was set), the first one a
// whole refresh period after it. A period of 0 makes no refreshes.
struct RefreshCycle {
    std::int64_t startMs = 0;
    std::int32_t periodMs = 0;
    std::int32_t ticksPerRefresh = 1;
};

// The refreshes the timer makes, as the planner sees them.
RefreshCycle CycleOf(const TickCount& ticks);

// The monotonic instant of the first refresh of the cycle at or after `atMs`.
std::int64_t FirstRefreshAtOrAfter(const RefreshCycle& cycle, std::int64_t atMs);

// Milliseconds from `shown`, the reading that the face and the tooltip were last drawn from, to
// the next instant at which they can read otherwise: the next second when a row shows seconds
// (the table of modes says) or when the tooltip reads otherwise a second on (seconds in the
// pattern or in the locale's time picture, or `c`, which prints the date alone at the very
// start of a day and the time too from the next second on); else the next minute.
std::int64_t MsToNextChange(const ClockState& state, const DateLocale& locale,
                            const LocalTime& shown);

// While the clock is in the tray it sleeps from one refresh that can show something new to the
// next: the monotonic instant of the first refresh of the cycle at or after the next change,
// `nowMs` being when `shown` was read. Every other refresh would find nothing new to show.
std::int64_t NextUsefulRefreshAt(const ClockState& state, const DateLocale& locale,
                                 std::int64_t nowMs, const LocalTime& shown);

}  // namespace gv
