#include "fake/fake_code_page.h"

#include <algorithm>

#include "base/text.h"

namespace gv::fake {

void FakeCodePage::ToAnsi(std::string_view utf8, std::string& out) {
    for (std::size_t i = 0, n = 1; i < utf8.size(); i += n) {
        n = Utf8SequenceLength(utf8, i);
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if (n == 1 || n < 2u + (lead >= 0xE0) + (lead >= 0xF0)) {
            out += lead < 0x80 ? utf8[i] : '?';  // ASCII, or no whole character
            continue;
        }
        auto it = std::find(characters_.begin(), characters_.end(), utf8.substr(i, n));
        if (it == characters_.end()) it = characters_.emplace(it, utf8.substr(i, n));
        const auto index = static_cast<unsigned>(it - characters_.begin());
        out += static_cast<char>(0x81 + index / 64 % 31);  // the tests meet a few dozen
        out += static_cast<char>(0x40 + index % 64);
    }
}

std::string FakeCodePage::FromAnsi(std::string_view bytes) {
    std::string out;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto lead = static_cast<unsigned char>(bytes[i]) - 0x81u;
        const auto trail =
            i + 1 < bytes.size() ? static_cast<unsigned char>(bytes[i + 1]) - 0x40u : 64u;
        if (bytes[i] >= 0) {
            out += bytes[i];
            continue;
        }
        // A pair reads as one character even before it becomes one, as it will read then.
        const bool pair = lead < 31 && trail < 64;
        const std::size_t index = pair ? lead * 64 + trail : characters_.size();
        out += index < characters_.size() ? characters_[index] : "\xEF\xBF\xBD";
        i += pair;
    }
    return out;
}

}  // namespace gv::fake
