// Writes the release zip so that two builds of one commit make it byte for byte alike: the
// entries in the order given, each deflated, all dated the given time (seconds since 1970, taken
// as UTC), and nothing of the builder's system: no owner, permissions, file times or extra
// fields, made as by MS-DOS.
//
//   zip_maker OUT.zip SECONDS DIR NAME...    zips DIR/NAME as NAME, for each NAME in turn
#include <zlib.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "bytes.h"

namespace {

// A zip entry's date and time are MS-DOS fields (from 1980, in two-second steps).
struct DosTime {
    std::uint16_t time, date;
};
DosTime ToDos(long long seconds) {
    constexpr long long kFirst = 315532800;  // 1980-01-01 00:00:00, the earliest there is
    if (seconds < kFirst) seconds = kFirst;
    const long long days = seconds / 86400;
    const long long rest = seconds % 86400;
    // Days since 1970 to the civil date (the proleptic Gregorian calendar, in 400-year eras).
    const long long z = days + 719468;
    const long long era = z / 146097;
    const long long dayOfEra = z - era * 146097;
    const long long yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long long monthIndex = (5 * dayOfYear + 2) / 153;  // from March
    const long long day = dayOfYear - (153 * monthIndex + 2) / 5 + 1;
    const long long month = monthIndex < 10 ? monthIndex + 3 : monthIndex - 9;
    long long year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    if (year > 2107) year = 2107;  // the last year the field holds
    return {
        static_cast<std::uint16_t>((rest / 3600) << 11 | (rest / 60 % 60) << 5 | (rest % 60) / 2),
        static_cast<std::uint16_t>((year - 1980) << 9 | month << 5 | day)};
}

bool Deflate(const Bytes& in, Bytes& out) {
    z_stream stream{};
    // Raw deflate (negative window bits): the zip's own headers replace zlib's.
    if (deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        return false;
    out.resize(deflateBound(&stream, static_cast<uLong>(in.size())));
    stream.next_in = const_cast<Bytef*>(in.data());
    stream.avail_in = static_cast<uInt>(in.size());
    stream.next_out = out.data();
    stream.avail_out = static_cast<uInt>(out.size());
    const bool done = deflate(&stream, Z_FINISH) == Z_STREAM_END;
    out.resize(stream.total_out);
    deflateEnd(&stream);
    return done;
}

// The fields a local header and its central directory entry share, from "version needed" on.
void PutCommonFields(Bytes& out, DosTime when, std::uint32_t crc, std::size_t packed,
                     std::size_t size, const std::string& name) {
    Put16(out, 20);  // version 2.0 can extract it
    Put16(out, 0);   // no flags: plain ASCII names, sizes in the header
    Put16(out, 8);   // deflate
    Put16(out, when.time);
    Put16(out, when.date);
    Put32(out, crc);
    Put32(out, static_cast<std::uint32_t>(packed));
    Put32(out, static_cast<std::uint32_t>(size));
    Put16(out, static_cast<std::uint32_t>(name.size()));
    Put16(out, 0);  // no extra field
}

int Fail(const std::string& what) {
    std::fprintf(stderr, "zip_maker: %s\n", what.c_str());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 5) {
        std::fputs("usage: zip_maker OUT.zip SECONDS DIR NAME...\n", stderr);
        return 2;
    }
    char* end = nullptr;
    const long long seconds = std::strtoll(argv[2], &end, 10);
    if (end == argv[2] || *end != '\0') return Fail(std::string("not a time: ") + argv[2]);
    const DosTime when = ToDos(seconds);

    Bytes zip, directory;
    int entries = 0;
    for (int i = 4; i < argc; ++i, ++entries) {
        const std::string name = argv[i];
        std::ifstream file(std::string(argv[3]) + "/" + name, std::ios::binary);
        if (!file) return Fail("cannot read " + name);
        const Bytes data((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        Bytes packed;
        if (!Deflate(data, packed)) return Fail("cannot compress " + name);
        const auto crc =
            static_cast<std::uint32_t>(crc32(0, data.data(), static_cast<uInt>(data.size())));

        Put32(directory, 0x02014b50);
        Put16(directory, 20);  // made by MS-DOS, version 2.0: no host file attributes
        PutCommonFields(directory, when, crc, packed.size(), data.size(), name);
        Put16(directory, 0);  // no comment
        Put16(directory, 0);  // on the first disk
        Put16(directory, 0);  // internal attributes
        Put32(directory, 0);  // external attributes
        Put32(directory, static_cast<std::uint32_t>(zip.size()));
        directory.insert(directory.end(), name.begin(), name.end());

        Put32(zip, 0x04034b50);
        PutCommonFields(zip, when, crc, packed.size(), data.size(), name);
        zip.insert(zip.end(), name.begin(), name.end());
        zip.insert(zip.end(), packed.begin(), packed.end());
    }
    const auto directoryStart = static_cast<std::uint32_t>(zip.size());
    zip.insert(zip.end(), directory.begin(), directory.end());
    Put32(zip, 0x06054b50);
    Put16(zip, 0);  // this disk
    Put16(zip, 0);  // the directory's disk
    Put16(zip, static_cast<std::uint32_t>(entries));
    Put16(zip, static_cast<std::uint32_t>(entries));
    Put32(zip, static_cast<std::uint32_t>(directory.size()));
    Put32(zip, directoryStart);
    Put16(zip, 0);  // no comment

    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(zip.data()), static_cast<std::streamsize>(zip.size()));
    out.close();
    if (!out) {
        std::remove(argv[1]);
        return Fail(std::string("cannot write ") + argv[1]);
    }
    return 0;
}
