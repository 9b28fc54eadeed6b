#pragma once

// Header only, so that the end-to-end probe can name a folder's mutex exactly as the clock does.

#include <cstdint>
#include <string>
#include <string_view>

#include "win32/handles.h"
#include "win32/names.h"
#include "win32/windows_api.h"

namespace gv::win32 {

// The path the file system itself gives an open folder: through a junction, a symbolic link, a
// subst or a mapped drive it is the one real folder. Empty when the system cannot tell.
inline std::wstring FinalPath(const std::wstring& folder) {
    const UniqueFile handle(CreateFileW(folder.c_str(), FILE_READ_ATTRIBUTES,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS,
                                        nullptr));
    if (!handle) return {};
    std::wstring path(MAX_PATH, L'\0');
    DWORD length =
        GetFinalPathNameByHandleW(handle.Get(), path.data(), static_cast<DWORD>(path.size()),
                                  FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (length >= path.size() && length < 32768) {
        path.resize(length + 1);
        length =
            GetFinalPathNameByHandleW(handle.Get(), path.data(), static_cast<DWORD>(path.size()),
                                      FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    }
    if (length == 0 || length >= path.size()) return {};
    path.resize(length);
    // "\\?\C:\..." for a drive, "\\?\UNC\server\share\..." for a share.
    constexpr std::wstring_view kUnc = L"\\\\?\\UNC\\";
    constexpr std::wstring_view kLocal = L"\\\\?\\";
    if (path.starts_with(kUnc)) return L"\\\\" + path.substr(kUnc.size());
    if (path.starts_with(kLocal)) return path.substr(kLocal.size());
    return path;
}

// A folder as the clocks compare it: its final path (the same folder reached through a link or
// another drive letter is the same folder), else the full path with long names (a short 8.3
// spelling is the same folder); upper-cased as the file system compares names, without a
// trailing backslash.
inline std::wstring FolderKey(std::wstring folder) {
    if (std::wstring real = FinalPath(folder); !real.empty()) {
        folder = std::move(real);
    } else if (const DWORD size = GetLongPathNameW(folder.c_str(), nullptr, 0); size > 0) {
        std::wstring longer(size, L'\0');
        const DWORD length = GetLongPathNameW(folder.c_str(), longer.data(), size);
        if (length > 0 && length < size) folder.assign(longer, 0, length);
    }
    while (folder.size() > 1 && folder.back() == L'\\') folder.pop_back();
    if (!folder.empty()) CharUpperBuffW(folder.data(), static_cast<DWORD>(folder.size()));
    return folder;
}

// The full path of the running executable; empty when the system cannot tell.
inline std::wstring ExecutablePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        if (path.size() >= 32768) return {};  // longer than any path can be
        path.resize(path.size() * 2);
    }
}

// The folder of the running executable, where its settings file lives; empty when the system
// cannot tell.
inline std::wstring ExecutableFolderKey() {
    std::wstring path = ExecutablePath();
    const std::size_t slash = path.find_last_of(L'\\');
    if (slash == std::wstring::npos) return {};
    path.resize(slash);
    return FolderKey(std::move(path));
}

// 64-bit FNV-1a over the key's UTF-16 code units: a path can be far longer than an object name
// may be, and a hash of it fits any name.
inline std::uint64_t FolderHash(std::wstring_view key) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const wchar_t unit : key) {
        hash ^= static_cast<std::uint16_t>(unit);
        hash *= 1099511628211ull;
    }
    return hash;
}

inline std::wstring FolderMutexName(std::wstring_view key) {
    static constexpr wchar_t kHex[] = L"0123456789ABCDEF";
    std::wstring name = kFolderMutexPrefix;
    const std::uint64_t hash = FolderHash(key);
    for (int shift = 60; shift >= 0; shift -= 4) name += kHex[(hash >> shift) & 0xF];
    return name;
}

// What a second start sends along, so that only the clock of its own folder answers. It fits
// a message's wParam on 32-bit Windows too.
inline std::uint32_t FolderTag(std::wstring_view key) {
    const std::uint64_t hash = FolderHash(key);
    return static_cast<std::uint32_t>(hash ^ (hash >> 32));
}

}  // namespace gv::win32
