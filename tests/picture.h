#pragma once

#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "fake/fake_platform.h"

namespace gv::test {

// Faces are compared as 16 lines of 16 characters: '.' is the background (button face), 'a' to
// 'h' the colours of slots 0 to 7 as SlotColours() sets them, '?' anything else.
inline std::array<Colour, 8> SlotColours() {
    return {0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF, 0xFF00FF, 0xFFFF00, 0x808080, 0x000080};
}

inline std::string Repeat(const std::string& s, int n) {
    std::string out;
    while (n-- > 0) out += s;
    return out;
}

inline std::string Picture(const Pixels& pixels) {
    const auto slots = SlotColours();
    std::string out;
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        const auto slot = std::find(slots.begin(), slots.end(), pixels[i]) - slots.begin();
        out += pixels[i] == kButtonFace ? '.' : slot < 8 ? static_cast<char>('a' + slot) : '?';
        if (i % kFaceSize == kFaceSize - 1) out += '\n';
    }
    return out;
}

// The settings file as the program writes it.
inline std::string SettingsFile(const std::string& interval, int top, int bottom,
                                const std::array<Colour, 8>& colours = SlotColours()) {
    auto line = [](long long n) { return (n < 0 ? "" : " ") + std::to_string(n) + " \r\n"; };
    std::string s = "yyyy/mm/dd hh:mm aaa\r\n" + interval + "\r\n" + line(top) + line(bottom);
    for (Colour c : colours) s += line(c);
    return s;
}

// A clock started with `file` (none when empty); by pointer, as it refers to its fakes.
inline std::unique_ptr<fake::Program> Started(const std::string& file) {
    auto p = std::make_unique<fake::Program>();
    if (!file.empty()) p->fake.files.Settings() = file;
    p->clock.Start();
    return p;
}

// A digit stamped in a slot's colour ('a' to 'h'), its top-left cell at (column, row).
struct Stamp {
    int digit, column, row;
    char colour;
};

// A digital face: the digits of `top` at pixel row `row` in slots a to d, and those of `bottom`
// at `bottomRow` in slots e to h, at columns 0, 4, 9 and 13; a space leaves its place blank.
inline std::vector<Stamp> Digits(std::string_view top, int row = 4, std::string_view bottom = "",
                                 int bottomRow = 9) {
    static constexpr int kColumns[4] = {0, 4, 9, 13};
    std::vector<Stamp> stamps;
    for (std::size_t k = 0; k < 8; ++k) {
        const std::string_view text = k < 4 ? top : bottom;
        if (k % 4 < text.size() && text[k % 4] != ' ')
            stamps.push_back({text[k % 4] - '0', kColumns[k % 4], k < 4 ? row : bottomRow,
                              static_cast<char>('a' + k)});
    }
    return stamps;
}

// Digits stamped onto an empty face (or `base`), in a font of the test's own.
inline std::string Expected(const std::vector<Stamp>& stamps,
                            std::string base = Repeat(std::string(16, '.') + "\n", 16)) {
    static const char* const kGlyphs[10] = {
        "### #.# #.# #.# #.# #.# ###", ".#. ##. .#. .#. .#. .#. ###", "### ..# ..# ### #.. #.. ###",
        "### ..# ..# ### ..# ..# ###", "#.# #.# #.# ### ..# ..# ..#", "### #.. #.. ### ..# ..# ###",
        "### #.. #.. ### #.# #.# ###", "### #.# #.# ..# ..# ..# ..#", "### #.# #.# ### #.# #.# ###",
        "### #.# #.# ### ..# ..# ..#"};
    for (const Stamp& s : stamps)
        for (int r = 0; r < 7; ++r)
            for (int c = 0; c < 3; ++c) {
                const int x = s.column + c, y = s.row + r;
                if (kGlyphs[s.digit][r * 4 + c] == '#' && x < 16 && y < 16)
                    base[static_cast<std::size_t>(y * 17 + x)] = s.colour;
            }
    return base;
}

}  // namespace gv::test
