#pragma once

#include "time/local_time.h"

namespace gv {

// The local wall clock. Every reading is a fresh one, so two readings may straddle a minute.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual LocalTime Now() = 0;
};

}  // namespace gv
