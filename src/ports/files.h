#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace gv {

class InputFile {
  public:
    virtual ~InputFile() = default;
    // Up to `size` bytes; 0 at the end of the file or on a read error.
    virtual std::size_t Read(char* buffer, std::size_t size) = 0;
};

// Paths are UTF-8 here; the Windows layer uses wide-character calls, so a folder name outside
// the ANSI code page works.
class FileSystem {
  public:
    virtual ~FileSystem() = default;
    // The executable's directory as the system reports it (a drive's root ends in "\").
    virtual std::string ExecutableDirectory() = 0;
    // True only for an existing ordinary file: not a directory, not hidden, not system.
    virtual bool IsOrdinaryFile(std::string_view path) = 0;
    // Null when the file cannot be opened.
    virtual std::unique_ptr<InputFile> OpenForReading(std::string_view path) = 0;
    // Whole or nothing: write `bytes` to a temporary file beside `path`, flush it, then put it
    // in place of `path` in one step (on Windows MoveFileExW with MOVEFILE_REPLACE_EXISTING |
    // MOVEFILE_WRITE_THROUGH); remove the temporary file on any failure. When this returns
    // false, `path` holds exactly what it held before.
    virtual bool WriteWhole(std::string_view path, std::string_view bytes) = 0;
};

}  // namespace gv
