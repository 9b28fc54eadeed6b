#include <cstdio>
#include <cstdlib>
#include <exception>

#include "clock/tray_clock.h"
#include "ports/platform.h"
#include "win32/desktop_theme.h"
#include "win32/dll_search.h"
#include "win32/file_system.h"
#include "win32/gdi_tally.h"
#include "win32/single_instance.h"
#include "win32/system_clock.h"
#include "win32/tray_icon.h"
#include "win32/win32_settings_window.h"
#include "win32/windows_api.h"

// The default handler for an exception nobody catches prints the exception's type to the standard
// error stream, which a windowed program does not have, and then aborts. Replacing it keeps the
// whole C++ name demangler (about a third of the program's size) out of the executable.
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx

namespace {

// GORVANDEL_GDI_REPORT names a file that gets, at exit, the counts of icons and bitmaps made
// and destroyed and of the tray modifies sent and skipped: the end-to-end tests read it to prove
// that refreshing leaks nothing and that an unchanged icon is not handed to the tray again.
void WriteGdiReport(const gv::TrayCounts& tray) {
    wchar_t path[MAX_PATH * 2] = {};
    const DWORD length = GetEnvironmentVariableW(L"GORVANDEL_GDI_REPORT", path, MAX_PATH * 2);
    if (length == 0 || length >= MAX_PATH * 2) return;
    FILE* report = _wfopen(path, L"wb");
    if (report == nullptr) return;
    std::string line = gv::win32::DescribeTally();
    gv::win32::AppendCount(line, "; tray modifies sent ", tray.modifiesSent);
    gv::win32::AppendCount(line, " skipped ", tray.modifiesSkipped);
    line += "\r\n";
    std::fwrite(line.data(), 1, line.size(), report);
    std::fclose(report);
}

// Without a window there is no clock: the debugger's output says which call failed and why, the
// only place a program with no console and no window can say it.
void ReportNoWindow(const gv::win32::Win32SettingsWindow::Failure& failure) {
    wchar_t line[128];  // the call's name is short, the error at most ten digits
    wsprintfW(line, L"Gorvandel: no settings window: %s failed, GetLastError %lu\n", failure.call,
              static_cast<unsigned long>(failure.error));
    OutputDebugStringW(line);
}

int RunClock(HINSTANCE instance, gv::TrayCounts& counts) {
    gv::win32::Win32SettingsWindow window(instance);
    if (!window.Created()) {
        ReportNoWindow(window.CreationFailure());
        return 1;
    }
    gv::win32::Win32CodePage codePage;
    gv::win32::TrayIcon tray(window.Hwnd(), codePage);
    window.AttachTray(tray);
    gv::win32::WindowTimer timer(window.Hwnd(), gv::win32::Win32SettingsWindow::kUpdateTimerId);
    gv::win32::SystemClock systemClock;
    const gv::DateLocale locale = gv::win32::LoadUserLocale();
    gv::win32::Win32FileSystem files;
    gv::win32::Win32DesktopTheme theme;
    const gv::Platform platform{window, tray.Keeper(), timer,    systemClock,
                                locale, files,         codePage, theme};

    gv::TrayClock clock(platform);
    window.Attach(clock);
    clock.Start();

    MSG message{};
    int result;
    while ((result = GetMessageW(&message, nullptr, 0, 0)) > 0) {
        if (window.PreTranslate(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    window.Detach();
    counts = tray.Keeper().Counts();
    return result < 0 ? 1 : static_cast<int>(message.wParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    gv::win32::LoadDllsOnlyFromSystem();

    // A clock already runs for this folder and has come forward: nothing more to do here.
    gv::win32::FolderClaim claim;
    if (!claim.Claim()) return 0;

    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_STANDARD_CLASSES;
    InitCommonControlsEx(&controls);

    gv::TrayCounts tray;
    const int exitCode = RunClock(instance, tray);
    // The settings are written: a start that waits for this clock to close may go on.
    claim.Release();
    // After everything the run made is gone, so that the counts balance.
    WriteGdiReport(tray);
    return exitCode;
}
