#pragma once

#include "ports/code_page.h"
#include "ports/files.h"

namespace gv::win32 {

class Win32FileSystem final : public FileSystem {
  public:
    std::string ExecutableDirectory() override;
    bool IsOrdinaryFile(std::string_view path) override;
    FileContents Read(std::string_view path, std::size_t maxBytes) override;
    WriteStatus WriteWhole(std::string_view path, std::string_view bytes) override;
};

class Win32CodePage final : public CodePage {
  public:
    void ToAnsi(std::string_view utf8, std::string& out) override;
    std::string FromAnsi(std::string_view bytes) override;
};

}  // namespace gv::win32
