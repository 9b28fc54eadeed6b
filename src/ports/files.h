#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace gv {

// A file's bytes as the file system gave them. "Absent" and "unreadable" are told apart, as
// they ask for opposite things: a file that is not there may be written, while one that is
// there but could not be read (locked by a backup or a scan, a placeholder of a cloud folder
// that could not be fetched) holds settings that must not be overwritten.
struct FileContents {
    enum class Status { Read, Absent, Unreadable };
    Status status = Status::Absent;
    std::string bytes;  // what was read, when Read
};

// Paths are UTF-8 here; the Windows code uses wide-character calls, so a folder name outside
// the ANSI code page works.
class FileSystem {
  public:
    virtual ~FileSystem() = default;
    // The executable's directory as the system reports it (a drive's root ends in "\").
    virtual std::string ExecutableDirectory() = 0;
    // True only for an existing ordinary file: not a directory, not hidden, not system.
    virtual bool IsOrdinaryFile(std::string_view path) = 0;
    // At most `maxBytes` of the file, read while sharing it with every other reader and writer.
    // A directory of that name counts as no file.
    virtual FileContents Read(std::string_view path, std::size_t maxBytes) = 0;
    // Whole or nothing: write `bytes` to a temporary file beside `path`, flush it, then put it
    // in place of `path` in one step (on Windows MoveFileExW with MOVEFILE_REPLACE_EXISTING |
    // MOVEFILE_WRITE_THROUGH); remove the temporary file on any failure. When this returns
    // false, `path` holds exactly what it held before.
    virtual bool WriteWhole(std::string_view path, std::string_view bytes) = 0;
};

}  // namespace gv
