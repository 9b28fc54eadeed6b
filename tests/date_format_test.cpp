#include "time/date_format.h"

#include <gtest/gtest.h>

#include <tuple>

namespace gv {
namespace {

// Each pattern at its time, and the text it makes.
using Cases = std::initializer_list<std::tuple<std::string_view, LocalTime, std::string_view>>;

void ExpectAll(Cases cases, const DateLocale& locale = JapaneseLocale()) {
    for (const auto& [pattern, time, expected] : cases) {
        std::string text;
        StringSink sink(text);
        FormatDate(pattern, time, locale, sink);
        EXPECT_EQ(text, expected) << pattern;
    }
}

const LocalTime kTue = MakeLocalTime(2024, 3, 5, 17, 4, 9);  // Tuesday 5 March 2024, 17:04:09

TEST(DateFormat, Tokens) {
    const LocalTime noon = MakeLocalTime(1900, 1, 1, 12, 36);
    ExpectAll({
        {"d dd ddd dddd|ddddd|dddddd", kTue, "5 05 火 火曜日|2024/03/05|2024年3月5日"},
        {"aaa aaaa w ww|m mm mmmm q", kTue, "火 火曜日 3 10|3 03 3月 1"},
        {"y yy yyyy|h hh n nn s ss", kTue, "65 24 2024|17 17 4 04 9 09"},
        {"ttttt|c|g gg ggg e ee", kTue, "17:04:09|2024/03/05 17:04:09|R 令 令和 6 06"},
        {"AM/PM am/pm A/P a/p AMPM", kTue, "PM pm P p 午後"},
        {"", kTue, ""},
        // mm is the minute only right after an hour, and any day token ends that.
        {"hh :mm:mm|hh:mm :ss:mm", noon, "12 :36:01|12:36 :00:01"},
        {"hh:dd :mm:mm|mm :mm:ss|nn mm", noon, "12:01 :01:01|01 :01:00|36 01"},
        // Any AM/PM marker puts every hour on the 12-hour clock, but not in quotes or escaped.
        {"hh:nn AM/PM|AM/PM hh|a/P A/p Am/pM", kTue, "05:04 PM|PM 05|p P pM"},
        {"h a/p", MakeLocalTime(2024, 3, 5, 0, 30), "12 a"},
        {"h A/P|Am/pM", MakeLocalTime(2024, 3, 5, 12), "12 P|pM"},
        {"h AMPM", MakeLocalTime(2024, 3, 5, 13), "1 午後"},
        {"h ampm|Am/pM", MakeLocalTime(2024, 3, 5, 11), "11 午前|Am"},
        {"h hh", MakeLocalTime(2024, 3, 5), "0 00"},
        {"h \"AM/PM\" \\A/P", kTue, "17 AM/PM A/P"},
        // Runs longer than the longest form split into further tokens.
        {"yyy|yyyyy|mmmmm|ddddddd", kTue, "2465|202465|3月3|2024年3月5日5"},
        {"ttt|TTTT|tttttt", kTue, "ttt|TTTT|17:04:09t"},
        {"hhh|nnn|sss|www|qq", kTue, "1717|044|099|103|11"},
        {"gggg|eee|aa|aaaaa|YYYY-MM-DD", kTue, "令和R|066|aa|火曜日a|2024-03-05"},
        // Letters inside words, and literal text.
        {"Date|Time: h", kTue, "5at6|Ti36: 17"},
        {"\\d\\a\\y|\"hh:mm\" h|d\"\"d", kTue, "day|hh:mm 17|55"},
        {"\\éd|yyyy年", kTue, "é5|2024年"},
        {"\"unclosed d", kTue, "unclosed d"},
        {"d\\", kTue, "5"},
        // Eras change on their first day.
        {"g gg ggg e ee", MakeLocalTime(2019, 5, 1), "R 令 令和 1 01"},
        {"g gg ggg e ee", MakeLocalTime(2019, 4, 30), "H 平 平成 31 31"},
        {"g gg ggg e ee", MakeLocalTime(1989, 1, 8), "H 平 平成 1 01"},
        {"g gg ggg e ee", MakeLocalTime(1989, 1, 7), "S 昭 昭和 64 64"},
        {"g gg ggg e ee", MakeLocalTime(1926, 12, 25), "S 昭 昭和 1 01"},
        {"g gg ggg e ee", MakeLocalTime(1926, 12, 24), "T 大 大正 15 15"},
        {"g gg ggg e ee", MakeLocalTime(1912, 7, 30), "T 大 大正 1 01"},
        {"g gg ggg e ee", MakeLocalTime(1912, 7, 29), "M 明 明治 45 45"},
        {"g gg ggg e ee", MakeLocalTime(1868, 1, 25), "M 明 明治 1 01"},
        {"g gg ggg e ee", MakeLocalTime(1868, 1, 24), "   1868 1868"},
        // Weeks start on Sunday and week 1 holds 1 January.
        {"ww w", MakeLocalTime(1994, 1, 1), "1 7"},
        {"ww w", MakeLocalTime(1994, 1, 2), "2 1"},
        {"ww", MakeLocalTime(2000, 12, 31), "54"},
        {"y", MakeLocalTime(1900, 3, 1), "60"},  // not a leap year
        // At midnight the date stands alone.
        {"c", MakeLocalTime(2024, 3, 5), "2024/03/05"},
        {"c", MakeLocalTime(2024, 3, 5, 0, 0, 1), "2024/03/05 0:00:01"},
        {"c", MakeLocalTime(2024, 3, 5, 0, 1), "2024/03/05 0:01:00"},
        // The full year is not padded.
        {"yyyy yy e", MakeLocalTime(5, 1, 1), "5 05 5"},
        {"yyyy yy", MakeLocalTime(9999, 12, 31), "9999 99"},
    });
    FixedText<8> cut;  // a fixed sink gets the same text, cut to its size
    FormatDate("yyyy/mm/dd", kTue, JapaneseLocale(), cut);
    EXPECT_EQ(cut.View(), "2024/03/");
}

TEST(DateFormat, NamesSeparatorsAndPicturesComeFromTheLocale) {
    ExpectAll({{"ddd dddd aaa mmm mmmm", kTue, "Tue Tuesday Tue Mar March"},
               {"ddddd|dddddd", kTue, "3/5/2024|Tuesday, March 5, 2024"},
               {"ttttt|c", kTue, "5:04:09 PM|3/5/2024 5:04:09 PM"},
               {"ttttt AMPM", MakeLocalTime(2024, 3, 5, 0, 0, 1), "12:00:01 AM AM"}},
              EnglishLocale());

    DateLocale locale = JapaneseLocale();
    locale.dateSeparator = "-";
    locale.timeSeparator = ".";
    ExpectAll({{"yyyy/mm/dd hh:nn|ddddd ttttt", kTue, "2024-03-05 17.04|2024-03-05 17.04.09"},
               {"\\/\\: \"/:\"", kTue, "/: /:"}},
              locale);
    locale = EnglishLocale();
    locale.shortDatePicture = "'It''s' dddd, d MMM yy''";
    locale.timePicture = "HH'h'mm t 'unclosed";
    ExpectAll({{"ddddd|ttttt", kTue, "It's Tuesday, 5 Mar 24'|17h04 P unclosed"}}, locale);
    locale = JapaneseLocale();
    locale.timePicture = "t h:m g gg";
    ExpectAll({{"ttttt", MakeLocalTime(2024, 3, 5, 0, 7), "午 12:7 令 令和"}}, locale);
}

}  // namespace
}  // namespace gv
