#include "win32/file_system.h"

#include <algorithm>
#include <climits>

#include "win32/folder_key.h"
#include "win32/handles.h"
#include "win32/text_convert.h"
#include "win32/windows_api.h"

namespace gv::win32 {
namespace {

// The folder part of a path, without its last separator; empty when there is none.
std::wstring FolderOf(const std::wstring& path) {
    const auto cut = path.find_last_of(L"\\/");
    if (cut == std::wstring::npos) return {};
    if (cut == 0 || (cut == 2 && path[1] == L':')) return path.substr(0, cut + 1);
    return path.substr(0, cut);
}

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

bool NotFound(DWORD error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

// Whether the name itself may be in its folder, its target not looked at: a symbolic link whose
// target is missing is there. Only a plain "not found" says it is not (Wine answers "no more
// files" for such a link, Windows gives the link's own entry).
bool NameMayExist(const std::wstring& name) {
    WIN32_FIND_DATAW found;
    const UniqueFileSearch search(FindFirstFileW(name.c_str(), &found));
    return search || !NotFound(GetLastError());
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
    UniqueFile file(CreateFileW(name.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file) {
        // A link to a drive that is not plugged in is not "no file": the close would put a file
        // of defaults in its place.
        const bool absent = NotFound(GetLastError()) && !NameMayExist(name);
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

namespace {

// A temporary file beside `target` (one volume, so that putting it in place is a rename)
// holding `bytes`, flushed; empty when it could not be made.
std::wstring TemporaryBeside(const std::wstring& target, std::string_view bytes) {
    std::wstring folder = FolderOf(target);
    if (folder.empty()) folder = L".";
    wchar_t temporary[MAX_PATH + 16] = {};
    if (GetTempFileNameW(folder.c_str(), L"gv", 0, temporary) == 0) return {};
    UniqueFile file(CreateFileW(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    const bool written = file && WriteAll(file.Get(), bytes) && FlushFileBuffers(file.Get());
    if (file.Reset() && written) return temporary;
    DeleteFileW(temporary);
    return {};
}

WriteStatus CreateWith(const std::wstring& name, std::string_view bytes) {
    const std::wstring temporary = TemporaryBeside(name, bytes);
    if (temporary.empty()) return WriteStatus::Failed;
    if (MoveFileExW(temporary.c_str(), name.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return WriteStatus::Written;
    }
    DeleteFileW(temporary.c_str());
    return WriteStatus::Failed;
}

// ReplaceFileW keeps the old file's attributes, security and streams.
WriteStatus ReplaceWith(const std::wstring& target, DWORD attributes, std::string_view bytes) {
    const std::wstring temporary = TemporaryBeside(target, bytes);
    if (temporary.empty()) return WriteStatus::Failed;
    // Wine's ReplaceFileW is a plain rename: the new file carries the attributes itself.
    constexpr DWORD kKept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    if ((attributes & kKept) != 0) SetFileAttributesW(temporary.c_str(), attributes & kKept);
    if (ReplaceFileW(target.c_str(), temporary.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                     nullptr, nullptr)) {
        return WriteStatus::Written;
    }
    // Without a backup name this error means that the old file is gone already: the new one
    // takes its place, or stays where it is as all that is left of the settings.
    if (GetLastError() == ERROR_UNABLE_TO_MOVE_REPLACEMENT) {
        return MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH)
                   ? WriteStatus::Written
                   : WriteStatus::Failed;
    }
    DeleteFileW(temporary.c_str());
    return WriteStatus::Failed;
}

// A file with more than one name is written where it is, so that every name keeps leading to
// it: emptied, written and flushed, shared with nobody meanwhile. Unlike a replacement this is
// not whole or nothing (see docs/robustness.md).
WriteStatus WriteInPlace(const std::wstring& target, std::string_view bytes) {
    // Emptied through the open handle: truncating as it opens is refused for a hidden file.
    UniqueFile file(CreateFileW(target.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    const bool written = file && SetEndOfFile(file.Get()) && WriteAll(file.Get(), bytes) &&
                         FlushFileBuffers(file.Get());
    return file.Reset() && written ? WriteStatus::Written : WriteStatus::Failed;
}

}  // namespace

WriteStatus Win32FileSystem::WriteWhole(std::string_view path, std::string_view bytes) {
    const std::wstring name = Widen(path);
    if (name.empty()) return WriteStatus::Failed;

    BY_HANDLE_FILE_INFORMATION info{};
    {
        UniqueFile file(CreateFileW(name.c_str(), FILE_READ_ATTRIBUTES, kShareAll, nullptr,
                                    OPEN_EXISTING, 0, nullptr));
        if (!file) {
            // No file yet: made under its name. A name that is there but leads nowhere now (a
            // link to a drive that is not plugged in) keeps its place.
            if (!NotFound(GetLastError()) || NameMayExist(name)) return WriteStatus::Failed;
            return CreateWith(name, bytes);
        }
        if (!GetFileInformationByHandle(file.Get(), &info)) return WriteStatus::Failed;
    }
    if ((info.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0) return WriteStatus::ReadOnly;

    // Through a symbolic link, the file it leads to: the link stays. When the system cannot
    // tell, only a name that is no link of any kind is written under its own name.
    std::wstring target = FinalPath(name);
    if (target.empty()) {
        const DWORD own = GetFileAttributesW(name.c_str());
        if (own == INVALID_FILE_ATTRIBUTES || (own & FILE_ATTRIBUTE_REPARSE_POINT) != 0)
            return WriteStatus::Failed;
        target = name;
    }
    if (info.nNumberOfLinks > 1) return WriteInPlace(target, bytes);
    return ReplaceWith(target, info.dwFileAttributes, bytes);
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
