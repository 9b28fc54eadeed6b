#include "win32/system_events.h"

#include <cwchar>

namespace gv::win32 {

bool IsResume(WPARAM event) {
    return event == PBT_APMRESUMEAUTOMATIC || event == PBT_APMRESUMESUSPEND;
}

bool IsRegionalChange(LPARAM section) {
    const auto* name = reinterpret_cast<const wchar_t*>(section);
    return name != nullptr && std::wcscmp(name, L"intl") == 0;
}

}  // namespace gv::win32
