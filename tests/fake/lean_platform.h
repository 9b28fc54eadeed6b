#pragma once

#include <string>

#include "platform/platform.h"

namespace gv::fake {

// A platform that keeps only the latest of everything: for allocation counts, benchmarks and
// long soaks, where the recording fake would grow without end. The clock is simulated.
struct LeanPlatform final : Window, Shell, ImageList, Timer, Clock, FileSystem, CodePage {
    WindowHandle Handle() const override { return 1; }
    bool Visible() const override { return visible; }
    void SetVisible(bool v) override { visible = v; }
    void RestoreNormal() override {}
    void Show() override {}
    void SetFocus() override {}
    float Width() const override { return 2505; }
    float Height() const override { return 2685; }
    void SetLeft(float) override {}
    void SetTop(float) override {}
    float TwipsPerPixelX() const override { return 15; }
    float TwipsPerPixelY() const override { return 15; }
    void AddComboItem(ComboId, std::string_view) override {}
    void SelectComboIndex(ComboId, std::int16_t) override {}
    std::int16_t ComboIndex(ComboId) const override { return 0; }
    void EnableCombo(ComboId, bool) override {}
    std::string IntervalText() const override { return interval; }
    void SetIntervalText(std::string_view text) override { interval = text; }
    void SetSwatchColour(int, Colour) override {}
    void ShowPreview(const Pixels& face) override { preview = face; }
    void ShowMessage(std::string_view) override {}
    void ShowColorDialog() override {}
    Colour ColorDialogColour() const override { return 0; }

    bool NotifyIcon(std::uint32_t message, const NotifyIconData& data) override {
        ++notifications;
        if (message == kNimModify && data.hIcon == kIcon && iconMade) trayPicture = image;
        last = data;
        return true;
    }
    // Keeps no account of the icon: every refresh goes the whole way.
    bool ModifyWouldChange(const NotifyIconData&, const std::optional<IconPicture>&) override {
        return true;
    }
    std::int32_t SetWindowPos(WindowHandle, std::int32_t, std::uint32_t) override { return 1; }
    bool GetWorkArea(WorkArea&) override { return false; }

    void Clear() override { imageCount = 0; }
    void SetBackColor(Colour) override {}
    void Add(const Pixels& picture) override {
        image = picture;
        ++imageCount;
    }
    void SetMaskColor(Colour) override {}
    std::optional<IconPicture> Picture() const override {
        if (imageCount == 0) return std::nullopt;
        return IconPicture{image, kButtonFace};
    }
    IconHandle MakeIcon() override {
        iconMade = imageCount > 0;
        return kIcon;
    }
    void DestroyIcon(IconHandle) override { iconMade = false; }

    void SetInterval(std::int32_t ms) override { timerInterval = ms; }
    LocalTime Now() override { return now; }
    // Moves the simulated clock on; the date is worked out once per new second, so that the
    // clock itself costs next to nothing in benchmarks.
    void Advance(long long ms) {
        const long long second = elapsedMs / 1000;
        elapsedMs += ms;
        if (elapsedMs / 1000 != second) now = AddSeconds(start, elapsedMs / 1000);
    }
    void Start(const LocalTime& at) {
        start = now = at;
        elapsedMs = 0;
    }

    std::string ExecutableDirectory() override { return "C:\\x"; }
    bool IsOrdinaryFile(std::string_view) override { return false; }
    std::unique_ptr<InputFile> OpenForReading(std::string_view) override { return nullptr; }
    bool WriteWhole(std::string_view, std::string_view) override { return true; }
    void ToAnsi(std::string_view utf8, std::string& out) override { out.append(utf8); }
    std::string FromAnsi(std::string_view bytes) override { return std::string(bytes); }

    gv::Platform Platform() {
        return gv::Platform{*this, *this, *this, *this, *this, JapaneseLocale(), *this, *this};
    }

    static constexpr IconHandle kIcon = 7;
    bool visible = false;
    bool iconMade = false;
    int imageCount = 0;
    std::string interval = "1.0";
    std::int32_t timerInterval = 1000;
    Pixels preview{}, image{}, trayPicture{};
    NotifyIconData last;
    long long notifications = 0;
    LocalTime start = MakeLocalTime(2024, 12, 31, 23, 59);
    LocalTime now = start;
    long long elapsedMs = 0;
};

}  // namespace gv::fake
