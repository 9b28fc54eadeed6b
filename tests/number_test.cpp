#include "common/number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

namespace gv {
namespace {

TEST(LeadingNumber, ReadsTheNumberATextBeginsWith) {
    struct Case {
        const char* text;
        double value;
    } cases[] = {
        {"", 0},
        {"abc", 0},
        {"1.0", 1.0},
        {"0.001", 0.001},
        {"  2  ", 2},
        {"\t\n3", 3},
        {" 1 2 3", 123},  // blanks inside the number are ignored too
        {"1 . 5", 1.5},
        {"- 4", -4},
        {"+7", 7},
        {".5", 0.5},
        {"5.", 5},
        {".", 0},
        {"-", 0},
        {"+-5", 0},
        {"1.2.3", 1.2},  // one decimal point at most
        {"2秒", 2},
        {"5 seconds", 5},
        {"1e-3", 0.001},
        {"1E3", 1000},
        {"2.5e+1", 25},
        {"1 e 2", 100},
        {"5E", 5},  // an exponent without digits is not part of the number
        {"5e+", 5},
        {"5ex", 5},
        {"3,5", 3},  // "." is the decimal point whatever the locale
        {"0x10", 0},
        {"\r5", 0},  // a carriage return is not a blank
        {"0.9995", 0.9995},
        {"00012", 12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_DOUBLE_EQ(LeadingNumber(c.text), c.value);
    }
}

TEST(LeadingNumber, HugeExponentsOverflowInsteadOfVanishing) {
    EXPECT_TRUE(std::isinf(LeadingNumber("1e400")));
    EXPECT_LT(LeadingNumber("-1e400"), 0);
    EXPECT_EQ(LeadingNumber("1e-400"), 0.0);
    EXPECT_FALSE(RoundToInt32(LeadingNumber("1e400")).has_value());
}

TEST(LeadingNumber, VeryLongDigitRunsStillRead) {
    std::string digits(5000, '9');
    EXPECT_TRUE(std::isinf(LeadingNumber(digits)));
    EXPECT_DOUBLE_EQ(LeadingNumber(std::string(300, '1').insert(1, ".")), 1.1111111111111112);
    EXPECT_DOUBLE_EQ(LeadingNumber("0." + std::string(400, '0') + "1e405"), 1e4);
}

TEST(RoundToInt, NearestWithTiesToEven) {
    struct Case {
        double value;
        std::optional<std::int16_t> to16;
        std::optional<std::int32_t> to32;
    } cases[] = {
        {2.5, 2, 2},
        {3.5, 4, 4},
        {-0.5, 0, 0},
        {-1.5, -2, -2},
        {0.49999999999999994, 0, 0},
        {1.4, 1, 1},
        {999.5, 1000, 1000},  // 0.9995 seconds as milliseconds
        {32767.0, 32767, 32767},
        {32767.5, std::nullopt, 32768},
        {-32768.0, -32768, -32768},
        {-32768.5, -32768, -32768},  // tie to even stays in range
        {-32769.0, std::nullopt, -32769},
        {2147483647.0, std::nullopt, 2147483647},
        {2147483647.5, std::nullopt, std::nullopt},
        {-2147483648.0, std::nullopt, std::numeric_limits<std::int32_t>::min()},
        {-2147483648.5, std::nullopt, std::numeric_limits<std::int32_t>::min()},
        {-2147483649.0, std::nullopt, std::nullopt},
        {std::numeric_limits<double>::infinity(), std::nullopt, std::nullopt},
        {std::numeric_limits<double>::quiet_NaN(), std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(RoundToInt16(c.value), c.to16);
        EXPECT_EQ(RoundToInt32(c.value), c.to32);
    }
}

}  // namespace
}  // namespace gv
