// Draws the program's icon file at build time from face/app_icon: one image for each size of
// kAppIconSizes, so Windows picks a size it need not stretch. Up to 64 pixels the images are
// 4-bit palette bitmaps with a transparency mask (the picture has three inks, and the .exe stays
// small); the 256-pixel image is a PNG, which Windows reads from Vista on and which must then be
// 32-bit RGBA. Nothing in the output depends on the time or the machine.
//
//   icon_maker OUT.ico     writes the icon file
//   icon_maker --print N   prints the picture at N x N in face_dump's form: rows of "rrggbb",
//                          "------" where it is transparent (for comparing with a screenshot)
#include <zlib.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "face/app_icon.h"

namespace {

using gv::AppIconInk;
using Bytes = std::vector<std::uint8_t>;

// The icon file's fields are little-endian; the PNG's are big-endian.
void Put16(Bytes& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(Bytes& out, std::uint32_t v) {
    Put16(out, v & 0xFFFFu);
    Put16(out, v >> 16);
}
void PutBigEndian32(Bytes& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(v >> shift));
}

// Red, green and blue of an ink; clear pixels are black, which a mask's XOR leaves unchanged.
struct Rgb {
    std::uint8_t r, g, b;
};
Rgb InkRgb(AppIconInk ink) {
    const gv::Colour c = ink == AppIconInk::Dot    ? gv::kAppIconDot
                         : ink == AppIconInk::Hand ? gv::kAppIconHand
                                                   : gv::kBlack;
    return {static_cast<std::uint8_t>(c), static_cast<std::uint8_t>(c >> 8),
            static_cast<std::uint8_t>(c >> 16)};
}

std::size_t At(int size, int x, int y) {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(size) +
           static_cast<std::size_t>(x);
}

// A bitmap as an icon file holds it: the header (its height counts the colour rows and the mask
// rows), a 16-colour palette whose index is the ink, the colour rows and the mask rows (a set
// bit lets the background through), both from the bottom up and padded to 32 bits.
Bytes BitmapImage(int size) {
    const std::vector<AppIconInk> ink = gv::DrawAppIcon(size);
    const auto colourRow = static_cast<std::size_t>((size * 4 + 31) / 32 * 4);
    const auto maskRow = static_cast<std::size_t>((size + 31) / 32 * 4);
    const auto rows = static_cast<std::size_t>(size);
    Bytes out;
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(size));
    Put32(out, static_cast<std::uint32_t>(2 * size));
    Put16(out, 1);  // planes
    Put16(out, 4);  // bits per pixel
    Put32(out, 0);  // no compression
    Put32(out, static_cast<std::uint32_t>((colourRow + maskRow) * rows));
    for (int i = 0; i < 4; ++i) Put32(out, 0);  // resolution, colours used and important
    for (int index = 0; index < 16; ++index) {
        const Rgb rgb = InkRgb(index <= 2 ? static_cast<AppIconInk>(index) : AppIconInk::Clear);
        out.insert(out.end(), {rgb.b, rgb.g, rgb.r, 0});
    }
    Bytes colours(colourRow * rows), mask(maskRow * rows);
    for (int y = 0; y < size; ++y) {
        const auto row = static_cast<std::size_t>(size - 1 - y);
        for (int x = 0; x < size; ++x) {
            const AppIconInk pixel = ink[At(size, x, y)];
            const auto column = static_cast<std::size_t>(x);
            colours[row * colourRow + column / 2] |=
                static_cast<std::uint8_t>(static_cast<unsigned>(pixel) << (x % 2 == 0 ? 4 : 0));
            if (pixel == AppIconInk::Clear)
                mask[row * maskRow + column / 8] |= static_cast<std::uint8_t>(0x80u >> (x % 8));
        }
    }
    out.insert(out.end(), colours.begin(), colours.end());
    out.insert(out.end(), mask.begin(), mask.end());
    return out;
}

void PutChunk(Bytes& out, const char* type, const Bytes& data) {
    PutBigEndian32(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    const uLong crc = crc32(0, out.data() + start, static_cast<uInt>(out.size() - start));
    PutBigEndian32(out, static_cast<std::uint32_t>(crc));
}

// A PNG of 8-bit red, green, blue and alpha; clear pixels are transparent black.
bool PngImage(int size, Bytes& out) {
    const std::vector<AppIconInk> ink = gv::DrawAppIcon(size);
    Bytes raw;
    for (int y = 0; y < size; ++y) {
        raw.push_back(0);  // no filter: the blocks' runs and repeated rows compress as they are
        for (int x = 0; x < size; ++x) {
            const AppIconInk pixel = ink[At(size, x, y)];
            const Rgb rgb = InkRgb(pixel);
            raw.insert(raw.end(),
                       {rgb.r, rgb.g, rgb.b,
                        static_cast<std::uint8_t>(pixel == AppIconInk::Clear ? 0 : 255)});
        }
    }
    uLongf length = compressBound(static_cast<uLong>(raw.size()));
    Bytes packed(length);
    if (compress2(packed.data(), &length, raw.data(), static_cast<uLong>(raw.size()),
                  Z_BEST_COMPRESSION) != Z_OK)
        return false;
    packed.resize(length);

    Bytes header;
    PutBigEndian32(header, static_cast<std::uint32_t>(size));
    PutBigEndian32(header, static_cast<std::uint32_t>(size));
    header.insert(header.end(), {8, 6, 0, 0, 0});  // 8 bits, RGBA, deflate, no filter, no interlace
    const std::uint8_t signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    out.assign(std::begin(signature), std::end(signature));
    PutChunk(out, "IHDR", header);
    PutChunk(out, "IDAT", packed);
    PutChunk(out, "IEND", {});
    return true;
}

// The icon file: its directory (one entry per image: size, colours, bits, length, offset), then
// the images in the same order.
bool IconFile(Bytes& out) {
    struct Image {
        int size;
        bool png;
        Bytes bytes;
    };
    std::vector<Image> images;
    for (const int size : gv::kAppIconSizes) {
        Image image{size, size > 64, {}};
        if (image.png) {
            if (!PngImage(size, image.bytes)) return false;
        } else {
            image.bytes = BitmapImage(size);
        }
        images.push_back(std::move(image));
    }
    out.clear();
    Put16(out, 0);
    Put16(out, 1);  // an icon, not a cursor
    Put16(out, static_cast<std::uint32_t>(images.size()));
    auto offset = static_cast<std::uint32_t>(6 + 16 * images.size());
    for (const Image& image : images) {
        const auto side = static_cast<std::uint8_t>(image.size >= 256 ? 0 : image.size);
        out.insert(out.end(), {side, side, static_cast<std::uint8_t>(image.png ? 0 : 16), 0});
        Put16(out, 1);                   // planes
        Put16(out, image.png ? 32 : 4);  // bits per pixel
        Put32(out, static_cast<std::uint32_t>(image.bytes.size()));
        Put32(out, offset);
        offset += static_cast<std::uint32_t>(image.bytes.size());
    }
    for (const Image& image : images) out.insert(out.end(), image.bytes.begin(), image.bytes.end());
    return true;
}

int Print(int size) {
    const std::vector<AppIconInk> ink = gv::DrawAppIcon(size);
    if (ink.empty()) return 2;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const AppIconInk pixel = ink[At(size, x, y)];
            const Rgb rgb = InkRgb(pixel);
            if (pixel == AppIconInk::Clear)
                std::fputs("------", stdout);
            else
                std::printf("%02x%02x%02x", rgb.r, rgb.g, rgb.b);
            std::fputc(x + 1 < size ? ' ' : '\n', stdout);
        }
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--print") == 0) return Print(std::atoi(argv[2]));
    if (argc != 2) {
        std::fputs("usage: icon_maker OUT.ico | icon_maker --print SIZE\n", stderr);
        return 2;
    }
    Bytes icon;
    if (!IconFile(icon)) {
        std::fputs("icon_maker: compressing the PNG image failed\n", stderr);
        return 1;
    }
    FILE* file = std::fopen(argv[1], "wb");
    if (file == nullptr) {
        std::perror(argv[1]);
        return 1;
    }
    const bool written = std::fwrite(icon.data(), 1, icon.size(), file) == icon.size();
    if (std::fclose(file) != 0 || !written) {
        std::perror(argv[1]);
        std::remove(argv[1]);
        return 1;
    }
    return 0;
}
