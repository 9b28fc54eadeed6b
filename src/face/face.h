#pragma once

#include <cstdint>

#include "face/display_modes.h"
#include "face/face_settings.h"
#include "face/surface.h"
#include "time/date_locale.h"
#include "time/local_time.h"

namespace gv {

// What the face composer draws with. The whole face is drawn from one reading of the clock, so
// that a minute turning while it is drawn cannot give a time that never was.
struct FaceContext {
    const FaceSettings& settings;
    Surface& surface;
    const LocalTime& now;
    const DateLocale& locale;
};

// Draws one row for display mode `mode` as the table of modes says; a mode outside the table
// draws nothing. `row` is the glyphs' top pixel row; a digital top row without a bottom row is
// moved to row 4 (so `row` may change). `base` is the row's first colour slot.
void DrawRow(FaceContext& face, std::int16_t mode, std::int32_t& row, std::int16_t base);

// Erases the surface to the background and draws the top row and, when chosen, the bottom row:
// the drawing half of a refresh.
void DrawFace(FaceContext& face);

// The background: the button face, which nothing in the program changes.
inline Colour BackgroundColour() { return kButtonFace; }

}  // namespace gv
