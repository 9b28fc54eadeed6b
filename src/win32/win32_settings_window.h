#pragma once

#include <cstdint>
#include <optional>

#include "layout/window_layout.h"
#include "ports/settings_window.h"
#include "ports/window_events.h"
#include "win32/handles.h"
#include "win32/preview_pane.h"
#include "win32/swatch_row.h"
#include "win32/windows_api.h"

namespace gv::win32 {

class TrayIcon;

// The settings window with its controls. It is created hidden; the clock decides at start-up
// whether it shows or goes into the tray. Its events reach the clock through WindowEvents.
// The work is split by concern: window_messages.cpp dispatches the messages, window_system.cpp
// takes second starts, the system's news and the tray's, window_layout.cpp lays the controls
// out at a DPI, and window_port.cpp answers the clock's calls. The preview is a control of its
// own (PreviewPane); the swatches' colours and the colour dialog are SwatchRow's.
class Win32SettingsWindow final : public SettingsWindow {
  public:
    explicit Win32SettingsWindow(HINSTANCE instance);
    ~Win32SettingsWindow() override;
    Win32SettingsWindow(const Win32SettingsWindow&) = delete;
    Win32SettingsWindow& operator=(const Win32SettingsWindow&) = delete;

    bool Created() const { return static_cast<bool>(window_); }
    // Why the window is not there: the call that failed and its GetLastError.
    struct Failure {
        const wchar_t* call = L"";
        DWORD error = 0;
    };
    const Failure& CreationFailure() const { return failure_; }
    HWND Hwnd() const { return window_.Get(); }
    void Attach(WindowEvents& events) { events_ = &events; }
    void Detach() { events_ = nullptr; }
    void AttachTray(TrayIcon& tray) { tray_ = &tray; }
    // Tab, Shift+Tab and the other dialog keys between the controls.
    bool PreTranslate(MSG& message);

    bool Visible() const override;
    void SetVisible(bool visible) override;
    void RestoreNormal() override;
    void Show() override;
    void SetFocus() override;
    void MakeTopmost() override;
    float Width() const override;
    float Height() const override;
    void SetLeft(float twips) override;
    void SetTop(float twips) override;
    float TwipsPerPixelX() const override;
    float TwipsPerPixelY() const override;
    bool GetWorkArea(WorkArea& area) const override;

    void AddModeItem(ModeList list, std::string_view text) override;
    void SelectMode(ModeList list, std::int16_t index) override;
    std::int16_t SelectedMode(ModeList list) const override;
    void EnableModeList(ModeList list, bool enabled) override;

    std::string IntervalText() const override;
    void SetIntervalText(std::string_view text) override;

    void SetSwatchColour(int index, Colour colour) override;
    void ShowPreview(const Pixels& face) override;

    void SetDarkBackdrop(bool dark) override;

    void ShowMessage(std::string_view text) override;
    std::optional<Colour> ChooseColour(Colour initial) override;

    // The update timer's ticks arrive as WM_TIMER with this identifier.
    static constexpr UINT_PTR kUpdateTimerId = 1;

  private:
    // Control identifiers stay clear of IDOK and IDCANCEL, which the dialog keys send for Enter
    // and Escape and which this window ignores.
    static constexpr int kPreviewId = 100;
    static constexpr int kUnitLabelId = 101;
    static constexpr int kIntervalId = 102;
    static constexpr int kApplyId = 103;
    static constexpr int kTopModesId = 104;
    static constexpr int kBottomModesId = 105;
    static constexpr int kTopFrameId = 106;
    static constexpr int kBottomFrameId = 107;
    static constexpr int kSwatchFirstId = 108;  // one for each of SwatchRow::kCount
    // No WS_CLIPCHILDREN: the group boxes are transparent and need the window's background
    // painted behind them.
    static constexpr DWORD kStyle = WS_CAPTION | WS_SYSMENU;
    static constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

    // window_messages.cpp
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCommand(int id, int code);
    void Close(bool sessionEnding);
    // window_system.cpp: true when the message was one of these and is answered by `result`.
    bool OnSystemMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    void RecheckTray(bool newTaskbar);
    // window_layout.cpp: start-up and a change of DPI both go through ApplyDpi; a change brings
    // the system's suggested outer rectangle along.
    void CreateControls();
    HWND MakeControl(const wchar_t* className, const wchar_t* text, DWORD style, DWORD exStyle,
                     int id);
    void ApplyDpi(int dpi, const RECT* suggested);
    void SetIcons();
    MeasuredTexts MeasureTexts() const;
    void PlaceControls();
    HWND ModeListWindow(ModeList list) const;

    HINSTANCE instance_;
    WindowEvents* events_ = nullptr;
    TrayIcon* tray_ = nullptr;
    UniqueWindow owner_;
    UniqueWindow window_;
    // The controls are the window's children, destroyed with it.
    PreviewPane preview_;
    HWND unitLabel_ = nullptr;
    HWND interval_ = nullptr;
    HWND apply_ = nullptr;
    HWND topModes_ = nullptr;
    HWND bottomModes_ = nullptr;
    HWND topFrame_ = nullptr;
    HWND bottomFrame_ = nullptr;
    SwatchRow swatches_;
    HWND lastFocus_ = nullptr;
    UniqueFont font_;
    UniqueIcon smallIcon_;  // the caption's
    UniqueIcon bigIcon_;    // Alt+Tab's
    UINT taskbarCreated_ = 0;
    UINT secondStart_ = 0;
    // The DPI the window is laid out for, and what it makes of the clock's twips.
    int dpi_ = 96;
    float twipsPerPixelX_ = 15.0f;
    float twipsPerPixelY_ = 15.0f;
    WindowLayout layout_;
    // The clock hears of the close once: a second WM_CLOSE, or the session's end, may arrive
    // while the close waits in a message box.
    bool closed_ = false;
    Failure failure_;
};

}  // namespace gv::win32
