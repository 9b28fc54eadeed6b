#pragma once

#include <cstdint>

#include "time/local_time.h"

namespace gv {

// The local wall clock. Every reading is a fresh one, so two readings may straddle a minute.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual LocalTime Now() = 0;
    // A count of milliseconds that only ever goes forward, whatever is done to the wall clock.
    virtual std::int64_t MonotonicMs() = 0;
    // Waits on the calling thread, for a short retry: the program has nothing else to do then.
    virtual void Sleep(std::int32_t milliseconds) = 0;
};

}  // namespace gv
