#pragma once

#include <cstdint>

// The names by which other programs, and other starts of this one, find the running clock. The
// end-to-end probe includes this header too, so that each name is spelled once.
namespace gv::win32 {

// Window classes: the never-shown owner that keeps the settings window off the taskbar, the
// settings window, and its preview.
inline constexpr wchar_t kOwnerClass[] = L"GorvandelOwner";
inline constexpr wchar_t kSettingsWindowClass[] = L"GorvandelSettings";
inline constexpr wchar_t kPreviewClass[] = L"GorvandelPreview";

// Registered by the shell, broadcast when the taskbar is created anew.
inline constexpr wchar_t kTaskbarCreatedMessage[] = L"TaskbarCreated";

// Sent by a second start to the settings windows of running clocks, with the tag of its folder
// (FolderTag) as wParam. The clock of that folder comes forward and answers kSecondStartTaken;
// any other answer means "not taken".
inline constexpr wchar_t kSecondStartMessage[] = L"Gorvandel.SecondStart";
inline constexpr std::intptr_t kSecondStartTaken = 0x47764F4B;

// The mutex held by the clock of a folder, in the session's own namespace: this prefix and the
// folder's hash (FolderMutexName).
inline constexpr wchar_t kFolderMutexPrefix[] = L"Local\\Gorvandel.Folder.";

}  // namespace gv::win32
