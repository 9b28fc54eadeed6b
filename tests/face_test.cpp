#include "face/face.h"

#include <gtest/gtest.h>

#include "face/enlarge.h"
#include "features/refresh.h"
#include "picture.h"

namespace gv {
namespace {

using test::Expected;
using Stamps = std::vector<test::Stamp>;

class Face : public ::testing::Test {
  protected:
    Face() { settings.colours = test::SlotColours(); }
    std::string Draw(std::int16_t top, std::int16_t bottom, LocalTime at) {
        settings.topMode = top;
        settings.bottomMode = bottom;
        now = at;
        DrawFace(face);
        return test::Picture(surface.Image());
    }
    // The pixels of one slot's colour ('a' to 'h'), row by row: "x,y x,y ...".
    std::string PixelsOf(char slot) const {
        std::string out;
        for (int y = 0; y < kFaceSize; ++y)
            for (int x = 0; x < kFaceSize; ++x)
                if (surface.At(x, y) == settings.colours[static_cast<std::size_t>(slot - 'a')])
                    out += (out.empty() ? "" : " ") + std::to_string(x) + "," + std::to_string(y);
        return out;
    }

    FaceSettings settings;
    Surface surface;
    LocalTime now;
    FaceContext face{settings, surface, now, JapaneseLocale()};
};

TEST_F(Face, DigitalModes) {
    // clang-format off
    const struct { const char* name; std::int16_t top, bottom; LocalTime at; Stamps digits; } cases[] = {
        // A lone row sits in the middle, row 4; an hour's leading zero is left out.
        {"12-hour at 12:30", 1, 0, MakeLocalTime(2024, 5, 1, 12, 30), test::Digits(" 030")},
        {"12-hour at 23:59", 1, 0, MakeLocalTime(2024, 5, 1, 23, 59), test::Digits("1159")},
        {"24-hour at 9:46", 2, 0, MakeLocalTime(2024, 5, 1, 9, 46), test::Digits(" 946")},
        {"2 March without zeros", 3, 0, MakeLocalTime(2024, 3, 2, 10, 0), test::Digits(" 3 2")},
        {"2 March with zeros", 4, 0, MakeLocalTime(2024, 3, 2, 10, 0), test::Digits("0302")},
        {"year 2002", 5, 0, MakeLocalTime(2002, 6, 1, 10, 0), test::Digits("2002")},
        {"two rows", 2, 4, MakeLocalTime(2024, 3, 2, 18, 47), test::Digits("1847", 0, "0302")},
        {"12-hour below", 5, 1, MakeLocalTime(2019, 1, 1, 13, 2), test::Digits("2019", 0, " 102")},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(Draw(c.top, c.bottom, c.at), Expected(c.digits)) << c.name;
}

TEST_F(Face, AnalogHandsPixelByPixel) {
    // Minute hand 'a' over hour hand 'b', ticks over both; ties between two pixels (0:10, 2:40),
    // hour angles rounding half to even (0:09: 4.5 degrees, as 4; 1:11: 35.5, as 36).
    // clang-format off
    const struct { int hour, minute; const char* minuteHand; const char* hourHand; } cases[] = {
        {0, 0, "8,2 8,3 8,4 8,5 8,6 8,7 8,8", ""},
        {0, 9, "13,4 12,5 10,6 11,6 9,7 8,8", "8,2 8,3 8,4 8,5 8,6 8,7"},
        {0, 10, "13,5 14,5 11,6 12,6 9,7 10,7 8,8", "9,2 9,3 9,4 9,5 8,6 8,7"},
        {1, 11, "13,5 14,5 11,6 12,6 9,7 10,7 8,8", "12,3 11,4 10,5 10,6"},
        {2, 40, "8,8 6,9 7,9 4,10 5,10 2,11 3,11", "11,7 12,7 13,7 14,7 9,8 10,8"},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.hour << ":" << c.minute);
        Draw(0, 0, MakeLocalTime(2024, 5, 1, c.hour, c.minute));
        EXPECT_EQ(PixelsOf('a'), c.minuteHand);
        EXPECT_EQ(PixelsOf('b'), c.hourHand);
        EXPECT_EQ(PixelsOf('c'), "8,1 4,2 12,2 2,4 14,4 1,8 15,8 2,12 14,12 4,14 12,14 8,15");
    }
}

TEST_F(Face, ARefreshDrawsTheFaceAndTheTooltipFromOneReadingOfTheClock) {
    // The clock's first reading is a second before the hour turns, every later one after it.
    const struct {
        std::int16_t mode;
        int hour;
        std::string face, tip;
    } cases[] = {
        {kModeTime24, 10, Expected(test::Digits("1059")), "10:59:59"},
        {kModeAnalog, 3, Draw(kModeAnalog, 0, MakeLocalTime(2024, 5, 1, 3, 59, 59)), "03:59:59"}};
    for (const auto& c : cases) {
        fake::FakePlatform fake;
        fake.tray.Add({}, "");
        fake.clock.start = MakeLocalTime(2024, 5, 1, c.hour + 1, 0, 0);
        fake.clock.scripted = {MakeLocalTime(2024, 5, 1, c.hour, 59, 59)};
        ClockState state{{test::SlotColours(), c.mode, 0}, "hh:nn:ss", {}, {}};
        Refresh(state, surface, fake.Platform());
        EXPECT_EQ(test::Picture(fake.area.icon->picture), c.face) << c.tip;
        EXPECT_EQ(fake.codePage.FromAnsi(fake.area.icon->tip.data()), c.tip);
    }
}

TEST(Enlarge, EveryPixelComesFromOneFacePixelInSolidBlocks) {
    Pixels face{};  // every pixel a colour of its own, so each copy names the pixel it came from
    for (std::size_t i = 0; i < face.size(); ++i) face[i] = static_cast<Colour>(i);
    const std::pair<int, std::string> cases[] = {
        // the size, and each block's width and height
        {16, "1111111111111111"}, {20, "1112111211121112"}, {24, "1212121212121212"},
        {32, "2222222222222222"}, {40, "2323232323232323"}, {48, "3333333333333333"}};
    for (const auto& [size, blocks] : cases) {
        std::vector<Colour> from;  // the face column (or row) that each column (or row) copies
        for (std::size_t i = 0; i < blocks.size(); ++i)
            from.insert(from.end(), static_cast<std::size_t>(blocks[i] - '0'),
                        static_cast<Colour>(i));
        std::vector<Colour> expected, out(from.size() * from.size(), -1);
        for (const Colour y : from)
            for (const Colour x : from) expected.push_back(y * kFaceSize + x);
        EnlargeFace<Colour>(face, size, out);
        EXPECT_EQ(out, expected) << size;
    }
    // A wrong buffer or a size below 16 is left alone.
    for (const auto& [size, length] :
         {std::pair{24, 24 * 24 - 1}, {24, 24 * 24 + 1}, {15, 15 * 15}, {0, 0}, {-16, 256}}) {
        std::vector<Colour> out(static_cast<std::size_t>(length), 7);
        EnlargeFace<Colour>(face, size, out);
        EXPECT_EQ(out, std::vector<Colour>(static_cast<std::size_t>(length), 7)) << size;
    }
}

}  // namespace
}  // namespace gv
