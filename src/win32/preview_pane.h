#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "face/pixels.h"
#include "win32/windows_api.h"

namespace gv::win32 {

// About the colour of Windows 10's dark taskbar: what shows through the face's transparent
// pixels, and behind the swatches, when the taskbar is dark.
inline constexpr COLORREF kDarkTaskbar = RGB(32, 32, 32);

// The preview control: the face as the tray will show it, enlarged in solid blocks to the
// control's size. It paints from its own copy of the face, so it repaints only when the face
// changes (or the colours it looks up do).
class PreviewPane {
  public:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    // Takes the control made with the preview's class; it lives as the settings window's child.
    void Attach(HWND control);
    HWND Control() const { return control_; }
    void Resize(int size);
    void Show(const Pixels& face);
    void SetDarkBackdrop(bool dark);
    void Repaint();

  private:
    void Paint();

    HWND control_ = nullptr;
    int size_ = 0;
    std::vector<std::uint32_t> bits_;  // the face enlarged to the preview's size
    std::optional<Pixels> face_;       // the face the preview was last told to show
    bool dark_ = false;
};

}  // namespace gv::win32
