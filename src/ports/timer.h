#pragma once

#include <cstdint>

namespace gv {

// The update timer: ticks every `milliseconds` (0 to 2147483647; 0 means no ticks), each
// delivered as WindowEvents::OnTick on the window's thread. Setting it restarts the period.
class Timer {
  public:
    virtual ~Timer() = default;
    virtual void SetInterval(std::int32_t milliseconds) = 0;
};

}  // namespace gv
