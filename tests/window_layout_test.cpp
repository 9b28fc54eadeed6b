#include "settings/window_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace gv {
namespace {

// Line heights of the message font at 96 DPI: the one the window was drawn for, and taller ones.
struct Font {
    const char* name;
    int lineHeight;
};
constexpr Font kFonts[] = {{"classic", 13}, {"Meiryo UI", 15}, {"Yu Gothic UI", 17}};
constexpr int kDpis[] = {96, 120, 144, 192, 288};

int Scaled(int pixels96, int dpi) { return (pixels96 * dpi + 48) / 96; }

MeasuredTexts Texts(const Font& font, int dpi) {
    const int line = Scaled(font.lineHeight, dpi);
    const int digit = Scaled(12, dpi);  // a full-width digit or kanji, in every font
    return {{digit, line}, {3 * digit / 2, line}, {2 * digit, line}, {digit, line}};
}

struct Named {
    std::string name;
    PixelRect rect;
};
std::vector<Named> Controls(const WindowLayout& l) {
    std::vector<Named> all = {{"Picture1", l.picture1}, {"Label1", l.label1}, {"Text1", l.text1},
                              {"Command1", l.command1}, {"Combo1", l.combo1}, {"Combo2", l.combo2},
                              {"Frame1", l.frame1},     {"Frame2", l.frame2}};
    for (std::size_t i = 0; i < l.swatches.size(); ++i)
        all.push_back({"Lb1(" + std::to_string(i) + ")", l.swatches[i]});
    return all;
}

bool Overlap(const PixelRect& a, const PixelRect& b) {
    return a.left < b.Right() && b.left < a.Right() && a.top < b.Bottom() && b.top < a.Bottom();
}

bool Contains(const PixelRect& outer, const PixelRect& inner) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.Right() <= outer.Right() &&
           inner.Bottom() <= outer.Bottom();
}

TEST(WindowLayout, At96DpiTheWindowIsTheDesignedPixels) {
    const WindowLayout l = LayoutWindow(96, Texts(kFonts[0], 96));
    EXPECT_EQ(l.clientWidth, 159);
    EXPECT_EQ(l.clientHeight, 150);
    EXPECT_EQ(l.picture1, (PixelRect{8, 8, 16, 16}));
    EXPECT_EQ(l.label1, (PixelRect{80, 12, 12, 12}));
    EXPECT_EQ(l.text1, (PixelRect{40, 8, 37, 18}));
    EXPECT_EQ(l.command1, (PixelRect{108, 4, 41, 21}));
    EXPECT_EQ(l.combo1, (PixelRect{4, 32, 149, 20}));
    EXPECT_EQ(l.combo2, (PixelRect{4, 92, 149, 20}));
    EXPECT_EQ(l.frame1, (PixelRect{4, 48, 149, 37}));
    EXPECT_EQ(l.frame2, (PixelRect{4, 108, 149, 37}));
    const int lefts[] = {16, 48, 80, 112};
    for (std::size_t i = 0; i < 8; ++i) {
        EXPECT_EQ(l.swatches[i], (PixelRect{lefts[i % 4], i < 4 ? 64 : 124, 22, 13})) << i;
    }
}

TEST(WindowLayout, TwipsRoundToTheNearestPixel) {
    struct Case {
        int twips, dpi, pixels;
    } cases[] = {
        {2385, 96, 159},  {2385, 120, 199}, {2385, 144, 239}, {2385, 168, 278},
        {2385, 192, 318}, {2385, 288, 477}, {195, 144, 20},   {195, 120, 16},
        {180, 168, 21},   {60, 120, 5},     {0, 192, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TwipsToPixels(c.twips, c.dpi), c.pixels) << c.twips << " at " << c.dpi;
    }
}

// Every DPI with every font: the properties a user would notice if they broke.
TEST(WindowLayout, EveryDpiAndFontKeepsTheWindowWholeAndTheTextsUnclipped) {
    const std::vector<Named> at96 = Controls(LayoutWindow(96, Texts(kFonts[0], 96)));
    for (const Font& font : kFonts) {
        for (const int dpi : kDpis) {
            SCOPED_TRACE(std::string(font.name) + " at " + std::to_string(dpi));
            const MeasuredTexts texts = Texts(font, dpi);
            const WindowLayout l = LayoutWindow(dpi, texts);
            const WindowLayout bare = LayoutWindow(dpi, {});

            // The client area is the designed one scaled, within a pixel.
            EXPECT_NEAR(l.clientWidth, 159.0 * dpi / 96, 1.0);
            EXPECT_NEAR(l.clientHeight, 150.0 * dpi / 96, 1.0);

            // Without texts to fit, every control is its 96-DPI size scaled, within a pixel.
            const std::vector<Named> plain = Controls(bare);
            for (std::size_t i = 0; i < plain.size(); ++i) {
                SCOPED_TRACE(plain[i].name);
                EXPECT_NEAR(plain[i].rect.left, at96[i].rect.left * dpi / 96.0, 1.0);
                EXPECT_NEAR(plain[i].rect.top, at96[i].rect.top * dpi / 96.0, 1.0);
                EXPECT_NEAR(plain[i].rect.width, at96[i].rect.width * dpi / 96.0, 1.0);
                EXPECT_NEAR(plain[i].rect.height, at96[i].rect.height * dpi / 96.0, 1.0);
            }

            // Texts fit: the digits and the unit in full (a line's blank bottom row aside),
            // the edit and the button with room for their frames.
            for (const PixelRect& swatch : l.swatches) {
                EXPECT_GE(swatch.height, texts.swatch.height - 1);
                EXPECT_GE(swatch.width, texts.swatch.width);
            }
            EXPECT_GE(l.label1.height, texts.label.height - 1);
            EXPECT_GE(l.label1.width, texts.label.width);
            EXPECT_GE(l.text1.height, texts.interval.height + 4 * dpi / 96 - 1);
            EXPECT_GE(l.command1.height, texts.button.height + 4 * dpi / 96 - 1);
            EXPECT_GE(l.command1.width, texts.button.width + 4 * dpi / 96);

            const std::vector<Named> grown = Controls(l);

            // Inside the client area, swatches inside their frames, and no two controls
            // overlap that did not overlap as designed.
            for (std::size_t i = 0; i < grown.size(); ++i) {
                EXPECT_TRUE(Contains({0, 0, l.clientWidth, l.clientHeight}, grown[i].rect))
                    << grown[i].name;
                for (std::size_t j = i + 1; j < grown.size(); ++j) {
                    EXPECT_EQ(Overlap(grown[i].rect, grown[j].rect),
                              Overlap(at96[i].rect, at96[j].rect))
                        << grown[i].name << " and " << grown[j].name;
                }
            }
            for (std::size_t i = 0; i < 8; ++i) {
                EXPECT_TRUE(Contains(i < 4 ? l.frame1 : l.frame2, l.swatches[i])) << i;
            }
        }
    }
}

TEST(WindowLayout, LargerTextsGrowTheirControlsAboutTheCentre) {
    struct Case {
        const char* what;
        int dpi;
        MeasuredTexts texts;
        PixelRect WindowLayout::*control;
        PixelRect expected;
    };
    const Case cases[] = {
        // A 17-pixel digit in a 13-pixel swatch: two pixels more above, two below.
        {"swatch", 96, {{}, {}, {}, {12, 17}}, nullptr, {16, 62, 22, 17}},
        // The odd pixel goes below.
        {"swatch", 96, {{}, {}, {}, {12, 16}}, nullptr, {16, 63, 22, 16}},
        {"swatch", 192, {{}, {}, {}, {24, 34}}, nullptr, {32, 124, 44, 34}},
        // The unit as wide as its text, its left edge kept.
        {"label", 96, {{17, 16}, {}, {}, {}}, &WindowLayout::label1, {80, 10, 17, 16}},
        {"label", 144, {{26, 25}, {}, {}, {}}, &WindowLayout::label1, {120, 15, 26, 25}},
        // The edit box needs its edges around a line: 16 + 2 * 2 = 20 in 18.
        {"edit", 96, {{}, {0, 16}, {}, {}}, &WindowLayout::text1, {40, 7, 37, 20}},
        {"edit", 96, {{}, {0, 15}, {}, {}}, &WindowLayout::text1, {40, 8, 37, 18}},
        // A line one pixel taller than its control loses only its blank bottom row: the
        // designed unit label and swatches stay as they are, a taller line grows them.
        {"label", 96, {{12, 13}, {}, {}, {}}, &WindowLayout::label1, {80, 12, 12, 12}},
        {"label", 144, {{18, 20}, {}, {}, {}}, &WindowLayout::label1, {120, 17, 18, 20}},
        {"swatch", 96, {{}, {}, {}, {12, 14}}, nullptr, {16, 64, 22, 13}},
        {"button", 96, {{}, {}, {24, 17}, {}}, &WindowLayout::command1, {108, 3, 41, 23}},
        {"button", 96, {{}, {}, {40, 13}, {}}, &WindowLayout::command1, {106, 4, 46, 21}},
    };
    for (const Case& c : cases) {
        const WindowLayout l = LayoutWindow(c.dpi, c.texts);
        const PixelRect got = c.control != nullptr ? l.*c.control : l.swatches[0];
        EXPECT_EQ(got, c.expected) << c.what << " at " << c.dpi;
    }
}

TEST(WindowLayout, AHugeTextStillLeavesEveryControlInsideTheWindow) {
    const WindowLayout l = LayoutWindow(96, {{60, 60}, {0, 60}, {200, 60}, {60, 60}});
    for (const Named& c : Controls(l))
        EXPECT_TRUE(Contains({0, 0, l.clientWidth, l.clientHeight}, c.rect)) << c.name;
    EXPECT_GE(l.command1.width, 200);
}

}  // namespace
}  // namespace gv
