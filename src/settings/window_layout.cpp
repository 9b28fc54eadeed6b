#include "settings/window_layout.h"

#include <algorithm>

namespace gv {
namespace {

// The window as designed, in twips, at 15 twips to a pixel.
struct Spot {
    int left, top, width, height;
};
constexpr int kClientWidth = 2385;
constexpr int kClientHeight = 2250;
constexpr Spot kPicture1{120, 120, 240, 240};
constexpr Spot kLabel1{1200, 180, 180, 180};
constexpr Spot kText1{600, 120, 555, 270};
constexpr Spot kCommand1{1620, 60, 615, 315};
constexpr Spot kCombo1{60, 480, 2235, 300};
constexpr Spot kFrame1{60, 720, 2235, 555};
constexpr Spot kCombo2{60, 1380, 2235, 300};
constexpr Spot kFrame2{60, 1620, 2235, 555};
constexpr int kSwatchLefts[4] = {180, 660, 1140, 1620};  // within its frame
constexpr int kSwatchTop = 240;
constexpr int kSwatchWidth = 330;
constexpr int kSwatchHeight = 195;

// What a control's own frame takes from each side of its text, in pixels at 96 DPI: the edit
// box's sunken edge, the button's raised edge and focus rectangle.
constexpr int kEditInset96 = 2;
constexpr int kButtonInset96 = 3;

// A line of text is measured with the blank row that its font keeps under the glyphs; a control
// one pixel shorter than the line still shows every glyph whole. The designed unit label is one
// such: 12 pixels high at 96 DPI for a 13-pixel line. Only a taller line grows a control.
constexpr int kBlankRowUnderText = 1;

int Scale96(int pixels, int dpi) { return (pixels * dpi + 48) / 96; }

PixelRect ToPixels(const Spot& spot, int dpi) {
    return {TwipsToPixels(spot.left, dpi), TwipsToPixels(spot.top, dpi),
            TwipsToPixels(spot.width, dpi), TwipsToPixels(spot.height, dpi)};
}

// Grows one side of a rectangle to `need` about its centre; the odd pixel goes to the far side.
void GrowAboutCentre(int& start, int& length, int need) {
    if (need <= length) return;
    start -= (need - length) / 2;
    length = need;
}

// Grows the height for a line of `lineHeight` pixels (with `inset` above and below it).
void GrowForLine(PixelRect& rect, int lineHeight, int inset) {
    if (lineHeight + 2 * inset - kBlankRowUnderText <= rect.height) return;
    GrowAboutCentre(rect.top, rect.height, lineHeight + 2 * inset);
}

void Fit(PixelRect& rect, TextExtent text, int inset) {
    GrowAboutCentre(rect.left, rect.width, text.width + 2 * inset);
    GrowForLine(rect, text.height, inset);
}

}  // namespace

int TwipsToPixels(int twips, int dpi) {
    // Half a pixel rounds up, as the twips are never negative here.
    const long long scaled = static_cast<long long>(twips) * dpi;
    return static_cast<int>((scaled + 720) / 1440);
}

WindowLayout LayoutWindow(int dpi, const MeasuredTexts& texts) {
    WindowLayout layout;
    layout.clientWidth = TwipsToPixels(kClientWidth, dpi);
    layout.clientHeight = TwipsToPixels(kClientHeight, dpi);
    layout.picture1 = ToPixels(kPicture1, dpi);
    layout.text1 = ToPixels(kText1, dpi);
    layout.command1 = ToPixels(kCommand1, dpi);
    layout.combo1 = ToPixels(kCombo1, dpi);
    layout.combo2 = ToPixels(kCombo2, dpi);
    layout.frame1 = ToPixels(kFrame1, dpi);
    layout.frame2 = ToPixels(kFrame2, dpi);

    // The unit reads on from the interval box: it keeps its left edge and takes its text's width.
    layout.label1 = ToPixels(kLabel1, dpi);
    layout.label1.width = std::max(layout.label1.width, texts.label.width);
    GrowForLine(layout.label1, texts.label.height, 0);

    // The interval box scrolls its text sideways, so only a line's height has to fit.
    const int editInset = Scale96(kEditInset96, dpi);
    GrowForLine(layout.text1, texts.interval.height, editInset);
    Fit(layout.command1, texts.button, Scale96(kButtonInset96, dpi));

    for (std::size_t i = 0; i < layout.swatches.size(); ++i) {
        const Spot& frame = i < 4 ? kFrame1 : kFrame2;
        PixelRect& swatch = layout.swatches[i];
        swatch = ToPixels(
            {frame.left + kSwatchLefts[i % 4], frame.top + kSwatchTop, kSwatchWidth, kSwatchHeight},
            dpi);
        Fit(swatch, texts.swatch, 0);
    }

    // A text far larger than the design allows still stays in the window: nothing starts above
    // or left of the client area, and the client area takes in whatever ends beyond it.
    PixelRect* const all[] = {&layout.picture1, &layout.label1, &layout.text1,  &layout.command1,
                              &layout.combo1,   &layout.combo2, &layout.frame1, &layout.frame2};
    auto keepInside = [&layout](PixelRect& rect) {
        rect.left = std::max(rect.left, 0);
        rect.top = std::max(rect.top, 0);
        layout.clientWidth = std::max(layout.clientWidth, rect.Right());
        layout.clientHeight = std::max(layout.clientHeight, rect.Bottom());
    };
    for (PixelRect* rect : all) keepInside(*rect);
    for (PixelRect& swatch : layout.swatches) keepInside(swatch);
    return layout;
}

}  // namespace gv
