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

// What became of a write. A read-only file is the user's to keep: it is never written, and a
// write into it is not tried again.
enum class WriteStatus { Written, Failed, ReadOnly };

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
    // A directory of that name counts as no file; a name that is there but leads nowhere (a
    // link whose target is missing) is unreadable, never absent.
    virtual FileContents Read(std::string_view path, std::size_t maxBytes) = 0;
    // Writes `bytes` into the file the name leads to, whole or not at all: through a symbolic
    // link into its target, which keeps its attributes. On Windows: a temporary file beside the
    // target, flushed, then ReplaceFileW (MoveFileExW for a new file); a file with more than one
    // name (hard links) is written in place instead, so that it stays one file. Never writes a
    // read-only file, nor anything in place of a name that leads nowhere. On failure the file
    // holds what it held before, except after a failed write in place.
    virtual WriteStatus WriteWhole(std::string_view path, std::string_view bytes) = 0;
};

}  // namespace gv
