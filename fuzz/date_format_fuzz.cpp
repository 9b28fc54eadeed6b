// Arbitrary patterns against arbitrary valid dates, in both fixed locales.
#include <cstdlib>
#include <string>
#include <string_view>

#include "time/date_format.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    if (size < 8) return 0;
    const int year = 1 + (data[0] | data[1] << 8) % 9999;
    const int month = 1 + data[2] % 12;
    const int day = 1 + data[3] % gv::DaysInMonth(year, month);
    const gv::LocalTime t =
        gv::MakeLocalTime(year, month, day, data[4] % 24, data[5] % 60, data[6] % 60);
    const gv::DateLocale& locale = data[7] & 1 ? gv::EnglishLocale() : gv::JapaneseLocale();
    const std::string_view pattern(reinterpret_cast<const char*>(data + 8), size - 8);

    std::string out;
    gv::StringSink sink(out);
    gv::FormatDate(pattern, t, locale, sink);
    // The longest expansion of one pattern byte is a long date or a full weekday name.
    if (out.size() > 64 * (pattern.size() + 1)) std::abort();
    gv::FixedText<16> bounded;  // the face's bounded sink takes any output without overrun
    gv::FormatDate(pattern, t, locale, bounded);
    if (std::string_view(out).substr(0, bounded.View().size()) != bounded.View()) std::abort();
    return 0;
}
