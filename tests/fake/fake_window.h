#pragma once

#include <array>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "fake/log.h"
#include "ports/settings_window.h"
#include "ports/window_events.h"

namespace gv::fake {

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
    std::optional<Colour> ChooseColour(Colour initial) override;
    // A close as the real window carries it out: the clock saves, then the window goes. Once.
    void Close() { Closes(false); }
    void EndSession() { Closes(true); }

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
    // The colour dialog's answers, one per showing (nullopt cancels).
    std::deque<std::optional<Colour>> dialogAnswers;
    std::vector<Colour> dialogOpenedOn;
    bool darkBackdrop = false;
    WindowEvents* events = nullptr;  // the clock, wired by the program

  private:
    void Closes(bool sessionEnding);
    Log& log_;
    bool closed_ = false;
    std::array<List, 2> lists_;
};

}  // namespace gv::fake
