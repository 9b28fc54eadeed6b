#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "fake/fake_platform.h"
#include "features/settings_file.h"
#include "features/settings_items.h"
#include "features/taskbar_theme.h"
#include "features/update_timer.h"
#include "picture.h"

namespace gv {
namespace {

// The file read and written again, and what the swatches then show.
std::pair<std::string, std::array<Colour, 8>> Load(const std::string& bytes) {
    fake::FakePlatform fake;
    fake.files.Settings() = bytes;
    ClockState state;
    state.tipPattern = kDefaultTipPattern;
    LoadSettings(state, fake.Platform());
    return {SettingsFileBytes(state, fake.window.interval, fake.codePage), fake.window.swatches};
}

TEST(SettingsFile, ItemSyntax) {
    using V = std::vector<std::string>;
    // clang-format off
    const struct { const char* name; std::string bytes; V items; } cases[] = {
        {"line ends (CR LF, LF, CR) and commas; empty lines are empty items", "\r\n\r\na,b\r\nc\nd\re",
         V{"", "", "a", "b", "c", "d", "e"}},
        {"leading spaces skipped, trailing kept", "   a  \r\n 0 \r\n\tb", V{"a  ", "0 ", "\tb"}},
        {"text after the closing quote is dropped", "\"a\"junk,more\r\nb\r\n", V{"a", "more", "b"}},
        {"an open quote ends at the line end", "\"abc\r\nd\r\n", V{"abc", "d"}},
        {"only spaces", "   ", V{}},
        {"NUL bytes are ordinary", std::string("a\0b\r\n", 5), V{std::string("a\0b", 3)}},
    };
    // clang-format on
    for (const auto& c : cases) {
        SettingsItemReader next(c.bytes);
        V items;
        while (auto item = next()) items.push_back(*item);
        EXPECT_EQ(items, c.items) << c.name;
    }
}

TEST(SettingsFile, ReadingFillsWhatItCanAndLeavesTheRest) {
    using test::SettingsFile;
    const std::string y(kMaxItemBytes, 'y');
    // clang-format off
    const std::tuple<const char*, std::string, std::string> cases[] = {  // the file, written again
        {"empty file", "", SettingsFile("1.0", 0, 0, {})},
        {"empty first line", "\r\n1.0\r\n", SettingsFile("1.0", 0, 0, {}).substr(20)},
        {"all twelve; too large keeps the old value, the next line stays in line; rounded",
         "x\r\n0.5\r\n 40000 \r\n3.5\r\n 9999999999 \r\n 16777215 \r\n-2147483633 \r\n 4 \r\n 5 \r\n"
         " 6 \r\n 7 \r\n-2147483648 \r\n extra \r\n",
         "x" + SettingsFile("0.5", 0, 4, {0, 16777215, -2147483633, 4, 5, 6, 7, -2147483647 - 1})
                   .substr(20)},
        {"3 MB first line: cut, the scan stops", std::string(3 << 20, 'y') + "\r\n2\r\n 5 \r\n",
         y + SettingsFile("1.0", 0, 0, {}).substr(20)},
        {"long, in the bound: cut, read to its end", std::string(100000, 'y') + "\r\n2\r\n 5 \r\n",
         y + SettingsFile("2", 5, 0, {}).substr(20)},
    };
    // clang-format on
    for (const auto& [name, bytes, written] : cases) EXPECT_EQ(Load(bytes).first, written) << name;
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
        const std::string file = "p" + test::SettingsFile("1", 0, 0, {value, 255}).substr(20);
        const auto [written, swatches] = Load(file);
        EXPECT_EQ(written, file);  // kept as read, to be saved as it is
        EXPECT_EQ(swatches[0], c.taken ? value : fake::kButtonText);
        EXPECT_EQ(swatches[1], 255);
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
    // The text, the timer's interval, the ticks skipped, the first ten ticks ('x' refreshes).
    // clang-format off
    const std::tuple<const char*, std::int32_t, std::int32_t, const char*> cases[] = {
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
    for (const auto& [text, interval, toSkip, due] : cases) {
        SCOPED_TRACE(text);
        TickCount ticks{0, 0, 7, 3};
        fake.window.interval = text;
        ArmUpdateTimer(ticks, fake.Platform());
        EXPECT_EQ(fake.timer.interval, interval);
        EXPECT_EQ(ticks.toSkip, toSkip);
        std::string ticked;
        for (int i = 0; i < 10; ++i) ticked += TickDue(ticks) ? 'x' : '.';
        EXPECT_EQ(ticked, due);
    }
}

TEST(TaskbarTheme, TheSettingDecidesElseTheReleasesDefault) {
    using S = ThemeFacts::Setting;
    const std::pair<ThemeFacts, bool> cases[] = {
        {{S::Present, 0, 6, 7601}, true},  // the setting holds on any Windows
        {{S::Present, 0, 10, 22631}, true},  {{S::Present, 1, 10, 19045}, false},
        {{S::Present, 2, 10, 19045}, false},  // anything but 0 is light
        {{S::Missing, 0, 10, 10240}, true},   // Windows 10, first to last build
        {{S::Missing, 0, 10, 21999}, true},  {{S::Missing, 0, 10, 10239}, false},
        {{S::Missing, 0, 10, 22000}, false},  // Windows 11
        {{S::Missing, 0, 6, 19045}, false},   // 7 and 8
        {{S::Missing, 0, 11, 19045}, false}, {{S::Unreadable, 0, 10, 19045}, false},
    };
    for (const auto& [f, dark] : cases)
        EXPECT_EQ(TaskbarIsDark(f), dark) << static_cast<int>(f.setting) << " " << f.lightTheme
                                          << " " << f.majorVersion << "." << f.build;
}

}  // namespace
}  // namespace gv
