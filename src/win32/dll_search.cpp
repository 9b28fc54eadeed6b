#include "win32/dll_search.h"

#include "win32/windows_api.h"

namespace gv::win32 {

void LoadDllsOnlyFromSystem() {
    using SetDirectories = BOOL(WINAPI*)(DWORD);
    HMODULE kernel32 = GetModuleHandleW(L"kernel32.dll");
    if (kernel32 == nullptr) return;
    // Through void*, so that the compiler does not warn about the cast between function types.
    void* const address =
        reinterpret_cast<void*>(GetProcAddress(kernel32, "SetDefaultDllDirectories"));
    if (address == nullptr) return;
    constexpr DWORD kSearchSystem32 = 0x00000800;  // LOAD_LIBRARY_SEARCH_SYSTEM32
    reinterpret_cast<SetDirectories>(address)(kSearchSystem32);
}

}  // namespace gv::win32
