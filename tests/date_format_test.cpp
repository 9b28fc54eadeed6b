#include "common/date_format.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace gv {
namespace {

struct Case {
    std::string_view pattern;
    LocalTime time;
    std::string_view expected;
};

void ExpectAll(std::initializer_list<Case> cases, const DateLocale& locale = JapaneseLocale()) {
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.pattern));
        EXPECT_EQ(FormatDate(c.pattern, c.time, locale), c.expected);
    }
}

// Tuesday 5 March 2024, 17:04:09.
LocalTime Example() { return MakeLocalTime(2024, 3, 5, 17, 4, 9); }

TEST(DateFormatTest, EveryTokenAtTheExampleDate) {
    const LocalTime t = Example();
    ExpectAll({
        {"d dd ddd dddd", t, "5 05 火 火曜日"},
        {"ddddd|dddddd", t, "2024/03/05|2024年3月5日"},
        {"aaa aaaa w ww", t, "火 火曜日 3 10"},
        {"m mm mmmm q", t, "3 03 3月 1"},
        {"y yy yyyy", t, "65 24 2024"},
        {"h hh n nn s ss", t, "17 17 4 04 9 09"},
        {"ttttt|c", t, "17:04:09|2024/03/05 17:04:09"},
        {"AM/PM am/pm A/P a/p AMPM", t, "PM pm P p 午後"},
        {"g gg ggg e ee", t, "R 令 令和 6 06"},
        {"", t, ""},
    });
}

TEST(DateFormatTest, EnglishLocaleNamesAndPictures) {
    const LocalTime t = Example();
    const LocalTime morning = MakeLocalTime(2024, 3, 5, 0, 0, 1);
    ExpectAll(
        {
            {"ddd dddd aaa mmm mmmm", t, "Tue Tuesday Tue Mar March"},
            {"ddddd|dddddd", t, "3/5/2024|Tuesday, March 5, 2024"},
            {"ttttt|c", t, "5:04:09 PM|3/5/2024 5:04:09 PM"},
            {"ttttt AMPM", morning, "12:00:01 AM AM"},
        },
        EnglishLocale());
}

TEST(DateFormatTest, MmIsTheMinuteOnlyRightAfterAnHour) {
    const LocalTime t = MakeLocalTime(1900, 1, 1, 12, 36, 0);
    ExpectAll({
        {"hh :mm:mm", t, "12 :36:01"},
        {"hh:mm :ss:mm", t, "12:36 :00:01"},
        {"hh:dd :mm:mm", t, "12:01 :01:01"},
        {"mm :mm:ss", t, "01 :01:00"},
        {"nn mm", t, "36 01"},
    });
}

TEST(DateFormatTest, AnyAmPmMarkerSwitchesEveryHourToTwelveHours) {
    const LocalTime evening = Example();
    ExpectAll({
        {"hh:nn AM/PM", evening, "05:04 PM"},
        {"AM/PM hh", evening, "PM 05"},
        {"h a/p", MakeLocalTime(2024, 3, 5, 0, 30), "12 a"},
        {"h A/P", MakeLocalTime(2024, 3, 5, 12, 0), "12 P"},
        {"h AMPM", MakeLocalTime(2024, 3, 5, 13, 0), "1 午後"},
        {"h ampm", MakeLocalTime(2024, 3, 5, 11, 0), "11 午前"},
        {"a/P A/p Am/pM", evening, "p P pM"},
        {"Am/pM", MakeLocalTime(2024, 3, 5, 9, 0), "Am"},
        {"h hh", MakeLocalTime(2024, 3, 5, 0, 0), "0 00"},
        {"h \"AM/PM\" \\A/P", evening, "17 AM/PM A/P"},
    });
}

TEST(DateFormatTest, LongRunsSplitIntoTokens) {
    const LocalTime t = Example();
    ExpectAll({
        {"yyy|yyyyy", t, "2465|202465"},
        {"mmmmm|ddddddd", t, "3月3|2024年3月5日5"},
        {"ttt|TTTT|tttttt", t, "ttt|TTTT|17:04:09t"},
        {"hhh|nnn|sss|www|qq", t, "1717|044|099|103|11"},
        {"gggg|eee|aa|aaaaa", t, "令和R|066|aa|火曜日a"},
        {"YYYY-MM-DD", t, "2024-03-05"},
    });
}

TEST(DateFormatTest, LettersInsideWordsAndLiteralText) {
    const LocalTime t = Example();
    ExpectAll({
        {"Date", t, "5at6"},
        {"Time: h", t, "Ti36: 17"},
        {"\\d\\a\\y", t, "day"},
        {"\"hh:mm\" h", t, "hh:mm 17"},
        {"\"unclosed d", t, "unclosed d"},
        {"d\"\"d", t, "55"},
        {"\\éd", t, "é5"},
        {"d\\", t, "5"},
        {"\"", t, ""},
        {"yyyy年", t, "2024年"},
    });
}

TEST(DateFormatTest, WeeksStartOnSundayAndWeekOneHoldsNewYear) {
    ExpectAll({
        {"ww w", MakeLocalTime(1994, 1, 1), "1 7"},
        {"ww w", MakeLocalTime(1994, 1, 2), "2 1"},
        {"ww", MakeLocalTime(2000, 12, 31), "54"},
    });
}

TEST(DateFormatTest, JapaneseErasChangeOnTheirFirstDay) {
    const char* pattern = "g gg ggg e ee";
    ExpectAll({
        {pattern, MakeLocalTime(2019, 5, 1), "R 令 令和 1 01"},
        {pattern, MakeLocalTime(2019, 4, 30), "H 平 平成 31 31"},
        {pattern, MakeLocalTime(1989, 1, 8), "H 平 平成 1 01"},
        {pattern, MakeLocalTime(1989, 1, 7), "S 昭 昭和 64 64"},
        {pattern, MakeLocalTime(1926, 12, 25), "S 昭 昭和 1 01"},
        {pattern, MakeLocalTime(1912, 7, 30), "T 大 大正 1 01"},
        {pattern, MakeLocalTime(1912, 7, 29), "M 明 明治 45 45"},
        {pattern, MakeLocalTime(1868, 1, 25), "M 明 明治 1 01"},
        {pattern, MakeLocalTime(1868, 1, 24), "   1868 1868"},
    });
}

TEST(DateFormatTest, DateAndTimeAtMidnightIsTheDateAlone) {
    ExpectAll({
        {"c", MakeLocalTime(2024, 3, 5), "2024/03/05"},
        {"c", MakeLocalTime(2024, 3, 5, 0, 0, 1), "2024/03/05 0:00:01"},
    });
    EXPECT_EQ(FormatDate("c", MakeLocalTime(2024, 3, 5), EnglishLocale()), "3/5/2024");
}

TEST(DateFormatTest, SeparatorsAndPicturesComeFromTheLocale) {
    DateLocale locale = JapaneseLocale();
    locale.dateSeparator = "-";
    locale.timeSeparator = ".";
    const LocalTime t = Example();
    ExpectAll(
        {
            {"yyyy/mm/dd hh:nn", t, "2024-03-05 17.04"},
            {"ddddd ttttt", t, "2024-03-05 17.04.09"},
            {"\\/\\: \"/:\"", t, "/: /:"},
        },
        locale);

    locale = EnglishLocale();
    locale.shortDatePicture = "'It''s' dddd, d MMM yy''";
    locale.timePicture = "HH'h'mm t 'unclosed";
    EXPECT_EQ(FormatDate("ddddd", t, locale), "It's Tuesday, 5 Mar 24'");
    EXPECT_EQ(FormatDate("ttttt", t, locale), "17h04 P unclosed");
    locale = JapaneseLocale();
    locale.timePicture = "t h:m";
    EXPECT_EQ(FormatDate("ttttt", MakeLocalTime(2024, 3, 5, 0, 7), locale), "午 12:7");
}

TEST(DateFormatTest, FullYearIsNotPadded) {
    ExpectAll({
        {"yyyy yy e", MakeLocalTime(5, 1, 1), "5 05 5"},
        {"yyyy yy", MakeLocalTime(9999, 12, 31), "9999 99"},
    });
}

TEST(DateFormatTest, FixedSinkGetsTheSameTextCutToItsSize) {
    FixedText<8> text;
    FormatDate("yyyy/mm/dd", Example(), JapaneseLocale(), text);
    EXPECT_EQ(text.View(), "2024/03/");
}

// Patterns come from a settings file that users edit by hand, so odd ones must neither crash nor
// blow up the output.
TEST(DateFormatTest, OddPatternsAreSafe) {
    static constexpr std::array<std::string_view, 20> kPieces = {
        "d", "m", "h", "a", "A/P", "AM/PM", "\\", "\"",   "t",     "y",
        "g", "e", "c", "/", ":",   "\xC3",  "日", "\x80", "ttttt", "dddddd"};
    const std::array<LocalTime, 4> times = {MakeLocalTime(1, 1, 1), MakeLocalTime(1867, 12, 31),
                                            MakeLocalTime(2019, 5, 1, 12),
                                            MakeLocalTime(9999, 12, 31, 23, 59, 59)};
    std::uint32_t seed = 12345;
    auto random = [&seed](std::uint32_t limit) {
        seed = seed * 1664525u + 1013904223u;
        return (seed >> 8) % limit;
    };
    auto check = [&](const std::string& pattern) {
        for (const LocalTime& t : times) {
            for (const DateLocale* locale : {&JapaneseLocale(), &EnglishLocale()}) {
                const std::string text = FormatDate(pattern, t, *locale);
                ASSERT_LE(text.size(), 32 * pattern.size()) << pattern;
            }
        }
    };
    for (int byte = 0; byte < 256; ++byte) {
        const char c = static_cast<char>(byte);
        check(std::string(1, c));
        check(std::string(1000, c));
        check(std::string(1, c) + "\\");
        check(std::string("\\") + c);
    }
    for (int n = 0; n < 2000; ++n) {
        std::string pattern;
        const std::uint32_t pieces = random(40);
        for (std::uint32_t k = 0; k < pieces; ++k) pattern += kPieces[random(kPieces.size())];
        check(pattern);
    }
}

}  // namespace
}  // namespace gv
