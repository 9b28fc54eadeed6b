#pragma once

#include <string>
#include <vector>

#include "ports/code_page.h"

namespace gv::fake {

// A double-byte code page in miniature: ASCII one byte, other characters two (lead from 0x81,
// trail from 0x40) as they are met; no character becomes '?', and reads back as U+FFFD.
class FakeCodePage final : public CodePage {
  public:
    // Room for the few dozen characters the tests meet: a refresh must never allocate.
    FakeCodePage() { characters_.reserve(64); }
    void ToAnsi(std::string_view utf8, std::string& out) override;
    std::string FromAnsi(std::string_view bytes) override;

  private:
    std::vector<std::string> characters_;
};

}  // namespace gv::fake
