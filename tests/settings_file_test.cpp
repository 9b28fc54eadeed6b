#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake/fake_platform.h"

namespace gv {
namespace {

const std::string kDefaultFile =
    "yyyy/mm/dd hh:mm aaa\r\n1.0\r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n"
    " 0 \r\n 0 \r\n";

struct Loaded {
    ClockState state;
    std::string interval;
    std::array<Colour, 8> swatches;
};

Loaded Load(const std::string& bytes, bool exists = true) {
    fake::FakePlatform fake;
    if (exists) fake.files.entries[fake.files.SettingsPath()].bytes = bytes;
    Loaded out;
    out.state.TipFmt = kDefaultTipFmt;
    LdDat(out.state, fake.Platform());
    out.interval = fake.window.interval;
    out.swatches = fake.window.swatches;
    return out;
}

std::vector<std::string> Items(const std::string& bytes) {
    class Memory final : public InputFile {
      public:
        explicit Memory(std::string b) : b_(std::move(b)) {}
        std::size_t Read(char* buf, std::size_t n) override {  // a few bytes at a time
            n = std::min({n, b_.size() - pos_, std::size_t{3}});
            b_.copy(buf, n, pos_);
            pos_ += n;
            return n;
        }

      private:
        std::string b_;
        std::size_t pos_ = 0;
    } file(bytes);
    RdItem next(&file);
    std::vector<std::string> items;
    while (auto item = next()) items.push_back(*item);
    EXPECT_FALSE(next().has_value());  // once the items are gone, they stay gone
    return items;
}

TEST(SettingsFile, FirstRunWritesTheSeventySevenByteFile) {
    fake::FakePlatform fake;
    ClockState state;
    state.TipFmt = kDefaultTipFmt;
    const std::string bytes = SettingsFileBytes(state, "1.0", fake.codePage);
    EXPECT_EQ(bytes, kDefaultFile);
}

TEST(SettingsFile, ItemSyntax) {
    using V = std::vector<std::string>;
    struct Case {
        const char* name;
        std::string bytes;
        V items;
    } cases[] = {
        {"CR LF lines", "a\r\nb\r\n", V{"a", "b"}},
        {"no final line end", "a\r\nb", V{"a", "b"}},
        {"LF only", "a\nb\n", V{"a", "b"}},
        {"CR only", "a\rb\r", V{"a", "b"}},
        {"commas split items", "a,b\r\nc\r\n", V{"a", "b", "c"}},
        {"leading spaces skipped, trailing kept", "   a  \r\n 0 \r\n", V{"a  ", "0 "}},
        {"empty lines are empty items", "\r\n\r\nx\r\n", V{"", "", "x"}},
        {"quoted", "\"a,b\"\r\n\" x\"\r\n", V{"a,b", " x"}},
        {"doubled quotes", "\"say \"\"hi\"\"\"\r\nz\r\n", V{"say \"hi\"", "z"}},
        {"text after the closing quote is dropped", "\"a\"junk,more\r\nb\r\n", V{"a", "more", "b"}},
        {"an open quote ends at the line end", "\"abc\r\nd\r\n", V{"abc", "d"}},
        {"empty file", "", V{}},
        {"only spaces", "   ", V{}},
        {"NUL bytes are ordinary", std::string("a\0b\r\n", 5), V{std::string("a\0b", 3)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Items(c.bytes), c.items);
    }
}

TEST(SettingsFile, ReadingFillsWhatItCanAndLeavesTheRest) {
    struct Case {
        const char* name;
        std::string bytes;
        bool exists;
        std::string tip, interval;
        std::int16_t hyo1, hyo2;
        std::array<Colour, 8> clr;
    } cases[] = {
        // clang-format off
        {"no file", "", false, "yyyy/mm/dd hh:mm aaa", "1.0", 0, 0, {}},
        {"empty file", "", true, "yyyy/mm/dd hh:mm aaa", "1.0", 0, 0, {}},
        {"four lines", "hh:nn\r\n2.5\r\n 2 \r\n 4 \r\n", true, "hh:nn", "2.5", 2, 4, {}},
        {"empty first line", "\r\n1.0\r\n", true, "", "1.0", 0, 0, {}},
        {"modes without spaces, rounded", "p\r\n1\r\n3\r\n3.5\r\n", true, "p", "1", 3, 4, {}},
        {"4.5 rounds to even", "p\r\n1\r\n4.5\r\n2.5\r\n", true, "p", "1", 4, 2, {}},
        {"not a number reads as 0", "p\r\n1\r\nabc\r\n 5 \r\n", true, "p", "1", 0, 5, {}},
        {"too large keeps the old value, next line stays in line",
         "p\r\n1\r\n 40000 \r\n 3 \r\n 9999999999 \r\n 16777215 \r\n-2147483633 \r\n", true,
         "p", "1", 0, 3, {0, 16777215, -2147483633, 0, 0, 0, 0, 0}},
        {"all twelve",
         "x\r\n0.5\r\n 1 \r\n 5 \r\n 1 \r\n 2 \r\n 3 \r\n 4 \r\n 5 \r\n 6 \r\n 7 \r\n"
         "-2147483648 \r\n extra \r\n", true,
         "x", "0.5", 1, 5, {1, 2, 3, 4, 5, 6, 7, -2147483647 - 1}},
        {"LF only and no final line end", "x\n7\n 2 \n 0 \n 255", true,
         "x", "7", 2, 0, {255, 0, 0, 0, 0, 0, 0, 0}},
        {"bytes invalid in the code page", "\xff\xfe\r\n1\r\n", true,
         "\xEF\xBF\xBD\xEF\xBF\xBD", "1", 0, 0, {}},
        // clang-format on
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Loaded l = Load(c.bytes, c.exists);
        EXPECT_EQ(l.state.TipFmt, c.tip);
        EXPECT_EQ(l.interval, c.interval);
        EXPECT_EQ(l.state.Hyo1, c.hyo1);
        EXPECT_EQ(l.state.Hyo2, c.hyo2);
        EXPECT_EQ(l.state.Clr, c.clr);
        EXPECT_EQ(l.swatches, c.clr);  // every swatch shows its slot, black when nothing was read
    }
}

TEST(SettingsFile, HugeFilesAreReadBoundedly) {
    // A first line of 3 MB: the pattern is cut, and the scan stops long before the other items.
    const Loaded big = Load(std::string(3 << 20, 'y') + "\r\n2\r\n 5 \r\n");
    EXPECT_EQ(big.state.TipFmt.size(), kMaxItemBytes);
    EXPECT_EQ(big.interval, "1.0");
    // Long lines within the bound are skipped over and the rest stays in line.
    const Loaded longLine = Load(std::string(100000, 'y') + "\r\n2\r\n 5 \r\n");
    EXPECT_EQ(longLine.interval, "2");
    EXPECT_EQ(longLine.state.Hyo1, 5);
}

TEST(SettingsFile, EveryTextSurvivesAWriteAndARead) {
    const std::string texts[] = {"yyyy/mm/dd hh:mm aaa",
                                 "a,b",
                                 " leading",
                                 "\"quoted\"",
                                 "mid\"quote",
                                 "trailing  ",
                                 "",
                                 ",",
                                 "\"",
                                 "時刻 hh:nn",
                                 "   ",
                                 "x\"\",y"};
    for (const std::string& tip : texts) {
        for (const std::string& interval : {std::string("1.0"), tip}) {
            SCOPED_TRACE(tip + " | " + interval);
            fake::FakePlatform fake;
            ClockState state;
            state.TipFmt = tip;
            state.Hyo1 = 3;
            state.Hyo2 = -7;
            state.Clr = {1, -1, 16777215, 0, 5, 6, 7, 8};
            const std::string bytes = SettingsFileBytes(state, interval, fake.codePage);
            fake.files.entries[fake.files.SettingsPath()].bytes = bytes;
            ClockState read;
            LdDat(read, fake.Platform());
            EXPECT_EQ(read.TipFmt, tip);
            EXPECT_EQ(fake.window.interval, interval);
            EXPECT_EQ(read.Hyo1, 3);
            EXPECT_EQ(read.Hyo2, -7);
            EXPECT_EQ(read.Clr, state.Clr);
        }
    }
}

TEST(SettingsFile, NumberForm) {
    fake::FakePlatform fake;
    ClockState state;
    state.Hyo1 = -32768;
    state.Clr = {16777215, -1, -2147483647 - 1, 2147483647, 0, 0, 0, 0};
    const std::string bytes = SettingsFileBytes(state, "1", fake.codePage);
    EXPECT_EQ(bytes,
              "\r\n1\r\n-32768 \r\n 0 \r\n 16777215 \r\n-1 \r\n-2147483648 \r\n"
              " 2147483647 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n");
}

TEST(SettingsFile, ASwatchKeepsItsColourForAValueItRefuses) {
    struct Case {
        std::uint32_t value;
        bool taken;
    } cases[] = {
        {0x00FFFFFF, true},  {0x80000000, true},  {0x8000001E, true},  // scroll bar, menu bar
        {0x8000001F, false}, {0x80000019, false}, {0xFFFFFFFF, false}, {0x80000100, false},
        {0x12345678, false}, {0x01000000, false}, {0x7F000000, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.value);
        const auto value = static_cast<Colour>(c.value);
        const Loaded l = Load("p\r\n1\r\n 0 \r\n 0 \r\n" + std::to_string(value) + "\r\n 255 \r\n");
        EXPECT_EQ(l.state.Clr[0], value);  // the slot keeps the value read, to be saved as it is
        EXPECT_EQ(l.swatches[0], c.taken ? value : fake::kButtonText);
        EXPECT_EQ(l.swatches[1], 255);
    }
}

}  // namespace
}  // namespace gv
