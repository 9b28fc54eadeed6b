#include "win32/preview_pane.h"

#include <algorithm>
#include <array>
#include <span>

#include "base/colour.h"
#include "face/enlarge.h"
#include "win32/icon_canvas.h"

namespace gv::win32 {

LRESULT CALLBACK PreviewPane::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        if (auto* self = reinterpret_cast<PreviewPane*>(GetWindowLongPtrW(window, GWLP_USERDATA))) {
            self->Paint();
            return 0;
        }
    } else if (message == WM_ERASEBKGND) {
        return TRUE;  // every pixel is painted
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void PreviewPane::Attach(HWND control) {
    control_ = control;
    if (control_ != nullptr)
        SetWindowLongPtrW(control_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

void PreviewPane::Resize(int size) {
    size_ = std::max(size, 0);
    bits_.assign(static_cast<std::size_t>(size_) * static_cast<std::size_t>(size_), 0);
}

void PreviewPane::Show(const Pixels& face) {
    if (control_ == nullptr || face == face_) return;
    face_ = face;
    Repaint();
}

void PreviewPane::SetDarkBackdrop(bool dark) {
    dark_ = dark;
    Repaint();
}

void PreviewPane::Repaint() {
    if (control_ != nullptr) InvalidateRect(control_, nullptr, FALSE);
}

void PreviewPane::Paint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(control_, &paint);
    if (dc == nullptr) return;
    // What the tray leaves transparent (whatever looks like the button face) shows the dark
    // taskbar through it.
    const COLORREF clear = PaintedColour(kButtonFace);
    std::array<std::uint32_t, kFaceSize * kFaceSize> bits{};
    for (std::size_t i = 0; i < bits.size(); ++i) {
        COLORREF rgb = face_ ? PaintedColour((*face_)[i]) : clear;
        if (dark_ && rgb == clear) rgb = kDarkTaskbar;
        bits[i] = BitmapPixel(rgb);
    }
    // The face in solid blocks at the preview's size: no stretching by the system, which may
    // smooth.
    EnlargeFace(bits, size_, std::span<std::uint32_t>(bits_));
    const BITMAPINFO info = TopDownBitmapInfo(size_);
    if (size_ > 0)
        SetDIBitsToDevice(dc, 0, 0, static_cast<DWORD>(size_), static_cast<DWORD>(size_), 0, 0, 0,
                          static_cast<UINT>(size_), bits_.data(), &info, DIB_RGB_COLORS);
    EndPaint(control_, &paint);
}

}  // namespace gv::win32
