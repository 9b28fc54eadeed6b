#include "features/taskbar_theme.h"

#include "features/settings_handlers.h"

namespace gv {
namespace {

// Windows reports 10 as its major version on Windows 11 too; the build tells them apart.
constexpr std::uint32_t kWindows10FirstBuild = 10240;
constexpr std::uint32_t kWindows11FirstBuild = 22000;

}  // namespace

bool TaskbarIsDark(const ThemeFacts& facts) {
    switch (facts.setting) {
        case ThemeFacts::Setting::Present:
            return facts.lightTheme == 0;
        case ThemeFacts::Setting::Missing:
            return facts.majorVersion == 10 && facts.build >= kWindows10FirstBuild &&
                   facts.build < kWindows11FirstBuild;
        case ThemeFacts::Setting::Unreadable:
            break;
    }
    return false;
}

void FitTheTaskbar(ClockState& state, const Platform& platform, bool firstRun) {
    if (!TaskbarIsDark(platform.theme.Read())) return;
    platform.window.SetDarkBackdrop(true);
    if (!firstRun) return;
    for (int i = 0; i < static_cast<int>(state.face.colours.size()); ++i) {
        state.face.colours[static_cast<std::size_t>(i)] = kWhite;
        ShowSwatchColour(platform, i, kWhite);
    }
}

}  // namespace gv
