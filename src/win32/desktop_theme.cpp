#include "win32/desktop_theme.h"

#include "win32/windows_api.h"

namespace gv::win32 {
namespace {

// GetVersionEx answers 6.2 to a program whose manifest does not name the running release;
// RtlGetVersion tells the truth. It is looked up at run time, as ntdll has no import library
// in the build.
using RtlGetVersionFunction = LONG(WINAPI*)(OSVERSIONINFOW*);

void ReadVersion(ThemeFacts& facts) {
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    if (ntdll == nullptr) return;
    void* const address = reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetVersion"));
    const auto getVersion = reinterpret_cast<RtlGetVersionFunction>(address);
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
    if (getVersion == nullptr || getVersion(&info) != 0) return;
    facts.majorVersion = info.dwMajorVersion;
    facts.build = info.dwBuildNumber;
}

}  // namespace

ThemeFacts Win32DesktopTheme::Read() {
    ThemeFacts facts;
    DWORD value = 0;
    DWORD size = sizeof value;
    const LSTATUS status = RegGetValueW(
        HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize",
        L"SystemUsesLightTheme", RRF_RT_REG_DWORD, nullptr, &value, &size);
    if (status == ERROR_SUCCESS) {
        facts.setting = ThemeFacts::Setting::Present;
        facts.lightTheme = value;
    } else if (status == ERROR_FILE_NOT_FOUND || status == ERROR_PATH_NOT_FOUND) {
        facts.setting = ThemeFacts::Setting::Missing;  // the value, or its key, is not there
    }
    ReadVersion(facts);
    return facts;
}

}  // namespace gv::win32
