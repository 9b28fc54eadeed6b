#include "clock/tray_clock.h"

#include "features/refresh.h"
#include "features/settings_file.h"
#include "features/settings_window.h"
#include "features/tray_presence.h"
#include "features/update_timer.h"

namespace gv {
namespace {

// -1 selects no item, and the list's handler then stores -1 again: a row that draws nothing.
// Any other mode outside the lists could not be shown selected; fall back to the first item so
// that the lists and the state agree.
std::int16_t SelectableMode(std::int16_t mode) {
    return mode >= kModeNone && mode <= kModeYear ? mode : kModeAnalog;
}

}  // namespace

TrayClock::TrayClock(const Platform& platform)
    : locale_(platform.locale),
      platform_{platform.window, platform.tray, platform.timer,   platform.clock,
                locale_,         platform.files, platform.codePage} {}

void TrayClock::Start() {
    SettingsWindow& window = platform_.window;
    AddModeItems(window, ModeList::Top, kTopFirstItem);
    AddModeItems(window, ModeList::Bottom, kBottomFirstItem);

    state_.tipPattern = kDefaultTipPattern;
    MoveToWorkAreaCorner(platform_);
    fileUnread_ = LoadSettings(state_, platform_) == FileContents::Status::Unreadable;
    ArmUpdateTimer(state_.ticks, platform_);
    // The first face is drawn with the modes as read, before the lists restore the rule that
    // an analog top row has no bottom row.
    Refresh(state_, surface_, platform_);

    window.SelectMode(ModeList::Top, SelectableMode(state_.face.topMode));
    ChooseTopMode(state_, platform_);
    window.SelectMode(ModeList::Bottom, SelectableMode(state_.face.bottomMode));
    ChooseBottomMode(state_, platform_);

    if (platform_.files.IsOrdinaryFile(SettingsPath(platform_.files))) {
        HideToTray(platform_, TrayPicture(surface_));
    } else {
        window.MakeTopmost();  // first run: meet the user on top
    }
    running_ = true;
}

void TrayClock::OnTick() {
    if (TickDue(state_.ticks)) Refresh(state_, surface_, platform_);
}

void TrayClock::OnTopModeChosen() { ChooseTopMode(state_, platform_); }

void TrayClock::OnBottomModeChosen() { ChooseBottomMode(state_, platform_); }

void TrayClock::OnSwatchClicked(std::int16_t index) {
    ChooseSwatchColour(state_, platform_, index);
}

void TrayClock::OnApply() { Apply(state_, surface_, platform_); }

void TrayClock::OnMouseMove(float x) { HandleMouseMove(platform_, x); }

void TrayClock::OnClosing(bool sessionEnding) {
    running_ = false;
    const bool saved = !fileUnread_ && SaveSettings(state_, platform_);
    if (!saved && !sessionEnding)
        platform_.window.ShowMessage(SaveFailedMessage(SettingsPath(platform_.files), fileUnread_));
}

void TrayClock::OnClosed() { platform_.tray.Remove(); }

bool TrayClock::OnSecondStart() {
    if (!running_) return false;
    SettingsWindow& window = platform_.window;
    if (window.Visible()) {
        // Where the user put it; only to the front.
        window.RestoreNormal();
        window.Show();
        window.SetFocus();
    } else {
        MoveToWorkAreaCorner(platform_);  // as a release on the icon
        BringUpWindow(platform_);
    }
    return true;
}

void TrayClock::OnClockChanged() {
    if (running_) Refresh(state_, surface_, platform_);
}

void TrayClock::OnLocaleChanged(const DateLocale& locale) {
    locale_ = locale;  // kept even before the first face, which then uses it
    if (running_) Refresh(state_, surface_, platform_);
}

}  // namespace gv
