#pragma once

#include "features/clock_state.h"
#include "ports/desktop_theme.h"
#include "ports/platform.h"

namespace gv {

// Whether the taskbar is dark. The user's setting decides when there is one, on any Windows
// (0 is dark). Without it each release has its own default: Windows 10's taskbar is dark,
// Windows 11's is light, and Windows 7 and 8 have no dark taskbar. Anything that could not be
// read counts as light, the look the program has always had.
bool TaskbarIsDark(const ThemeFacts& facts);

// Black digits vanish on a dark taskbar. There the window shows the face on the taskbar's dark
// colour, and a first run (no settings file) starts with every slot white, the mirror of the
// black default; once the file is written the colours are the user's. On a light taskbar
// nothing changes.
void FitTheTaskbar(ClockState& state, const Platform& platform, bool firstRun);

}  // namespace gv
