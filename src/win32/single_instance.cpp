#include "win32/single_instance.h"

#include "win32/folder_key.h"
#include "win32/names.h"

namespace gv::win32 {
namespace {

// How long a hung clock gets to answer.
constexpr UINT kAnswerMilliseconds = 2000;
// How long a start waits for a clock that is loading or closing to answer or to end.
constexpr ULONGLONG kWaitMilliseconds = 5000;
constexpr DWORD kRetryMilliseconds = 100;

enum class Answer { Taken, Hung, None };

// Asks every running clock's settings window; only the one of the tagged folder takes it.
// Windows of other folders' clocks are asked too, as nothing else tells them apart.
Answer AskRunningClocks(UINT message, std::uint32_t tag) {
    bool hung = false;
    for (HWND window = FindWindowExW(nullptr, nullptr, kSettingsWindowClass, nullptr);
         window != nullptr;
         window = FindWindowExW(nullptr, window, kSettingsWindowClass, nullptr)) {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        // Only a process that has the foreground may hand it on; without this the running clock
        // could not take it and its window would come up behind the others.
        AllowSetForegroundWindow(process);
        DWORD_PTR answer = 0;
        if (SendMessageTimeoutW(window, message, tag, 0, SMTO_BLOCK | SMTO_ABORTIFHUNG,
                                kAnswerMilliseconds, &answer) == 0) {
            if (IsWindow(window)) hung = true;  // else it closed meanwhile
            continue;
        }
        if (static_cast<std::intptr_t>(answer) == kSecondStartTaken) return Answer::Taken;
    }
    return hung ? Answer::Hung : Answer::None;
}

}  // namespace

bool FolderClaim::Claim() {
    const std::wstring key = ExecutableFolderKey();
    // Without a folder there is nothing to tell another clock by: run as ever.
    if (key.empty()) return true;
    const std::wstring name = FolderMutexName(key);
    const UINT message = RegisterWindowMessageW(kSecondStartMessage);
    const std::uint32_t tag = FolderTag(key);
    const ULONGLONG deadline = GetTickCount64() + kWaitMilliseconds;
    for (;;) {
        if (!mutex_) {
            HANDLE created = CreateMutexW(nullptr, TRUE, name.c_str());
            const DWORD error = GetLastError();
            mutex_.Reset(created);
            if (mutex_ && error != ERROR_ALREADY_EXISTS) break;
            // Denied: a clock of this folder runs with rights this start lacks (started
            // elevated), and holds the mutex. Any other failure leaves nothing to tell a clock
            // by: run as ever.
            if (!mutex_ && error != ERROR_ACCESS_DENIED) return true;
        }
        if (mutex_) {
            const DWORD wait = WaitForSingleObject(mutex_.Get(), 0);
            // An abandoned mutex is owned all the same: its clock ended without letting it go.
            if (wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED) break;
        }
        // A clock runs here. It may be starting (no window yet, or one that does not answer
        // yet) or closing (its settings being written, its window going): ask again until it
        // answers or lets the folder go.
        if (message != 0 && AskRunningClocks(message, tag) != Answer::None) return false;
        if (GetTickCount64() >= deadline) return false;
        if (!mutex_) {
            Sleep(kRetryMilliseconds);
            continue;
        }
        const DWORD later = WaitForSingleObject(mutex_.Get(), kRetryMilliseconds);
        if (later == WAIT_OBJECT_0 || later == WAIT_ABANDONED) break;
    }
    owned_ = true;
    return true;
}

void FolderClaim::Release() {
    // Let go before the handle closes, so that a waiting start finds it released, not abandoned.
    if (owned_) ReleaseMutex(mutex_.Get());
    owned_ = false;
    mutex_.Reset();
}

bool IsThisFolder(WPARAM tag) {
    const std::wstring key = ExecutableFolderKey();
    return !key.empty() && tag == FolderTag(key);
}

}  // namespace gv::win32
