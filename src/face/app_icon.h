#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "base/colour.h"

namespace gv {

// The program's own icon: Explorer shows it for the .exe, the settings window in its caption
// and in Alt+Tab. Twelve yellow hour dots round two red hands, drawn once at 16x16 and enlarged
// in solid blocks, so every size shows the same crisp picture.
enum class AppIconInk : std::uint8_t { Clear, Dot, Hand };

inline constexpr Colour kAppIconDot = 0x0000FFFF;   // yellow, 0x00BBGGRR
inline constexpr Colour kAppIconHand = 0x000000FF;  // red

// The sizes the .exe carries: the small and large icons at 96, 120 and 144 DPI (16 and 32, 20
// and 40, 24 and 48), the large one at 192 (64), and 256 for Explorer's largest views.
inline constexpr std::array<int, 8> kAppIconSizes{16, 20, 24, 32, 40, 48, 64, 256};

// The picture at size x size, row by row from the top; empty for a size below 16.
std::vector<AppIconInk> DrawAppIcon(int size);

}  // namespace gv
