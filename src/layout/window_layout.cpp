#include "layout/window_layout.h"

#include <algorithm>

#include "base/twips.h"

namespace gv {
namespace {

// The window as designed, in twips, at 15 twips to a pixel.
struct DesignRect {
    int left, top, width, height;
};
constexpr int kClientWidth = 2385;
constexpr int kClientHeight = 2250;
constexpr DesignRect kPreview{120, 120, 240, 240};
constexpr DesignRect kUnitLabel{1200, 180, 180, 180};
constexpr DesignRect kInterval{600, 120, 555, 270};
constexpr DesignRect kApply{1620, 60, 615, 315};
constexpr DesignRect kTopModes{60, 480, 2235, 300};
constexpr DesignRect kTopFrame{60, 720, 2235, 555};
constexpr DesignRect kBottomModes{60, 1380, 2235, 300};
constexpr DesignRect kBottomFrame{60, 1620, 2235, 555};
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

PixelRect ToPixels(const DesignRect& rect, int dpi) {
    return {DesignPixelsHalfUp(rect.left, dpi), DesignPixelsHalfUp(rect.top, dpi),
            DesignPixelsHalfUp(rect.width, dpi), DesignPixelsHalfUp(rect.height, dpi)};
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

WindowLayout LayoutWindow(int dpi, const MeasuredTexts& texts) {
    WindowLayout layout;
    layout.clientWidth = DesignPixelsHalfUp(kClientWidth, dpi);
    layout.clientHeight = DesignPixelsHalfUp(kClientHeight, dpi);
    layout.preview = ToPixels(kPreview, dpi);
    layout.interval = ToPixels(kInterval, dpi);
    layout.apply = ToPixels(kApply, dpi);
    layout.topModes = ToPixels(kTopModes, dpi);
    layout.bottomModes = ToPixels(kBottomModes, dpi);
    layout.topFrame = ToPixels(kTopFrame, dpi);
    layout.bottomFrame = ToPixels(kBottomFrame, dpi);

    // The unit reads on from the interval box: it keeps its left edge and takes its text's width.
    layout.unitLabel = ToPixels(kUnitLabel, dpi);
    layout.unitLabel.width = std::max(layout.unitLabel.width, texts.unit.width);
    GrowForLine(layout.unitLabel, texts.unit.height, 0);

    // The interval box scrolls its text sideways, so only a line's height has to fit.
    const int editInset = Scale96(kEditInset96, dpi);
    GrowForLine(layout.interval, texts.interval.height, editInset);
    Fit(layout.apply, texts.apply, Scale96(kButtonInset96, dpi));

    for (std::size_t i = 0; i < layout.swatches.size(); ++i) {
        const DesignRect& frame = i < 4 ? kTopFrame : kBottomFrame;
        PixelRect& swatch = layout.swatches[i];
        swatch = ToPixels(
            {frame.left + kSwatchLefts[i % 4], frame.top + kSwatchTop, kSwatchWidth, kSwatchHeight},
            dpi);
        Fit(swatch, texts.swatch, 0);
    }

    // A text far larger than the design allows still stays in the window: nothing starts above
    // or left of the client area, and the client area takes in whatever ends beyond it.
    PixelRect* const all[] = {&layout.preview,  &layout.unitLabel,  &layout.interval,
                              &layout.apply,    &layout.topModes,   &layout.bottomModes,
                              &layout.topFrame, &layout.bottomFrame};
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
