#pragma once

#include <array>

namespace gv {

// A rectangle in the window's client pixels.
struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int Right() const { return left + width; }
    int Bottom() const { return top + height; }
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// How big a text is in the control's own font, in pixels at the window's DPI.
struct TextExtent {
    int width = 0;
    int height = 0;
};

// The texts of the settings window as the platform measures them with the font it uses.
struct MeasuredTexts {
    TextExtent unit;      // the unit after the interval box
    TextExtent interval;  // a line of the interval box
    TextExtent apply;     // the Apply button's caption
    TextExtent swatch;    // the largest of the eight swatch digits
};

// The settings window at one DPI: the client size and every control in client pixels.
struct WindowLayout {
    int clientWidth = 0;
    int clientHeight = 0;
    PixelRect preview;
    PixelRect unitLabel;
    PixelRect interval;
    PixelRect apply;
    PixelRect topModes;  // its closed field's place; the window sets the height for its list
    PixelRect bottomModes;
    PixelRect topFrame;
    PixelRect bottomFrame;
    std::array<PixelRect, 8> swatches;  // top row's four, then the bottom row's
};

// The window as designed in twips, turned into pixels at `dpi`. A text wider than its control,
// or taller by more than the blank row under its glyphs, makes the control grow about its
// centre instead of being clipped; the unit label is as wide as its text. At 96 DPI with texts
// that fit, every rectangle is 1/15 of its twips.
WindowLayout LayoutWindow(int dpi, const MeasuredTexts& texts);

}  // namespace gv
