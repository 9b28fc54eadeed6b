#pragma once

// The date fields and the locale's own pictures, shared by the pattern formatter. Internal to
// the time folder.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "base/text.h"
#include "time/date_locale.h"
#include "time/local_time.h"

namespace gv::date_fields {

// Only ASCII letters take part in the case-insensitive matching; std::tolower would depend on the
// C locale and is undefined for the negative chars that UTF-8 bytes become.
inline char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string_view DayName(const std::array<std::string, 7>& names, int weekday);
std::string_view MonthName(const std::array<std::string, 12>& names, int month);
int Hour12(int hour);
int YearOfCentury(int year);
inline bool IsAfternoon(const LocalTime& t) { return t.hour >= 12; }

struct Era {
    int year;
    int month;
    int day;
    std::string_view initial;  // the Latin letter used in abbreviated dates
    std::string_view first;    // the era name's first character
    std::string_view name;
};
// The Japanese era a date falls in, or nullptr before Meiji, when there is none to name.
const Era* EraOf(const LocalTime& t);
int EraYear(const LocalTime& t);
int WeekOfYear(const LocalTime& t);

// Writes a Windows date or time picture of the locale (short date, long date, time).
void AppendPicture(std::string_view picture, const LocalTime& t, const DateLocale& locale,
                   TextSink& out);

}  // namespace gv::date_fields
