#include "settings/settings_window.h"

#include "common/number.h"
#include "settings/update_timer.h"
#include "tray/tray_commands.h"

namespace gv {

void AddCmb(Window& window, ComboId combo) {
    for (std::string_view item :
         {"デジタル [12]", "デジタル [24]", "月日 [ 1 1]", "月日 [0101]", "西暦"}) {
        window.AddComboItem(combo, item);
    }
}

void Combo1_Click(ClockState& state, const Platform& platform) {
    state.Hyo1 = platform.window.ComboIndex(ComboId::Top);
    if (state.Hyo1 == kModeAnalog) {
        platform.window.SelectComboIndex(ComboId::Bottom, 0);
        Combo2_Click(state, platform);
        platform.window.EnableCombo(ComboId::Bottom, false);
    } else {
        platform.window.EnableCombo(ComboId::Bottom, true);
    }
}

void Combo2_Click(ClockState& state, const Platform& platform) {
    state.Hyo2 = platform.window.ComboIndex(ComboId::Bottom);
}

void Lb1_Click(ClockState& state, const Platform& platform, std::int16_t index) {
    if (index < 0 || index >= static_cast<std::int16_t>(state.Clr.size())) return;
    platform.window.ShowColorDialog();
    state.Clr[index] = platform.window.ColorDialogColour();
    ShowSlotColour(platform, index, state.Clr[index]);
}

void ShowSlotColour(const Platform& platform, int index, Colour colour) {
    if (SwatchTakes(colour)) platform.window.SetSwatchColour(index, colour);
}

void Command1_Click(ClockState& state, const Platform& platform) {
    if (LeadingNumber(platform.window.IntervalText()) >= 0.001) {
        SetTmr(state, platform);
        HideToTray(platform, "");
    } else {
        platform.window.ShowMessage(kIntervalTooShort);
    }
}

}  // namespace gv
