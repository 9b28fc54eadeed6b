#include "base/number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "base/text.h"

namespace gv {
namespace {

TEST(LeadingNumber, ReadsTheNumberATextBeginsWith) {
    // clang-format off
    const struct { const char* text; double value; } cases[] = {
        {"", 0},         {"abc", 0},      {"1.0", 1.0},   {"0.001", 0.001}, {"  2  ", 2},
        {"\t\n3", 3},    {" 1 2 3", 123},  // blanks inside the number are skipped too
        {"1 . 5", 1.5},  {"- 4", -4},     {"+7", 7},      {".5", 0.5},      {"5.", 5},
        {".", 0},        {"-", 0},        {"+-5", 0},     {"1.2.3", 1.2},   {"2秒", 2},
        {"1e-3", 0.001}, {"1E3", 1000},   {"2.5e+1", 25}, {"1 e 2", 100},
        {"5E", 5},       {"5e+", 5},      {"5ex", 5},  // an exponent needs digits
        {"3,5", 3},      {"0x10", 0},     {"\r5", 0},  // a carriage return is no blank
        {"0.9995", 0.9995}, {"00012", 12},
    };
    // clang-format on
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(LeadingNumber(c.text), c.value) << c.text;
    // Huge exponents overflow rather than vanish; very long digit runs still read.
    EXPECT_TRUE(std::isinf(LeadingNumber("1e400")));
    EXPECT_LT(LeadingNumber("-1e400"), 0);
    EXPECT_EQ(LeadingNumber("1e-400"), 0.0);
    EXPECT_TRUE(std::isinf(LeadingNumber(std::string(5000, '9'))));
    EXPECT_DOUBLE_EQ(LeadingNumber(std::string(300, '1').insert(1, ".")), 1.1111111111111112);
    EXPECT_DOUBLE_EQ(LeadingNumber("0." + std::string(400, '0') + "1e405"), 1e4);
}

TEST(RoundToInt, NearestWithTiesToEven) {
    constexpr double kInf = std::numeric_limits<double>::infinity();
    constexpr std::int32_t kMin32 = std::numeric_limits<std::int32_t>::min();
    // clang-format off
    const struct {
        double value;
        std::optional<std::int16_t> to16;
        std::optional<std::int32_t> to32;
    } cases[] = {
        {2.5, 2, 2}, {3.5, 4, 4}, {-0.5, 0, 0}, {-1.5, -2, -2}, {0.49999999999999994, 0, 0}, {0.55, 1, 1},
        {32767.0, 32767, 32767}, {32767.5, std::nullopt, 32768},
        {-32768.5, -32768, -32768},  // a tie to even stays in range
        {-32769.0, std::nullopt, -32769}, {2147483647.0, std::nullopt, 2147483647},
        {2147483647.5, std::nullopt, std::nullopt}, {-2147483648.5, std::nullopt, kMin32},
        {-2147483649.0, std::nullopt, std::nullopt}, {kInf, std::nullopt, std::nullopt},
        {std::nan(""), std::nullopt, std::nullopt},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(std::pair(RoundToInt16(c.value), RoundToInt32(c.value)),
                  std::pair(c.to16, c.to32))
            << c.value;
}

TEST(Utf8SequenceLength, CountsOnlyTheBytesThatFollowTheirLead) {
    const std::pair<std::string, std::size_t> cases[] = {
        // the text, the length at its start
        {"a", 1},
        {"\xC3\xA9", 2},
        {"\xE6\x99\x82", 3},
        {"\xF0\xA0\x80\x8B", 4},
        {"\xC3\xC3\xA9", 1},  // a lead byte after a lead byte
        {"\xE6\x99", 2},
        {"\x80", 1}};  // cut short by the end; a lone trail byte
    for (const auto& [text, length] : cases) EXPECT_EQ(Utf8SequenceLength(text, 0), length) << text;
}

}  // namespace
}  // namespace gv
