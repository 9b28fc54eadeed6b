#include "app/form1.h"

#include "render/refresh.h"
#include "settings/settings_file.h"
#include "settings/settings_window.h"
#include "settings/update_timer.h"
#include "tray/tray_callback.h"
#include "tray/tray_commands.h"

namespace gv {
namespace {

// -1 selects no item, and the click handler then stores -1 again: a row that draws nothing. Any
// other mode outside the lists could not be shown selected; fall back to the first item so that
// the lists and the state agree.
std::int16_t SelectableMode(std::int16_t mode) {
    return mode >= kModeNone && mode <= kModeYear ? mode : kModeAnalog;
}

}  // namespace

Form1::Form1(const Platform& platform)
    : locale_(platform.locale), platform_{platform.window, platform.shell,   platform.images,
                                          platform.timer,  platform.clock,   locale_,
                                          platform.files,  platform.codePage} {}

void Form1::Form_Load() {
    Window& window = platform_.window;
    window.AddComboItem(ComboId::Top, kTopFirstItem);
    AddCmb(window, ComboId::Top);
    window.AddComboItem(ComboId::Bottom, kBottomFirstItem);
    AddCmb(window, ComboId::Bottom);

    state_.TipFmt = kDefaultTipFmt;
    state_.Pi = kSinglePi;

    GetWrk(platform_);
    LdDat(state_, platform_);
    SetTmr(state_, platform_);
    // The first face is drawn with the modes as read, before the lists restore the rule that
    // an analog top row has no bottom row.
    Lng(state_, surface_, platform_);

    window.SelectComboIndex(ComboId::Top, SelectableMode(state_.Hyo1));
    Combo1_Click();
    window.SelectComboIndex(ComboId::Bottom, SelectableMode(state_.Hyo2));
    Combo2_Click();

    if (platform_.files.IsOrdinaryFile(SettingsPath(platform_.files))) {
        HideToTray(platform_, "");
    } else {
        SetZPos(platform_.shell, window.Handle(), 1);  // first run: meet the user on top
    }
    running_ = true;
}

void Form1::Form_QueryUnload() {
    running_ = false;
    SaveSettings(state_, platform_);
}

void Form1::Form_Unload() { DeleteTrayIcon(platform_); }

void Form1::Timer1_Timer() { gv::Timer1_Timer(state_, surface_, platform_); }

void Form1::Combo1_Click() { gv::Combo1_Click(state_, platform_); }

void Form1::Combo2_Click() { gv::Combo2_Click(state_, platform_); }

void Form1::Lb1_Click(std::int16_t index) { gv::Lb1_Click(state_, platform_, index); }

void Form1::Command1_Click() { gv::Command1_Click(state_, platform_); }

void Form1::Form_MouseMove(std::int16_t button, std::int16_t shift, float x, float y) {
    gv::Form_MouseMove(platform_, button, shift, x, y);
}

void Form1::TaskbarCreated() {
    // The same message comes when the screen's scaling changed while the tray kept the icon:
    // then the icon only needs its picture at the new size, and an add would be refused.
    if (!ModTrayIcon(platform_)) AddTrayIcon(platform_, "");
}

bool Form1::SecondStart() {
    if (!running_) return false;
    Window& window = platform_.window;
    if (window.Visible()) {
        // Where the user put it; only to the front.
        window.RestoreNormal();
        window.Show();
        window.SetFocus();
    } else {
        GetWrk(platform_);  // as the tray release: a failure here does not keep the window away
        ShowWnd(platform_);
    }
    return true;
}

void Form1::ClockChanged() {
    if (running_) Lng(state_, surface_, platform_);
}

void Form1::LocaleChanged(const DateLocale& locale) {
    locale_ = locale;  // kept even before the first face, which then uses it
    if (running_) Lng(state_, surface_, platform_);
}

}  // namespace gv
