#pragma once

#include <array>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "clock/tray_clock.h"
#include "ports/tray_keeper.h"

namespace gv::fake {

// One log shared by the fakes, so that tests can check the order of effects across them. A
// quiet log keeps nothing, nor does the tray's record: a simulated day must not grow.
struct Log {
    std::vector<std::string> lines;
    bool quiet = false;
    void Add(const char* line) {
        if (!quiet) lines.emplace_back(line);
    }
};

inline constexpr Colour kButtonText = static_cast<Colour>(0x80000012u);

class FakeWindow final : public SettingsWindow {
  public:
    explicit FakeWindow(Log& log) : log_(log) { swatches.fill(kButtonText); }
    bool Visible() const override { return visible; }
    void SetVisible(bool v) override {
        visible = v;
        log_.Add(v ? "window shown" : "window hidden");
    }
    void RestoreNormal() override { log_.Add("window normal"); }
    void Show() override {
        visible = true;
        log_.Add("window show");
    }
    void SetFocus() override { log_.Add("window focus"); }
    void MakeTopmost() override {
        visible = topmost = true;
        log_.Add("window topmost");
    }
    float Width() const override { return width; }
    float Height() const override { return height; }
    void SetLeft(float twips) override { left = twips; }
    void SetTop(float twips) override { top = twips; }
    float TwipsPerPixelX() const override { return twipsPerPixel; }
    float TwipsPerPixelY() const override { return twipsPerPixelY; }
    bool GetWorkArea(WorkArea& area) const override {
        if (!workAreaFails) area = workArea;
        return !workAreaFails;
    }
    void AddModeItem(ModeList list, std::string_view text) override {
        Of(list).items.emplace_back(text);
    }
    void SelectMode(ModeList list, std::int16_t index) override {
        List& l = Of(list);
        l.selected = index >= 0 && static_cast<std::size_t>(index) < l.items.size() ? index : -1;
    }
    std::int16_t SelectedMode(ModeList list) const override { return Of(list).selected; }
    void EnableModeList(ModeList list, bool enabled) override { Of(list).enabled = enabled; }
    std::string IntervalText() const override { return interval; }
    // The edit control ends its text at a NUL.
    void SetIntervalText(std::string_view text) override {
        interval = text.substr(0, text.find('\0'));
    }
    void SetSwatchColour(int index, Colour colour) override { swatches.at(index) = colour; }
    void ShowPreview(const Pixels& face) override { preview = face; }
    void ShowMessage(std::string_view text) override { messages.emplace_back(text); }
    void SetDarkBackdrop(bool dark) override { darkBackdrop = dark; }
    std::optional<Colour> ChooseColour(Colour initial) override {
        dialogOpenedOn.push_back(initial);
        if (whileDialogOpen) whileDialogOpen();
        if (dialogAnswers.empty()) return std::nullopt;  // closed without a choice: a cancel
        const std::optional<Colour> answer = dialogAnswers.front();
        dialogAnswers.pop_front();
        return answer;
    }

    struct List {
        std::vector<std::string> items;
        std::int16_t selected = -1;
        bool enabled = true;
    };
    List& Of(ModeList id) { return lists_[id == ModeList::Bottom]; }
    const List& Of(ModeList id) const { return lists_[id == ModeList::Bottom]; }

    bool visible = false, topmost = false;
    float left = 0, top = 0, width = 2505, height = 2685;
    float twipsPerPixel = 15, twipsPerPixelY = 15;
    WorkArea workArea{0, 0, 1024, 740};
    bool workAreaFails = false;
    std::string interval{kDefaultInterval};
    std::array<Colour, 8> swatches{};  // the labels' own colour until something sets them
    Pixels preview{};
    std::vector<std::string> messages;
    // The user's answers to the colour dialog, one per showing: a colour confirms, nullopt
    // cancels. `whileDialogOpen` runs inside the modal dialog, where timer ticks go on.
    std::deque<std::optional<Colour>> dialogAnswers;
    std::function<void()> whileDialogOpen;
    std::vector<Colour> dialogOpenedOn;
    bool darkBackdrop = false;

  private:
    Log& log_;
    std::array<List, 2> lists_;
};

// The notification area with the program's one icon. Like the real one it refuses an add while
// the icon is there and a modify or a delete while it is not.
class FakeNotifyArea final : public NotifyArea {
  public:
    explicit FakeNotifyArea(Log& log) : log_(log) {}
    // System colours are shaded by `systemShade`: a change of it is a change of theme.
    IconPicture Paint(const IconPicture& picture) const override;
    bool Send(TrayCommand command, const IconPicture* painted, const TipBytes& tip) override;
    // Like a modify: refused while there is no icon.
    bool Announce(std::string_view title, std::string_view text) override;

    struct Icon {
        Pixels picture{};
        std::array<bool, 256> transparent{};
        TipBytes tip{};
    };
    std::optional<Icon> icon;
    std::vector<TrayCommand> sent;       // taken or not
    std::vector<std::string> announced;  // the title and the text, taken or not
    Colour systemShade = 0;

  private:
    Log& log_;
};

class FakeTimer final : public Timer {
  public:
    explicit FakeTimer(const long long& now) : now_(now) {}
    // Setting the interval restarts the period.
    void SetInterval(std::int32_t ms) override {
        interval = ms;
        nextTick = now_ + ms;
    }
    std::int32_t interval = 1000;  // as designed, until the clock sets it
    long long nextTick = 1000;

  private:
    const long long& now_;  // the clock's milliseconds
};

// A simulated clock: a start plus elapsed milliseconds. Scripted readings, when queued, come
// first, one per reading, so a test can make readings straddle a minute.
class FakeClock final : public Clock {
  public:
    LocalTime Now() override;
    void Sleep(std::int32_t ms) override { elapsedMs += ms; }
    std::int64_t MonotonicMs() override { return elapsedMs; }
    LocalTime start = MakeLocalTime(2002, 3, 2, 15, 7, 0);
    long long elapsedMs = 0;     // the monotonic clock
    long long wallOffsetMs = 0;  // the wall clock set forward or back since the start
    std::deque<LocalTime> scripted;

  private:
    LocalTime cachedStart_{}, cached_{};  // the date is worked out once a second
    long long cachedSecond_ = -1;
};

class FakeFiles final : public FileSystem {
  public:
    std::string ExecutableDirectory() override { return directory; }
    bool IsOrdinaryFile(std::string_view path) override {
        auto it = entries.find(path);
        return it != entries.end() && !it->second.hidden;
    }
    FileContents Read(std::string_view path, std::size_t maxBytes) override;
    // Fails while `failWrites` is above 0 (counting down) or below 0 (for good).
    WriteStatus WriteWhole(std::string_view path, std::string_view bytes) override {
        ++writes;
        auto it = entries.find(path);
        if (it != entries.end() && it->second.readOnly) return WriteStatus::ReadOnly;
        if (failWrites != 0) {
            failWrites -= failWrites > 0;
            return WriteStatus::Failed;
        }
        entries[std::string(path)].bytes = bytes;
        ++written;
        return WriteStatus::Written;
    }

    // A locked file: unreadable for that many reads more (counting down), or for good (-1). One
    // being written by another program: `earlier` are what the next reads see, one each.
    struct Entry {
        std::string bytes;
        bool hidden = false;
        int unreadable = 0;
        bool readOnly = false;
        std::deque<std::string> earlier{};
    };
    int failWrites = 0;
    int reads = 0, writes = 0;
    std::string directory = "C:\\Tools\\Gorvandel";
    std::map<std::string, Entry, std::less<>> entries;
    int written = 0;
    Entry& SettingsEntry() { return entries[directory + "\\Gorvandel.ini"]; }
    std::string& Settings() { return SettingsEntry().bytes; }
};

// A double-byte code page in miniature: ASCII stays one byte, every other character takes two
// (a lead byte from 0x81, a trail byte from 0x40), assigned as characters are met. What is no
// character becomes '?'; bytes that are no character read back as U+FFFD, a lead and a trail
// byte as one, as a real code page reads a pair it has no character for.
class FakeCodePage final : public CodePage {
  public:
    // Room for the few dozen characters the tests meet, so that a refresh never allocates; no
    // more, as every fake platform makes one (a fuzzer, one for each input).
    FakeCodePage() { characters_.reserve(64); }
    void ToAnsi(std::string_view utf8, std::string& out) override;
    std::string FromAnsi(std::string_view bytes) override;

  private:
    std::vector<std::string> characters_;
};

// A light Windows 10 taskbar unless a test says otherwise.
struct FakeTheme final : DesktopTheme {
    ThemeFacts Read() override { return facts; }
    ThemeFacts facts{ThemeFacts::Setting::Present, 1, 10, 19045};
};

// The whole platform. The tray is the real keeper over the fake notification area.
struct FakePlatform {
    gv::Platform Platform() {
        return {window, tray, timer, clock, *locale, files, codePage, theme};
    }
    // A refresh hands the tray a picture and a tooltip, whether it goes further or not.
    std::uint64_t Refreshes() const { return tray.Counts().modifiesAsked; }

    Log log;
    FakeWindow window{log};
    FakeNotifyArea area{log};
    FakeClock clock;
    FakeTimer timer{clock.elapsedMs};
    FakeFiles files;
    FakeCodePage codePage;
    FakeTheme theme;
    TrayKeeper tray{area, codePage};
    const DateLocale* locale = &JapaneseLocale();
};

// The clock on the fake platform.
struct Program {
    Program() : clock(fake.Platform()) {}
    // Runs the timer for `ms` of simulated time, one tick event per tick and `afterTick` after
    // each. The number of refreshes in that time.
    std::uint64_t Run(long long ms, const std::function<void()>& afterTick = {});
    // The tray's report of a mouse event on the icon, as the window decodes it.
    void Click(std::uint32_t mouseMessage) {
        if (const auto button = ReleasedButton(mouseMessage)) clock.OnTrayIconReleased(*button);
    }

    FakePlatform fake;
    TrayClock clock;
};

}  // namespace gv::fake
