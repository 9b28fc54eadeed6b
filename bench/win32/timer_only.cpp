// The least a program can do that shows in the tray or wakes on a timer, as the floor of what a
// clock idling under Wine costs (process_cpu.sh runs it beside Gorvandel.exe):
//   timer_only.exe PERIOD   a hidden window whose timer ticks every PERIOD ms and does nothing
//   timer_only.exe tray     a tray icon and no timer at all
#include <windows.h>
#include <shellapi.h>

#include <cwchar>

namespace {

LRESULT CALLBACK TimerOnlyProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER) return 0;
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
    WNDCLASSW type{};
    type.lpfnWndProc = TimerOnlyProc;
    type.hInstance = instance;
    type.lpszClassName = L"TimerOnly";
    if (RegisterClassW(&type) == 0) return 1;
    HWND window = CreateWindowExW(0, type.lpszClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                                  nullptr, instance, nullptr);
    if (window == nullptr) return 1;
    if (std::wcscmp(commandLine, L"tray") == 0) {
        NOTIFYICONDATAW icon{};
        icon.cbSize = sizeof icon;
        icon.hWnd = window;
        icon.uID = 1;
        icon.uFlags = NIF_ICON;
        icon.hIcon = LoadIconW(nullptr, MAKEINTRESOURCEW(32512));  // IDI_APPLICATION
        // The tray may still be starting.
        for (int attempt = 0; attempt < 40 && !Shell_NotifyIconW(NIM_ADD, &icon); ++attempt)
            Sleep(250);
    } else {
        const unsigned long asked = std::wcstoul(commandLine, nullptr, 10);
        const UINT period = asked > 0 ? static_cast<UINT>(asked) : 1000;
        if (SetTimer(window, 1, period, nullptr) == 0) return 1;
    }
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    return 0;
}
