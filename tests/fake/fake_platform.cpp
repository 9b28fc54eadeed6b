#include "fake/fake_platform.h"

namespace gv::fake {

std::uint64_t Program::Run(long long ms, const std::function<void()>& afterTick) {
    const std::uint64_t before = fake.Refreshes();
    const long long end = fake.clock.elapsedMs + ms;
    while (fake.timer.interval > 0 && fake.timer.nextTick <= end) {
        fake.clock.elapsedMs = fake.timer.nextTick;
        fake.timer.nextTick += fake.timer.interval;
        clock.OnTick();
        if (afterTick) afterTick();
    }
    fake.clock.elapsedMs = end;
    return fake.Refreshes() - before;
}

}  // namespace gv::fake
