#include "features/settings_items.h"

#include "base/text.h"

namespace gv {

int SettingsItemReader::Peek() const {
    return pos_ < bytes_.size() ? static_cast<unsigned char>(bytes_[pos_]) : -1;
}

int SettingsItemReader::Get() {
    const int c = Peek();
    if (c != -1) ++pos_;
    return c;
}

void SettingsItemReader::TakeLineEnd(int c) {
    if (c == '\r' && Peek() == '\n') Get();  // CR LF is one line end
}

void SettingsItemReader::SkipToLineEnd() {
    for (int c = Get(); c != -1; c = Get()) {
        if (c == ',' || c == '\n' || c == '\r') {
            TakeLineEnd(c);
            return;
        }
    }
}

std::optional<std::string> SettingsItemReader::operator()() {
    if (failed_) return std::nullopt;
    while (Peek() == ' ') Get();
    if (Peek() == -1) {
        failed_ = true;
        return std::nullopt;
    }
    std::string item;
    auto keep = [&item](int c) {
        if (item.size() < kMaxItemBytes) item.push_back(static_cast<char>(c));
    };
    if (Peek() == '"') {
        Get();
        for (int c = Get(); c != -1; c = Get()) {
            if (c == '"') {
                if (Peek() == '"') {
                    Get();
                    keep('"');
                    continue;
                }
                SkipToLineEnd();
                break;
            }
            if (c == '\n' || c == '\r') {
                TakeLineEnd(c);
                break;
            }
            keep(c);
        }
        return item;
    }
    for (int c = Get(); c != -1; c = Get()) {
        if (c == ',' || c == '\n' || c == '\r') {
            TakeLineEnd(c);
            break;
        }
        keep(c);
    }
    return item;
}

namespace {

bool NeedsQuotes(std::string_view text) {
    return text.find(',') != std::string_view::npos ||
           (!text.empty() && (text.front() == ' ' || text.front() == '"'));
}

}  // namespace

void AppendItem(std::string& out, std::string_view bytes) {
    // A line break inside a text would end its line early: every later setting would be read
    // one line too soon, and the last one lost.
    std::string text(bytes);
    for (char& c : text) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    const bool quoted = NeedsQuotes(text);
    if (quoted) out += '"';
    for (char c : text) {
        if (quoted && c == '"') out += '"';
        out += c;
    }
    if (quoted) out += '"';
    out += "\r\n";
}

void AppendNumberItem(std::string& out, long long value) {
    if (value >= 0) out += ' ';
    StringSink sink(out);
    AppendDecimal(sink, value);
    out += " \r\n";
}

}  // namespace gv
