#include "win32/dpi_api.h"

#include <cstddef>

#include "base/twips.h"
#include "win32/handles.h"

namespace gv::win32 {
namespace {

// GetProcAddress hands back a generic function pointer; the cast to the real type goes through
// void* so that the compiler does not warn about incompatible function types.
template <typename Function>
void Find(HMODULE module, const char* name, Function& function) {
    void* const address = reinterpret_cast<void*>(GetProcAddress(module, name));
    function = reinterpret_cast<Function>(address);
}

DpiApi Load() {
    DpiApi api;
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    if (user32 == nullptr) return api;
    Find(user32, "GetDpiForWindow", api.getDpiForWindow);
    Find(user32, "GetDpiForSystem", api.getDpiForSystem);
    Find(user32, "GetSystemMetricsForDpi", api.getSystemMetricsForDpi);
    Find(user32, "SystemParametersInfoForDpi", api.systemParametersInfoForDpi);
    Find(user32, "AdjustWindowRectExForDpi", api.adjustWindowRectExForDpi);
    return api;
}

int ScreenDpi() {
    const WindowDc screen(nullptr);
    if (screen.Get() == nullptr) return 96;
    return UsableDpi(GetDeviceCaps(screen.Get(), LOGPIXELSX));
}

}  // namespace

const DpiApi& Dpi() {
    static const DpiApi api = Load();
    return api;
}

int SystemDpi() {
    if (Dpi().getDpiForSystem != nullptr) {
        const auto dpi = static_cast<int>(Dpi().getDpiForSystem());
        if (dpi >= kLowestDpi) return UsableDpi(dpi);
    }
    return ScreenDpi();
}

int WindowDpi(HWND window) {
    if (window != nullptr && Dpi().getDpiForWindow != nullptr) {
        const auto dpi = static_cast<int>(Dpi().getDpiForWindow(window));
        if (dpi >= kLowestDpi) return UsableDpi(dpi);
    }
    return SystemDpi();
}

int SystemMetricForDpi(int index, int dpi) {
    if (Dpi().getSystemMetricsForDpi != nullptr)
        return Dpi().getSystemMetricsForDpi(index, static_cast<UINT>(dpi));
    return GetSystemMetrics(index);
}

void AdjustWindowRectForDpi(RECT& rect, DWORD style, DWORD exStyle, int dpi) {
    if (Dpi().adjustWindowRectExForDpi != nullptr &&
        Dpi().adjustWindowRectExForDpi(&rect, style, FALSE, exStyle, static_cast<UINT>(dpi)))
        return;
    AdjustWindowRectEx(&rect, style, FALSE, exStyle);
}

bool MessageFontForDpi(LOGFONTW& font, int dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (Dpi().systemParametersInfoForDpi != nullptr &&
        Dpi().systemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0,
                                         static_cast<UINT>(dpi))) {
        font = metrics.lfMessageFont;
        return true;
    }
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0)) {
        // Systems before Vista know the structure without its last field.
        metrics.cbSize = offsetof(NONCLIENTMETRICSW, iPaddedBorderWidth);
        if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0))
            return false;
    }
    font = metrics.lfMessageFont;
    // The older call answers for the system DPI.
    const int system = SystemDpi();
    if (dpi != system) font.lfHeight = MulDiv(font.lfHeight, dpi, system);
    return true;
}

}  // namespace gv::win32
