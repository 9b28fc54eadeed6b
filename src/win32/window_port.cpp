// The settings window as the clock uses it: visibility, geometry in twips, the lists, the
// interval box, the preview, the swatches, the dark backdrop, the message box and the colour
// dialog.
#include <algorithm>

#include "base/twips.h"
#include "win32/text_convert.h"
#include "win32/win32_settings_window.h"

namespace gv::win32 {

bool Win32SettingsWindow::Visible() const { return IsWindowVisible(window_.Get()) != FALSE; }

void Win32SettingsWindow::SetVisible(bool visible) {
    ShowWindow(window_.Get(), visible ? SW_SHOW : SW_HIDE);
}

void Win32SettingsWindow::RestoreNormal() {
    if (IsIconic(window_.Get())) ShowWindow(window_.Get(), SW_RESTORE);
}

void Win32SettingsWindow::Show() {
    ShowWindow(window_.Get(), SW_SHOW);
    SetForegroundWindow(window_.Get());
}

void Win32SettingsWindow::SetFocus() {
    SetForegroundWindow(window_.Get());
    ::SetFocus(lastFocus_ != nullptr ? lastFocus_ : window_.Get());
}

void Win32SettingsWindow::MakeTopmost() {
    SetWindowPos(window_.Get(), HWND_TOPMOST, 0, 0, 0, 0, SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE);
}

float Win32SettingsWindow::Width() const {
    RECT rect{};
    GetWindowRect(window_.Get(), &rect);
    return static_cast<float>(rect.right - rect.left) * twipsPerPixelX_;
}

float Win32SettingsWindow::Height() const {
    RECT rect{};
    GetWindowRect(window_.Get(), &rect);
    return static_cast<float>(rect.bottom - rect.top) * twipsPerPixelY_;
}

void Win32SettingsWindow::SetLeft(float twips) {
    RECT rect{};
    GetWindowRect(window_.Get(), &rect);
    SetWindowPos(window_.Get(), nullptr, PixelsHalfAwayFromZero(twips, twipsPerPixelX_), rect.top,
                 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32SettingsWindow::SetTop(float twips) {
    RECT rect{};
    GetWindowRect(window_.Get(), &rect);
    SetWindowPos(window_.Get(), nullptr, rect.left, PixelsHalfAwayFromZero(twips, twipsPerPixelY_),
                 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

float Win32SettingsWindow::TwipsPerPixelX() const { return twipsPerPixelX_; }

float Win32SettingsWindow::TwipsPerPixelY() const { return twipsPerPixelY_; }

bool Win32SettingsWindow::GetWorkArea(WorkArea& area) const {
    RECT rect{};
    if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &rect, 0)) return false;
    area = {rect.left, rect.top, rect.right, rect.bottom};
    return true;
}

HWND Win32SettingsWindow::ModeListWindow(ModeList list) const {
    return list == ModeList::Top ? topModes_ : bottomModes_;
}

void Win32SettingsWindow::AddModeItem(ModeList list, std::string_view text) {
    const std::wstring item = Widen(text);
    SendMessageW(ModeListWindow(list), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

void Win32SettingsWindow::SelectMode(ModeList list, std::int16_t index) {
    // CB_SETCURSEL sends no CBN_SELCHANGE, so the clock's own handler is not run twice. An
    // index outside the list clears the selection.
    SendMessageW(ModeListWindow(list), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

std::int16_t Win32SettingsWindow::SelectedMode(ModeList list) const {
    const LRESULT index = SendMessageW(ModeListWindow(list), CB_GETCURSEL, 0, 0);
    return static_cast<std::int16_t>(index == CB_ERR ? -1 : index);
}

void Win32SettingsWindow::EnableModeList(ModeList list, bool enabled) {
    EnableWindow(ModeListWindow(list), enabled ? TRUE : FALSE);
}

std::string Win32SettingsWindow::IntervalText() const {
    const int length = GetWindowTextLengthW(interval_);
    if (length <= 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int got = GetWindowTextW(interval_, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(std::max(got, 0)));
    return Narrow(text);
}

void Win32SettingsWindow::SetIntervalText(std::string_view text) {
    SetWindowTextW(interval_, Widen(text).c_str());
}

void Win32SettingsWindow::SetSwatchColour(int index, Colour colour) {
    swatches_.SetColour(index, colour);
}

void Win32SettingsWindow::ShowPreview(const Pixels& face) { preview_.Show(face); }

void Win32SettingsWindow::SetDarkBackdrop(bool dark) {
    swatches_.SetDarkBackdrop(dark);
    preview_.SetDarkBackdrop(dark);
    RedrawWindow(window_.Get(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void Win32SettingsWindow::ShowMessage(std::string_view text) {
    const std::wstring message = Widen(text);
    const std::wstring title = Widen(kAppTitle);
    MessageBoxW(window_.Get(), message.c_str(), title.c_str(), MB_OK);
}

std::optional<Colour> Win32SettingsWindow::ChooseColour(Colour initial) {
    return swatches_.ChooseColour(window_.Get(), initial);
}

}  // namespace gv::win32
