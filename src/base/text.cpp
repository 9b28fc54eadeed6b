#include "base/text.h"

#include <charconv>

namespace gv {

std::size_t Utf8SequenceLength(std::string_view text, std::size_t i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t wanted = lead >= 0xF0 && lead < 0xF8   ? 4
                               : lead >= 0xE0 && lead < 0xF0 ? 3
                               : lead >= 0xC0 && lead < 0xE0 ? 2
                                                             : 1;
    std::size_t length = 1;
    while (length < wanted && i + length < text.size() &&
           (static_cast<unsigned char>(text[i + length]) & 0xC0) == 0x80) {
        ++length;
    }
    return length;
}

void AppendDecimal(TextSink& out, long long value, int minDigits) {
    std::array<char, 24> digits{};
    const unsigned long long magnitude = value < 0 ? 0ULL - static_cast<unsigned long long>(value)
                                                   : static_cast<unsigned long long>(value);
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), magnitude).ptr;
    const auto length = static_cast<int>(end - digits.data());
    if (value < 0) out.Append("-");
    static constexpr std::string_view kZeros = "00000000";
    if (length < minDigits) {
        const auto padding = static_cast<std::size_t>(minDigits - length);
        out.Append(kZeros.substr(0, padding < kZeros.size() ? padding : kZeros.size()));
    }
    out.Append(std::string_view(digits.data(), static_cast<std::size_t>(length)));
}

}  // namespace gv
