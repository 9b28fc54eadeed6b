#pragma once

#include <deque>
#include <map>
#include <string>

#include "ports/files.h"

namespace gv::fake {

class FakeFiles final : public FileSystem {
  public:
    std::string ExecutableDirectory() override { return directory; }
    bool IsOrdinaryFile(std::string_view path) override {
        auto it = entries.find(path);
        return it != entries.end() && !it->second.hidden;
    }
    FileContents Read(std::string_view path, std::size_t maxBytes) override;
    // Fails while `failWrites` is above 0 (counting down) or below 0 (for good).
    WriteStatus WriteWhole(std::string_view path, std::string_view bytes) override;

    // Locked: unreadable for that many reads more, or for good (-1). Being written by another
    // program: the next reads see `earlier`, one each.
    struct Entry {
        std::string bytes;
        bool hidden = false;
        int unreadable = 0;
        bool readOnly = false;
        std::deque<std::string> earlier{};
    };
    int failWrites = 0;
    std::string directory = "C:\\Tools\\Gorvandel";
    std::map<std::string, Entry, std::less<>> entries;
    int written = 0;
    Entry& SettingsEntry() { return entries[directory + "\\Gorvandel.ini"]; }
    std::string& Settings() { return SettingsEntry().bytes; }
};

}  // namespace gv::fake
