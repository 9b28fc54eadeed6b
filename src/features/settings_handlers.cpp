#include "features/settings_handlers.h"

#include "base/number.h"
#include "face/display_modes.h"
#include "features/refresh.h"
#include "features/tray_presence.h"
#include "features/update_timer.h"

namespace gv {

void AddModeItems(SettingsWindow& window, ModeList list) {
    for (const DisplayMode& mode : kDisplayModes)
        window.AddModeItem(list, list == ModeList::Top ? mode.topItem : mode.bottomItem);
}

void ChooseTopMode(ClockState& state, const Platform& platform) {
    state.face.topMode = platform.window.SelectedMode(ModeList::Top);
    if (state.face.topMode == kModeAnalog) {
        platform.window.SelectMode(ModeList::Bottom, 0);
        ChooseBottomMode(state, platform);
        platform.window.EnableModeList(ModeList::Bottom, false);
    } else {
        platform.window.EnableModeList(ModeList::Bottom, true);
    }
}

void ChooseBottomMode(ClockState& state, const Platform& platform) {
    state.face.bottomMode = platform.window.SelectedMode(ModeList::Bottom);
}

void ChooseSwatchColour(ClockState& state, const Platform& platform, int index) {
    if (index < 0 || index >= static_cast<int>(state.face.colours.size())) return;
    Colour& slot = state.face.colours[index];
    const std::optional<Colour> chosen = platform.window.ChooseColour(slot);
    if (!chosen) return;
    slot = *chosen;
    ShowSwatchColour(platform, index, slot);
}

void ShowSwatchColour(const Platform& platform, int index, Colour colour) {
    if (SwatchTakes(colour)) platform.window.SetSwatchColour(index, colour);
}

void Apply(ClockState& state, const Surface& surface, const Platform& platform) {
    if (LeadingNumber(platform.window.IntervalText()) >= 0.001) {
        ArmUpdateTimer(state.ticks, platform);
        HideToTray(platform, TrayPicture(surface));
    } else {
        platform.window.ShowMessage(kIntervalTooShort);
    }
}

}  // namespace gv
