#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "face/face_settings.h"

namespace gv {

inline constexpr std::string_view kDefaultTipPattern = "yyyy/mm/dd hh:mm aaa";

// The update timer's cycle: it ticks every `periodMs` (at most a second; 0 means no ticks) from
// `startMs` on the monotonic clock, when the interval was set, and `toSkip` ticks pass between
// two refreshes; `counted` is how many have passed since the last one.
struct TickCount {
    std::int32_t periodMs = 0;
    std::int64_t startMs = 0;
    std::int32_t toSkip = 0;
    std::int32_t counted = 0;
};

// All the state the clock has, besides what its window's controls hold (the interval text, the
// list selections, the swatch colours).
struct ClockState {
    FaceSettings face;
    std::string tipPattern;  // the tooltip's date pattern
    // The pattern's line as the file held it, in the code page: it goes back unchanged.
    std::optional<std::string> tipPatternBytes;
    TickCount ticks;
};

}  // namespace gv
