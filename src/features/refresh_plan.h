#pragma once

#include <cstdint>
#include <string_view>

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

// The monotonic instant of the first refresh of the cycle at or after `atMs`.
std::int64_t FirstRefreshAtOrAfter(const RefreshCycle& cycle, std::int64_t atMs);

// Milliseconds from `now` to the next instant at which the face or the tooltip can show
// something new: the next whole second when the tooltip shows seconds, else the next minute.
std::int64_t MsToNextChange(const LocalTime& now, bool showsSeconds);

// Whether a tooltip pattern shows the seconds: it reads differently at two instants a second
// apart. Asking the formatter itself keeps this right for every token and locale picture.
bool ShowsSeconds(std::string_view pattern, const DateLocale& locale);

// While the clock is in the tray it sleeps from one refresh that can show something new to the
// next: the milliseconds from `nowMs` to the first refresh of the cycle at or after the next
// change. Every other refresh would find nothing new to show.
std::int64_t MsToNextUsefulRefresh(const RefreshCycle& cycle, std::int64_t nowMs,
                                   const LocalTime& now, bool showsSeconds);

}  // namespace gv
