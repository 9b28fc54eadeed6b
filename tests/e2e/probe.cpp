// The running clock seen by another program: probe dump | popups | clocks | tray-delete |
// send|post all|clock MESSAGE [WPARAM [LPARAM]] | hold folder|file PATH MS. One fact a line.
#include <cstdio>
#include <cwchar>
#include <string>

// The clock's own names, spelled once in its sources.
#include "win32/folder_key.h"
#include "win32/names.h"

namespace {
using namespace gv::win32;

std::string Utf8(const std::wstring& wide) {
    std::string out(wide.size() * 3, '\0');
    out.resize(static_cast<std::size_t>(
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), out.data(),
                            static_cast<int>(out.size()), nullptr, nullptr)));
    return out;
}
void Print(const std::string& line) { std::printf("%s\n", line.c_str()); }
std::string Bit(bool on) { return on ? "1" : "0"; }
std::string Num(long n) { return std::to_string(n); }

// WM_GETTEXT is carried across processes; GetWindowText would not ask another process.
std::wstring WideText(HWND window) {
    wchar_t text[512] = {};
    SendMessageTimeoutW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_BLOCK, 2000,
                        nullptr);
    return text;
}
std::string Text(HWND window) { return Utf8(WideText(window)); }

// The class name; the clock's preview class is called "preview", whatever its name in the sources.
std::string ClassOf(HWND window) {
    wchar_t name[128] = {};
    GetClassNameW(window, name, 128);
    return std::wcscmp(name, kPreviewClass) == 0 ? "preview" : Utf8(name);
}

HWND Clock() { return FindWindowW(kSettingsWindowClass, nullptr); }

BOOL CALLBACK FindOpenList(HWND window, LPARAM found) {
    if (ClassOf(window) != "ComboLBox" || !IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

void DumpCombo(HWND combo, const std::string& id) {
    std::string items;
    for (LRESULT i = 0, count = SendMessageW(combo, CB_GETCOUNT, 0, 0); i < count; ++i) {
        wchar_t text[256] = {};
        if (SendMessageW(combo, CB_GETLBTEXTLEN, i, 0) < 256)
            SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        items += (i > 0 ? "|" : "") + Utf8(text);
    }
    Print("combo " + id + " selected=" + Num(SendMessageW(combo, CB_GETCURSEL, 0, 0)) +
          " enabled=" + Bit(IsWindowEnabled(combo)) + " items=" + items);
    // The rows the open list shows: opened a moment, measured, closed. A disabled list stays shut.
    if (!IsWindowEnabled(combo)) return;
    SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
    HWND open = nullptr;
    RECT list{};
    EnumWindows(FindOpenList, reinterpret_cast<LPARAM>(&open));
    if (open != nullptr) GetClientRect(open, &list);
    SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
    const LRESULT item = SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0);
    Print("combo " + id + " rows=" + Num(item > 0 ? list.bottom / item : 0));
}

// The message font at the screen's DPI, as the controls use (theirs is hidden across processes).
HFONT MessageFont(int dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    return SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0, dpi)
               ? CreateFontIndirectW(&metrics.lfMessageFont)
               : nullptr;
}

bool Dump() {
    HWND clock = Clock();
    if (clock == nullptr) return false;
    const LONG style = GetWindowLongW(clock, GWL_STYLE), ex = GetWindowLongW(clock, GWL_EXSTYLE);
    const std::pair<bool, const char*> flags[] = {
        {(style & WS_CAPTION) == WS_CAPTION, "caption"},
        {(style & WS_SYSMENU) != 0, "sysmenu"},
        {(style & WS_MINIMIZEBOX) != 0, "minimize"},
        {(style & WS_MAXIMIZEBOX) != 0, "maximize"},
        {(style & WS_THICKFRAME) != 0, "sizing"},
        {GetMenu(clock) != nullptr, "menu"},
        // An owned window that does not ask for WS_EX_APPWINDOW gets no taskbar button.
        {GetWindow(clock, GW_OWNER) == nullptr || (ex & WS_EX_APPWINDOW) != 0, "taskbar"},
        {(ex & WS_EX_TOPMOST) != 0, "topmost"}};
    std::string frame;
    for (const auto& [on, name] : flags)
        if (on) frame += (frame.empty() ? "" : ",") + std::string(name);
    RECT outer{}, client{};
    POINT origin{0, 0};
    GetWindowRect(clock, &outer);
    GetClientRect(clock, &client);
    ClientToScreen(clock, &origin);
    Print("caption=" + Text(clock) + "\nframe=" + frame + "\nwindow=" + Num(outer.left) + "," +
          Num(outer.top) + "\nclient=" + Num(client.right) + "x" + Num(client.bottom) +
          "\nclient_origin=" + Num(origin.x) + "," + Num(origin.y));
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    HFONT font = MessageFont(dpi);
    HGDIOBJ old = font != nullptr ? SelectObject(screen, font) : nullptr;
    Print("dpi=" + Num(dpi) + (font == nullptr ? " font=none" : ""));
    for (HWND child = GetWindow(clock, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        RECT r{}, inside{};
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, clock, reinterpret_cast<POINT*>(&r), 2);
        GetClientRect(child, &inside);
        const std::string cls = ClassOf(child), id = "id=" + Num(GetDlgCtrlID(child));
        const std::wstring text = WideText(child);
        const LONG s = GetWindowLongW(child, GWL_STYLE);
        std::string line = "control " + id + " class=" + cls + " rect=" + Num(r.left) + "," +
                           Num(r.top) + "," + Num(r.right - r.left) + "," + Num(r.bottom - r.top) +
                           " tabstop=" + Bit(s & WS_TABSTOP);
        if (cls == "Edit") line += " centred=" + Bit(s & ES_CENTER);
        if (cls == "Static") line += " notify=" + Bit(s & SS_NOTIFY);
        if (cls == "ComboBox") line += " dropdown=" + Bit((s & 3) == CBS_DROPDOWN);
        Print(line + " text=" + Utf8(text));
        if (cls == "ComboBox") DumpCombo(child, id);
        SIZE extent{};
        if (font != nullptr && !text.empty() &&
            (cls == "Static" || cls == "Button" || cls == "Edit") &&
            GetTextExtentPoint32W(screen, text.c_str(), static_cast<int>(text.size()), &extent))
            Print("text " + id + " extent=" + Num(extent.cx) + "x" + Num(extent.cy) +
                  " client=" + Num(inside.right) + "x" + Num(inside.bottom));
    }
    if (font != nullptr) DeleteObject(SelectObject(screen, old));
    ReleaseDC(nullptr, screen);
    std::string order;
    HWND first = GetNextDlgTabItem(clock, nullptr, FALSE);
    for (HWND item = first; item != nullptr && order.size() < 400;) {
        order += (order.empty() ? "" : ",") + ClassOf(item) + ":" + Text(item);
        if ((item = GetNextDlgTabItem(clock, item, FALSE)) == first) break;
    }
    Print("tab_order=" + order);
    return true;
}

BOOL CALLBACK PrintBoxPart(HWND child, LPARAM) {
    const std::string cls = ClassOf(child), text = Text(child);
    if (cls == "Button" || (cls == "Static" && !text.empty())) Print("box " + cls + "=" + text);
    return TRUE;
}

// The tooltips on screen (the tray's tip and balloon), and the dialogs the settings window owns.
BOOL CALLBACK PrintPopup(HWND window, LPARAM clock) {
    if (!IsWindowVisible(window)) return TRUE;
    // A balloon is a tooltip of its own style; WM_GETTEXT gives its text, not its title.
    const bool balloon = (GetWindowLongW(window, GWL_STYLE) & TTS_BALLOON) != 0;
    if (ClassOf(window) == "tooltips_class32")
        Print((balloon ? "balloon=" : "tip=") + Text(window));
    if (ClassOf(window) == "#32770" && clock != 0 &&
        GetWindow(window, GW_OWNER) == reinterpret_cast<HWND>(clock)) {
        Print("box title=" + Text(window));
        EnumChildWindows(window, PrintBoxPart, 0);
    }
    return TRUE;
}

bool Clocks() {
    int count = 0;
    for (HWND clock = Clock(); clock != nullptr;
         clock = FindWindowExW(nullptr, clock, kSettingsWindowClass, nullptr), ++count) {
        DWORD process = 0, length = 1024;
        GetWindowThreadProcessId(clock, &process);
        wchar_t path[1024] = {};
        HANDLE handle = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process);
        if (handle == nullptr || !QueryFullProcessImageNameW(handle, 0, path, &length)) path[0] = 0;
        if (handle != nullptr) CloseHandle(handle);
        Print("clock visible=" + Bit(IsWindowVisible(clock)) + " exe=" + Utf8(path));
    }
    Print("clocks=" + Num(count));
    return true;
}

// Takes the clock's icon away, as a shell that restarts forgets it.
bool TrayDelete() {
    NOTIFYICONDATAA record{};
    record.cbSize = NOTIFYICONDATAA_V1_SIZE;
    record.hWnd = Clock();
    record.uID = 1;
    return Shell_NotifyIconA(NIM_DELETE, &record) != FALSE;
}

// A message (a number or a registered name) to every top-level window or the clock, sent or posted.
bool Send(bool post, const wchar_t* to, const wchar_t* message, const wchar_t* wParam,
          const wchar_t* lParam) {
    wchar_t* end = nullptr;
    UINT number = static_cast<UINT>(std::wcstoul(message, &end, 0));
    if (*end != L'\0') number = RegisterWindowMessageW(message);
    HWND target = std::wcscmp(to, L"all") == 0 ? HWND_BROADCAST : Clock();
    const WPARAM w = std::wcstoul(wParam, nullptr, 0);
    const LPARAM l = static_cast<LPARAM>(std::wcstoul(lParam, nullptr, 0));
    if (target == nullptr) return false;
    if (post) return PostMessageW(target, number, w, l) != FALSE;
    return SendMessageTimeoutW(target, number, w, l, SMTO_ABORTIFHUNG, 5000, nullptr) != 0;
}

// Holds a closing clock's folder mutex, or a file sharing nothing, for a while.
bool Hold(const wchar_t* what, const wchar_t* path, const wchar_t* milliseconds) {
    // Wine's desktop up first, kept up by this process: starting it can take seconds.
    GetDesktopWindow();
    HANDLE held = nullptr;
    if (std::wcscmp(what, L"folder") == 0)
        held = CreateMutexW(nullptr, TRUE, FolderMutexName(FolderKey(path)).c_str());
    if (held != nullptr && GetLastError() == ERROR_ALREADY_EXISTS)
        CloseHandle(held), held = nullptr;
    if (std::wcscmp(what, L"file") == 0) {
        held = CreateFileW(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        if (held == INVALID_HANDLE_VALUE) held = nullptr;
    }
    Print("held=" + Bit(held != nullptr));
    std::fflush(stdout);
    if (held == nullptr) return false;
    Sleep(static_cast<DWORD>(std::wcstoul(milliseconds, nullptr, 10)));
    ReleaseMutex(held);
    return CloseHandle(held) != FALSE;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring command = argc > 1 ? argv[1] : L"";
    bool done = false;
    if (command == L"dump") done = Dump();
    if (command == L"popups") done = EnumWindows(PrintPopup, (LPARAM)Clock());
    if (command == L"clocks") done = Clocks();
    if (command == L"tray-delete") done = TrayDelete();
    if ((command == L"send" || command == L"post") && argc >= 4)
        done = Send(command == L"post", argv[2], argv[3], argc > 4 ? argv[4] : L"0",
                    argc > 5 ? argv[5] : L"0");
    if (command == L"hold" && argc == 5) done = Hold(argv[2], argv[3], argv[4]);
    std::fflush(stdout);
    return done ? 0 : 1;
}
