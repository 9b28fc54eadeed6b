#pragma once

#include <string>
#include <vector>

#include "ports/code_page.h"

namespace gv::fake {

// A double-byte code page in miniature: ASCII stays one byte, every other character takes two
// (a lead byte from 0x81, a trail byte from 0x40), assigned as characters are met. What is no
// character becomes '?'; bytes that are no character read back as U+FFFD, a lead and a trail
// byte as one, as a real code page reads a pair it has no character for.
class FakeCodePage final : public CodePage {
  public:
    // Room for the few dozen characters the tests meet, so that a refresh never allocates; no
    // more, as every fake platform makes one (a fuzzer, one for each input).
    FakeCodePage() { characters_.reserve(64); }
    void ToAnsi(std::string_view utf8, std::string& out) override;
    std::string FromAnsi(std::string_view bytes) override;

  private:
    std::vector<std::string> characters_;
};

}  // namespace gv::fake
