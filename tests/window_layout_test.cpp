#include "layout/window_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/twips.h"

namespace gv {
namespace {

TEST(WindowLayout, DesignedLengthsGoToTheNearestPixelAHalfUp) {
    // clang-format off
    const struct { int twips, dpi, pixels; } cases[] = {{2385, 120, 199}, {2385, 144, 239}, {2385, 168, 278},
                                                        {195, 144, 20},   {195, 120, 16},   {0, 192, 0}};
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(DesignPixelsHalfUp(c.twips, c.dpi), c.pixels) << c.twips << " at " << c.dpi;
}

TEST(WindowLayout, LargerTextsGrowTheirControlsAboutTheCentre) {
    // clang-format off
    const struct {
        const char* what;
        int dpi;
        MeasuredTexts texts;
        PixelRect WindowLayout::*control;  // null: the first swatch
        PixelRect expected;
    } cases[] = {
        // A 17-pixel digit in a 13-pixel swatch: two pixels more above, two below.
        {"swatch", 96, {{}, {}, {}, {12, 17}}, nullptr, {16, 62, 22, 17}},
        {"swatch, the odd pixel below", 96, {{}, {}, {}, {12, 16}}, nullptr, {16, 63, 22, 16}},
        // The unit as wide as its text, its left edge kept.
        {"unit", 96, {{17, 16}, {}, {}, {}}, &WindowLayout::unitLabel, {80, 10, 17, 16}},
        // The edit box needs its edges around a line: 16 + 2 * 2 = 20 in 18.
        {"interval", 96, {{}, {0, 16}, {}, {}}, &WindowLayout::interval, {40, 7, 37, 20}},
        {"interval, scrolling", 96, {{}, {90, 15}, {}, {}}, &WindowLayout::interval, {40, 8, 37, 18}},
        // 120 DPI: edges of 2.5 pixels, as 3: 19 + 2 * 3 = 25 in 23 (the button's: 3.75, as 4).
        {"interval", 120, {{}, {0, 19}, {}, {}}, &WindowLayout::interval, {50, 9, 46, 25}},
        // A line one pixel taller than its control loses only its blank bottom row.
        {"unit", 96, {{12, 13}, {}, {}, {}}, &WindowLayout::unitLabel, {80, 12, 12, 12}},
        {"swatch", 96, {{}, {}, {}, {12, 14}}, nullptr, {16, 64, 22, 13}},
        {"apply", 96, {{}, {}, {40, 13}, {}}, &WindowLayout::apply, {106, 4, 46, 21}},
        {"apply", 120, {{}, {}, {40, 21}, {}}, &WindowLayout::apply, {135, 4, 51, 29}},
    };
    // clang-format on
    for (const auto& c : cases) {
        const WindowLayout l = LayoutWindow(c.dpi, c.texts);
        EXPECT_EQ(c.control != nullptr ? l.*c.control : l.swatches[0], c.expected)
            << c.what << " at " << c.dpi;
    }
    // A huge text still leaves every control inside the window.
    const WindowLayout l = LayoutWindow(96, {{60, 60}, {0, 60}, {200, 60}, {60, 60}});
    std::vector<PixelRect> all = {l.preview,  l.unitLabel,   l.interval, l.apply,
                                  l.topModes, l.bottomModes, l.topFrame, l.bottomFrame};
    all.insert(all.end(), l.swatches.begin(), l.swatches.end());
    for (const PixelRect& c : all)
        EXPECT_TRUE(c.left >= 0 && c.top >= 0 && c.Right() <= l.clientWidth &&
                    c.Bottom() <= l.clientHeight);
    EXPECT_GE(l.apply.width, 200);
}

}  // namespace
}  // namespace gv
