#include "render/face.h"

#include <gtest/gtest.h>

#include <cmath>

#include "fake/fake_platform.h"
#include "picture.h"
#include "render/digits.h"

namespace gv {
namespace {

using test::Expected;
using test::Lines;
using test::Picture;

class Face : public ::testing::Test {
  protected:
    Face() {
        state.Pi = kSinglePi;
        state.Clr = test::SlotColours();
        surface.Erase(kButtonFace);
    }
    std::string Draw(std::int16_t top, std::int16_t bottom, LocalTime at) {
        state.Hyo1 = top;
        state.Hyo2 = bottom;
        clock.start = at;
        DrawFace(face);
        return Picture(surface.Image());
    }

    ClockState state;
    Surface surface;
    fake::FakeClock clock;
    FaceContext face{state, surface, clock, JapaneseLocale()};
};

TEST_F(Face, DegiPlacesTheGlyphAndClipsNothingOnTheSurface) {
    state.Hyo1 = 2;
    Degi(state, surface, "7", 13, state.Clr[4], 9);
    EXPECT_EQ(Picture(surface.Image()), Expected({{7, 13, 9, 'e'}}));
    EXPECT_EQ(surface.At(15, 15), state.Clr[4]);  // the glyph's last cell is the corner pixel

    surface.Erase(kButtonFace);
    state.Hyo1 = 0;  // an analog top row pulls every digit up to row 0
    Degi(state, surface, "7", 13, state.Clr[4], 9);
    EXPECT_EQ(Picture(surface.Image()), Expected({{7, 13, 0, 'e'}}));
}

TEST_F(Face, DegiWithOddDigitTexts) {
    struct Case {
        const char* digit;
        int drawn;  // the glyph drawn, or -1 for nothing
    } cases[] = {{"", 0},    {"x", 0},   {"A", 0},    {" 5", 5},  {"9", 9},
                 {"10", -1}, {"-1", -1}, {"2.5", -1}, {"3.0", 3}, {"\t1", 1}};
    state.Hyo1 = 2;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.digit);
        surface.Erase(kButtonFace);
        Degi(state, surface, c.digit, 4, state.Clr[1], 9);
        EXPECT_EQ(Picture(surface.Image()),
                  c.drawn < 0 ? Expected({}) : Expected({{c.drawn, 4, 9, 'b'}}));
    }
}

TEST_F(Face, DegiPPaintsOnlyTheCellsMarkedOne) {
    state.DgX = 2;
    state.DgY = 3;
    state.DgClr = state.Clr[0];
    DegiP(state, surface, "1");
    DegiP(state, surface, "");
    DegiP(state, surface, "0x2 111");  // "x", "2" and " " paint nothing
    std::string expected = Expected({});
    expected[3 * 17 + 2] = 'a';
    expected[4 * 17 + 3] = 'a';
    expected[4 * 17 + 4] = 'a';
    expected[5 * 17 + 2] = 'a';
    EXPECT_EQ(Picture(surface.Image()), expected);
    DegiP(state, surface, std::string(22, '1') + "1111");  // cells past the 21st are ignored
    EXPECT_EQ(surface.At(2, 10), kButtonFace);
}

TEST_F(Face, LoneDigitalTopRowSitsInTheMiddle) {
    EXPECT_EQ(Draw(2, 0, MakeLocalTime(2024, 5, 1, 9, 41)), Lines({
                                                                "................",
                                                                "................",
                                                                "................",
                                                                "................",
                                                                "....bbb..c.c..d.",
                                                                "....b.b..c.c.dd.",
                                                                "....b.b..c.c..d.",
                                                                "....bbb..ccc..d.",
                                                                "......b....c..d.",
                                                                "......b....c..d.",
                                                                "......b....c.ddd",
                                                                "................",
                                                                "................",
                                                                "................",
                                                                "................",
                                                                "................",
                                                            }));
}

TEST_F(Face, DigitalModesInTable) {
    struct Case {
        const char* name;
        std::int16_t top, bottom;
        LocalTime at;
        std::vector<test::Stamp> stamps;
    } cases[] = {
        // clang-format off
        {"12-hour at 12:30", 1, 0, MakeLocalTime(2024, 5, 1, 12, 30),
         {{0, 4, 4, 'b'}, {3, 9, 4, 'c'}, {0, 13, 4, 'd'}}},
        {"12-hour at 23:59", 1, 0, MakeLocalTime(2024, 5, 1, 23, 59),
         {{1, 4, 4, 'b'}, {1, 0, 4, 'a'}, {5, 9, 4, 'c'}, {9, 13, 4, 'd'}}},
        {"12-hour at 00:00", 1, 0, MakeLocalTime(2024, 5, 1, 0, 0),
         {{0, 4, 4, 'b'}, {0, 9, 4, 'c'}, {0, 13, 4, 'd'}}},
        {"24-hour at 00:05", 2, 0, MakeLocalTime(2024, 5, 1, 0, 5),
         {{0, 4, 4, 'b'}, {0, 9, 4, 'c'}, {5, 13, 4, 'd'}}},
        {"2 March without zeros", 3, 0, MakeLocalTime(2024, 3, 2, 10, 0),
         {{3, 4, 4, 'b'}, {2, 13, 4, 'd'}}},
        {"2 March with zeros", 4, 0, MakeLocalTime(2024, 3, 2, 10, 0),
         {{3, 4, 4, 'b'}, {0, 0, 4, 'a'}, {2, 13, 4, 'd'}, {0, 9, 4, 'c'}}},
        {"year 2002", 5, 0, MakeLocalTime(2002, 6, 1, 10, 0),
         {{2, 0, 4, 'a'}, {0, 4, 4, 'b'}, {0, 9, 4, 'c'}, {2, 13, 4, 'd'}}},
        {"two rows", 2, 4, MakeLocalTime(2024, 3, 2, 18, 47),
         {{8, 4, 0, 'b'}, {1, 0, 0, 'a'}, {4, 9, 0, 'c'}, {7, 13, 0, 'd'},
          {3, 4, 9, 'f'}, {0, 0, 9, 'e'}, {2, 13, 9, 'h'}, {0, 9, 9, 'g'}}},
        {"12-hour bottom row", 5, 1, MakeLocalTime(2019, 1, 1, 13, 2),
         {{2, 0, 0, 'a'}, {0, 4, 0, 'b'}, {1, 9, 0, 'c'}, {9, 13, 0, 'd'},
          {1, 4, 9, 'f'}, {0, 9, 9, 'g'}, {2, 13, 9, 'h'}}},
        {"mode 6 draws nothing", 6, 0, MakeLocalTime(2024, 3, 2, 18, 47), {}},
        {"mode -1 draws nothing", -1, 0, MakeLocalTime(2024, 3, 2, 18, 47), {}},
        // clang-format on
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Draw(c.top, c.bottom, c.at), Expected(c.stamps));
    }
}

TEST_F(Face, AnalogAtThreeOClock) {
    EXPECT_EQ(Draw(0, 0, MakeLocalTime(2024, 5, 1, 3, 0)), Lines({
                                                               "................",
                                                               "........c.......",
                                                               "....c...a...c...",
                                                               "........a.......",
                                                               "..c.....a.....c.",
                                                               "........a.......",
                                                               "........a.......",
                                                               "........a.......",
                                                               ".c......abbbbbbc",
                                                               "................",
                                                               "................",
                                                               "................",
                                                               "..c...........c.",
                                                               "................",
                                                               "....c.......c...",
                                                               "........c.......",
                                                           }));
}

TEST_F(Face, AnalogHandsAtOtherTimes) {
    // Hand ends worked out by hand from the hand lengths and the nearest-pixel rule.
    struct Case {
        int hour, minute;
        int x, y;
        int slot;
    } cases[] = {
        {6, 30, 6, 14, 1},  // hour hand at 195 degrees
        {6, 30, 8, 14, 0},  // minute hand straight down, its end hidden by the 6 o'clock tick
        {9, 45, 2, 6, 1},   // 292.5 degrees rounds to 292
        {1, 11, 12, 3, 1},  // 35.5 degrees rounds to 36
        {9, 45, 2, 8, 0},  {12, 0, 8, 2, 0},  // both hands up: the minute hand covers the hour hand
        {1, 10, 11, 3, 1},                    // 35 degrees
        {1, 10, 14, 5, 0},                    // 60 degrees, short of the 2 o'clock tick
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.hour << ":" << c.minute << " at " << c.x << "," << c.y);
        Draw(0, 0, MakeLocalTime(2024, 5, 1, c.hour, c.minute));
        EXPECT_EQ(surface.At(c.x, c.y), state.Clr[static_cast<std::size_t>(c.slot)]);
        EXPECT_EQ(surface.At(8, 8), state.Clr[0]);  // the minute hand is drawn over the hour
    }
}

TEST_F(Face, EachReadingOfTheClockIsFresh) {
    // The hour is read at 10:59, the two minute digits on either side of 11:00.
    state.Hyo1 = 2;
    clock.scripted = {MakeLocalTime(2024, 5, 1, 10, 59, 59), MakeLocalTime(2024, 5, 1, 10, 59, 59),
                      MakeLocalTime(2024, 5, 1, 11, 0, 0)};
    DrawFace(face);
    EXPECT_EQ(Picture(surface.Image()),
              Expected({{0, 4, 4, 'b'}, {1, 0, 4, 'a'}, {5, 9, 4, 'c'}, {0, 13, 4, 'd'}}));

    // Analog: the hour angle takes hour 3 and minute 59 (119.5 degrees, rounded to 120), the
    // minute hand the next reading's 0.
    state.Hyo1 = 0;
    clock.scripted = {MakeLocalTime(2024, 5, 1, 3, 59, 59), MakeLocalTime(2024, 5, 1, 3, 59, 59),
                      MakeLocalTime(2024, 5, 1, 4, 0, 0)};
    DrawFace(face);
    EXPECT_EQ(surface.At(8, 3), state.Clr[0]);    // minute hand straight up
    EXPECT_EQ(surface.At(13, 11), state.Clr[1]);  // hour hand toward 4 o'clock
}

TEST_F(Face, ASlotOutsideTheEightEndsTheRow) {
    state.Hyo1 = 2;
    state.Hyo2 = 5;
    clock.start = MakeLocalTime(2024, 5, 1, 18, 47);
    std::int32_t row = 0;
    SlctHyo(face, 2, row, 5);  // slots 5, 6, 7 and then 8: the last digit is not drawn
    EXPECT_EQ(Picture(surface.Image()), Expected({{8, 4, 0, 'g'}, {1, 0, 0, 'f'}, {4, 9, 0, 'h'}}));

    surface.Erase(kButtonFace);
    SlctHyo(face, 5, row, -1);  // the year's first slot is already outside
    EXPECT_EQ(Picture(surface.Image()), Expected({}));
    SlctHyo(face, 5, row, 32767);  // the sum leaves the 16-bit range: nothing, and no crash
    EXPECT_EQ(Picture(surface.Image()), Expected({}));
}

TEST(Surface, PositionsMapToTheNearestPixelAndClip) {
    Surface s;
    s.Erase(kButtonFace);
    s.PSet(7.4f, 7.5f, 1);      // (0.49, 0.5) -> (0, 1)
    s.PSet(-8.0f, 0, 2);        // off the left edge
    s.PSet(240.0f, 0, 2);       // pixel 16: off the right edge
    s.PSet(232.4f, 232.4f, 3);  // pixel 15.49: the corner
    s.PSet(1e30f, -1e30f, 2);
    s.PSet(std::nanf(""), 0, 2);
    EXPECT_EQ(s.At(0, 1), 1);
    EXPECT_EQ(s.At(15, 15), 3);
    int painted = 0;
    for (Colour c : s.Image()) painted += c != kButtonFace;
    EXPECT_EQ(painted, 2);
}

TEST(Surface, LinesAreSolidAndIncludeBothEnds) {
    struct Case {
        float x1, y1, x2, y2;
        int pixels;
    } cases[] = {{120, 120, 210, 120, 7},  {120, 120, 120, 20, 8}, {0, 0, 225, 225, 16},
                 {225, 0, 0, 225, 16},     {30, 30, 30, 30, 1},    {0, 30, 225, 60, 16},
                 {-300, 120, 600, 120, 16}};
    for (const Case& c : cases) {
        Surface s;
        s.Erase(kButtonFace);
        s.Line(c.x1, c.y1, c.x2, c.y2, 5);
        int painted = 0;
        for (Colour p : s.Image()) painted += p == 5;
        EXPECT_EQ(painted, c.pixels) << c.x1 << "," << c.y1 << " to " << c.x2 << "," << c.y2;
        if (c.x1 >= 0 && c.x2 < 240) {
            EXPECT_EQ(s.At(Surface::TwipsToPixel(c.x1), Surface::TwipsToPixel(c.y1)), 5);
            EXPECT_EQ(s.At(Surface::TwipsToPixel(c.x2), Surface::TwipsToPixel(c.y2)), 5);
        }
    }
}

}  // namespace
}  // namespace gv
