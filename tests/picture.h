#pragma once

#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "common/clock_state.h"
#include "fake/fake_platform.h"
#include "render/pixels.h"

namespace gv::test {

// Faces are compared as 16 lines of 16 characters: '.' is the background (button face), 'a' to
// 'h' the colours of slots 0 to 7 as SlotColours() sets them, '?' anything else.
inline std::array<Colour, 8> SlotColours() {
    return {0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF, 0xFF00FF, 0xFFFF00, 0x808080, 0x000080};
}

inline std::string Repeat(const std::string& s, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += s;
    return out;
}

// A program started with `file` in place (or none, when it is empty), as far as its first
// tick. Held by pointer: the form refers to the fakes beside it.
inline std::unique_ptr<fake::Program> Started(const std::string& file) {
    auto p = std::make_unique<fake::Program>();
    if (!file.empty()) p->fake.files.entries[p->fake.files.SettingsPath()].bytes = file;
    p->form.Form_Load();
    return p;
}

// The settings file as the program writes it.
inline std::string SettingsFile(const std::string& interval, int top, int bottom,
                                const std::array<Colour, 8>& clr = SlotColours()) {
    auto line = [](long long n) { return (n < 0 ? "" : " ") + std::to_string(n) + " \r\n"; };
    std::string s = "yyyy/mm/dd hh:mm aaa\r\n" + interval + "\r\n" + line(top) + line(bottom);
    for (Colour c : clr) s += line(c);
    return s;
}

inline std::string Picture(const Pixels& pixels) {
    const auto slots = SlotColours();
    std::string out;
    for (int y = 0; y < kFaceSize; ++y) {
        for (int x = 0; x < kFaceSize; ++x) {
            const Colour c = pixels[static_cast<std::size_t>(y * kFaceSize + x)];
            char ch = '?';
            if (c == kButtonFace) ch = '.';
            for (std::size_t s = 0; s < slots.size(); ++s) {
                if (c == slots[s]) ch = static_cast<char>('a' + s);
            }
            out += ch;
        }
        out += '\n';
    }
    return out;
}

inline std::string Lines(std::initializer_list<const char*> rows) {
    std::string out;
    for (const char* r : rows) out += std::string(r) + '\n';
    return out;
}

// The digits as pictures, written out independently of the program's font strings.
inline const std::array<std::array<const char*, 7>, 10>& GlyphPictures() {
    static const std::array<std::array<const char*, 7>, 10> glyphs = {{
        {"###", "#.#", "#.#", "#.#", "#.#", "#.#", "###"},
        {".#.", "##.", ".#.", ".#.", ".#.", ".#.", "###"},
        {"###", "..#", "..#", "###", "#..", "#..", "###"},
        {"###", "..#", "..#", "###", "..#", "..#", "###"},
        {"#.#", "#.#", "#.#", "###", "..#", "..#", "..#"},
        {"###", "#..", "#..", "###", "..#", "..#", "###"},
        {"###", "#..", "#..", "###", "#.#", "#.#", "###"},
        {"###", "#.#", "#.#", "..#", "..#", "..#", "..#"},
        {"###", "#.#", "#.#", "###", "#.#", "#.#", "###"},
        {"###", "#.#", "#.#", "###", "..#", "..#", "..#"},
    }};
    return glyphs;
}

struct Stamp {
    int digit;
    int column;
    int row;
    char colour;  // 'a' to 'h'
};

// The expected picture of digits stamped onto an empty face (or onto `base`).
inline std::string Expected(std::vector<Stamp> stamps,
                            std::string base = std::string(16 * 17, '.')) {
    for (int y = 0; y < 16; ++y) base[static_cast<std::size_t>(y * 17 + 16)] = '\n';
    for (const Stamp& s : stamps) {
        for (int r = 0; r < 7; ++r) {
            for (int c = 0; c < 3; ++c) {
                if (GlyphPictures()[static_cast<std::size_t>(s.digit)][r][c] != '#') continue;
                const int x = s.column + c, y = s.row + r;
                if (x < 16 && y < 16) base[static_cast<std::size_t>(y * 17 + x)] = s.colour;
            }
        }
    }
    return base;
}

}  // namespace gv::test
