#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace gv {

// The number a text begins with. Spaces, tabs and line feeds are skipped wherever they stand,
// then an optional sign, digits with at most one ".", and an optional exponent (E or e, optional
// sign, digits). The first character that cannot continue the number ends it. A text that does
// not begin with a number gives 0. The decimal point is always ".", whatever the locale.
// An exponent too large for a double gives an infinity, so that the conversions below report
// the overflow rather than quietly using 0.
double LeadingNumber(std::string_view text);

// Rounding to the nearest integer, a tie going to the even neighbour. nullopt is the overflow
// error: the rounded value lies outside the target's range, or the value is not a number.
std::optional<std::int16_t> RoundToInt16(double value);
std::optional<std::int32_t> RoundToInt32(double value);

}  // namespace gv
