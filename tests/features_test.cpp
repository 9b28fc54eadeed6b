#include <gtest/gtest.h>

#include <algorithm>

#include "fake/fake_platform.h"
#include "features/settings_file.h"
#include "features/settings_items.h"
#include "features/taskbar_theme.h"
#include "features/update_timer.h"

namespace gv {
namespace {

struct Loaded {
    ClockState state;
    std::string interval;
    std::array<Colour, 8> swatches;
};

Loaded Load(const std::string& bytes) {
    fake::FakePlatform fake;
    fake.files.Settings() = bytes;
    Loaded out;
    out.state.tipPattern = kDefaultTipPattern;
    LoadSettings(out.state, fake.Platform());
    out.interval = fake.window.interval;
    out.swatches = fake.window.swatches;
    return out;
}

std::vector<std::string> Items(const std::string& bytes) {
    SettingsItemReader next(bytes);
    std::vector<std::string> items;
    while (auto item = next()) items.push_back(*item);
    return items;
}

TEST(SettingsFile, ItemSyntax) {
    using V = std::vector<std::string>;
    // clang-format off
    const struct { const char* name; std::string bytes; V items; } cases[] = {
        {"commas and line ends: CR LF, LF, CR", "a,b\r\nc\nd\re", V{"a", "b", "c", "d", "e"}},
        {"leading spaces skipped, trailing kept", "   a  \r\n 0 \r\n\tb", V{"a  ", "0 ", "\tb"}},
        {"empty lines are empty items", "\r\n\r\nx\r\n", V{"", "", "x"}},
        {"text after the closing quote is dropped", "\"a\"junk,more\r\nb\r\n", V{"a", "more", "b"}},
        {"an open quote ends at the line end", "\"abc\r\nd\r\n", V{"abc", "d"}},
        {"only spaces", "   ", V{}},
        {"NUL bytes are ordinary", std::string("a\0b\r\n", 5), V{std::string("a\0b", 3)}},
    };
    // clang-format on
    for (const auto& c : cases) EXPECT_EQ(Items(c.bytes), c.items) << c.name;
}

TEST(SettingsFile, ReadingFillsWhatItCanAndLeavesTheRest) {
    // clang-format off
    const struct {
        const char* name;
        std::string bytes;
        std::string tip, interval;
        std::int16_t top, bottom;
        std::array<Colour, 8> colours;
    } cases[] = {
        {"empty file", "", "yyyy/mm/dd hh:mm aaa", "1.0", 0, 0, {}},
        {"empty first line", "\r\n1.0\r\n", "", "1.0", 0, 0, {}},
        {"all twelve; too large keeps the old value, the next line stays in line; rounded",
         "x\r\n0.5\r\n 40000 \r\n3.5\r\n 9999999999 \r\n 16777215 \r\n-2147483633 \r\n 4 \r\n 5 \r\n"
         " 6 \r\n 7 \r\n-2147483648 \r\n extra \r\n",
         "x", "0.5", 0, 4, {0, 16777215, -2147483633, 4, 5, 6, 7, -2147483647 - 1}},
        {"3 MB first line: cut, the scan stops", std::string(3 << 20, 'y') + "\r\n2\r\n 5 \r\n",
         std::string(kMaxItemBytes, 'y'), "1.0", 0, 0, {}},
        {"long, in the bound: cut, read to its end", std::string(100000, 'y') + "\r\n2\r\n 5 \r\n",
         std::string(kMaxItemBytes, 'y'), "2", 5, 0, {}},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Loaded l = Load(c.bytes);
        EXPECT_EQ(l.state.tipPattern, c.tip);
        EXPECT_EQ(l.interval, c.interval);
        EXPECT_EQ(l.state.face.topMode, c.top);
        EXPECT_EQ(l.state.face.bottomMode, c.bottom);
        EXPECT_EQ(l.state.face.colours, c.colours);
    }
}

TEST(SettingsFile, ASwatchKeepsItsColourForAValueItRefuses) {
    // clang-format off
    const struct { std::uint32_t value; bool taken; } cases[] = {
        {0x00FFFFFF, true},  {0x80000000, true},  {0x8000001E, true},  // scroll bar, menu bar
        {0x8000001F, false}, {0x80000019, false}, {0xFFFFFFFF, false}, {0x80000100, false},
        {0x12345678, false}, {0x01000000, false}, {0x7F000000, false}};
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.value);
        const auto value = static_cast<Colour>(c.value);
        const Loaded l = Load("p\r\n1\r\n 0 \r\n 0 \r\n" + std::to_string(value) + "\r\n 255 \r\n");
        EXPECT_EQ(l.state.face.colours[0], value);  // kept as read, to be saved as it is
        EXPECT_EQ(l.swatches[0], c.taken ? value : fake::kButtonText);
        EXPECT_EQ(l.swatches[1], 255);
    }
}

TEST(SettingsFile, WhatIsWrittenReadsBackTheSame) {
    fake::FakePlatform fake;
    ClockState state;
    state.face = {{16777215, -1, -2147483647 - 1, 2147483647, 0, 5, 6, 7}, -32768, -7};
    // The text as the tooltip pattern and in the box. A line break (another program can put one
    // in the box) reads back as a space; the box's number ends at a CR.
    for (const std::string text :
         {"yyyy/mm/dd hh:mm aaa", " leading", "\"quoted\"", "mid\"quote", "trailing  ", "",
          "時刻 hh:nn", "   ", "x\"\",y", "2\r\n5", "a\nb\rc,d"}) {
        SCOPED_TRACE(text);
        std::string back = text;
        std::replace(back.begin(), back.end(), '\r', ' ');
        std::replace(back.begin(), back.end(), '\n', ' ');
        state.tipPattern = text;
        fake.files.Settings() = SettingsFileBytes(state, text, fake.codePage);
        ClockState read;
        LoadSettings(read, fake.Platform());
        EXPECT_EQ(read.tipPattern, back);
        EXPECT_EQ(fake.window.interval, back.substr(0, text.find('\r')));
        // Written again, every line is as it was: the modes and colours read back in line.
        EXPECT_EQ(SettingsFileBytes(read, fake.window.interval, fake.codePage),
                  fake.files.Settings());
    }
}

TEST(UpdateTimer, TheIntervalTextSetsTheTimerAndWhichTicksRefresh) {
    // clang-format off
    const struct {
        const char* text;
        std::int32_t interval, toSkip;
        const char* due;  // the first ten ticks after arming: 'x' refreshes
    } cases[] = {
        {"0.9994", 999, 0, "xxxxxxxxxx"}, {"0.9995", 1000, 1, ".x.x.x.x.x"}, {"1.4", 1000, 1, ".x.x.x.x.x"},
        {"1.5", 1000, 2, "..x..x..x."},   {"2.5", 1000, 2, "..x..x..x."},   {"3.5", 1000, 4, "....x....x"},
        {"0.0015", 2, 0, "xxxxxxxxxx"},   {"0.0005", 0, 0, "xxxxxxxxxx"},
        // Beyond the timer's range: limited to the largest interval it takes.
        {"2147483.647", 1000, 2147484, ".........."}, {"2147483.648", 1000, 2147484, ".........."},
        // Negative counts come only from a damaged file: no ticks, like 0.
        {"-5", 0, 0, "xxxxxxxxxx"},       {"-1e400", 0, 0, "xxxxxxxxxx"},
    };
    // clang-format on
    fake::FakePlatform fake;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        TickCount ticks{0, 0, 7, 3};
        fake.window.interval = c.text;
        ArmUpdateTimer(ticks, fake.Platform());
        EXPECT_EQ(fake.timer.interval, c.interval);
        EXPECT_EQ(ticks.toSkip, c.toSkip);
        std::string due;
        for (int i = 0; i < 10; ++i) due += TickDue(ticks) ? 'x' : '.';
        EXPECT_EQ(due, c.due);
    }
}

TEST(TaskbarTheme, TheSettingDecidesElseTheReleasesDefault) {
    using S = ThemeFacts::Setting;
    const struct {
        S setting;
        std::uint32_t value, major, build;
        bool dark;
    } cases[] = {
        {S::Present, 0, 6, 7601, true},  // the setting holds on any Windows
        {S::Present, 0, 10, 22631, true},  {S::Present, 1, 10, 19045, false},
        {S::Present, 2, 10, 19045, false},  // anything but 0 is light
        {S::Missing, 0, 10, 10240, true},   // Windows 10, first to last build
        {S::Missing, 0, 10, 21999, true},  {S::Missing, 0, 10, 10239, false},
        {S::Missing, 0, 10, 22000, false},  // Windows 11
        {S::Missing, 0, 6, 19045, false},   // 7 and 8
        {S::Missing, 0, 11, 19045, false}, {S::Unreadable, 0, 10, 19045, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TaskbarIsDark({c.setting, c.value, c.major, c.build}), c.dark)
            << static_cast<int>(c.setting) << " " << c.value << " " << c.major << "." << c.build;
}

}  // namespace
}  // namespace gv
