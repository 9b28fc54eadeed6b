#pragma once

#include <cstdint>

#include "common/local_time.h"

namespace gv {

// Timer1. Interval in milliseconds, 0 to 2147483647; 0 means no ticks. Each tick arrives as a
// call of the program's tick handler on the window's thread.
class Timer {
  public:
    virtual ~Timer() = default;
    virtual void SetInterval(std::int32_t milliseconds) = 0;
};

class Clock {
  public:
    virtual ~Clock() = default;
    virtual LocalTime Now() = 0;
};

}  // namespace gv
