#pragma once

#include <array>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/form1.h"
#include "platform/notify_filter.h"
#include "platform/platform.h"

namespace gv::fake {

// One log shared by the fakes, so that tests can check the order of effects across them.
using Log = std::vector<std::string>;

inline constexpr Colour kButtonText = static_cast<Colour>(0x80000012u);

class FakeWindow final : public Window {
  public:
    explicit FakeWindow(Log& log) : log_(log) {}

    WindowHandle Handle() const override { return handle; }
    bool Visible() const override { return visible; }
    void SetVisible(bool v) override;
    void RestoreNormal() override;
    void Show() override;
    void SetFocus() override;
    float Width() const override { return width; }
    float Height() const override { return height; }
    void SetLeft(float twips) override { left = twips; }
    void SetTop(float twips) override { top = twips; }
    float TwipsPerPixelX() const override { return twipsPerPixel; }
    float TwipsPerPixelY() const override { return twipsPerPixelY; }
    void AddComboItem(ComboId combo, std::string_view text) override;
    void SelectComboIndex(ComboId combo, std::int16_t index) override;
    std::int16_t ComboIndex(ComboId combo) const override;
    void EnableCombo(ComboId combo, bool enabled) override;
    std::string IntervalText() const override { return interval; }
    void SetIntervalText(std::string_view text) override { interval = text; }
    void SetSwatchColour(int index, Colour colour) override;
    void ShowPreview(const Pixels& face) override { preview = face; }
    void ShowMessage(std::string_view text) override;
    void ShowColorDialog() override;
    Colour ColorDialogColour() const override { return dialogColour; }

    struct Combo {
        std::vector<std::string> items;
        std::int16_t selected = -1;
        bool enabled = true;
    };
    Combo& Of(ComboId id) { return id == ComboId::Top ? top_ : bottom_; }
    const Combo& Of(ComboId id) const { return id == ComboId::Top ? top_ : bottom_; }

    WindowHandle handle = 0x2A0;
    bool visible = false;
    bool minimised = false;
    bool topmost = false;
    float left = 0, top = 0, width = 2505, height = 2685;
    float twipsPerPixel = 15;
    float twipsPerPixelY = 15;
    std::string interval = "1.0";  // the text box's text before anything sets it
    std::array<Colour, 8> swatches = {kButtonText, kButtonText, kButtonText, kButtonText,
                                      kButtonText, kButtonText, kButtonText, kButtonText};
    Pixels preview{};
    std::vector<std::string> messages;
    // The user's answers to the colour dialog, one per showing: a colour confirms it, nullopt
    // cancels. `whileDialogOpen` runs inside the modal dialog (timer ticks go on there).
    std::deque<std::optional<Colour>> dialogAnswers;
    std::function<void()> whileDialogOpen;
    Colour dialogColour = 0;

  private:
    Log& log_;
    Combo top_, bottom_;
};

// The notification area and window manager: which icons exist, with which picture and tooltip.
class FakeImageList;
class FakeShell final : public Shell {
  public:
    FakeShell(Log& log, FakeWindow& window, FakeImageList& images)
        : log_(log), window_(window), images_(images) {}

    bool NotifyIcon(std::uint32_t message, const NotifyIconData& data) override;
    // Answered by the same filter as the Windows shell's, told of every call and its answer.
    bool ModifyWouldChange(const NotifyIconData& data,
                           const std::optional<IconPicture>& picture) override;
    std::int32_t SetWindowPos(WindowHandle window, std::int32_t after,
                              std::uint32_t flags) override;
    bool GetWorkArea(WorkArea& area) override;

    int modifiesAsked = 0;
    int modifiesDeclined = 0;  // asked and answered false
    struct Sent {
        std::uint32_t message;
        NotifyIconData data;
        bool accepted;
    };
    struct TrayIcon {
        Pixels picture{};
        std::array<bool, 256> transparent{};
        std::array<char, 64> tip{};
        std::uint32_t callback = 0;
        std::string Tip() const { return std::string(tip.data()); }
    };
    std::vector<Sent> sent;
    std::optional<TrayIcon> icon;  // the program's one icon, identifier 1, when present
    WorkArea workArea{0, 0, 1024, 740};
    bool workAreaFails = false;
    struct ZOrder {
        WindowHandle window;
        std::int32_t after;
        std::uint32_t flags;
    };
    std::vector<ZOrder> zorder;

  private:
    void TakeIcon(const NotifyIconData& data, TrayIcon& icon);
    NotifyFilter filter_;
    Log& log_;
    FakeWindow& window_;
    FakeImageList& images_;
};

class FakeImageList final : public ImageList {
  public:
    void Clear() override { images.clear(); }
    void SetBackColor(Colour) override {}
    void Add(const Pixels& picture) override { images.push_back(picture); }
    void SetMaskColor(Colour colour) override { maskColour = colour; }
    std::optional<IconPicture> Picture() const override;  // the colours as drawn
    IconHandle MakeIcon() override;
    void DestroyIcon(IconHandle icon) override;

    struct Icon {
        Pixels picture;
        Colour mask;
    };
    const Icon* Find(IconHandle handle) const;

    std::vector<Pixels> images;
    Colour maskColour = 0;
    std::map<IconHandle, Icon> live;
    int made = 0;
    int destroyed = 0;

  private:
    IconHandle next_ = 0x100;
};

class FakeTimer final : public Timer {
  public:
    void SetInterval(std::int32_t ms) override;
    std::int32_t interval = 1000;  // the timer's design-time interval
    long long nextTick = 1000;     // in the clock's milliseconds
    std::function<long long()> now;
};

// A virtual clock: a start instant plus elapsed milliseconds. Scripted readings, when queued,
// are handed out first, one per reading, so a test can make readings straddle a minute.
class FakeClock final : public Clock {
  public:
    LocalTime Now() override;
    LocalTime start = MakeLocalTime(2002, 3, 2, 15, 7, 0);
    long long elapsedMs = 0;
    std::deque<LocalTime> scripted;
};

class FakeFiles final : public FileSystem {
  public:
    std::string ExecutableDirectory() override { return directory; }
    bool IsOrdinaryFile(std::string_view path) override;
    std::unique_ptr<InputFile> OpenForReading(std::string_view path) override;
    bool WriteWhole(std::string_view path, std::string_view bytes) override;

    struct Entry {
        std::string bytes;
        bool directory = false;
        bool hidden = false;
        bool system = false;
    };
    std::string directory = "C:\\Tools\\Gorvandel";
    std::map<std::string, Entry, std::less<>> entries;
    bool replaceFails = false;
    int replaced = 0;
    std::string SettingsPath() const { return directory + "\\Gorvandel.ini"; }
};

// Code page 932 in miniature: ASCII stays one byte, every other character takes two bytes (a
// lead byte 0x81-0x9F or 0xE0-0xFC and a trail byte 0x40-0xFC), assigned as characters are met.
// Bytes that are no character read back as U+FFFD.
class FakeCodePage final : public CodePage {
  public:
    void ToAnsi(std::string_view utf8, std::string& out) override;
    std::string FromAnsi(std::string_view bytes) override;

  private:
    std::vector<std::string> characters_;
};

// The whole fake platform with the program on it.
struct FakePlatform {
    FakePlatform();
    gv::Platform Platform();

    Log log;
    FakeWindow window{log};
    FakeImageList images;
    FakeShell shell{log, window, images};
    FakeTimer timer;
    FakeClock clock;
    FakeFiles files;
    FakeCodePage codePage;
    const DateLocale* locale;
};

class Program {
  public:
    Program() : form(fake.Platform()) {}
    // Runs the timer for `ms` milliseconds of simulated time, one tick handler call per tick.
    // Returns the number of refreshes (tray modifications attempted) during that time.
    int Run(long long ms);
    int Refreshes() const;
    void Click(std::uint32_t mouseMessage) {
        form.Form_MouseMove(0, 0, static_cast<float>(mouseMessage) * fake.window.twipsPerPixel, 0);
    }

    FakePlatform fake;
    Form1 form;
};

}  // namespace gv::fake
