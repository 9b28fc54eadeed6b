#pragma once

#include <string>
#include <string_view>

namespace gv {

// The system's ANSI code page (932 on a Japanese system).
class CodePage {
  public:
    virtual ~CodePage() = default;
    // Appends the code-page bytes of `utf8` to `out`; a character the code page lacks becomes
    // the code page's default character.
    virtual void ToAnsi(std::string_view utf8, std::string& out) = 0;
    // Bytes invalid in the code page become the replacement character; never fails.
    virtual std::string FromAnsi(std::string_view bytes) = 0;
};

}  // namespace gv
