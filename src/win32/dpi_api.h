#pragma once

#include "win32/windows_api.h"

namespace gv::win32 {

// The user32 calls that know about more than one DPI came with Windows 10; the program still
// runs on Windows 7, so they are looked up at run time, once. Callers check the pointer and
// take the older call, which answers for the system DPI, when it is null.
struct DpiApi {
    UINT(WINAPI* getDpiForWindow)(HWND) = nullptr;
    UINT(WINAPI* getDpiForSystem)() = nullptr;
    int(WINAPI* getSystemMetricsForDpi)(int, UINT) = nullptr;
    BOOL(WINAPI* systemParametersInfoForDpi)(UINT, UINT, PVOID, UINT, UINT) = nullptr;
    BOOL(WINAPI* adjustWindowRectExForDpi)(LPRECT, DWORD, BOOL, DWORD, UINT) = nullptr;
};
const DpiApi& Dpi();

// The DPI a window is shown at: the window's own, else the system's, else the screen's;
// brought into the usable range (UsableDpi).
int WindowDpi(HWND window);
// The system DPI, which the older calls answer for.
int SystemDpi();

int SystemMetricForDpi(int index, int dpi);
// The outer frame for a client rectangle at a DPI.
void AdjustWindowRectForDpi(RECT& rect, DWORD style, DWORD exStyle, int dpi);
// The message font (dialogs, message boxes) at a DPI. False when the system has none to give.
bool MessageFontForDpi(LOGFONTW& font, int dpi);

}  // namespace gv::win32
