#include "time/date_format.h"

#include <array>
#include <charconv>
#include <cstddef>
#include <string_view>

#include "time/date_fields.h"

namespace gv {
namespace {

using namespace date_fields;

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
            return {Kind::Escape,
                    i + 1 < pattern.size() ? 1 + Utf8SequenceLength(pattern, i + 1) : 1};
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
                    AppendDecimal(out_, t_.day, digits);
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
                AppendDecimal(out_, count == 1 ? (t_.weekday % 7 + 7) % 7 + 1 : WeekOfYear(t_));
                break;
            case 'm':
                if (count >= 3) {
                    out_.Append(count == 3 ? MonthName(locale_.monthAbbrev, t_.month)
                                           : MonthName(locale_.monthFull, t_.month));
                } else if (hourPending_) {
                    // Only the first m after an hour is its minute; "hh:mm mm" shows the month
                    // in its second mm.
                    hourPending_ = false;
                    AppendDecimal(out_, t_.minute, digits);
                } else {
                    AppendDecimal(out_, t_.month, digits);
                }
                break;
            case 'q':
                AppendDecimal(out_, (t_.month - 1) / 3 + 1);
                break;
            case 'y':
                if (count == 1) {
                    AppendDecimal(out_, DayOfYear(t_));
                } else if (count == 2) {
                    AppendDecimal(out_, YearOfCentury(t_.year), 2);
                } else {
                    // The full year is printed as it is, without padding: the year 5 is "5", not
                    // "0005". Only the clock's own years ever reach the tooltip, and padding
                    // would invent digits that nobody wrote.
                    AppendDecimal(out_, t_.year);
                }
                break;
            case 'h':
                hourPending_ = true;
                AppendDecimal(out_, twelveHour_ ? Hour12(t_.hour) : t_.hour, digits);
                break;
            case 'n':
                AppendDecimal(out_, t_.minute, digits);
                break;
            case 's':
                AppendDecimal(out_, t_.second, digits);
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
                AppendDecimal(out_, EraYear(t_), digits);
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

}  // namespace gv
