#include "base/number.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace gv {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Collects the number in canonical form ("-12.5e-3") while the text is scanned. Short numbers,
// which is every number the program meets in practice, stay in a fixed buffer; the heap is used
// only for absurdly long digit runs.
class NumberText {
  public:
    void Push(char c) {
        if (heap_.empty() && size_ < small_.size()) {
            small_[size_++] = c;
            return;
        }
        if (heap_.empty()) heap_.assign(small_.data(), size_);
        heap_.push_back(c);
    }
    std::string_view View() const {
        return heap_.empty() ? std::string_view(small_.data(), size_) : std::string_view(heap_);
    }

  private:
    std::array<char, 64> small_{};
    std::size_t size_ = 0;
    std::string heap_;
};

}  // namespace

double LeadingNumber(std::string_view text) {
    std::size_t i = 0;
    auto next = [&]() -> int {  // next character that is not a blank, or -1 at the end
        while (i < text.size() && IsBlank(text[i])) ++i;
        return i < text.size() ? static_cast<unsigned char>(text[i]) : -1;
    };

    NumberText number;
    bool negative = false;
    int c = next();
    if (c == '+' || c == '-') {
        negative = c == '-';
        ++i;
        c = next();
    }
    bool anyDigit = false;
    bool point = false;
    number.Push('0');  // so that ".5" and "5." both read as ordinary numbers
    while (c != -1) {
        if (IsDigit(static_cast<char>(c))) {
            number.Push(static_cast<char>(c));
            anyDigit = true;
        } else if (c == '.' && !point) {
            point = true;
            number.Push('.');
        } else {
            break;
        }
        ++i;
        c = next();
    }
    if (!anyDigit) return 0.0;
    if (point && number.View().back() == '.') number.Push('0');

    if (c == 'E' || c == 'e') {
        std::size_t afterMantissa = i;
        ++i;
        c = next();
        bool expNegative = false;
        if (c == '+' || c == '-') {
            expNegative = c == '-';
            ++i;
            c = next();
        }
        if (c != -1 && IsDigit(static_cast<char>(c))) {
            number.Push('e');
            if (expNegative) number.Push('-');
            while (c != -1 && IsDigit(static_cast<char>(c))) {
                number.Push(static_cast<char>(c));
                ++i;
                c = next();
            }
        } else {
            i = afterMantissa;  // "5E" or "5E+" is just 5
        }
    }

    std::string_view canonical = number.View();
    // Whole numbers of up to 15 digits are exact as doubles: no need for the general parser.
    // The face reads every digit this way, so it is worth the shortcut.
    if (canonical.size() <= 16 && canonical.find_first_of(".e") == std::string_view::npos) {
        double whole = 0;
        for (char d : canonical) whole = whole * 10 + (d - '0');
        return negative ? -whole : whole;
    }
    double value = 0.0;
    auto [ptr, ec] = std::from_chars(canonical.data(), canonical.data() + canonical.size(), value,
                                     std::chars_format::general);
    (void)ptr;
    if (ec == std::errc::result_out_of_range) {
        // from_chars leaves the value alone on range errors: decide by the exponent's sign
        // whether the number was too large or too small.
        bool tiny = canonical.find("e-") != std::string_view::npos;
        value = tiny ? 0.0 : std::numeric_limits<double>::infinity();
    }
    return negative ? -value : value;
}

namespace {

template <typename Int>
std::optional<Int> RoundHalfEven(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    double floor = std::floor(value);
    double fraction = value - floor;
    double rounded = floor;
    if (fraction > 0.5) {
        rounded = floor + 1.0;
    } else if (fraction == 0.5) {
        rounded = std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
    }
    if (rounded < static_cast<double>(std::numeric_limits<Int>::min()) ||
        rounded > static_cast<double>(std::numeric_limits<Int>::max())) {
        return std::nullopt;
    }
    return static_cast<Int>(rounded);
}

}  // namespace

std::optional<std::int16_t> RoundToInt16(double value) {
    return RoundHalfEven<std::int16_t>(value);
}
std::optional<std::int32_t> RoundToInt32(double value) {
    return RoundHalfEven<std::int32_t>(value);
}

}  // namespace gv
