#include "time/date_fields.h"

#include <array>
#include <string>

namespace gv::date_fields {

// Fields are normally valid, but a LocalTime is plain data that anyone can fill in, so names are
// looked up defensively rather than trusting the index.
std::string_view DayName(const std::array<std::string, 7>& names, int weekday) {
    return names[static_cast<std::size_t>((weekday % 7 + 7) % 7)];
}

std::string_view MonthName(const std::array<std::string, 12>& names, int month) {
    if (month < 1 || month > 12) return {};
    return names[static_cast<std::size_t>(month - 1)];
}

int Hour12(int hour) {
    const int h = hour % 12;
    return h == 0 ? 12 : h;
}

int YearOfCentury(int year) { return (year % 100 + 100) % 100; }

constexpr std::array<Era, 5> kEras{{
    {1868, 1, 25, "M", "明", "明治"},
    {1912, 7, 30, "T", "大", "大正"},
    {1926, 12, 25, "S", "昭", "昭和"},
    {1989, 1, 8, "H", "平", "平成"},
    {2019, 5, 1, "R", "令", "令和"},
}};

static long long DateKey(int year, int month, int day) {
    return static_cast<long long>(year) * 10000 + month * 100LL + day;
}

const Era* EraOf(const LocalTime& t) {
    const long long key = DateKey(t.year, t.month, t.day);
    const Era* found = nullptr;
    for (const Era& era : kEras) {
        if (key >= DateKey(era.year, era.month, era.day)) found = &era;
    }
    return found;
}

// Before Meiji there is no era to count from, so the Gregorian year stands in for it.
int EraYear(const LocalTime& t) {
    const Era* era = EraOf(t);
    return era ? t.year - era->year + 1 : t.year;
}

int WeekOfYear(const LocalTime& t) {
    const int dayOfYear = DayOfYear(t);
    // The weekday of 1 January follows from the date's own weekday, which keeps the week number
    // consistent with the weekday names printed beside it.
    const int newYearWeekday = ((t.weekday - (dayOfYear - 1)) % 7 + 7) % 7;
    return (dayOfYear - 1 + newYearWeekday) / 7 + 1;
}

// --- The locale's own pictures ------------------------------------------------------------------
//
// The short date, long date and time come from the platform as Windows pictures. Their letters
// are case-sensitive (M is the month, m the minute, H the 24-hour and h the 12-hour clock), runs
// longer than the longest form act as the longest form, and text between single quotes is copied
// with '' standing for one apostrophe.

static bool IsPictureSyntax(char c) {
    switch (c) {
        case 'd':
        case 'M':
        case 'y':
        case 'g':
        case 'h':
        case 'H':
        case 'm':
        case 's':
        case 't':
        case '\'':
        case '/':
        case ':':
            return true;
        default:
            return false;
    }
}

// Copies a quoted stretch that starts at picture[i] (the opening quote) and returns the index
// just past it. An unclosed quote simply runs to the end of the picture.
static std::size_t AppendPictureQuote(std::string_view picture, std::size_t i, TextSink& out) {
    ++i;
    std::size_t start = i;
    while (i < picture.size()) {
        if (picture[i] != '\'') {
            ++i;
            continue;
        }
        out.Append(picture.substr(start, i - start));
        if (i + 1 < picture.size() && picture[i + 1] == '\'') {
            out.Append("'");
            i += 2;
            start = i;
            continue;
        }
        return i + 1;
    }
    out.Append(picture.substr(start));
    return picture.size();
}

void AppendPicture(std::string_view picture, const LocalTime& t, const DateLocale& locale,
                   TextSink& out) {
    std::size_t i = 0;
    while (i < picture.size()) {
        const char c = picture[i];
        if (c == '\'') {
            // Outside quotes, '' is an apostrophe too, not an empty quoted text.
            if (i + 1 < picture.size() && picture[i + 1] == '\'') {
                out.Append("'");
                i += 2;
            } else {
                i = AppendPictureQuote(picture, i, out);
            }
            continue;
        }
        if (c == '/' || c == ':') {
            out.Append(c == '/' ? locale.dateSeparator : locale.timeSeparator);
            ++i;
            continue;
        }
        if (!IsPictureSyntax(c)) {
            const std::size_t start = i;
            while (i < picture.size() && !IsPictureSyntax(picture[i])) ++i;
            out.Append(picture.substr(start, i - start));
            continue;
        }

        std::size_t run = 1;
        while (i + run < picture.size() && picture[i + run] == c) ++run;
        i += run;
        const int digits = run >= 2 ? 2 : 1;
        switch (c) {
            case 'd':
                if (run <= 2) {
                    AppendDecimal(out, t.day, digits);
                } else {
                    out.Append(run == 3 ? DayName(locale.dayAbbrev, t.weekday)
                                        : DayName(locale.dayFull, t.weekday));
                }
                break;
            case 'M':
                if (run <= 2) {
                    AppendDecimal(out, t.month, digits);
                } else {
                    out.Append(run == 3 ? MonthName(locale.monthAbbrev, t.month)
                                        : MonthName(locale.monthFull, t.month));
                }
                break;
            case 'y':
                if (run <= 2) {
                    AppendDecimal(out, YearOfCentury(t.year), digits);
                } else {
                    AppendDecimal(out, t.year);
                }
                break;
            case 'g':
                if (const Era* era = EraOf(t)) out.Append(run == 1 ? era->first : era->name);
                break;
            case 'h':
                AppendDecimal(out, Hour12(t.hour), digits);
                break;
            case 'H':
                AppendDecimal(out, t.hour, digits);
                break;
            case 'm':
                AppendDecimal(out, t.minute, digits);
                break;
            case 's':
                AppendDecimal(out, t.second, digits);
                break;
            case 't': {
                const std::string_view text = IsAfternoon(t) ? locale.afternoon : locale.morning;
                // One "t" is the first character, which in Japanese is several bytes.
                out.Append(run == 1 && !text.empty() ? text.substr(0, Utf8SequenceLength(text, 0))
                                                     : text);
                break;
            }
            default:
                break;
        }
    }
}

}  // namespace gv::date_fields
