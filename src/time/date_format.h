#pragma once

#include <string>
#include <string_view>

#include "base/text.h"
#include "time/date_locale.h"
#include "time/local_time.h"

namespace gv {

// Formats a local date and time by a date pattern (the tooltip pattern language: d dd ddd dddd
// ddddd dddddd aaa aaaa w ww m mm mmm mmmm q y yy yyyy h hh n nn s ss ttttt c AM/PM am/pm A/P a/p
// AMPM g gg ggg e ee / : \x "text"). Any pattern is safe: no input reads or writes out of bounds,
// loops or throws. Allocates nothing itself; the sink decides where the text goes.
void FormatDate(std::string_view pattern, const LocalTime& time, const DateLocale& locale,
                TextSink& out);

}  // namespace gv
