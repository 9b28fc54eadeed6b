#include "win32/file_system.h"

#include <algorithm>
#include <climits>

#include "win32/folder_key.h"
#include "win32/text_convert.h"
#include "win32/windows_api.h"

namespace gv::win32 {
namespace {

class HandleOwner {
  public:
    explicit HandleOwner(HANDLE handle) : handle_(handle) {}
    ~HandleOwner() { Close(); }
    HandleOwner(const HandleOwner&) = delete;
    HandleOwner& operator=(const HandleOwner&) = delete;

    HANDLE Get() const { return handle_; }
    bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    bool Close() {
        if (!Valid()) return true;
        const bool closed = CloseHandle(handle_) != 0;
        handle_ = INVALID_HANDLE_VALUE;
        return closed;
    }

  private:
    HANDLE handle_;
};

// The folder part of a path, without its last separator; empty when there is none.
std::wstring FolderOf(const std::wstring& path) {
    const auto cut = path.find_last_of(L"\\/");
    if (cut == std::wstring::npos) return {};
    if (cut == 0 || (cut == 2 && path[1] == L':')) return path.substr(0, cut + 1);
    return path.substr(0, cut);
}

bool WriteAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 20));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
        bytes.remove_prefix(written);
    }
    return true;
}

// Appends the UTF-16 of `bytes` in the ANSI code page; false, appending nothing, when any of
// them is not valid there.
bool AppendAnsiStrictly(std::string_view bytes, std::wstring& out) {
    const int length = static_cast<int>(bytes.size());
    const int needed =
        MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, bytes.data(), length, nullptr, 0);
    if (needed <= 0) return false;
    const std::size_t start = out.size();
    out.resize(start + static_cast<std::size_t>(needed));
    MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, bytes.data(), length, out.data() + start,
                        needed);
    return true;
}

}  // namespace

std::string Win32FileSystem::ExecutableDirectory() {
    std::wstring path = ExecutablePath();
    const auto cut = path.find_last_of(L'\\');
    if (cut == std::wstring::npos) return Narrow(path);
    // "C:\Gorvandel.exe" lives in "C:\", not in "C:".
    const bool driveRoot = cut == 2 && path[1] == L':';
    path.resize(driveRoot ? cut + 1 : cut);
    return Narrow(path);
}

bool Win32FileSystem::IsOrdinaryFile(std::string_view path) {
    const DWORD attributes = GetFileAttributesW(Widen(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return false;
    return (attributes &
            (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) == 0;
}

FileContents Win32FileSystem::Read(std::string_view path, std::size_t maxBytes) {
    const std::wstring name = Widen(path);
    const DWORD attributes = GetFileAttributesW(name.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return {FileContents::Status::Absent, {}};
    // Shared every way: the clock must never keep a backup, a sync or an editor out.
    HandleOwner file(CreateFileW(
        name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file.Valid()) {
        const DWORD error = GetLastError();
        const bool absent = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
        return {absent ? FileContents::Status::Absent : FileContents::Status::Unreadable, {}};
    }
    FileContents contents{FileContents::Status::Read, {}};
    char buffer[4096];
    while (contents.bytes.size() < maxBytes) {
        const DWORD wanted =
            static_cast<DWORD>(std::min(sizeof buffer, maxBytes - contents.bytes.size()));
        DWORD got = 0;
        if (!ReadFile(file.Get(), buffer, wanted, &got, nullptr)) {
            return {FileContents::Status::Unreadable, {}};
        }
        if (got == 0) break;
        contents.bytes.append(buffer, got);
    }
    return contents;
}

bool Win32FileSystem::WriteWhole(std::string_view path, std::string_view bytes) {
    const std::wstring target = Widen(path);
    if (target.empty()) return false;
    std::wstring folder = FolderOf(target);
    if (folder.empty()) folder = L".";

    // A temporary file in the same folder, so the final move is a rename on one volume.
    wchar_t temporary[MAX_PATH + 16] = {};
    if (GetTempFileNameW(folder.c_str(), L"gv", 0, temporary) == 0) return false;

    bool written = false;
    {
        HandleOwner file(CreateFileW(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                     FILE_ATTRIBUTE_NORMAL, nullptr));
        written = file.Valid() && WriteAll(file.Get(), bytes) && FlushFileBuffers(file.Get());
        written = file.Close() && written;
    }
    if (written && MoveFileExW(temporary, target.c_str(),
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return true;
    }
    DeleteFileW(temporary);
    return false;
}

void Win32CodePage::ToAnsi(std::string_view utf8, std::string& out) {
    // Every ANSI code page keeps ASCII as it is; the tooltip is mostly digits and signs, and
    // it is converted character by character at every refresh.
    if (std::all_of(utf8.begin(), utf8.end(), [](char c) { return (c & 0x80) == 0; })) {
        out.append(utf8);
        return;
    }
    const std::wstring wide = Widen(utf8);
    if (wide.empty() || wide.size() > INT_MAX) return;
    const int length = static_cast<int>(wide.size());
    const int needed =
        WideCharToMultiByte(CP_ACP, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
    if (needed <= 0) return;
    const std::size_t start = out.size();
    out.resize(start + static_cast<std::size_t>(needed));
    WideCharToMultiByte(CP_ACP, 0, wide.data(), length, out.data() + start, needed, nullptr,
                        nullptr);
}

std::string Win32CodePage::FromAnsi(std::string_view bytes) {
    if (bytes.empty() || bytes.size() > INT_MAX) return {};
    std::wstring wide;
    if (AppendAnsiStrictly(bytes, wide)) return Narrow(wide);

    // Somewhere a byte sequence is not valid in the code page: go character by character (a
    // lead byte and its trail byte together) so that only the bad ones become U+FFFD.
    wide.clear();
    std::size_t at = 0;
    while (at < bytes.size()) {
        const bool lead = IsDBCSLeadByteEx(CP_ACP, static_cast<BYTE>(bytes[at])) != FALSE;
        const std::size_t size = lead && at + 1 < bytes.size() ? 2 : 1;
        if (!AppendAnsiStrictly(bytes.substr(at, size), wide)) wide.push_back(L'\xFFFD');
        at += size;
    }
    return Narrow(wide);
}

}  // namespace gv::win32
