#include "clock/tray_clock.h"

#include <algorithm>

#include "face/display_modes.h"
#include "features/refresh.h"
#include "features/refresh_plan.h"
#include "features/settings_file.h"
#include "features/settings_handlers.h"
#include "features/taskbar_theme.h"
#include "features/tray_presence.h"
#include "features/update_timer.h"

namespace gv {
namespace {

// -1 selects no item, and the list's handler then stores -1 again: a row that draws nothing.
// Any other mode outside the lists could not be shown selected; fall back to the first item so
// that the lists and the state agree.
std::int16_t SelectableMode(std::int16_t mode) {
    return mode == kModeNone || FindDisplayMode(mode) != nullptr ? mode : kModeAnalog;
}

}  // namespace

TrayClock::TrayClock(const Platform& platform)
    : locale_(platform.locale), platform_{platform.window,   platform.tray, platform.timer,
                                          platform.clock,    locale_,       platform.files,
                                          platform.codePage, platform.theme} {}

void TrayClock::Start() {
    SettingsWindow& window = platform_.window;
    AddModeItems(window, ModeList::Top);
    AddModeItems(window, ModeList::Bottom);

    state_.tipPattern = kDefaultTipPattern;
    MoveToWorkAreaCorner(platform_);
    const FileContents::Status file = LoadSettings(state_, platform_);
    fileUnread_ = file == FileContents::Status::Unreadable;
    FitTheTaskbar(state_, platform_, file == FileContents::Status::Absent);
    if (file == FileContents::Status::Absent) platform_.tray.Announce(kAppTitle, kInTrayNotice);
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
    ChooseTimerMode();
    running_ = true;
}

void TrayClock::OnTick() {
    if (inTray_) {
        // A wake further off than the timer takes comes in steps; only the last one refreshes.
        if (wakeInSteps_) {
            WakeAt(wakeAtMs_);
            return;
        }
        // The wall clock may have been set without a word: refresh as a tick would (the tray is
        // not bothered when nothing changed), then plan from what this refresh showed.
        RefreshNow();
        return;
    }
    if (realigning_) {
        realigning_ = false;
        platform_.timer.SetInterval(state_.ticks.periodMs);
    }
    if (TickDue(state_.ticks)) Refresh(state_, surface_, platform_);
}

void TrayClock::ChooseTimerMode() {
    const bool inTray = !platform_.window.Visible();
    if (inTray == inTray_) return;
    inTray_ = inTray;
    if (!inTray_) {
        ResumeTicking();
        return;
    }
    // The icon has just been added with an empty tooltip; the cycle's next refresh fills it in,
    // as it would have while ticking. From then on the clock sleeps between useful refreshes.
    realigning_ = false;
    WakeAt(FirstRefreshAtOrAfter(CycleOf(state_.ticks), platform_.clock.MonotonicMs() + 1));
}

void TrayClock::RefreshNow() {
    const LocalTime shown = Refresh(state_, surface_, platform_);
    if (inTray_) WakeAt(NextUsefulRefreshAt(state_, locale_, platform_.clock.MonotonicMs(), shown));
}

void TrayClock::WakeAt(std::int64_t atMs) {
    wakeAtMs_ = atMs;
    if (state_.ticks.periodMs <= 0) {
        platform_.timer.SetInterval(0);  // with an interval of 0 the timer never refreshes
        return;
    }
    const std::int64_t wait = atMs - platform_.clock.MonotonicMs();
    wakeInSteps_ = wait > kMaxIntervalMs;
    platform_.timer.SetInterval(
        static_cast<std::int32_t>(std::clamp<std::int64_t>(wait, 1, kMaxIntervalMs)));
}

// The ticks go on where the cycle would have them had the clock ticked all along: the count
// is what it would be now, and the next tick comes when it would have come.
void TrayClock::ResumeTicking() {
    TickCount& ticks = state_.ticks;
    if (ticks.periodMs <= 0) return;
    const std::int64_t now = platform_.clock.MonotonicMs();
    const std::int64_t ticked = std::max<std::int64_t>(now - ticks.startMs, 0) / ticks.periodMs;
    ticks.counted =
        static_cast<std::int32_t>(ticked % (static_cast<std::int64_t>(ticks.toSkip) + 1));
    const std::int64_t next = ticks.startMs + (ticked + 1) * ticks.periodMs;
    platform_.timer.SetInterval(static_cast<std::int32_t>(std::max<std::int64_t>(next - now, 1)));
    realigning_ = true;
}

void TrayClock::OnTopModeChosen() { ChooseTopMode(state_, platform_); }

void TrayClock::OnBottomModeChosen() { ChooseBottomMode(state_, platform_); }

void TrayClock::OnSwatchClicked(int index) { ChooseSwatchColour(state_, platform_, index); }

void TrayClock::OnApply() {
    Apply(state_, surface_, platform_);
    ChooseTimerMode();
}

void TrayClock::OnTrayIconReleased(TrayButton /*button*/) {
    // Either button: Windows' keyboard activation of the icon comes as the right one.
    BringUpAtCorner(platform_);
    ChooseTimerMode();
}

void TrayClock::OnClosing(bool sessionEnding) {
    running_ = false;
    const WriteStatus saved = fileUnread_ ? WriteStatus::Failed : SaveSettings(state_, platform_);
    const Unsaved why = fileUnread_                      ? Unsaved::FileUnread
                        : saved == WriteStatus::ReadOnly ? Unsaved::ReadOnly
                                                         : Unsaved::WriteFailed;
    if (saved != WriteStatus::Written && !sessionEnding)
        platform_.window.ShowMessage(SaveFailedMessage(SettingsPath(platform_.files), why));
}

void TrayClock::OnClosed() { platform_.tray.Remove(); }

bool TrayClock::OnSecondStart() {
    if (!running_) return false;
    if (platform_.window.Visible()) {
        BringToFront(platform_);  // where the user put it
    } else {
        BringUpAtCorner(platform_);  // as a release on the icon
        ChooseTimerMode();
    }
    return true;
}

void TrayClock::OnClockChanged() {
    if (!running_) return;
    RefreshNow();  // in the tray the next change comes at another moment now
}

// The system colours are looked up at every refresh, for the icon as for the preview.
void TrayClock::OnSystemColoursChanged() { OnClockChanged(); }

void TrayClock::OnTrayChanged() {
    // The tray may have taken the icon anew with an empty tooltip.
    if (!running_ || !inTray_) return;
    RefreshNow();
}

void TrayClock::OnLocaleChanged(const DateLocale& locale) {
    locale_ = locale;  // kept even before the first face, which then uses it
    if (!running_) return;
    RefreshNow();  // the locale's time may show seconds now, or no longer
}

}  // namespace gv
