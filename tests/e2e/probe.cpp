// A look from outside at the running clock, the way another program on the desktop sees it:
// its window, controls, lists and message box through ordinary window messages, and the tray
// through the same notification calls any program can make. The end-to-end script runs it
// under Wine beside Gorvandel.exe and reads the lines it prints.
// <windows.h> must come first.
// clang-format off
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>
// clang-format on

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/win32/folder_key.h"
#include "platform/win32/names.h"

namespace {

std::string Utf8(const std::wstring& wide) {
    if (wide.empty()) return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), out.data(), size,
                        nullptr, nullptr);
    return out;
}

void Print(const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
}

std::string Text(HWND window) {
    wchar_t text[512] = {};
    // WM_GETTEXT is carried across processes; GetWindowText would not ask another process.
    SendMessageTimeoutW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_BLOCK, 2000,
                        nullptr);
    return Utf8(text);
}

std::string ClassOf(HWND window) {
    wchar_t name[128] = {};
    GetClassNameW(window, name, 128);
    return Utf8(name);
}

using gv::win32::kFormClass;

HWND FindForm() { return FindWindowW(kFormClass, nullptr); }

std::string Rect(const RECT& r) {
    char text[96];
    std::snprintf(text, sizeof text, "%ld,%ld,%ld,%ld", static_cast<long>(r.left),
                  static_cast<long>(r.top), static_cast<long>(r.right - r.left),
                  static_cast<long>(r.bottom - r.top));
    return text;
}

BOOL CALLBACK FindOpenList(HWND window, LPARAM param) {
    if (ClassOf(window) != "ComboLBox" || !IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND*>(param) = window;
    return FALSE;
}

// A combo box's list is a top-level window of its own while it is open.
HWND OpenList() {
    HWND open = nullptr;
    EnumWindows(FindOpenList, reinterpret_cast<LPARAM>(&open));
    return open;
}

void DumpCombo(const char* name, HWND combo) {
    const auto count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    std::string items;
    for (int i = 0; i < count; ++i) {
        wchar_t text[256] = {};
        const auto length = SendMessageW(combo, CB_GETLBTEXTLEN, i, 0);
        if (length >= 0 && length < 256)
            SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        if (i > 0) items += "|";
        items += Utf8(text);
    }
    Print(std::string(name) + ".items=" + items);
    Print(std::string(name) +
          ".selected=" + std::to_string(static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0))));
    Print(std::string(name) + ".enabled=" + (IsWindowEnabled(combo) ? "1" : "0"));
    // The open list's height in items: opened for a moment, measured, closed again. A
    // disabled list does not open.
    if (!IsWindowEnabled(combo)) return;
    SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
    RECT list{};
    if (HWND open = OpenList(); open != nullptr) GetClientRect(open, &list);
    SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
    const auto item = static_cast<int>(SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0));
    Print(std::string(name) +
          ".list_rows=" + std::to_string(item > 0 ? (list.bottom - list.top) / item : 0));
}

int Dump() {
    HWND form = FindForm();
    if (form == nullptr) {
        Print("form=none");
        return 1;
    }
    Print("form=found");
    Print("caption=" + Text(form));
    Print(std::string("visible=") + (IsWindowVisible(form) ? "1" : "0"));
    const LONG style = GetWindowLongW(form, GWL_STYLE);
    const LONG exStyle = GetWindowLongW(form, GWL_EXSTYLE);
    Print(std::string("topmost=") + ((exStyle & WS_EX_TOPMOST) ? "1" : "0"));
    Print(std::string("caption_bar=") + ((style & WS_CAPTION) == WS_CAPTION ? "1" : "0"));
    Print(std::string("system_menu=") + ((style & WS_SYSMENU) ? "1" : "0"));
    Print(std::string("minimize_box=") + ((style & WS_MINIMIZEBOX) ? "1" : "0"));
    Print(std::string("maximize_box=") + ((style & WS_MAXIMIZEBOX) ? "1" : "0"));
    Print(std::string("sizing_border=") + ((style & WS_THICKFRAME) ? "1" : "0"));
    Print(std::string("has_menu=") + (GetMenu(form) != nullptr ? "1" : "0"));
    // An owned window that does not ask for WS_EX_APPWINDOW gets no taskbar button.
    const HWND owner = GetWindow(form, GW_OWNER);
    Print(std::string("taskbar_button=") +
          ((owner == nullptr || (exStyle & WS_EX_APPWINDOW)) ? "1" : "0"));
    RECT outer{};
    GetWindowRect(form, &outer);
    Print("window=" + Rect(outer));
    Print("window_right=" + std::to_string(outer.right));
    Print("window_bottom=" + std::to_string(outer.bottom));
    RECT client{};
    GetClientRect(form, &client);
    Print("client=" + Rect(client));
    POINT origin{0, 0};
    ClientToScreen(form, &origin);
    Print("client_origin=" + std::to_string(origin.x) + "," + std::to_string(origin.y));
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    Print("work_right=" + std::to_string(work.right));
    Print("work_bottom=" + std::to_string(work.bottom));

    // Every child: identifier, class, text and place in client pixels.
    for (HWND child = GetWindow(form, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        RECT r{};
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, form, reinterpret_cast<POINT*>(&r), 2);
        const LONG childStyle = GetWindowLongW(child, GWL_STYLE);
        std::string line = "control id=" + std::to_string(GetDlgCtrlID(child)) +
                           " class=" + ClassOf(child) + " rect=" + Rect(r) +
                           " tabstop=" + ((childStyle & WS_TABSTOP) ? "1" : "0");
        if (ClassOf(child) == "Edit")
            line += std::string(" centred=") + ((childStyle & ES_CENTER) ? "1" : "0");
        if (ClassOf(child) == "Static")
            line += std::string(" notify=") + ((childStyle & SS_NOTIFY) ? "1" : "0");
        if (ClassOf(child) == "ComboBox")
            line += std::string(" dropdown=") + ((childStyle & 3) == CBS_DROPDOWN ? "1" : "0");
        line += " text=" + Text(child);
        Print(line);
        if (ClassOf(child) == "ComboBox") {
            DumpCombo(GetDlgCtrlID(child) == 104 ? "combo1" : "combo2", child);
        }
    }

    // The keyboard's way round the window, starting from the interval box.
    HWND first = GetNextDlgTabItem(form, nullptr, FALSE);
    std::string order;
    HWND item = first;
    for (int i = 0; i < 10 && item != nullptr; ++i) {
        if (!order.empty()) order += ",";
        order += ClassOf(item) + ":" + Text(item);
        item = GetNextDlgTabItem(form, item, FALSE);
        if (item == first) break;
    }
    Print("tab_order=" + order);
    return 0;
}

// The font a control draws with, as this process can use it: a copy of the control's own when its
// description can be read from here, else the message font for the screen's DPI. Says which.
HFONT FontOf(HWND control, int dpi, std::string& source) {
    const auto own = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    LOGFONTW logical{};
    if (own != nullptr && GetObjectW(own, sizeof logical, &logical) == sizeof logical) {
        source = "control";
        return CreateFontIndirectW(&logical);
    }
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    using ForDpi = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);
    const auto forDpi = reinterpret_cast<ForDpi>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "SystemParametersInfoForDpi")));
    if (forDpi != nullptr &&
        forDpi(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0, static_cast<UINT>(dpi))) {
        source = "message";
        return CreateFontIndirectW(&metrics.lfMessageFont);
    }
    source = "none";
    return nullptr;
}

// Every text of the window measured in its control's font against the control's client area
// (inside the edit box's sunken edge).
int Texts() {
    HWND form = FindForm();
    if (form == nullptr) return 1;
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    Print("dpi=" + std::to_string(dpi));
    for (HWND child = GetWindow(form, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        const std::string cls = ClassOf(child);
        if (cls != "Static" && cls != "Button" && cls != "Edit") continue;
        wchar_t text[512] = {};
        SendMessageTimeoutW(child, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_BLOCK,
                            2000, nullptr);
        const int length = static_cast<int>(wcslen(text));
        if (length == 0) continue;
        std::string source;
        HFONT font = FontOf(child, dpi, source);
        HGDIOBJ old = SelectObject(screen, font != nullptr ? font : GetStockObject(SYSTEM_FONT));
        SIZE extent{};
        GetTextExtentPoint32W(screen, text, length, &extent);
        SelectObject(screen, old);
        if (font != nullptr) DeleteObject(font);
        RECT client{};
        GetClientRect(child, &client);
        Print("text id=" + std::to_string(GetDlgCtrlID(child)) + " class=" + cls +
              " extent=" + std::to_string(extent.cx) + "x" + std::to_string(extent.cy) +
              " client=" + std::to_string(client.right) + "x" + std::to_string(client.bottom) +
              " font=" + source + " text=" + Utf8(text));
    }
    ReleaseDC(nullptr, screen);
    return 0;
}

struct BoxSearch {
    HWND form;
    std::vector<HWND> boxes;
};

BOOL CALLBACK CollectBox(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<BoxSearch*>(param);
    if (ClassOf(window) == "#32770" && GetWindow(window, GW_OWNER) == search->form &&
        IsWindowVisible(window))
        search->boxes.push_back(window);
    return TRUE;
}

BOOL CALLBACK PrintBoxText(HWND child, LPARAM) {
    if (ClassOf(child) == "Static" && !Text(child).empty()) Print("box.text=" + Text(child));
    if (ClassOf(child) == "Button") Print("box.button=" + Text(child));
    return TRUE;
}

// The dialogs the clock has open over its window (message box, colour dialog).
int Boxes() {
    BoxSearch search{FindForm(), {}};
    if (search.form == nullptr) return 1;
    EnumWindows(CollectBox, reinterpret_cast<LPARAM>(&search));
    Print("boxes=" + std::to_string(search.boxes.size()));
    for (HWND box : search.boxes) {
        Print("box.title=" + Text(box));
        EnumChildWindows(box, PrintBoxText, 0);
    }
    return 0;
}

BOOL CALLBACK PrintTip(HWND window, LPARAM) {
    if (ClassOf(window) == "tooltips_class32" && IsWindowVisible(window))
        Print("tip=" + Text(window));
    return TRUE;
}

// The tooltips on screen (the tray shows the icon's while the mouse rests on it).
int Tips() {
    EnumWindows(PrintTip, 0);
    return 0;
}

int TrayDelete() {
    HWND form = FindForm();
    if (form == nullptr) return 1;
    NOTIFYICONDATAA record{};
    record.cbSize = NOTIFYICONDATAA_V1_SIZE;
    record.hWnd = form;
    record.uID = 1;
    const BOOL done = Shell_NotifyIconA(NIM_DELETE, &record);
    Print(std::string("deleted=") + (done ? "1" : "0"));
    return done ? 0 : 1;
}

int TaskbarCreated() {
    const UINT message = RegisterWindowMessageW(gv::win32::kTaskbarCreatedMessage);
    const BOOL done = PostMessageW(HWND_BROADCAST, message, 0, 0);
    Print(std::string("broadcast=") + (done ? "1" : "0"));
    return done ? 0 : 1;
}

// Puts the window's top-left corner at (x, y) of the screen without activating it.
// Tells the window that its DPI changed, as the system does when the window moves to another
// monitor. The system's suggested rectangle is a pointer into its own memory; none is sent, so
// the window keeps its place and takes the size its layout gives it.
int DpiChanged(int dpi) {
    HWND form = FindForm();
    if (form == nullptr) return 1;
    DWORD_PTR answer = 0;
    return SendMessageTimeoutW(form, 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(dpi, dpi), 0,
                               SMTO_BLOCK, 5000, &answer)
               ? 0
               : 1;
}

int Close() {
    HWND form = FindForm();
    if (form == nullptr) return 1;
    return PostMessageW(form, WM_CLOSE, 0, 0) ? 0 : 1;
}

// A system event sent to every top-level window, hidden ones too, as the system sends it.
int Broadcast(UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR answer = 0;
    const LRESULT done = SendMessageTimeoutW(HWND_BROADCAST, message, wParam, lParam,
                                             SMTO_ABORTIFHUNG, 5000, &answer);
    Print(std::string("broadcast=") + (done ? "1" : "0"));
    return done ? 0 : 1;
}

// Every running clock's settings window: shown or not, and the program it belongs to.
int Forms() {
    int count = 0;
    for (HWND form = FindWindowExW(nullptr, nullptr, kFormClass, nullptr); form != nullptr;
         form = FindWindowExW(nullptr, form, kFormClass, nullptr)) {
        ++count;
        DWORD process = 0;
        GetWindowThreadProcessId(form, &process);
        std::wstring path(1024, L'\0');
        DWORD length = static_cast<DWORD>(path.size());
        HANDLE handle = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process);
        if (handle == nullptr || !QueryFullProcessImageNameW(handle, 0, path.data(), &length))
            length = 0;
        if (handle != nullptr) CloseHandle(handle);
        path.resize(length);
        Print(std::string("form visible=") + (IsWindowVisible(form) ? "1" : "0") +
              " exe=" + Utf8(path));
    }
    Print("forms=" + std::to_string(count));
    return 0;
}

// Holds the mutex of the clock of FOLDER for MILLISECONDS, with no window: what a later start
// meets while that clock is in its last steps of closing.
int HoldFolder(const char* folder, const char* milliseconds) {
    std::wstring wide(std::strlen(folder) + 1, L'\0');
    const int length =
        MultiByteToWideChar(CP_UTF8, 0, folder, -1, wide.data(), static_cast<int>(wide.size()));
    if (length <= 0) return 1;
    wide.resize(static_cast<std::size_t>(length - 1));
    HANDLE mutex =
        CreateMutexW(nullptr, TRUE, gv::win32::FolderMutexName(gv::win32::FolderKey(wide)).c_str());
    if (mutex == nullptr || GetLastError() == ERROR_ALREADY_EXISTS) {
        Print("held=0");
        return 1;
    }
    Print("held=1");
    std::fflush(stdout);
    Sleep(static_cast<DWORD>(std::atoi(milliseconds)));
    ReleaseMutex(mutex);
    CloseHandle(mutex);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        Print(
            "usage: probe dump|texts|boxes|tips|tray-delete|taskbar-created|close|"
            "dpi-changed DPI|forms|broadcast-timechange|broadcast-resume|"
            "broadcast-resume-suspend|broadcast-suspend|hold-folder FOLDER MILLISECONDS");
        return 2;
    }
    const std::string command = argv[1];
    int result = 2;
    if (command == "dump") result = Dump();
    if (command == "texts") result = Texts();
    if (command == "boxes") result = Boxes();
    if (command == "tips") result = Tips();
    if (command == "tray-delete") result = TrayDelete();
    if (command == "taskbar-created") result = TaskbarCreated();
    if (command == "close") result = Close();
    if (command == "dpi-changed" && argc == 3) result = DpiChanged(std::atoi(argv[2]));
    if (command == "forms") result = Forms();
    if (command == "broadcast-timechange") result = Broadcast(WM_TIMECHANGE, 0, 0);
    if (command == "broadcast-resume")
        result = Broadcast(WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 0);
    if (command == "broadcast-resume-suspend")
        result = Broadcast(WM_POWERBROADCAST, PBT_APMRESUMESUSPEND, 0);
    if (command == "broadcast-suspend") result = Broadcast(WM_POWERBROADCAST, PBT_APMSUSPEND, 0);
    if (command == "hold-folder" && argc == 4) result = HoldFolder(argv[2], argv[3]);
    std::fflush(stdout);
    return result;
}
