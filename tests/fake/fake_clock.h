#pragma once

#include <deque>

#include "ports/timer.h"
#include "time/clock.h"

namespace gv::fake {

// A simulated clock: a start plus elapsed milliseconds. Scripted readings, when queued, come
// first, one per reading, so a test can make readings straddle a minute.
class FakeClock final : public Clock {
  public:
    LocalTime Now() override;
    void Sleep(std::int32_t ms) override { elapsedMs += ms; }
    std::int64_t MonotonicMs() override { return elapsedMs; }
    LocalTime start = MakeLocalTime(2002, 3, 2, 15, 7, 0);
    long long elapsedMs = 0;     // the monotonic clock
    long long wallOffsetMs = 0;  // the wall clock set forward or back since the start
    std::deque<LocalTime> scripted;
};

class FakeTimer final : public Timer {
  public:
    explicit FakeTimer(const long long& now) : now_(now) {}
    // Setting the interval restarts the period.
    void SetInterval(std::int32_t ms) override;
    std::int32_t interval = 1000;  // as designed, until the clock sets it
    long long nextTick = 1000;

  private:
    const long long& now_;  // the clock's milliseconds
};

}  // namespace gv::fake
