// The leading-number value and the two rounding conversions on arbitrary text. The conversions
// are checked against the floating-point unit's own round-half-even (nearbyint in the default
// rounding mode).
#include <cfenv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string_view>

#include "base/number.h"

namespace {

template <typename Int>
void Check(double value, std::optional<Int> got) {
    const double r = std::nearbyint(value);
    const bool fits = std::isfinite(r) && r >= std::numeric_limits<Int>::min() &&
                      r <= std::numeric_limits<Int>::max();
    if (got.has_value() != fits) std::abort();
    if (got && static_cast<double>(*got) != r) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = gv::LeadingNumber(text);
    if (std::isnan(value)) std::abort();
    if (std::fegetround() != FE_TONEAREST) std::abort();
    Check(value, gv::RoundToInt32(value));
    Check(value, gv::RoundToInt16(value));
    Check(value * 1000.0, gv::RoundToInt32(value * 1000.0));
    return 0;
}
