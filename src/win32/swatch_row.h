#pragma once

#include <array>
#include <cstddef>
#include <optional>

#include "base/colour.h"
#include "win32/windows_api.h"

namespace gv::win32 {

// The eight colour swatches "１" to "８": static controls whose digit is drawn in the colour it
// stands for, on the dark taskbar's colour when the backdrop is dark; and the colour dialog
// that picks those colours. The settings window makes, lays out and redraws the controls with
// its others, since their creation order and places are the whole window's.
class SwatchRow {
  public:
    static constexpr std::size_t kCount = 8;
    static constexpr std::array<const wchar_t*, kCount> kDigits = {L"１", L"２", L"３", L"４",
                                                                   L"５", L"６", L"７", L"８"};

    // Takes the static control made for swatch `index`; it lives as the settings window's child.
    void Attach(std::size_t index, HWND control);
    HWND Control(std::size_t index) const { return controls_[index]; }
    void SetColour(int index, Colour colour);
    // Takes effect at the next paint: the window repaints itself and every child after this.
    void SetDarkBackdrop(bool dark) { dark_ = dark; }
    // The answer to WM_CTLCOLORSTATIC for `control`, or nullopt when it is no swatch.
    std::optional<LRESULT> ControlColour(HDC dc, HWND control) const;
    std::optional<Colour> ChooseColour(HWND owner, Colour initial);

  private:
    std::array<HWND, kCount> controls_{};
    std::array<Colour, kCount> colours_{};
    bool dark_ = false;
    // The colour dialog's custom colours, kept from one opening to the next.
    std::array<COLORREF, 16> customColours_{};
};

}  // namespace gv::win32
