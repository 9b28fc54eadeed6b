#pragma once

#include <array>
#include <optional>

#include "platform/win32/windows_api.h"
#include "platform/window.h"

namespace gv {
class Form1;
}

namespace gv::win32 {

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

    WindowHandle Handle() const override;
    void SetVisible(bool visible) override;
    void RestoreNormal() override;
    void Show() override;
    void SetFocus() override;
    float Width() const override;
    float Height() const override;
    void SetLeft(float twips) override;
    void SetTop(float twips) override;
    float TwipsPerPixelX() const override;

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
    static LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK PictureProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCommand(int id, int code);
    void OnMouseMove(WPARAM wParam, LPARAM lParam);
    void PaintPreview(HWND picture);
    void Unload();

    void CreateControls();
    HWND MakeControl(const wchar_t* className, const wchar_t* text, DWORD style, DWORD exStyle,
                     int id, int leftTwips, int topTwips, int widthTwips, int heightTwips);
    void FitDropDown(HWND combo, int leftTwips, int topTwips, int widthTwips);
    HWND ComboWindow(ComboId combo) const;
    int ToPixelsX(int twips) const;
    int ToPixelsY(int twips) const;

    HINSTANCE instance_;
    Form1* form_ = nullptr;
    HWND owner_ = nullptr;
    HWND window_ = nullptr;
    HWND picture_ = nullptr;
    HWND text1_ = nullptr;
    HWND command1_ = nullptr;
    HWND combo1_ = nullptr;
    HWND combo2_ = nullptr;
    std::array<HWND, 8> swatches_{};
    HWND lastFocus_ = nullptr;
    HFONT font_ = nullptr;
    HICON icon_ = nullptr;
    UINT taskbarCreated_ = 0;
    float twipsPerPixelX_ = 15.0f;
    float twipsPerPixelY_ = 15.0f;
    std::array<Colour, 8> swatchColours_{};
    std::optional<Pixels> previewFace_;  // the face the preview was last told to show
    COLORREF dialogColour_ = 0;
    std::array<COLORREF, 16> customColours_{};
    bool unloaded_ = false;
    // Refused icon adds tried again in a row; an icon that the tray takes restores them.
    static constexpr int kTrayRetries = 30;
    int trayRetriesLeft_ = kTrayRetries;
};

}  // namespace gv::win32
