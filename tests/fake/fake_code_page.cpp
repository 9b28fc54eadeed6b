#include "fake/fake_code_page.h"

#include <algorithm>

namespace gv::fake {

void FakeCodePage::ToAnsi(std::string_view utf8, std::string& out) {
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t n = lead < 0x80                   ? 1
                              : lead >= 0xC2 && lead < 0xF5 ? 2 + (lead >= 0xE0) + (lead >= 0xF0)
                                                            : 0;
        bool whole = n != 0 && i + n <= utf8.size();
        for (std::size_t k = 1; whole && k < n; ++k) whole = (utf8[i + k] & 0xC0) == 0x80;
        if (!whole || n == 1) {
            out += whole ? utf8[i] : '?';
            ++i;
            continue;
        }
        const std::string_view character = utf8.substr(i, n);
        i += n;
        auto it = std::find(characters_.begin(), characters_.end(), character);
        if (it == characters_.end()) it = characters_.emplace(it, character);
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
        } else if (lead < 31 && trail < 64) {
            // Not yet a character: read as one, a pair would read otherwise once it became one.
            const std::size_t index = lead * 64 + trail;
            out += index < characters_.size() ? std::string_view(characters_[index])
                                              : std::string_view("\xEF\xBF\xBD");
            ++i;
        } else {
            out += "\xEF\xBF\xBD";
        }
    }
    return out;
}

}  // namespace gv::fake
