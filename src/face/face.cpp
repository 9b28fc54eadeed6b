#include "face/face.h"

#include <bit>
#include <cmath>
#include <string_view>

#include "base/number.h"
#include "face/glyphs.h"
#include "time/date_format.h"

namespace gv {
namespace {

using Text = FixedText<32>;

Text Formatted(FaceContext& face, std::string_view pattern) {
    Text text;
    FormatDate(pattern, face.now, face.locale, text);
    return text;
}

// The one-character text at a 1-based position, or "" past the end.
std::string_view CharAt(std::string_view s, std::size_t position) {
    return position <= s.size() ? s.substr(position - 1, 1) : std::string_view();
}

// Draws one digit at a position of the row. False when the position's colour slot lies
// outside the slots, which ends the row. Digits over an analog face go to the top pixel row.
bool DrawDigit(FaceContext& face, std::string_view digit, std::int16_t column, std::int16_t base,
               int offset, std::int32_t row) {
    const int slot = base + offset;
    if (slot < 0 || slot > 7) return false;
    const std::int32_t top = face.settings.topMode == kModeAnalog ? 0 : row;
    DrawGlyph(face.surface, digit, column, top, face.settings.colours[slot]);
    return true;
}

// Each digit's left pixel column: glyphs 3 wide, one blank column within a pair of digits and
// two between the pairs, so that hours and minutes (or month and day) read apart.
constexpr std::int16_t kColumns[4] = {0, 4, 9, 13};

// pi as a 32-bit float: the analog face converts degrees with it, not with the double value, and
// the ticks and hand ends fall on the pixels that rounding gives.
constexpr float kPiAsFloat = std::bit_cast<float>(0x40490FDBu);

}  // namespace

void DrawAnalog(FaceContext& face, std::int32_t, std::int16_t) {
    const double hour = LeadingNumber(Formatted(face, "h").View());
    const double minute = LeadingNumber(Formatted(face, "n").View());
    // Whole and half degrees: never out of range, but the rounding is the usual half-even one.
    const std::int16_t hourAngle =
        RoundToInt16(std::fmod(hour, 12.0) * 30 + minute * 0.5).value_or(0);
    const std::int16_t minuteAngle = RoundToInt16(minute * 6).value_or(0);

    const double pi = kPiAsFloat;
    auto end = [pi](double degrees, double length, float& x, float& y) {
        const double a = degrees / 180 * pi;
        x = static_cast<float>(120 + length * std::sin(a));
        y = static_cast<float>(120 - length * std::cos(a));
    };
    float x = 0, y = 0;
    end(hourAngle, 90, x, y);
    face.surface.Line(120, 120, x, y, face.settings.colours[1]);
    end(minuteAngle, 100, x, y);
    face.surface.Line(120, 120, x, y, face.settings.colours[0]);
    for (int v = 0; v < 360; v += 30) {
        end(v, 110, x, y);
        face.surface.PlotTwips(x, y, face.settings.colours[2]);
    }
}

namespace {

void DrawTime(FaceContext& face, std::int32_t row, std::int16_t base, bool twelveHour) {
    Text hours = Formatted(face, "hh");
    if (twelveHour && Formatted(face, "A/P").View() == "P") {
        // "12" to "23" become "00" to "11".
        const std::int32_t n = RoundToInt32(LeadingNumber(hours.View())).value_or(0) % 12;
        const char twelve[2] = {static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10)};
        hours.Clear();
        hours.Append(std::string_view(twelve, 2));
    }
    const std::string_view s = hours.View();
    if (!DrawDigit(face, CharAt(s, 2), kColumns[1], base, 1, row)) return;
    if (CharAt(s, 1) != "0" && !DrawDigit(face, CharAt(s, 1), kColumns[0], base, 0, row)) return;
    if (!DrawDigit(face, CharAt(Formatted(face, "nn").View(), 1), kColumns[2], base, 2, row)) {
        return;
    }
    DrawDigit(face, CharAt(Formatted(face, "nn").View(), 2), kColumns[3], base, 3, row);
}

void DrawMonthDay(FaceContext& face, std::int32_t row, std::int16_t base, bool zeros) {
    const Text month = Formatted(face, "mm");
    if (!DrawDigit(face, CharAt(month.View(), 2), kColumns[1], base, 1, row)) return;
    if ((zeros || CharAt(month.View(), 1) != "0") &&
        !DrawDigit(face, CharAt(month.View(), 1), kColumns[0], base, 0, row)) {
        return;
    }
    const Text day = Formatted(face, "dd");
    if (!DrawDigit(face, CharAt(day.View(), 2), kColumns[3], base, 3, row)) return;
    if (zeros || CharAt(day.View(), 1) != "0") {
        DrawDigit(face, CharAt(day.View(), 1), kColumns[2], base, 2, row);
    }
}

}  // namespace

void DrawTime12(FaceContext& face, std::int32_t row, std::int16_t base) {
    DrawTime(face, row, base, true);
}

void DrawTime24(FaceContext& face, std::int32_t row, std::int16_t base) {
    DrawTime(face, row, base, false);
}

void DrawMonthDayBlank(FaceContext& face, std::int32_t row, std::int16_t base) {
    DrawMonthDay(face, row, base, false);
}

void DrawMonthDayZero(FaceContext& face, std::int32_t row, std::int16_t base) {
    DrawMonthDay(face, row, base, true);
}

void DrawYear(FaceContext& face, std::int32_t row, std::int16_t base) {
    const Text year = Formatted(face, "yyyy");
    for (int k = 0; k < 4; ++k) {
        if (!DrawDigit(face, CharAt(year.View(), static_cast<std::size_t>(k + 1)), kColumns[k],
                       base, k, row)) {
            return;
        }
    }
}

void DrawRow(FaceContext& face, std::int16_t mode, std::int32_t& row, std::int16_t base) {
    const DisplayMode* drawn = FindDisplayMode(mode);
    if (drawn == nullptr) return;
    // A lone digital top row sits in the middle of the icon.
    if (mode != kModeAnalog && face.settings.topMode > 0 && face.settings.bottomMode == 0) row = 4;
    drawn->draw(face, row, base);
}

void DrawFace(FaceContext& face) {
    face.surface.Erase(BackgroundColour());
    std::int32_t top = 0;
    DrawRow(face, face.settings.topMode, top, 0);
    if (face.settings.bottomMode != 0) {
        std::int32_t bottom = 9;
        DrawRow(face, face.settings.bottomMode, bottom, 4);
    }
}

}  // namespace gv
