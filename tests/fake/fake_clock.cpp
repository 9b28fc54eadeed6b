#include "fake/fake_clock.h"

namespace gv::fake {

LocalTime FakeClock::Now() {
    if (!scripted.empty()) {
        const LocalTime t = scripted.front();
        scripted.pop_front();
        return t;
    }
    const long long wall = elapsedMs + wallOffsetMs;
    const long long second = wall >= 0 ? wall / 1000 : -((999 - wall) / 1000);
    LocalTime now = AddSeconds(start, second);
    now.millisecond = static_cast<int>(wall - second * 1000);
    return now;
}

void FakeTimer::SetInterval(std::int32_t ms) {
    interval = ms;
    nextTick = now_ + ms;
}

}  // namespace gv::fake
