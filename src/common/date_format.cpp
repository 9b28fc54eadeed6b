#include "common/date_format.h"

#include <array>
#include <charconv>
#include <cstddef>
#include <string_view>

namespace gv {
namespace {

// Only ASCII letters take part in the case-insensitive matching; std::tolower would depend on the
// C locale and is undefined for the negative chars that UTF-8 bytes become.
char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Bytes of the UTF-8 character that starts at text[i]. A broken sequence counts only the bytes
// that really belong to it, and nothing past the end of the text is ever counted.
std::size_t Utf8Length(std::string_view text, std::size_t i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t wanted = 1;
    if (lead >= 0xC0 && lead < 0xE0) {
        wanted = 2;
    } else if (lead >= 0xE0 && lead < 0xF0) {
        wanted = 3;
    } else if (lead >= 0xF0 && lead < 0xF8) {
        wanted = 4;
    }
    std::size_t length = 1;
    while (length < wanted && i + length < text.size() && IsContinuationByte(text[i + length])) {
        ++length;
    }
    return length;
}

// Writes a number with at least minDigits digits. Digits go through a buffer on the stack so that
// the face composer, which formats on every frame, never reaches the heap.
void AppendNumber(TextSink& out, int value, int minDigits = 1) {
    std::array<char, 24> digits{};
    const long long wide = value;
    const unsigned long long magnitude = wide < 0 ? 0ULL - static_cast<unsigned long long>(wide)
                                                  : static_cast<unsigned long long>(wide);
    const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), magnitude);
    const auto length = static_cast<int>(result.ptr - digits.data());
    if (wide < 0) out.Append("-");
    static constexpr std::string_view kZeros = "00000000";
    if (length < minDigits) {
        const auto padding = static_cast<std::size_t>(minDigits - length);
        out.Append(kZeros.substr(0, padding < kZeros.size() ? padding : kZeros.size()));
    }
    out.Append(std::string_view(digits.data(), static_cast<std::size_t>(length)));
}

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

bool IsAfternoon(const LocalTime& t) { return t.hour >= 12; }

struct Era {
    int year;
    int month;
    int day;
    std::string_view initial;  // the Latin letter used in abbreviated dates
    std::string_view first;    // the era name's first character
    std::string_view name;
};

constexpr std::array<Era, 5> kEras{{
    {1868, 1, 25, "M", "明", "明治"},
    {1912, 7, 30, "T", "大", "大正"},
    {1926, 12, 25, "S", "昭", "昭和"},
    {1989, 1, 8, "H", "平", "平成"},
    {2019, 5, 1, "R", "令", "令和"},
}};

long long DateKey(int year, int month, int day) {
    return static_cast<long long>(year) * 10000 + month * 100LL + day;
}

// The Japanese era a date falls in, or nullptr before Meiji, when there is none to name.
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

bool IsPictureSyntax(char c) {
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
std::size_t AppendPictureQuote(std::string_view picture, std::size_t i, TextSink& out) {
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
                    AppendNumber(out, t.day, digits);
                } else {
                    out.Append(run == 3 ? DayName(locale.dayAbbrev, t.weekday)
                                        : DayName(locale.dayFull, t.weekday));
                }
                break;
            case 'M':
                if (run <= 2) {
                    AppendNumber(out, t.month, digits);
                } else {
                    out.Append(run == 3 ? MonthName(locale.monthAbbrev, t.month)
                                        : MonthName(locale.monthFull, t.month));
                }
                break;
            case 'y':
                if (run <= 2) {
                    AppendNumber(out, YearOfCentury(t.year), digits);
                } else {
                    AppendNumber(out, t.year);
                }
                break;
            case 'g':
                if (const Era* era = EraOf(t)) out.Append(run == 1 ? era->first : era->name);
                break;
            case 'h':
                AppendNumber(out, Hour12(t.hour), digits);
                break;
            case 'H':
                AppendNumber(out, t.hour, digits);
                break;
            case 'm':
                AppendNumber(out, t.minute, digits);
                break;
            case 's':
                AppendNumber(out, t.second, digits);
                break;
            case 't': {
                const std::string_view text = IsAfternoon(t) ? locale.afternoon : locale.morning;
                // One "t" is the first character, which in Japanese is several bytes.
                out.Append(run == 1 && !text.empty() ? text.substr(0, Utf8Length(text, 0)) : text);
                break;
            }
            default:
                break;
        }
    }
}

// --- The pattern language ------------------------------------------------------------------------

enum class Kind {
    Literal,        // copied as it stands
    Quoted,         // "text"
    Escape,         // \x
    DateSeparator,  // /
    TimeSeparator,  // :
    Letter,         // a run of one token letter; the run length picks the form
    AmPmText,       // AM/PM or am/pm
    AmPmLetter,     // A/P or a/p
    AmPmLocale,     // AMPM
};

struct Token {
    Kind kind;
    std::size_t length;  // bytes of pattern the token covers, at least 1
    char letter = 0;     // lower case, for Kind::Letter
};

bool StartsWithNoCase(std::string_view text, std::size_t i, std::string_view lowerWord) {
    if (text.size() - i < lowerWord.size()) return false;
    for (std::size_t k = 0; k < lowerWord.size(); ++k) {
        if (Lower(text[i + k]) != lowerWord[k]) return false;
    }
    return true;
}

// The longest form of each token letter; 0 for letters that are not tokens on their own.
std::size_t LongestForm(char lower) {
    switch (lower) {
        case 'd':
            return 6;
        case 'm':
        case 'y':
            return 4;
        case 'g':
            return 3;
        case 'w':
        case 'h':
        case 'n':
        case 's':
        case 'e':
            return 2;
        case 'q':
        case 'c':
            return 1;
        case 't':
            return 5;
        default:
            return 0;
    }
}

bool MayStartToken(char c) {
    if (c == '\\' || c == '"' || c == '/' || c == ':') return true;
    const char lower = Lower(c);
    return lower == 'a' || LongestForm(lower) != 0;
}

Token ReadToken(std::string_view pattern, std::size_t i) {
    const char c = pattern[i];
    switch (c) {
        case '\\':
            // A backslash at the very end has nothing to protect and prints nothing.
            return {Kind::Escape, i + 1 < pattern.size() ? 1 + Utf8Length(pattern, i + 1) : 1};
        case '"': {
            const std::size_t close = pattern.find('"', i + 1);
            return {Kind::Quoted,
                    close == std::string_view::npos ? pattern.size() - i : close - i + 1};
        }
        case '/':
            return {Kind::DateSeparator, 1};
        case ':':
            return {Kind::TimeSeparator, 1};
        default:
            break;
    }

    const char lower = Lower(c);
    if (lower == 'a') {
        if (StartsWithNoCase(pattern, i, "am/pm")) return {Kind::AmPmText, 5};
        if (StartsWithNoCase(pattern, i, "ampm")) return {Kind::AmPmLocale, 4};
        if (StartsWithNoCase(pattern, i, "aaaa")) return {Kind::Letter, 4, 'a'};
        if (StartsWithNoCase(pattern, i, "aaa")) return {Kind::Letter, 3, 'a'};
        if (StartsWithNoCase(pattern, i, "a/p")) return {Kind::AmPmLetter, 3};
    } else if (const std::size_t longest = LongestForm(lower); longest != 0) {
        // Counting stops at the longest form, so a long run costs no more than a short one; the
        // rest of the run is read as further tokens.
        std::size_t run = 1;
        while (run < longest && i + run < pattern.size() && Lower(pattern[i + run]) == lower) {
            ++run;
        }
        if (lower == 't') {
            if (run == 5) return {Kind::Letter, 5, 't'};
            return {Kind::Literal, run};  // shorter runs of t are plain text
        }
        if (lower == 'y' && run == 3) run = 2;  // there is no three-letter year
        return {Kind::Letter, run, lower};
    }

    std::size_t length = 1;
    while (i + length < pattern.size() && !MayStartToken(pattern[i + length])) ++length;
    return {Kind::Literal, length};
}

// The 12-hour clock applies to every hour in the pattern, even those written before the AM/PM
// marker, so the whole pattern is looked at first. Markers inside quotes or after a backslash are
// text, not markers, and do not count.
bool WantsTwelveHourClock(std::string_view pattern) {
    for (std::size_t i = 0; i < pattern.size();) {
        const Token token = ReadToken(pattern, i);
        if (token.kind == Kind::AmPmText || token.kind == Kind::AmPmLetter ||
            token.kind == Kind::AmPmLocale) {
            return true;
        }
        i += token.length;
    }
    return false;
}

class Formatter {
  public:
    Formatter(std::string_view pattern, const LocalTime& t, const DateLocale& locale, TextSink& out)
        : pattern_(pattern),
          t_(t),
          locale_(locale),
          out_(out),
          twelveHour_(WantsTwelveHourClock(pattern)) {}

    void Run() {
        for (std::size_t i = 0; i < pattern_.size();) {
            const Token token = ReadToken(pattern_, i);
            Emit(token, i);
            i += token.length;
        }
    }

  private:
    void Emit(const Token& token, std::size_t i) {
        const std::string_view text = pattern_.substr(i, token.length);
        switch (token.kind) {
            case Kind::Literal:
                out_.Append(text);
                break;
            case Kind::Quoted: {
                const bool closed = text.size() >= 2 && text.back() == '"';
                out_.Append(text.substr(1, text.size() - (closed ? 2 : 1)));
                break;
            }
            case Kind::Escape:
                out_.Append(text.substr(1));
                break;
            case Kind::DateSeparator:
                out_.Append(locale_.dateSeparator);
                break;
            case Kind::TimeSeparator:
                out_.Append(locale_.timeSeparator);
                break;
            case Kind::AmPmText:
                // Each half prints as the pattern writes it, so "am/pm" stays lower case.
                out_.Append(IsAfternoon(t_) ? text.substr(3, 2) : text.substr(0, 2));
                break;
            case Kind::AmPmLetter: {
                const bool lowerCase = text[0] == 'a';
                const char* letter =
                    IsAfternoon(t_) ? (lowerCase ? "p" : "P") : (lowerCase ? "a" : "A");
                out_.Append(letter);
                break;
            }
            case Kind::AmPmLocale:
                out_.Append(IsAfternoon(t_) ? locale_.afternoon : locale_.morning);
                break;
            case Kind::Letter:
                EmitLetter(token.letter, static_cast<int>(token.length));
                break;
        }
    }

    void EmitLetter(char letter, int count) {
        const int digits = count >= 2 ? 2 : 1;
        switch (letter) {
            case 'd':
                // Any day token ends the stretch in which an m can still be the minute: in
                // "hh dd mm" the mm belongs with the date.
                hourPending_ = false;
                if (count <= 2) {
                    AppendNumber(out_, t_.day, digits);
                } else if (count == 3) {
                    out_.Append(DayName(locale_.dayAbbrev, t_.weekday));
                } else if (count == 4) {
                    out_.Append(DayName(locale_.dayFull, t_.weekday));
                } else {
                    AppendPicture(count == 5 ? locale_.shortDatePicture : locale_.longDatePicture,
                                  t_, locale_, out_);
                }
                break;
            case 'a':
                out_.Append(count == 3 ? DayName(locale_.dayAbbrev, t_.weekday)
                                       : DayName(locale_.dayFull, t_.weekday));
                break;
            case 'w':
                AppendNumber(out_, count == 1 ? (t_.weekday % 7 + 7) % 7 + 1 : WeekOfYear(t_));
                break;
            case 'm':
                if (count >= 3) {
                    out_.Append(count == 3 ? MonthName(locale_.monthAbbrev, t_.month)
                                           : MonthName(locale_.monthFull, t_.month));
                } else if (hourPending_) {
                    // Only the first m after an hour is its minute; "hh:mm mm" shows the month
                    // in its second mm.
                    hourPending_ = false;
                    AppendNumber(out_, t_.minute, digits);
                } else {
                    AppendNumber(out_, t_.month, digits);
                }
                break;
            case 'q':
                AppendNumber(out_, (t_.month - 1) / 3 + 1);
                break;
            case 'y':
                if (count == 1) {
                    AppendNumber(out_, DayOfYear(t_));
                } else if (count == 2) {
                    AppendNumber(out_, YearOfCentury(t_.year), 2);
                } else {
                    // The full year is printed as it is, without padding: the year 5 is "5", not
                    // "0005". Only the clock's own years ever reach the tooltip, and padding
                    // would invent digits that nobody wrote.
                    AppendNumber(out_, t_.year);
                }
                break;
            case 'h':
                hourPending_ = true;
                AppendNumber(out_, twelveHour_ ? Hour12(t_.hour) : t_.hour, digits);
                break;
            case 'n':
                AppendNumber(out_, t_.minute, digits);
                break;
            case 's':
                AppendNumber(out_, t_.second, digits);
                break;
            case 't':
                AppendPicture(locale_.timePicture, t_, locale_, out_);
                break;
            case 'c':
                AppendPicture(locale_.shortDatePicture, t_, locale_, out_);
                // At midnight the time adds nothing, so the date stands alone.
                if (t_.hour != 0 || t_.minute != 0 || t_.second != 0) {
                    out_.Append(" ");
                    AppendPicture(locale_.timePicture, t_, locale_, out_);
                }
                break;
            case 'g':
                // Before Meiji there is no era name, so g prints nothing.
                if (const Era* era = EraOf(t_)) {
                    out_.Append(count == 1 ? era->initial : count == 2 ? era->first : era->name);
                }
                break;
            case 'e':
                // ee pads to two digits but never cuts: before Meiji it shows the whole
                // Gregorian year rather than a misleading last two digits.
                AppendNumber(out_, EraYear(t_), digits);
                break;
            default:
                break;
        }
    }

    std::string_view pattern_;
    const LocalTime& t_;
    const DateLocale& locale_;
    TextSink& out_;
    bool twelveHour_;
    bool hourPending_ = false;  // an hour was printed and no minute or day has followed yet
};

}  // namespace

void FormatDate(std::string_view pattern, const LocalTime& time, const DateLocale& locale,
                TextSink& out) {
    Formatter(pattern, time, locale, out).Run();
}

std::string FormatDate(std::string_view pattern, const LocalTime& time, const DateLocale& locale) {
    std::string text;
    StringSink sink(text);
    FormatDate(pattern, time, locale, sink);
    return text;
}

}  // namespace gv
