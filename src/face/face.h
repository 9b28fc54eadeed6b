#pragma once

#include <cstdint>

#include "face/face_settings.h"
#include "face/surface.h"
#include "time/clock.h"
#include "time/date_locale.h"

namespace gv {

// What the face composer draws with and reads from.
struct FaceContext {
    const FaceSettings& settings;
    Surface& surface;
    Clock& clock;
    const DateLocale& locale;
};

// Draws one row for display mode `mode`: the analog face (0), the
// time in 12-hour (1) or 24-hour (2) form, month and day with leading zeros blank (3) or drawn
// (4), or the year (5); any other mode draws nothing. `row` is the glyphs' top pixel row; a
// digital top row without a bottom row is moved to row 4 (so `row` may change). `base` is the
// row's first colour slot; a slot outside 0 to 7 ends the row there.
void DrawRow(FaceContext& face, std::int16_t mode, std::int32_t& row, std::int16_t base);

// Erases the surface to the background and draws the top row and, when chosen, the bottom row:
// the drawing half of a refresh.
void DrawFace(FaceContext& face);

// The background: the button face, which nothing in the program changes.
inline Colour BackgroundColour() { return kButtonFace; }

}  // namespace gv
