#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string_view>

#include "face/face_settings.h"

namespace gv {

struct FaceContext;

// Draws one row of the face: `row` is the glyphs' top pixel row, `base` the row's first colour
// slot (a slot outside 0 to 7 ends the row there). The analog face ignores both.
using RowDrawing = void (*)(FaceContext& face, std::int32_t row, std::int16_t base);

// The rows' drawings, in face.cpp.
void DrawAnalog(FaceContext& face, std::int32_t row, std::int16_t base);
void DrawTime12(FaceContext& face, std::int32_t row, std::int16_t base);
void DrawTime24(FaceContext& face, std::int32_t row, std::int16_t base);
void DrawMonthDayBlank(FaceContext& face, std::int32_t row, std::int16_t base);
void DrawMonthDayZero(FaceContext& face, std::int32_t row, std::int16_t base);
void DrawYear(FaceContext& face, std::int32_t row, std::int16_t base);

struct DisplayMode {
    std::int16_t value;           // the file's number and the item's index in both lists
    std::string_view topItem;     // the item's text in the top row's list
    std::string_view bottomItem;  // and in the bottom row's
    RowDrawing draw;
    // Whether the row can change from one second to the next: the clock in the tray then wakes
    // every second rather than every minute.
    bool showsSeconds;
};

// Every display mode, in the lists' order. The lists, the settings file's range, the window's
// drop-down and the tray's wake planning all read this table, so a new mode is a row here and
// its drawing.
inline constexpr DisplayMode kDisplayModes[] = {
    // For the bottom row 0 is no row: the face never draws it there.
    {kModeAnalog, "アナログ", "なし", DrawAnalog, false},
    {kModeTime12, "デジタル [12]", "デジタル [12]", DrawTime12, false},
    {kModeTime24, "デジタル [24]", "デジタル [24]", DrawTime24, false},
    {kModeMonthDayBlank, "月日 [ 1 1]", "月日 [ 1 1]", DrawMonthDayBlank, false},  // zeros blank
    {kModeMonthDayZero, "月日 [0101]", "月日 [0101]", DrawMonthDayZero, false},    // zeros drawn
    {kModeYear, "西暦", "西暦", DrawYear, false},
};

inline constexpr std::size_t kDisplayModeCount = std::size(kDisplayModes);

constexpr bool ValuesAreIndices() {
    for (std::size_t i = 0; i < kDisplayModeCount; ++i)
        if (kDisplayModes[i].value != static_cast<std::int16_t>(i)) return false;
    return true;
}
static_assert(ValuesAreIndices(), "a mode's value is its item's index in the lists");

// The table's row for `mode`, or nullptr for a mode no list offers (such a row draws nothing).
constexpr const DisplayMode* FindDisplayMode(std::int16_t mode) {
    return mode >= 0 && static_cast<std::size_t>(mode) < kDisplayModeCount ? &kDisplayModes[mode]
                                                                           : nullptr;
}

// Whether the face as drawn (the top row, and the bottom row unless it is 0) shows seconds.
constexpr bool FaceShowsSeconds(const FaceSettings& face) {
    auto shows = [](std::int16_t mode) {
        const DisplayMode* m = FindDisplayMode(mode);
        return m != nullptr && m->showsSeconds;
    };
    return shows(face.topMode) || (face.bottomMode != 0 && shows(face.bottomMode));
}

}  // namespace gv
