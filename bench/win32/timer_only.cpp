// The least a program can do that wakes on a timer: a hidden window whose timer ticks at the
// period given (milliseconds, 1000 when none is given) and whose tick handler does nothing.
// process_cpu.sh runs it beside Gorvandel.exe, as the floor of what a clock idling under Wine
// costs.
#include <windows.h>

#include <cwchar>

namespace {

LRESULT CALLBACK TimerOnlyProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER) return 0;
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
    const unsigned long asked = std::wcstoul(commandLine, nullptr, 10);
    const UINT period = asked > 0 ? static_cast<UINT>(asked) : 1000;
    WNDCLASSW type{};
    type.lpfnWndProc = TimerOnlyProc;
    type.hInstance = instance;
    type.lpszClassName = L"TimerOnly";
    if (RegisterClassW(&type) == 0) return 1;
    HWND window = CreateWindowExW(0, type.lpszClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                                  nullptr, instance, nullptr);
    if (window == nullptr || SetTimer(window, 1, period, nullptr) == 0) return 1;
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    return 0;
}
