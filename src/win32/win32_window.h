#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/win32/handles.h"
#include "platform/win32/windows_api.h"
#include "platform/window.h"
#include "settings/window_layout.h"

namespace gv {
class Form1;
}

namespace gv::win32 {

class Win32ImageList;
class Win32Shell;

// The settings window with its controls. It is created hidden; the program decides at start-up
// whether it shows or goes into the tray. Window events reach the attached Form1's handlers.
class Win32Window final : public Window {
  public:
    explicit Win32Window(HINSTANCE instance);
    ~Win32Window() override;
    Win32Window(const Win32Window&) = delete;
    Win32Window& operator=(const Win32Window&) = delete;

    bool Created() const { return window_ != nullptr; }
    HWND Hwnd() const { return window_; }
    void Attach(Form1& form) { form_ = &form; }
    void Detach() { form_ = nullptr; }
    // Tab, Shift+Tab and the other dialog keys between the controls.
    bool PreTranslate(MSG& message);

    // The tray's answers to an icon add: a refused add is tried again a little later.
    void TrayIconAdded();
    void TrayIconRefused();
    // The list that makes the tray icon and the shell that shows it: the icon follows the
    // tray's icon size from now on.
    void AttachTray(Win32ImageList& images, Win32Shell& shell);

    WindowHandle Handle() const override;
    bool Visible() const override;
    void SetVisible(bool visible) override;
    void RestoreNormal() override;
    void Show() override;
    void SetFocus() override;
    float Width() const override;
    float Height() const override;
    void SetLeft(float twips) override;
    void SetTop(float twips) override;
    float TwipsPerPixelX() const override;
    float TwipsPerPixelY() const override;

    void AddComboItem(ComboId combo, std::string_view text) override;
    void SelectComboIndex(ComboId combo, std::int16_t index) override;
    std::int16_t ComboIndex(ComboId combo) const override;
    void EnableCombo(ComboId combo, bool enabled) override;

    std::string IntervalText() const override;
    void SetIntervalText(std::string_view text) override;

    void SetSwatchColour(int index, Colour colour) override;
    void ShowPreview(const Pixels& face) override;

    void ShowMessage(std::string_view text) override;
    void ShowColorDialog() override;
    Colour ColorDialogColour() const override;

  private:
    // Control identifiers stay clear of IDOK and IDCANCEL, which the dialog keys send for Enter
    // and Escape and which this window ignores.
    enum ControlId : int {
        kPicture1Id = 100,
        kLabel1Id,
        kText1Id,
        kCommand1Id,
        kCombo1Id,
        kCombo2Id,
        kFrame1Id,
        kFrame2Id,
        kSwatchFirstId,  // eight in a row
    };
    // No WS_CLIPCHILDREN: the group boxes are transparent and need the window's background
    // painted behind them.
    static constexpr DWORD kStyle = WS_CAPTION | WS_SYSMENU;
    static constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

    static LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK PictureProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCommand(int id, int code);
    void OnMouseMove(WPARAM wParam, LPARAM lParam);
    void PaintPreview(HWND picture);
    void Unload();
    void FollowTray(bool newTray);
    void HandTrayIcon();

    // The layout at a DPI (win32_window_layout.cpp). Start-up and a change of DPI both go
    // through ApplyDpi; a change brings the system's suggested outer rectangle along.
    void CreateControls();
    HWND MakeControl(const wchar_t* className, const wchar_t* text, DWORD style, DWORD exStyle,
                     int id);
    void ApplyDpi(int dpi, const RECT* suggested);
    MeasuredTexts MeasureTexts() const;
    void PlaceControls();
    void FitDropDown(HWND combo, const PixelRect& field);
    HWND ComboWindow(ComboId combo) const;

    HINSTANCE instance_;
    Form1* form_ = nullptr;
    HWND owner_ = nullptr;
    HWND window_ = nullptr;
    HWND picture_ = nullptr;
    HWND label1_ = nullptr;
    HWND text1_ = nullptr;
    HWND command1_ = nullptr;
    HWND combo1_ = nullptr;
    HWND combo2_ = nullptr;
    HWND frame1_ = nullptr;
    HWND frame2_ = nullptr;
    std::array<HWND, 8> swatches_{};
    HWND lastFocus_ = nullptr;
    UniqueFont font_;
    UniqueIcon icon_;
    UINT taskbarCreated_ = 0;
    // The DPI the window is laid out for, and what it makes of the program's twips.
    int dpi_ = 96;
    UINT secondStart_ = 0;
    float twipsPerPixelX_ = 15.0f;
    float twipsPerPixelY_ = 15.0f;
    WindowLayout layout_;
    std::vector<std::uint32_t> previewBits_;  // the face enlarged to the preview's size
    std::array<Colour, 8> swatchColours_{};
    std::optional<Pixels> previewFace_;  // the face the preview was last told to show
    COLORREF dialogColour_ = 0;
    std::array<COLORREF, 16> customColours_{};
    bool unloaded_ = false;
    // Refused icon adds tried again in a row; an icon that the tray takes restores them.
    static constexpr int kTrayRetries = 30;
    int trayRetriesLeft_ = kTrayRetries;
    Win32ImageList* trayImages_ = nullptr;
    Win32Shell* trayShell_ = nullptr;
};

}  // namespace gv::win32
